#!/usr/bin/env python3
"""Every report exported by `zrconsgt reporte --xlsx --csv`, read back with readers we did not
write: the detail rows of each amount column add up to the totals the report printed, no printed
amount or date is lost, amounts are numbers in "#,##0.00", dates are dates, and the CSV holds the
same values as the sheet.

Usage: hoja_totales.py ZRCONSGT
A report that lands is one more line in REPORTES."""
import csv
import datetime
import json
import re
import subprocess
import sys
import tempfile
from decimal import Decimal
from pathlib import Path

import openpyxl

AÑO = ["--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31"]

# name, window, settings (--fijar / --marcar pairs as the command line takes them), and the
# captions of columns printed rounded line by line while the report totals the unrounded values
# (an amount times an exchange rate): those totals may differ from the rows by half a cent a row.
REPORTES = [
    ("Directorio detallado", "gastos", ["--fijar", "cmbTipCatalogo=0", "--fijar", "optTipo(0)=1"]),
    ("Directorio resumido", "gastos", ["--fijar", "cmbTipCatalogo=0", "--fijar", "optTipo(1)=1"]),
    ("Parámetros detallado", "gastos", ["--fijar", "cmbTipCatalogo=1", "--fijar", "optTipo(0)=1"]),
    ("Parámetros resumido", "gastos", ["--fijar", "cmbTipCatalogo=1", "--fijar", "optTipo(1)=1"]),
    ("Parámetros agrupado", "gastos",
     ["--fijar", "cmbTipCatalogo=1", "--fijar", "optTipo(0)=1", "--marcar", "tvwGral(0):G1"]),
    ("Parámetros por ciudad", "gastos",
     ["--fijar", "cmbTipCatalogo=1", "--fijar", "chkRegion=1", "--fijar", "cmbRegion(0)=Guadalajara"]),
    ("Catálogo de Cuentas", "tesoreria", ["--fijar", "cmbConsulta=Catálogo de Cuentas"]),
    ("Movimientos por fecha", "tesoreria", ["--fijar", "cmbConsulta=1", *AÑO], {"Importe M.N."}),
    ("Auxiliar de bancos", "tesoreria", ["--fijar", "cmbConsulta=2", *AÑO]),
    ("Movimientos por aplicación", "tesoreria", ["--fijar", "cmbConsulta=7", *AÑO]),
    ("Traspasos", "tesoreria", ["--fijar", "cmbConsulta=8", *AÑO]),
    ("Relación de Conciliaciones", "tesoreria", ["--fijar", "cmbConsulta=4", *AÑO]),
    ("Promedio diario mensual", "tesoreria", ["--fijar", "cmbConsulta=5"]),
    ("Promedio mensual", "tesoreria", ["--fijar", "cmbConsulta=6"]),
]

IMPORTE = re.compile(r"^-?\s*\$?\s*-?\s*\d{1,3}(,\d{3})*\.\d{2}$")
FECHA = re.compile(r"^\d{2}/(\d{2}|[A-Za-z]{3})/\d{4}$")
CUENTA = re.compile(r"TOTAL\b[^$\d]*?(?<![\d.,])(\d+)\s+[A-Za-z]", re.IGNORECASE)


def ejecuta(args):
    r = subprocess.run(args, capture_output=True, text=True, timeout=300)
    if r.returncode != 0:
        raise AssertionError(f"{' '.join(args)}\n{r.stdout}{r.stderr}")
    return r.stdout


def impresos(listado):
    """The amount and date texts the pages print (the page heading prints neither on its own)."""
    importes = fechas = 0
    with open(listado, encoding="utf-8") as f:
        next(f)
        for linea in f:
            r = json.loads(linea)
            if r["op"] != "text":
                continue
            t = r["text"].strip()
            importes += bool(IMPORTE.match(t))
            fechas += bool(FECHA.match(t))
    return importes, fechas


def centavos(v):
    return Decimal(str(v)).quantize(Decimal("0.01"))


