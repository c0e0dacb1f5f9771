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
import sys
from decimal import Decimal

import openpyxl

from demo_reportes import cada_reporte, ejecuta

AÑO = ["--fijar", "dtpFecha(0)=2025-01-01", "--fijar", "dtpFecha(1)=2025-12-31"]
OCTUBRE = ["--fijar", "dtpFecha(0)=2025-10-01", "--fijar", "dtpFecha(1)=2025-10-31"]
DICIEMBRE = ["--fijar", "dtpFecha(0)=2025-12-01", "--fijar", "dtpFecha(1)=2025-12-31"]
CAJA = ["--fijar", "dtpFecha(0)=2024-01-01", "--fijar", "dtpFecha(1)=2025-12-31"]
AGRUPADO = ["--marcar", "tvwGral(0):G1"]
DETALLADO, RESUMIDO = ["--fijar", "optTipo(0)=1"], ["--fijar", "optTipo(1)=1"]
POR_CONCEPTO = ["--fijar", "optOrden(1)=1"]


def consulta(numero, *ajustes):
    return ["--fijar", f"cmbConsulta={numero}", *[a for grupo in ajustes for a in grupo]]


def catalogo(tipo, *ajustes):
    return ["--fijar", f"cmbTipCatalogo={tipo}", *[a for grupo in ajustes for a in grupo]]


# What a report prints as a total that is not the sum of the detail rows above it:
#  - redondeadas: captions of columns printed rounded line by line while the report totals the
#    unrounded values (an amount times an exchange rate, a percentage of an amount), so their
#    totals may differ from the rows by half a cent a row;
#  - no_sumables: captions of columns whose totals are not sums, each with the reason;
#  - sin_revisar: captions of totals printed again out of place, each with the reason.
SALDO_CORRIDO = "each line prints the running balance; a subtotal repeats the last one"
POR_CUENTA = "the summary prints each account's sums and final balance, not its movements"

# name, window, settings (--fijar / --marcar pairs as the command line takes them), exceptions.
REPORTES = [
    ("Directorio detallado", "gastos", catalogo(0, DETALLADO)),
    ("Directorio resumido", "gastos", catalogo(0, RESUMIDO)),
    ("Parámetros detallado", "gastos", catalogo(1, DETALLADO)),
    ("Parámetros resumido", "gastos", catalogo(1, RESUMIDO)),
    ("Parámetros agrupado", "gastos", catalogo(1, DETALLADO, AGRUPADO)),
    ("Parámetros por ciudad", "gastos",
     catalogo(1, ["--fijar", "chkRegion=1", "--fijar", "cmbRegion(0)=Guadalajara"])),
    ("Saldos", "gastos", consulta(3)),
    ("Saldos agrupado con ceros", "gastos", consulta(3, AGRUPADO, ["--fijar", "chkSinSaldo=1"])),
    ("Auxiliar detallado", "gastos", consulta(1, OCTUBRE, DETALLADO)),
    ("Auxiliar detallado agrupado", "gastos", consulta(1, OCTUBRE, DETALLADO, AGRUPADO)),
    ("Auxiliar resumido", "gastos", consulta(1, OCTUBRE, RESUMIDO)),
    ("Auxiliar resumido agrupado", "gastos", consulta(1, OCTUBRE, RESUMIDO, AGRUPADO)),
    ("Movimientos por acreedor", "gastos", consulta(2, AÑO, DETALLADO)),
    ("Movimientos por acreedor resumido", "gastos", consulta(2, AÑO, RESUMIDO)),
    ("Movimientos por acreedor agrupado", "gastos", consulta(2, AÑO, DETALLADO, AGRUPADO)),
    ("Movimientos por concepto", "gastos", consulta(2, AÑO, POR_CONCEPTO, DETALLADO)),
    ("Movimientos por concepto resumido", "gastos", consulta(2, AÑO, POR_CONCEPTO, RESUMIDO)),
    ("Caja por folio", "gastos", consulta(4, CAJA, DETALLADO)),
    ("Caja por folio resumido", "gastos", consulta(4, CAJA, RESUMIDO)),
    ("Caja por concepto", "gastos", consulta(4, CAJA, POR_CONCEPTO, DETALLADO)),
    ("Caja por concepto resumido", "gastos", consulta(4, CAJA, POR_CONCEPTO, RESUMIDO),
     {"repetidos": (5, "the summary prints its last concept's totals once more, over the global total")}),
    ("Catálogo de Cuentas", "tesoreria", consulta("Catálogo de Cuentas")),
    ("Movimientos por fecha", "tesoreria", consulta(1, AÑO)),
    ("Movimientos por fecha resumido", "tesoreria", consulta(1, AÑO, RESUMIDO)),
    ("Auxiliar de bancos", "tesoreria", consulta(2, AÑO), {"no_sumables": {"Saldo": SALDO_CORRIDO}}),
    ("Auxiliar de bancos resumido", "tesoreria", consulta(2, AÑO, RESUMIDO),
     {"no_sumables": {"Ingresos": POR_CUENTA, "Egresos": POR_CUENTA, "Saldo": POR_CUENTA}}),
    ("Libro de Bancos", "tesoreria", consulta(3, DICIEMBRE)),
    ("Relación de Conciliaciones", "tesoreria", consulta(4, AÑO)),
    ("Promedio diario mensual", "tesoreria", consulta(5)),
    ("Promedio mensual", "tesoreria", consulta(6)),
    ("Movimientos por aplicación", "tesoreria", consulta(7, AÑO)),
    ("Movimientos por aplicación resumido", "tesoreria", consulta(7, AÑO, RESUMIDO)),
    ("Traspasos", "tesoreria", consulta(8, AÑO)),
    ("Traspasos a terceros", "tesoreria", consulta(8, AÑO, ["--fijar", "cmbTras=1"])),
]

