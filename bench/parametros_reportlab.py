#!/usr/bin/env python3
"""The detailed "Parámetros" creditor catalog drawn with reportlab, as a yardstick for `--pdf`: the
same queries on the demo company's SQLite file, the same texts at the same positions in twips, the
same page breaks and "Página  : N / M" numbering, Liberation Sans embedded as our PDF embeds it.
`zr_bench --referencia` times it beside `zrconsgt reporte --pdf` in one sitting.

Usage: parametros_reportlab.py DEMO.sqlite SALIDA.pdf [--listado TEXTOS.jsonl] [--hoy AAAA-MM-DD]
--listado also writes every text drawn, as the tool's listing writes its texts, to compare them."""
import datetime
import json
import sqlite3
import sys
from decimal import Decimal

from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.pdfgen import canvas

LETRA = "/usr/share/fonts/truetype/liberation2/LiberationSans-%s.ttf"  # the files our PDF embeds
ANCHO_HOJA, ALTO_HOJA, ORIGEN_X, ORIGEN_Y = 12240, 15840, 870, 360  # twips
ASCENDENTE = 0.905  # of the text size: the text's top sits at y
AZUL, NEGRO = 0xFF0000, 0x000000  # 0x00BBGGRR
MESES = ["ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"]
LIMITE_RENGLON = 13500

CAMPOS = ("tblCatProveedor.COD_PROV,NOM_PROV,DES_STS,PORC_DES1,PORC_DES2,PORC_DES3,PORC_DES4,PORC_DES5,"
          "PORC_DES6,FEC_UCOM,FEC_UPAG,PLA_CRE,LIM_CRE,SAL_PROV,(LIM_CRE-SAL_PROV) AS DISP")
TABLAS = "(tblCatProveedor  INNER JOIN tblEstatusProv ON tblCatProveedor.COD_STS=tblEstatusProv.COD_STS) "
CONDICION = "WHERE tblCatProveedor.ES_ACREED=1 "


class Pagina:
    """A page's drawing: texts, lines and bands, in twips from the drawing origin."""

    def __init__(self):
        self.textos, self.lineas, self.reglas = [], [], []


class Reporte:
    def __init__(self, hoy):
        self.hoy = hoy
        self.paginas = [Pagina()]
        self.color, self.negrita, self.tamano, self.derecha = NEGRO, False, 8, False
        self.y = 0

    def texto(self, x, y, t):
        self.paginas[-1].textos.append((x, y, t, self.color, self.negrita, self.tamano, self.derecha))

    def linea(self, x1, y1, x2, y2):
        self.paginas[-1].lineas.append((x1, y1, x2, y2, self.color))


def moneda(v):
    """#,##0.00 of a fixed-point amount, half away from zero as the tool rounds."""
    d = Decimal(str(v)).quantize(Decimal("0.01"), rounding="ROUND_HALF_UP")
    return f"{d:,.2f}"


def fecha_corta(f):
    return "" if f is None else datetime.date.fromisoformat(str(f)[:10]).strftime("%d/%m/%Y")


def numero(v):
    """A number as the tool turns a field into text: no trailing zeros, no exponent."""
    if v is None:
        return None
    d = Decimal(str(v)).normalize()
    return format(d, "f")


def empresa(bd):
    """The page heading's company lines (what the window reads when it loads)."""
    flags = bd.execute("SELECT REP_NOMEMP,REP_NOMCOM FROM tblParametrosGenerales;").fetchone()
    indicador = lambda v: v is not None and str(v).strip() != "" and float(str(v).split()[0] or 0) == 1
    bd.row_factory = sqlite3.Row
    e = bd.execute("SELECT * FROM tblEmpresa WHERE COD_EMPRESA=1;").fetchone()
    bd.row_factory = None
    texto = lambda c: "" if e[c] is None else str(e[c])
    direccion = texto("DIR1_EMP")
    for campo, sep in (("EXT_EMP", " "), ("INT_EMP", " - "), ("COL_EMP", " "), ("CP_EMP", " CP ")):
        if texto(campo):
            direccion += sep + texto(campo)
    registro = lambda d, r: (texto(d) + ": " if texto(d) else "") + texto(r)
    telefonos = texto("TEL1_EMP") + (", " + texto("TEL2_EMP") if texto("TEL2_EMP") else "")
    return {"nombre": texto("NOM_EMP") if flags and indicador(flags[0]) else None,
            "comercial": texto("NOM_COM") if flags and indicador(flags[1]) else None,
            "direccion": direccion,
            "registros": "  ".join(registro(f"DESCRIP{i}", f"RFC{i}_EMP") for i in (1, 2, 3)),
            "telefonos": telefonos}