def revisa(nombre, xlsx, csv_, listado, redondeadas=frozenset()):
    fallas = []
    libro = openpyxl.load_workbook(xlsx)
    hoja = libro.active
    filas = list(hoja.iter_rows())
    if not filas:
        return [f"{nombre}: la hoja está vacía"]
    encabezado, cuerpo = filas[0], filas[1:]
    if not all(c.font.bold for c in encabezado if c.value is not None):
        fallas.append(f"{nombre}: el encabezado no está en negritas")

    numeros = fechas = 0
    for fila in cuerpo:
        for c in fila:
            if isinstance(c.value, (int, float)):
                numeros += 1
                if c.number_format != "#,##0.00":
                    fallas.append(f"{nombre}: {c.coordinate} tiene el formato {c.number_format}")
            elif isinstance(c.value, datetime.datetime):
                fechas += 1
            elif isinstance(c.value, str) and IMPORTE.match(c.value.strip()):
                fallas.append(f"{nombre}: {c.coordinate} guarda un importe como texto")
    importes_impresos, fechas_impresas = impresos(listado)
    if numeros != importes_impresos:
        fallas.append(f"{nombre}: {numeros} importes en la hoja, {importes_impresos} impresos")
    if fechas != fechas_impresas:
        fallas.append(f"{nombre}: {fechas} fechas en la hoja, {fechas_impresas} impresas")

    # Totals: bold rows whose caption says TOTAL. Each amount they print, in its column or inside
    # the caption, equals a sum of the detail rows of one column: since the previous total with
    # the same caption, since the previous total of any kind, or since the start; a running
    # balance carried into the total equals the last detail value. A printed count equals the
    # detail rows since the previous total.
    todo, tramo, ultimo, por_leyenda, detalles_tramo = {}, {}, {}, {}, 0
    for fila in cuerpo:
        if not fila[0].font.bold:
            detalles_tramo += 1
            for i, c in enumerate(fila):
                if isinstance(c.value, (int, float)):
                    v = centavos(c.value)
                    for sumas in (todo, tramo, *por_leyenda.values()):
                        sumas[i] = sumas.get(i, Decimal(0)) + v
                    ultimo[i] = v
            continue
        leyenda = str(fila[0].value or "")
        if not re.search(r"\bTOTAL", leyenda, re.IGNORECASE):
            continue  # a group heading or an opening balance
        clave = re.sub(r"[\d$.,()-]+", "", leyenda).split(":")[0].strip().upper()
        propio = por_leyenda.get(clave, todo)
        candidatos = lambda i: {propio.get(i, Decimal(0)), tramo.get(i, Decimal(0)), todo.get(i, Decimal(0)),
                                ultimo.get(i)}
        def cuadra(i, v):
            if v in candidatos(i):
                return True
            if encabezado[i].value not in redondeadas:
                return False
            margen = Decimal("0.005") * max(detalles_tramo, 1) + Decimal("0.01")
            return any(abs(v - s) <= margen for s in candidatos(i) if s is not None)

        for i, c in enumerate(fila):
            if isinstance(c.value, (int, float)) and not cuadra(i, centavos(c.value)):
                fallas.append(f"{nombre}: «{leyenda}» imprime {c.value} en la columna {i + 1}; "
                              f"los renglones suman {propio.get(i, Decimal(0))}")
        columnas = set(todo) | set(tramo)
        for m in re.finditer(r"-?\d{1,3}(?:,\d{3})*\.\d{2}", leyenda):
            v = Decimal(m.group(0).replace(",", ""))
            if not any(cuadra(i, v) for i in columnas):
                fallas.append(f"{nombre}: «{leyenda}» imprime {v}, que no suma ninguna columna")
        cuenta = CUENTA.search(leyenda)
        if cuenta and int(cuenta.group(1)) != detalles_tramo:
            fallas.append(f"{nombre}: «{leyenda}» cuenta {cuenta.group(1)}; hay {detalles_tramo} renglones")
        por_leyenda[clave] = {}
        tramo, detalles_tramo = {}, 0

    # The CSV: the same rows and values, amounts with a dot and no grouping, dates yyyy-mm-dd.
    with open(csv_, encoding="utf-8", newline="") as f:
        texto = f.read()
    if not texto.endswith("\r\n") or texto.count("\n") != texto.count("\r\n"):
        fallas.append(f"{nombre}: el CSV no separa los renglones con CRLF")
    renglones = list(csv.reader(texto.splitlines(keepends=True)))
    if len(renglones) != len(filas):
        fallas.append(f"{nombre}: {len(renglones)} renglones en el CSV, {len(filas)} en la hoja")
    for fila, renglon in zip(filas, renglones):
        for c, v in zip(fila, renglon):
            if isinstance(c.value, (int, float)):
                if not re.fullmatch(r"-?\d+\.\d{2}", v) or Decimal(v) != centavos(c.value):
                    fallas.append(f"{nombre}: CSV {v!r} frente a {c.value} en {c.coordinate}")
            elif isinstance(c.value, datetime.datetime):
                if v != c.value.date().isoformat():
                    fallas.append(f"{nombre}: CSV {v!r} frente a la fecha {c.value} en {c.coordinate}")
            elif (c.value or "") != v:
                fallas.append(f"{nombre}: CSV {v!r} frente a {c.value!r} en {c.coordinate}")
    return fallas


def main():
    zrconsgt = sys.argv[1]
    with tempfile.TemporaryDirectory() as raiz:
        demo = Path(raiz) / "demo"
        cadena = ejecuta([zrconsgt, "demo", str(demo)]).strip()
        fallas = []
        for n, (nombre, ventana, ajustes, *redondeadas) in enumerate(REPORTES):
            base = Path(raiz) / f"r{n}"
            salidas = [str(base.with_suffix(e)) for e in (".xlsx", ".csv", ".jsonl")]
            ejecuta([zrconsgt, "reporte", "--conexion", cadena, "--ruta", str(demo), "--ventana", ventana,
                     *ajustes, "--xlsx", salidas[0], "--csv", salidas[1], "--listado", salidas[2]])
            encontradas = revisa(nombre, *salidas, redondeadas[0] if redondeadas else set())
            print(f"{nombre}: {'bien' if not encontradas else 'MAL'}")
            fallas += encontradas
    for f in fallas:
        print(f, file=sys.stderr)
    return 1 if fallas else 0


if __name__ == "__main__":
    sys.exit(main())
