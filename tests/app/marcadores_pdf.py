#!/usr/bin/env python3
"""The outline of the PDF `zrconsgt reporte --pdf` writes, read with a PDF library we did not
write: a report that prints group headings (agrupaciones, banks with their reconciliations) gets
one bookmark per heading, titled as printed and pointing to the page that prints it, in the
document's order, nested as the report's groups are (a creditor under its agrupación); a report
without groups gets one bookmark per page. Each page's text still
comes out in reading order.

Usage: marcadores_pdf.py ZRCONSGT"""
import sys

import pypdf

from demo_reportes import cada_reporte, ejecuta

# name, window, settings, how deep its group headings nest (0: it prints none)
REPORTES = [
    ("Saldos agrupado", "gastos", ["--fijar", "cmbConsulta=3", "--marcar", "tvwGral(0):G1"], 1),
    ("Movimientos agrupado", "gastos",
     ["--fijar", "cmbConsulta=2", "--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31",
      "--marcar", "tvwGral(0):G1"], 2),
    ("Relación de Movimientos", "tesoreria",
     ["--fijar", "cmbConsulta=1", "--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31"], 3),
    ("Libro de Bancos", "tesoreria",
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"], 1),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"], 0),
]


def texto_de_pagina(pdf, n):
    return ejecuta(["pdftotext", "-layout", "-f", str(n), "-l", str(n), pdf, "-"])


def aplana(lector, ramas, nivel=1):
    """The outline's entries in the document's order, each with its depth."""
    for m in ramas:
        if isinstance(m, list):
            yield from aplana(lector, m, nivel + 1)
        else:
            yield m.title, lector.get_destination_page_number(m) + 1, nivel


def etiquetas(nombre, lector, profundidad):
    """Tagged for a screen reader: marked, in Spanish of Mexico, claiming the accessible standard in
    its metadata, every page tied to the structure, and the marked groups' headings as headings."""
    fallas = []
    raiz = lector.trailer["/Root"]
    if not raiz.get("/MarkInfo", {}).get("/Marked") or raiz.get("/Lang") != "es-MX":
        fallas.append(f"{nombre}: el PDF no está etiquetado en es-MX")
    if b"<pdfuaid:part>1</pdfuaid:part>" not in raiz["/Metadata"].get_object().get_data():
        fallas.append(f"{nombre}: los metadatos no declaran PDF/UA-1")
    if any("/StructParents" not in p for p in lector.pages):
        fallas.append(f"{nombre}: hay páginas fuera de la estructura")
    elementos = raiz["/StructTreeRoot"]["/K"].get_object()["/K"]
    tipos = {e.get_object()["/S"] for e in elementos}
    esperados = {f"/H{n}" for n in range(1, profundidad + 1)} if profundidad > 1 else set()
    if not tipos >= {"/P"} | esperados:
        fallas.append(f"{nombre}: la estructura tiene {sorted(tipos)}")
    return fallas


def revisa(nombre, pdf, profundidad):
    fallas = []
    lector = pypdf.PdfReader(pdf)
    arbol = list(aplana(lector, lector.outline))
    fallas += etiquetas(nombre, lector, profundidad)
    marcas = [(titulo, n) for titulo, n, _ in arbol]
    paginas = len(lector.pages)
    if max((nivel for *_, nivel in arbol), default=0) != max(profundidad, 1):
        fallas.append(f"{nombre}: los marcadores anidan {max(nivel for *_, nivel in arbol)} niveles, no {profundidad}")
    if not profundidad:
        if marcas != [(f"Página {n}", n) for n in range(1, paginas + 1)]:
            fallas.append(f"{nombre}: se esperaba un marcador por página; hay {marcas[:3]}…")
        return fallas
    if len(marcas) < 2:
        fallas.append(f"{nombre}: {len(marcas)} marcadores de grupo")
    if [n for _, n in marcas] != sorted(n for _, n in marcas):
        fallas.append(f"{nombre}: los marcadores no siguen el orden del documento")
    for titulo, n in marcas:
        # pdftotext puts spaces of its own between the heading's texts, or none where they touch.
        if "".join(titulo.split()) not in "".join(texto_de_pagina(pdf, n).split()):
            fallas.append(f"{nombre}: «{titulo}» no está en la página {n}")
    return fallas


def corre_y_revisa(reporte, base, comun):
    nombre, ventana, ajustes, profundidad = reporte
    pdf = str(base.with_suffix(".pdf"))
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--pdf", pdf])
    return revisa(nombre, pdf, profundidad)


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