IMPORTE = re.compile(r"^-?\s*\$?\s*-?\s*\d{1,3}(,\d{3})*\.\d{2}(\s+[A-Z]{3})?$")
FECHA = re.compile(r"^\d{2}/(\d{2}|[A-Za-z]{3})/\d{4}$")
CUENTA = re.compile(r"TOTAL\b[^$\d]*?(?<![\d.,])(\d+)\s+\w+\((?:es|s)\)", re.IGNORECASE)


def impresos(listado):
    """The amount and date texts the pages print (the company heading prints neither on its own).
    A line a page prints exactly as the page before printed it at the same height is a heading
    carried over, which the sheet holds once. A text marked as a number that is not an amount (an
    exchange rate) may print like one; the sheet holds it as a plain number."""
    paginas = {}
    NUMERO = 4
    with open(listado, encoding="utf-8") as f:
        next(f)
        numero = False
        for linea in f:
            r = json.loads(linea)
            if r["op"] == "value":
                numero = r["type"] == NUMERO
            elif r["op"] == "text":
                texto = "" if numero else r["text"].strip()
                paginas.setdefault(r["page"], {}).setdefault(r["y"], []).append((r["x"], texto))
                numero = False
    importes = fechas = 0
    for n, lineas in paginas.items():
        anterior = paginas.get(n - 1, {})
        for y, textos in lineas.items():
            if sorted(textos) == sorted(anterior.get(y, [])):
                continue
            importes += sum(bool(IMPORTE.match(t)) for _, t in textos)
            fechas += sum(bool(FECHA.match(t)) for _, t in textos)
    return importes, fechas


FORMATO_IMPORTE = "#,##0.00"


def centavos(v):
    return Decimal(str(v)).quantize(Decimal("0.01"))


def exacto(v):
    return Decimal(str(v)).quantize(Decimal("0.0001"))


def importe(celda):
    """The exact amount a cell holds, or None for any other cell (a count, a percentage, a term)."""
    if isinstance(celda.value, (int, float)) and celda.number_format == FORMATO_IMPORTE:
        return exacto(celda.value)
    return None


