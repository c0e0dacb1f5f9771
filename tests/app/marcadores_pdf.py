#!/usr/bin/env python3
"""The outline of the PDF `zrconsgt reporte --pdf` writes, read with a PDF library we did not
write: a report that prints group headings (agrupaciones, banks with their reconciliations) gets
one bookmark per heading, titled as printed and pointing to the page that prints it, in the
document's order; a report without groups gets one bookmark per page. Each page's text still
comes out in reading order.

Usage: marcadores_pdf.py ZRCONSGT"""
import sys

import pypdf

from demo_reportes import cada_reporte, ejecuta

# name, window, settings, whether it prints group headings
REPORTES = [
    ("Saldos agrupado", "gastos", ["--fijar", "cmbConsulta=3", "--marcar", "tvwGral(0):G1"], True),
    ("Libro de Bancos", "tesoreria",
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"], True),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"], False),
]


def texto_de_pagina(pdf, n):
    return ejecuta(["pdftotext", "-layout", "-f", str(n), "-l", str(n), pdf, "-"])


def revisa(nombre, pdf, con_grupos):
    fallas = []
    lector = pypdf.PdfReader(pdf)
    marcas = [(m.title, lector.get_destination_page_number(m) + 1) for m in lector.outline]
    paginas = len(lector.pages)
    if not con_grupos:
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
    nombre, ventana, ajustes, con_grupos = reporte
    pdf = str(base.with_suffix(".pdf"))
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--pdf", pdf])
    return revisa(nombre, pdf, con_grupos)


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