def encabezado_pagina(r, e, titulo):
    r.color, r.negrita, r.tamano, r.derecha = AZUL, False, 8, False
    d = 0
    if e["nombre"] is not None:
        r.texto(0, 0, e["nombre"])
        d = 240
    if e["comercial"] is not None:
        r.texto(0, d, e["comercial"])
        d += 240
    r.texto(0, d, "Dirección :" + e["direccion"])
    h = d + 240
    if e["registros"].strip():
        r.texto(0, h, e["registros"])
        h = d + 480
    if e["telefonos"].strip():
        r.texto(0, h, "Teléfonos :" + e["telefonos"])
        h += 240
    r.paginas[-1].reglas.append((6900, 240, 2500, 200))
    r.texto(7000, 0, "Reporte :" + titulo)
    r.texto(7000, 480, f"Fecha   :{r.hoy.day:02d}/{MESES[r.hoy.month - 1]}/{r.hoy.year}")
    h = max(h, 960)
    r.linea(0, h, 10500, h)
    r.linea(0, h + 40, 10500, h + 40)
    r.color, r.negrita, r.tamano = NEGRO, False, 8
    r.y = h + 40


def encabezado_catalogo(r, e):
    encabezado_pagina(r, e, "Catálogo de Acreedores")
    r.tamano, r.color = 8, AZUL
    r.texto(7850, 250, "PARÁMETROS")
    r.tamano, r.negrita, r.color = 10, True, NEGRO
    r.texto(0, r.y, "Código")
    r.texto(950, r.y, "Nombre")
    r.texto(3900, r.y, "Estatus")
    r.texto(6500, r.y, "Fec.Ult.Compra")
    r.texto(9300, r.y, "Fec.Ult.Pago")
    r.y += 240
    r.tamano = 8
    for x, t in ((10, "Lím.Créd."), (900, "Plazo"), (1500, "Desc.1"), (2300, "Desc.2"), (3100, "Desc.3"),
                 (3900, "Desc.4"), (4700, "Desc.5"), (5500, "Desc.6"), (6300, "Saldo Act."), (7400, "Disponible"),
                 (8600, "Vencido"), (9500, "Por Vencer")):
        r.texto(x, r.y, t)
    r.y += 250
    r.color = AZUL
    for raya in range(1, 16):
        r.linea(0, r.y + raya, 10500, r.y + raya)
    r.tamano, r.negrita, r.color = 7, False, NEGRO
    r.y += 300


def saldos_vencidos(bd, hoy):
    """Both balances in one query, as the report asks them: due by today, and due later."""
    vence = f"(date(FEC_MOV, PLA_PAG || ' days'))"
    cuando = f"CASE WHEN ({vence}<='{hoy.isoformat()}') THEN 0 WHEN ({vence}>'{hoy.isoformat()}') THEN 1 END"
    sql = (f"SELECT tblCatProveedor.COD_PROV,{cuando} AS VENCE,SUM(SAL_MOV) AS SALDO FROM " + TABLAS +
           " INNER JOIN tblGastosEnc ON tblGastosEnc.COD_ACRE=tblCatProveedor.COD_PROV " + CONDICION +
           f" AND (SAL_MOV>0) AND (COD_ESTATUS=1) AND (CON_GRL='GTOS') GROUP BY tblCatProveedor.COD_PROV,{cuando};")
    saldos = ({}, {})
    for c, vence, s in bd.execute(sql):
        if vence is not None:
            saldos[vence][c] = s
    return saldos


