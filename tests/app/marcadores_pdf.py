#!/usr/bin/env python3
"""The outline of the PDF `zrconsgt reporte --pdf` writes, read with a PDF library we did not
write: a report that marks group headings (agrupaciones, creditors, banks, accounts,
reconciliations) gets one bookmark per heading, titled by the heading's kind, key and whole name
as marked ("Banco: 012 …") and pointing to the page that prints it, in the document's order,
nested as the report's groups are (a creditor under its agrupación, a reconciliation under its
account under its bank); a report without groups gets one bookmark per page. Each page's text
still comes out in reading order, and its structure reads as the report marks its lines (tables
under their captions, headings).

Usage: marcadores_pdf.py ZRCONSGT"""
import json
import re
import sys

import pypdf

from demo_reportes import cada_reporte, ejecuta

# name, window, settings, how deep its group headings nest (0: it prints none), whether it marks its captions
REPORTES = [
    ("Saldos agrupado", "gastos", ["--fijar", "cmbConsulta=3", "--marcar", "tvwGral(0):G1"], 1, False),
    ("Movimientos agrupado", "gastos",
     ["--fijar", "cmbConsulta=2", "--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31",
      "--marcar", "tvwGral(0):G1"], 2, True),
    ("Relación de Movimientos", "tesoreria",
     ["--fijar", "cmbConsulta=1", "--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31"], 3, False),
    ("Libro de Bancos", "tesoreria",
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"], 3, False),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"], 0, False),
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


def hijos(elemento):
    k = elemento.get("/K", [])
    return [h.get_object() for h in (k if isinstance(k, list) else [k]) if not isinstance(h, int)]


def atributos(elemento):
    a = elemento.get("/A")
    return a.get_object() if a is not None else {}


def tabla(nombre, t, ids):
    """A table reads top down: its header rows of TH cells first, then rows of TD cells (a group's
    heading in a cell of its own); a cell's headers are header cells of the same table."""
    fallas = []
    filas = hijos(t)
    if any(f["/S"] != "/TR" for f in filas):
        fallas.append(f"{nombre}: una tabla tiene hijos que no son filas")
    encabezado = True
    for fila in filas:
        tipos = {c["/S"] for c in hijos(fila)}
        if tipos == {"/TH"}:
            if not encabezado:
                fallas.append(f"{nombre}: títulos de columna después de los renglones")
        elif tipos and tipos <= {"/TD"}:
            encabezado = False
        else:
            fallas.append(f"{nombre}: una fila tiene celdas {sorted(tipos)}")
        for celda in hijos(fila):
            for i in atributos(celda).get("/Headers", []):
                th = ids.get(i)
                if th is None or th["/S"] != "/TH" or th["/P"].get_object()["/P"].get_object() != t:
                    fallas.append(f"{nombre}: la celda nombra el título {i}, que no es de su tabla")
    return fallas


def etiquetas(nombre, lector, profundidad, titulos):
    """Tagged for a screen reader: marked, in Spanish of Mexico, claiming the accessible standard in
    its metadata, every page tied to the structure, each page's marked content pointing back at
    the element on that page that holds it, the marked groups' headings as headings, and a report
    that marks its captions read as tables whose values name their column's caption."""
    fallas = []
    raiz = lector.trailer["/Root"]
    if not raiz.get("/MarkInfo", {}).get("/Marked") or raiz.get("/Lang") != "es-MX":
        fallas.append(f"{nombre}: el PDF no está etiquetado en es-MX")
    if b"<pdfuaid:part>1</pdfuaid:part>" not in raiz["/Metadata"].get_object().get_data():
        fallas.append(f"{nombre}: los metadatos no declaran PDF/UA-1")
    if any("/StructParents" not in p for p in lector.pages):
        fallas.append(f"{nombre}: hay páginas fuera de la estructura")
    arbol = raiz["/StructTreeRoot"]
    numeros = arbol["/ParentTree"]["/Nums"]
    for n, elementos in zip(numeros[::2], numeros[1::2]):
        pagina = lector.pages[n].indirect_reference.idnum
        if any(e.get_object()["/K"] != mcid or e.get_object().raw_get("/Pg").idnum != pagina
               for mcid, e in enumerate(elementos.get_object())):
            fallas.append(f"{nombre}: el contenido de la página {n + 1} apunta a otro elemento")
    nombres = arbol.get("/IDTree", {}).get("/Names", [])
    ids = {i: e.get_object() for i, e in zip(nombres[::2], nombres[1::2])}
    tipos = set()
    nombrados = 0  # cells tied to their column's caption
    pendientes = hijos(arbol["/K"].get_object())
    while pendientes:
        e = pendientes.pop()
        tipos.add(e["/S"])
        nombrados += "/Headers" in atributos(e)
        if e["/S"] == "/Table":
            fallas += tabla(nombre, e, ids)
        pendientes += hijos(e)
    esperados = {f"/H{n}" for n in range(1, profundidad + 1)} if profundidad > 1 else set()
    if not tipos >= esperados or not ({"/P", "/TD"} & tipos):
        fallas.append(f"{nombre}: la estructura tiene {sorted(tipos)}")
    if titulos and not ({"/TH", "/TD"} <= tipos and nombrados):
        fallas.append(f"{nombre}: sus títulos de columna no encabezan tablas ({sorted(tipos)}, {nombrados} valores)")
    return fallas


def celdas_con_titulo(nombre, pdf):
    """Read back by poppler, every date a cell holds sits under the "Fecha" caption: a cell tied
    to another column's caption reads aloud under the wrong heading."""
    lineas = ejecuta(["pdfinfo", "-struct-text", pdf]).splitlines()
    texto = lambda i: next((l.strip().strip('"') for l in lineas[i + 1:] if l.strip().startswith('"')), None)
    titulos, celdas = {}, []
    for i, linea in enumerate(lineas):
        if m := re.match(r"\s*TH <(c\d+)>:", linea):
            titulos[m[1]] = texto(i)
        elif m := re.search(r"/Headers \[\((c\d+)\)\]", linea):
            celdas.append((m[1], texto(i)))
    fechas = [(titulos.get(i), t) for i, t in celdas if re.fullmatch(r"\d\d/\d\d/\d{4}", t or "")]
    if not fechas or any(titulo != "Fecha" for titulo, _ in fechas):
        return [f"{nombre}: fechas bajo otros títulos: {[f for f in fechas if f[0] != 'Fecha'][:3]}"]
    return []


def revisa(nombre, pdf, listado, profundidad, titulos):
    fallas = []
    lector = pypdf.PdfReader(pdf)
    arbol = list(aplana(lector, lector.outline))
    fallas += etiquetas(nombre, lector, profundidad, titulos)
    if titulos:
        fallas += celdas_con_titulo(nombre, pdf)
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
    nombre, ventana, ajustes, profundidad, titulos = reporte
    pdf, listado = str(base.with_suffix(".pdf")), str(base.with_suffix(".jsonl"))
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--pdf", pdf, "--listado", listado])
    return revisa(nombre, pdf, listado, profundidad, titulos)


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
