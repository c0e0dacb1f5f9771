#!/usr/bin/env python3
"""The outline of the PDF `zrconsgt reporte --pdf` writes, read with a PDF library we did not
write: a report that marks group headings (agrupaciones, creditors, banks, accounts,
reconciliations) gets one bookmark per heading, titled by the heading's kind, key and whole name
as marked ("Banco: 012 …") and pointing to the page that prints it, in the document's order,
nested as the report's groups are (a creditor under its agrupación, a reconciliation under its
account under its bank); a report without groups gets one bookmark per page. The PDF is tagged
for a screen reader.

Usage: marcadores_pdf.py ZRCONSGT"""
import json
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
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"], 3),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"], 0),
]


GRUPO = 2  # the line class of a group heading in the listing


def grupos_marcados(listado):
    """Each marked group heading as its bookmark should read: title, page and depth."""
    with open(listado, encoding="utf-8") as f:
        next(f)
        marcas = [json.loads(linea) for linea in f]
    def titulo(m):
        nombre = "" if m["name"] == m["key"] else m["name"]  # an account known by its number alone
        return f"{m['group']}: {' '.join(v for v in (m['key'], nombre) if v)}"
    return [(titulo(m), m["page"], m["level"]) for m in marcas if m["op"] == "mark" and m["class"] == GRUPO]


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


def revisa(nombre, pdf, listado, profundidad):
    fallas = []
    lector = pypdf.PdfReader(pdf)
    arbol = list(aplana(lector, lector.outline))
    fallas += etiquetas(nombre, lector, profundidad)
    paginas = len(lector.pages)
    if max((nivel for *_, nivel in arbol), default=0) != max(profundidad, 1):
        fallas.append(f"{nombre}: los marcadores anidan {max(nivel for *_, nivel in arbol)} niveles, no {profundidad}")
    if not profundidad:
        if [(t, n) for t, n, _ in arbol] != [(f"Página {n}", n) for n in range(1, paginas + 1)]:
            fallas.append(f"{nombre}: se esperaba un marcador por página; hay {arbol[:3]}…")
        return fallas
    esperados = grupos_marcados(listado)
    if len(esperados) < 2:
        fallas.append(f"{nombre}: {len(esperados)} grupos marcados")
    for hay, debe in zip(arbol, esperados):
        if hay != debe:
            fallas.append(f"{nombre}: el marcador {hay} debía ser {debe}")
            break
    if len(arbol) != len(esperados):
        fallas.append(f"{nombre}: {len(arbol)} marcadores, {len(esperados)} grupos marcados")
    return fallas


def corre_y_revisa(reporte, base, comun):
    nombre, ventana, ajustes, profundidad = reporte
    pdf, listado = str(base.with_suffix(".pdf")), str(base.with_suffix(".jsonl"))
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--pdf", pdf, "--listado", listado])
    return revisa(nombre, pdf, listado, profundidad)


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
