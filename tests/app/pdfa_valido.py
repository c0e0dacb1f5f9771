#!/usr/bin/env python3
"""The archival PDF (`zrconsgt reporte --pdfa`) of reports of both windows, checked by the PDF/A-1b
validator Debian ships (its preflight, run on Java), not by our own reading of the file.

Usage: pdfa_valido.py ZRCONSGT"""
import subprocess
import sys

from demo_reportes import cada_reporte, ejecuta

JAVA = "/usr/share/java/"
CLASES = ":".join(JAVA + j for j in ("preflight.jar", "pdfbox2.jar", "fontbox2.jar", "xmpbox.jar",
                                     "commons-logging.jar", "javax.activation.jar", "jaxb-api.jar"))

# name, window, settings: a grouped creditor report, the bank book's reconciliations, a catalog
REPORTES = [
    ("Saldos agrupado", "gastos", ["--fijar", "cmbConsulta=3", "--marcar", "tvwGral(0):G1"]),
    ("Libro de Bancos", "tesoreria",
     ["--fijar", "cmbConsulta=3", "--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"]),
    ("Parámetros", "gastos", ["--fijar", "cmbTipCatalogo=1"]),
]


def corre_y_revisa(reporte, base, comun):
    nombre, ventana, ajustes = reporte
    pdf = str(base.with_suffix(".pdf"))
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--pdfa", pdf])
    r = subprocess.run(["java", "-cp", CLASES, "org.apache.pdfbox.preflight.Validator_A1b", pdf],
                       capture_output=True, text=True, timeout=300)
    if r.returncode != 0 or "is a valid PDF/A-1b file" not in r.stdout:
        return [f"{nombre}: el validador rechaza el PDF/A\n{r.stdout}{r.stderr}"]
    return []


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