def parametros(bd, hoy):
    e = empresa(bd)
    r = Reporte(hoy)
    filas = bd.execute(f"SELECT {CAMPOS} FROM {TABLAS}{CONDICION} ORDER BY tblCatProveedor.COD_PROV").fetchall()
    vencidos = None
    encabezado_catalogo(r, e)
    r.y += 250 + 100  # the region filter's place, empty, and the space under it
    for (cod, nom, sts, d1, d2, d3, d4, d5, d6, fucom, fupag, plazo, limite, saldo, disp) in filas:
        if vencidos is None:  # read when the first creditor's detail asks for it
            vencidos = saldos_vencidos(bd, hoy)
        y = r.y
        r.derecha = False
        r.texto(0, y, cod)
        if nom is not None:
            r.texto(950, y, nom[:35])
        if sts is not None:
            r.texto(3900, y, sts)
        if fucom is not None:
            r.texto(6500, y, fecha_corta(fucom))
        if fupag is not None:
            r.texto(9300, y, fecha_corta(fupag))
        y += 200
        if limite is not None:
            r.texto(10, y, moneda(limite))
        r.derecha = True
        if plazo is not None:
            r.texto(1300, y, numero(plazo))
        for x, d in zip((2000, 2800, 3600, 4460, 5200, 6000), (d1, d2, d3, d4, d5, d6)):
            r.texto(x, y, (numero(d) or "") + "%")
        for x, v in ((7050, saldo), (8200, disp)):
            if v is not None:
                r.texto(x, y, moneda(v))
        r.texto(9225, y, moneda(vencidos[0].get(cod) or 0))
        r.texto(10300, y, moneda(vencidos[1].get(cod) or 0))
        r.derecha = False
        r.y = y + 240
        if r.y > LIMITE_RENGLON:
            r.paginas.append(Pagina())
            encabezado_catalogo(r, e)
    r.color, r.tamano = AZUL, 9
    r.texto(200, r.y, "TOTAL :")
    r.derecha = True
    r.texto(3000, r.y, f"{len(filas)}  Acreedor(es)")
    return r


def rgb(c):
    return (c & 0xFF) / 255, ((c >> 8) & 0xFF) / 255, ((c >> 16) & 0xFF) / 255


def dibuja(r, salida):
    pdfmetrics.registerFont(TTFont("LiberationSans", LETRA % "Regular"))
    pdfmetrics.registerFont(TTFont("LiberationSans-Bold", LETRA % "Bold"))
    c = canvas.Canvas(salida, pagesize=(ANCHO_HOJA / 20, ALTO_HOJA / 20), pageCompression=1)
    c.setTitle("Catálogo de Acreedores")
    c.setAuthor("Empresa")
    punto = lambda x, y: ((ORIGEN_X + x) / 20, (ALTO_HOJA - ORIGEN_Y - y) / 20)
    total = len(r.paginas)
    for n, p in enumerate(r.paginas, 1):
        p.textos.append((7000, 720, f"Página  : {n} / {total}", AZUL, False, 8, False))
        c.setLineWidth(15 / 20)
        c.setFillColorRGB(*rgb(0xE0E0E0))
        for x, y, ancho, alto in p.reglas:
            c.rect(*punto(x, y + alto), ancho / 20, alto / 20, stroke=0, fill=1)
        for x1, y1, x2, y2, color in p.lineas:
            c.setStrokeColorRGB(*rgb(color))
            c.line(*punto(x1, y1), *punto(x2, y2))
        for x, y, t, color, negrita, tamano, derecha in p.textos:
            c.setFillColorRGB(*rgb(color))
            c.setFont("LiberationSans-Bold" if negrita else "LiberationSans", tamano)
            px, py = punto(x, y)
            py -= tamano * ASCENDENTE
            (c.drawRightString if derecha else c.drawString)(px, py, t)
        c.showPage()
    c.save()


def listado(r, archivo):
    with open(archivo, "w", encoding="utf-8") as f:
        for n, p in enumerate(r.paginas, 1):
            for x, y, t, color, negrita, tamano, derecha in p.textos:
                f.write(json.dumps({"page": n, "x": x, "y": y, "text": t, "color": color, "bold": negrita,
                                    "size": tamano, "align": 2 if derecha else 0}, ensure_ascii=False) + "\n")


def main(args):
    if len(args) < 2:
        sys.exit(__doc__)
    opciones = dict(zip(args[2::2], args[3::2]))
    hoy = datetime.date.fromisoformat(opciones.get("--hoy", datetime.date.today().isoformat()))
    bd = sqlite3.connect(f"file:{args[0]}?mode=ro", uri=True)
    r = parametros(bd, hoy)
    dibuja(r, args[1])
    if "--listado" in opciones:
        listado(r, opciones["--listado"])


if __name__ == "__main__":
    main(sys.argv[1:])