def revisa_marcas(nombre, encabezado, cuerpo):
    """A sheet written from the marks the report put on its lines: in every amount column, a
    subtotal equals the exact sum of the detail rows of its group (the same keys down to its own
    level), of those since the previous subtotal (a group that added up to nothing hands its
    rows to the next), of its group headings' amounts or of the subtotals of one deeper level in
    its group (a summary form's account over its concepts); a total the sum of every detail row,
    of the subtotals of one level, or of the group headings' amounts (each cheque of the petty
    cash). A balance
    is not summed: it closes at what its group headings bring forward plus every other signed
    amount of its rows (a ledger's charges and credits). A number no detail row holds counts the
    detail rows the line closes. A summary form has no detail rows to sum."""
    fallas = []
    columnas = [c.value for c in encabezado]
    claves = [i for i, n in enumerate(columnas) if n and n.endswith(" (clave)")]

    def suma(valores):
        valores = [v for v in valores if v is not None]
        return sum(valores, Decimal(0)) if valores else None

    def saldo(encabezados, filas, i):
        return suma([importe(c) for f in encabezados for c in f] +
                    [importe(c) for f in filas for j, c in enumerate(f) if j != i])

    def por_nivel(filas):
        niveles = {}
        for nivel, f in filas:
            niveles.setdefault(nivel, []).append(f)
        return niveles

    detalles, tramo, subtotales, grupos = [], [], [], []  # subtotales: (level, row)
    for fila in cuerpo:
        renglon = fila[0].value or ""
        if not renglon:
            detalles.append(fila)
            tramo.append(fila)
            continue
        if renglon.startswith("Subtotal de "):
            hasta = columnas.index(renglon.removeprefix("Subtotal de ") + " (clave)")
            propias = [k for k in claves if k <= hasta]
            llave = [fila[k].value for k in propias]

            def suyas(filas):
                return [f for f in filas if [f[k].value for k in propias] == llave]

            cubiertos, encabezados = suyas(detalles), suyas(grupos)
            debajo = por_nivel((n, f) for n, f in subtotales if n > hasta)
            conjuntos = [cubiertos, tramo, encabezados, *(suyas(filas) for filas in debajo.values())]
            cuentas = {len(cubiertos), len(tramo)}
            subtotales.append((hasta, fila))
            tramo = []
        elif renglon == "Total":
            cubiertos, encabezados = detalles, grupos
            conjuntos, cuentas = [detalles, *por_nivel(subtotales).values(), grupos], {len(detalles)}
        else:
            grupos.append(fila)
            continue
        for i, c in enumerate(fila):
            if not isinstance(c.value, (int, float)):
                continue
            if importe(c) is None:
                if not any(isinstance(d[i].value, (int, float)) for d in detalles) and c.value not in cuentas:
                    fallas.append(f"{nombre}: {renglon} {[fila[k].value for k in claves]} cuenta {c.value} en "
                                  f"«{columnas[i]}»; cierra {sorted(cuentas)} renglones")
                continue
            sumas = [s for s in (suma(importe(f[i]) for f in filas) for filas in conjuntos) if s is not None]
            if sumas and importe(c) not in sumas + [saldo(encabezados, cubiertos, i)]:
                fallas.append(f"{nombre}: {renglon} {[fila[k].value for k in claves]} imprime {c.value} en "
                              f"«{columnas[i]}»; sus renglones suman {sumas[0]}")
    return fallas


