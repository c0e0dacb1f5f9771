#!/usr/bin/env python3
"""The outline of the PDF `zrconsgt reporte --pdf` writes, read with a PDF library we did not
write: a report that prints group headings (agrupaciones, banks with their reconciliations) gets
one bookmark per heading, titled as printed and pointing to the page that prints it, in the
document's order; a report without groups gets one bookmark per page. Each page's text still
comes out in reading order.

Usage: marcadores_pdf.py ZRCONSGT"""
import subprocess
import sys
import tempfile
from pathlib import Path

import pypdf

# name, window, settings, whether it prints group headings
REPORTES = [
    ("Saldos agrupado", "gastos", ["--fijar", "cmbConsulta=3", "--marcar", "tvwGral(0):G1"], True),
    ("Libro de Bancos", "tesoreria",
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"], True),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"], False),
]


def ejecuta(args):
    r = subprocess.run(args, capture_output=True, text=True, timeout=300)
    if r.returncode != 0:
        raise AssertionError(f"{' '.join(args)}\n{r.stdout}{r.stderr}")
    return r.stdout


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


def main():
    zrconsgt = sys.argv[1]
    fallas = []
    with tempfile.TemporaryDirectory() as raiz:
        demo = Path(raiz) / "demo"
        cadena = ejecuta([zrconsgt, "demo", str(demo)]).strip()
        for n, (nombre, ventana, ajustes, con_grupos) in enumerate(REPORTES):
            pdf = str(Path(raiz) / f"r{n}.pdf")
            ejecuta([zrconsgt, "reporte", "--conexion", cadena, "--ruta", str(demo), "--ventana", ventana, *ajustes,
                     "--pdf", pdf])
            encontradas = revisa(nombre, pdf, con_grupos)
            print(f"{nombre}: {'bien' if not encontradas else 'MAL'}")
            fallas += encontradas
    for f in fallas:
        print(f, file=sys.stderr)
    return 1 if fallas else 0


if __name__ == "__main__":
    sys.exit(main())