def revisa(nombre, xlsx, csv_, listado, redondeadas=frozenset(), no_sumables=frozenset(), sin_revisar=frozenset(),
           repetidos=(0, "")):
    fallas = []
    libro = openpyxl.load_workbook(xlsx)
    hoja = libro.active
    filas = list(hoja.iter_rows())
    if not filas:
        return [f"{nombre}: la hoja está vacía"]
    encabezado, cuerpo = filas[0], filas[1:]
    if not all(c.font.bold for c in encabezado if c.value is not None):
        fallas.append(f"{nombre}: el encabezado no está en negritas")
    marcada = encabezado[0].value == "Renglón"
    if marcada:
        fallas += revisa_marcas(nombre, encabezado, cuerpo)

    # A marked sheet may hold numbers that are not amounts (a count, a percentage): they are not
    # printed as amounts either, so an amount written without its format is one amount short.
    numeros = fechas = 0
    for fila in cuerpo:
        for c in fila:
            if importe(c) is not None:
                numeros += 1
            elif isinstance(c.value, (int, float)) and not marcada:
                fallas.append(f"{nombre}: {c.coordinate} tiene el formato {c.number_format}")
            elif isinstance(c.value, datetime.datetime):
                fechas += 1
            elif isinstance(c.value, str) and IMPORTE.match(c.value.strip()):
                fallas.append(f"{nombre}: {c.coordinate} guarda un importe como texto")
    importes_impresos, fechas_impresas = impresos(listado)
    if numeros != importes_impresos - repetidos[0]:
        fallas.append(f"{nombre}: {numeros} importes en la hoja, {importes_impresos} impresos")
    if fechas != fechas_impresas:
        fallas.append(f"{nombre}: {fechas} fechas en la hoja, {fechas_impresas} impresas")

    # Totals: bold rows whose caption says TOTAL. Each amount they print, in its column or inside
    # the caption, equals the sum of one column over the detail rows since the previous total with
    # the same caption, since the previous total of any kind, or since the start; or the sum of
    # the totals of one lower kind printed since the previous total with its caption (an account
    # over its concepts). A summary form prints totals with no detail rows under them: those are
    # checked only through the totals above them. A printed count equals the detail rows since the
    # previous total. A total may also sum what the group headings since the previous one print
    # in one column (each cheque of the petty cash, each balance brought forward). Columns the
    # report does not total by summing, and totals printed again out of place, are named with the
    # reason where the report is listed.
    todo, tramo, por_leyenda, detalles_tramo, encabezados_todo = {}, {}, {}, 0, {}
    if marcada:
        cuerpo = []  # its totals were checked against their groups above
    encabezados = {}   # caption -> sum of the amounts group headings printed since that total's last
    rango = {}         # caption -> order of first appearance: lower totals appear first
    desde_inicio = {}  # caption -> column -> sum of its totals since the start
    inferiores = {}    # caption -> other caption -> column -> sum of those since this caption's last
    for fila in cuerpo:
        if not fila[0].font.bold:
            detalles_tramo += 1
            for i, c in enumerate(fila):
                if isinstance(c.value, (int, float)):
                    v = centavos(c.value)
                    for sumas in (todo, tramo, *por_leyenda.values()):
                        sumas[i] = sumas.get(i, Decimal(0)) + v
            continue
        leyenda = str(fila[0].value or "")
        if not re.search(r"\bTOTAL", leyenda, re.IGNORECASE):
            for i, c in enumerate(fila):
                if isinstance(c.value, (int, float)):
                    for sumas in (encabezados_todo, *encabezados.values()):
                        sumas[i] = sumas.get(i, Decimal(0)) + centavos(c.value)
            continue
        clave = re.search(r"TOTAL[^:\d$]*", leyenda, re.IGNORECASE).group(0).strip().upper()
        importes = {i: centavos(c.value) for i, c in enumerate(fila) if isinstance(c.value, (int, float))}
        en_leyenda = [Decimal(m.group(0).replace(",", "")) for m in re.finditer(r"-?\d{1,3}(?:,\d{3})*\.\d{2}", leyenda)]
        propio = por_leyenda.get(clave, todo)
        if clave in rango:
            debajo = [s for otra, s in inferiores[clave].items() if rango[otra] < rango[clave]]
        else:
            debajo = [s for otra, s in desde_inicio.items() if otra != clave]
            rango[clave] = len(rango)
        revisable = clave not in sin_revisar and (detalles_tramo > 0 or debajo)

        def candidatos(i):
            return {propio.get(i, Decimal(0)), tramo.get(i, Decimal(0)), todo.get(i, Decimal(0)),
                    *encabezados.get(clave, encabezados_todo).values(), *(sumas[i] for sumas in debajo if i in sumas)}

        def cuadra(i, v):
            if v in candidatos(i):
                return True
            if encabezado[i].value not in redondeadas:
                return False
            margen = Decimal("0.005") * max(detalles_tramo, 1) + Decimal("0.01")
            return any(abs(v - s) <= margen for s in candidatos(i))

        sumables = {i for i, c in enumerate(encabezado) if c.value not in no_sumables}
        for i, v in importes.items():
            if revisable and i in sumables and not cuadra(i, v):
                fallas.append(f"{nombre}: «{leyenda}» imprime {v} en la columna {i + 1}; "
                              f"los renglones suman {tramo.get(i, Decimal(0))}")
        columnas = (set(todo) | set(tramo) | {i for sumas in debajo for i in sumas}) & sumables
        for v in en_leyenda:
            if revisable and not any(cuadra(i, v) for i in columnas):
                fallas.append(f"{nombre}: «{leyenda}» imprime {v}, que no suma ninguna columna")
        cuenta = CUENTA.search(leyenda)
        if cuenta and int(cuenta.group(1)) != detalles_tramo:
            fallas.append(f"{nombre}: «{leyenda}» cuenta {cuenta.group(1)}; hay {detalles_tramo} renglones")
        for sumas in [desde_inicio.setdefault(clave, {})] + [s.setdefault(clave, {}) for o, s in inferiores.items() if o != clave]:
            for i, v in importes.items():
                sumas[i] = sumas.get(i, Decimal(0)) + v
        inferiores[clave] = {}
        por_leyenda[clave] = {}
        encabezados[clave] = {}
        tramo, detalles_tramo = {}, 0

    # The CSV: the UTF-8 mark a spreadsheet program needs to show accents right, then the same
    # rows and values, amounts exact with a dot and no grouping, dates yyyy-mm-dd.
    with open(csv_, encoding="utf-8", newline="") as f:
        texto = f.read()
    if not texto.startswith("\ufeff"):
        fallas.append(f"{nombre}: el CSV no empieza con la marca de UTF-8")
    texto = texto.removeprefix("\ufeff")
    if not texto.endswith("\r\n") or texto.count("\n") != texto.count("\r\n"):
        fallas.append(f"{nombre}: el CSV no separa los renglones con CRLF")
    renglones = list(csv.reader(texto.splitlines(keepends=True)))
    if len(renglones) != len(filas):
        fallas.append(f"{nombre}: {len(renglones)} renglones en el CSV, {len(filas)} en la hoja")
    for fila, renglon in zip(filas, renglones):
        for c, v in zip(fila, renglon):
            if importe(c) is not None:
                if not re.fullmatch(r"-?\d+\.\d{2,4}", v) or Decimal(v) != importe(c):
                    fallas.append(f"{nombre}: CSV {v!r} frente a {c.value} en {c.coordinate}")
            elif isinstance(c.value, (int, float)):
                if not re.fullmatch(r"-?\d+(\.\d+)?", v) or Decimal(v) != Decimal(str(c.value)):
                    fallas.append(f"{nombre}: CSV {v!r} frente al número {c.value} en {c.coordinate}")
            elif isinstance(c.value, datetime.datetime):
                if v != c.value.date().isoformat():
                    fallas.append(f"{nombre}: CSV {v!r} frente a la fecha {c.value} en {c.coordinate}")
            elif (c.value or "") != v:
                fallas.append(f"{nombre}: CSV {v!r} frente a {c.value!r} en {c.coordinate}")
    return fallas


def corre_y_revisa(reporte, base, comun):
    nombre, ventana, ajustes, *opciones = reporte
    salidas = [str(base.with_suffix(e)) for e in (".xlsx", ".csv", ".jsonl")]
    ejecuta([*comun, "--ventana", ventana, *ajustes, "--xlsx", salidas[0], "--csv", salidas[1], "--listado", salidas[2]])
    return revisa(nombre, *salidas, **(opciones[0] if opciones else {}))


if __name__ == "__main__":
    sys.exit(cada_reporte(sys.argv[1], REPORTES, corre_y_revisa))
