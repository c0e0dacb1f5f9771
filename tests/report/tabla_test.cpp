// The document read back as spreadsheet rows: only what the pages show decides the rows, so these
// documents are drawn the way the report routines draw theirs.
#include "report/Tabla.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

constexpr uint32_t Azul = 0xFF0000;

// Company heading, double rule, captions, the caption rule and the page number, as every page has.
Pagina PaginaConEncabezado(int n, int total, const std::vector<std::vector<std::pair<int32_t, QString>>>& titulos) {
    Pagina p;
    auto& r = p.registros;
    r.push_back(Texto{0, 0, QStringLiteral("Empresa Demo"), Azul, false, 8, AlineaIzquierda});
    r.push_back(Texto{7000, 0, QStringLiteral("Reporte :Saldos de Prueba"), Azul, false, 8, AlineaIzquierda});
    r.push_back(Linea{0, 960, 10500, 960, Azul});
    r.push_back(Linea{0, 1000, 10500, 1000, Azul});
    int32_t y = 1000;
    for (const auto& linea : titulos) {
        for (const auto& [x, texto] : linea) r.push_back(Texto{x, y, texto, 0, true, 8, AlineaIzquierda});
        y += 240;
    }
    for (int k = 1; k <= 15; ++k) r.push_back(Linea{0, y + k, 10500, y + k, Azul});
    r.push_back(Texto{7000, 720, QStringLiteral("Página  : %1 / %2").arg(n).arg(total), Azul, false, 8, AlineaIzquierda});
    return p;
}

void Detalle(Pagina& p, int32_t y, int32_t x, const QString& texto, int32_t alinea = AlineaIzquierda, int16_t tam = 7) {
    p.registros.push_back(Texto{x, y, texto, 0, false, tam, alinea});
}

QStringList Valores(const Tabla& t, std::size_t i) {
    QStringList s;
    for (const Celda& c : t.filas.at(i).celdas) {
        switch (c.tipo) {
        case Celda::Tipo::Importe: s << c.importe.ATexto(); break;
        case Celda::Tipo::Fecha: s << c.fecha.toString(Qt::ISODate); break;
        default: s << c.texto; break;
        }
    }
    return s;
}

}  // namespace

TEST(Tabla, LoImpresoSeReconoceComoImporteFechaOTexto) {
    struct Caso {
        const char16_t* texto;
        Celda::Tipo tipo;
        const char* valor;
    } casos[] = {
        {u"1,234,567.89", Celda::Tipo::Importe, "1234567.89"},
        {u"-0.01", Celda::Tipo::Importe, "-0.01"},
        {u"$   12.50", Celda::Tipo::Importe, "12.5"},
        {u"$ -3.00", Celda::Tipo::Importe, "-3"},
        {u"$ 12,477.55  MXN", Celda::Tipo::Importe, "12477.55"},  // in the account's currency
        {u"12.00 mxn", Celda::Tipo::Texto, ""},
        {u"1234.5", Celda::Tipo::Texto, ""},      // not the money pattern
        {u"12,34.00", Celda::Tipo::Texto, ""},
        {u"0012", Celda::Tipo::Texto, ""},        // a code keeps its zeros
        {u"5%", Celda::Tipo::Texto, ""},
        {u"05/ene/2026", Celda::Tipo::Fecha, "2026-01-05"},
        {u"31/12/2025", Celda::Tipo::Fecha, "2025-12-31"},
        {u"31/02/2025", Celda::Tipo::Texto, ""},  // no such day
        {u"   ", Celda::Tipo::Vacia, ""},
    };
    for (const Caso& c : casos) {
        const Celda celda = CeldaDeTexto(QString::fromUtf16(c.texto));
        EXPECT_EQ(celda.tipo, c.tipo) << QString::fromUtf16(c.texto).toStdString();
        if (c.tipo == Celda::Tipo::Importe) {
            EXPECT_EQ(celda.importe.ATexto().toStdString(), c.valor);
        } else if (c.tipo == Celda::Tipo::Fecha) {
            EXPECT_EQ(celda.fecha.toString(Qt::ISODate).toStdString(), c.valor);
        }
    }
}

// Two pages of a one-line report with a right-aligned amount column, a group heading and totals:
// captions once, page headings and numbers gone, amounts under their caption, totals recognisable.
TEST(Tabla, EncabezadoUnaVezDetalleYTotalesEnSuColumna) {
    const std::vector<std::vector<std::pair<int32_t, QString>>> titulos = {
        {{200, QStringLiteral("Código")}, {1400, QStringLiteral("Nombre")}, {9000, QStringLiteral("Saldo")}}};
    Documento d{PaginaConEncabezado(1, 2, titulos), PaginaConEncabezado(2, 2, titulos)};
    d[0].registros.push_back(Texto{100, 1600, QStringLiteral("GRUPO:   UNO"), Azul, true, 9, AlineaIzquierda});
    const char* filas[][3] = {{"0001", "Uno", "1,000.50"}, {"0002", "Dos", "-200.25"}, {"0003", "Tres", "0.00"}};
    int32_t y = 1840;
    for (const auto& f : filas) {
        Detalle(d[0], y, 200, QString::fromUtf8(f[0]));
        Detalle(d[0], y, 1400, QString::fromUtf8(f[1]));
        Detalle(d[0], y, 10300, QString::fromUtf8(f[2]), AlineaDerecha);
        y += 250;
    }
    Detalle(d[1], 1600, 200, QStringLiteral("0004"));
    Detalle(d[1], 1600, 1400, QStringLiteral("Cuatro"));
    Detalle(d[1], 1600, 10300, QStringLiteral("10.00"), AlineaDerecha);
    // The total: bold and blue, its caption far from the first column, its amount where details go.
    d[1].registros.push_back(Texto{1000, 1850, QStringLiteral("TOTALES :"), Azul, true, 7, AlineaIzquierda});
    d[1].registros.push_back(Texto{10300, 1850, QStringLiteral("810.25"), Azul, true, 7, AlineaDerecha});

    const Tabla t = TablaDeDocumento(d);
    EXPECT_EQ(t.titulo, QStringLiteral("Saldos de Prueba"));
    EXPECT_EQ(t.columnas, (QStringList{"Código", "Nombre", "Saldo"}));
    ASSERT_EQ(t.filas.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(t.filas[i].Resumen(), i == 0 || i == 5) << i;
    EXPECT_EQ(Valores(t, 0), (QStringList{"GRUPO: UNO", "", ""}));
    EXPECT_EQ(Valores(t, 4), (QStringList{"0004", "Cuatro", "10"}));
    EXPECT_EQ(Valores(t, 5), (QStringList{"TOTALES :", "", "810.25"}));
}

// A record printed over several lines is one row; the lines follow the caption lines, a value
// exactly under the caption of one other line goes there, and a second value for a caption gets its own
// column. The first page may draw its details in another size than the rest.
TEST(Tabla, RegistroDeVariasLineasEsUnaFila) {
    const std::vector<std::vector<std::pair<int32_t, QString>>> titulos = {
        {{0, QStringLiteral("Código")}, {950, QStringLiteral("Nombre")}, {5000, QStringLiteral("Dirección")},
         {9000, QStringLiteral("Teléfonos")}},
        {{1500, QStringLiteral("R.F.C.")}, {5000, QStringLiteral("Colonia")}},
        {{1000, QStringLiteral("Contactos")}}};
    Documento d{PaginaConEncabezado(1, 2, titulos), PaginaConEncabezado(2, 2, titulos)};
    const auto registro = [](Pagina& p, int32_t y, const QString& codigo, bool segundoTelefono, int16_t tam) {
        Detalle(p, y, 0, codigo, AlineaIzquierda, tam);
        Detalle(p, y, 950, QStringLiteral("Nombre ") + codigo, AlineaIzquierda, tam);
        Detalle(p, y, 9000, QStringLiteral("33 1111"), AlineaIzquierda, tam);
        Detalle(p, y + 200, 1500, QStringLiteral("RFC") + codigo, AlineaIzquierda, tam);
        if (segundoTelefono) Detalle(p, y + 200, 9000, QStringLiteral("33 2222"), AlineaIzquierda, tam);
        Detalle(p, y + 440, 500, QStringLiteral("Ana Pérez Núñez"), AlineaIzquierda, tam);
        Detalle(p, y + 440, 5000, QStringLiteral("Luis"), AlineaIzquierda, tam);
    };
    int32_t y = 2000;
    for (int i = 1; i <= 3; ++i, y += 700) registro(d[0], y, QStringLiteral("A%1").arg(i), i == 2, 9);
    y = 2000;
    for (int i = 4; i <= 6; ++i, y += 700) registro(d[1], y, QStringLiteral("A%1").arg(i), false, 7);
    d[1].registros.push_back(Texto{200, y, QStringLiteral("TOTAL :"), Azul, false, 9, AlineaIzquierda});
    d[1].registros.push_back(Texto{3000, y, QStringLiteral("6  Acreedor(es)"), Azul, false, 9, AlineaDerecha});

    const Tabla t = TablaDeDocumento(d);
    EXPECT_EQ(t.columnas,
              (QStringList{"Código", "Nombre", "Dirección", "Teléfonos", "Teléfonos (2)", "R.F.C.", "Colonia", "Contactos", "Contactos (2)"}));
    ASSERT_EQ(t.filas.size(), 7u);
    EXPECT_EQ(Valores(t, 1), (QStringList{"A2", "Nombre A2", "", "33 1111", "33 2222", "RFCA2", "", "Ana Pérez Núñez", "Luis"}));
    EXPECT_EQ(Valores(t, 5), (QStringList{"A6", "Nombre A6", "", "33 1111", "", "RFCA6", "", "Ana Pérez Núñez", "Luis"}));
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(t.filas[i].Resumen(), i == 6) << i;
    EXPECT_EQ(t.filas[6].celdas[0].texto, QStringLiteral("TOTAL : 6 Acreedor(es)"));
}

// A page drawn with no heading at all still gives its lines; with nothing drawn there are no rows.
TEST(Tabla, SinEncabezadoNiTitulos) {
    EXPECT_TRUE(TablaDeDocumento({}).filas.empty());
    Pagina p;
    for (int i = 0; i < 3; ++i) {
        Detalle(p, 500 + 240 * i, 100, QStringLiteral("X%1").arg(i));
        Detalle(p, 500 + 240 * i, 6000, QStringLiteral("%1.00").arg(i), AlineaDerecha);
    }
    const Tabla t = TablaDeDocumento({p});
    EXPECT_TRUE(t.columnas.isEmpty());
    ASSERT_EQ(t.filas.size(), 3u);
    EXPECT_EQ(Valores(t, 2), (QStringList{"X2", "2"}));
}

namespace {

constexpr uint32_t Negro = 0, Gris = 0x6D6D6D;

void Texto_(Pagina& p, int32_t x, int32_t y, const QString& texto, uint32_t color, bool negrita, int16_t tam,
            int32_t alinea = AlineaIzquierda) {
    p.registros.push_back(Texto{x, y, texto, color, negrita, tam, alinea});
}

QStringList Leyendas(const Tabla& t, Fila::Clase clase) {
    QStringList s;
    for (const Fila& f : t.filas)
        if (f.clase == clase) s << f.celdas.front().texto;
    return s;
}

}  // namespace

// A creditor's ledger: one caption naming two columns, a bold code beside plain amounts, charges
// and credits right-aligned where the font ends the captions, headings with the balance brought
// forward, a subtotal printed without caption and a grand total with a column of its own.
TEST(Tabla, AuxiliarConSubtotalesSinLeyenda) {
    Documento d{PaginaConEncabezado(1, 1, {{{100, QStringLiteral("Concepto")},
                                            {3200, QStringLiteral("Folio                Fecha")},
                                            {6500, QStringLiteral("Cargos                      Abonos")},
                                            {9800, QStringLiteral("Saldo")}}})};
    Pagina& p = d[0];
    int32_t y = 1600;
    const auto acreedor = [&](const QString& codigo, const QString& anterior) {
        Texto_(p, 0, y, codigo, Azul, true, 8);
        Texto_(p, 1200, y, QStringLiteral("Acreedor ") + codigo, Azul, true, 8);
        Texto_(p, 8000, y, QStringLiteral("ESTATUS :   ACTIVO"), Azul, true, 8);
        Texto_(p, 7000, y += 200, QStringLiteral("Saldo Anterior:"), Azul, true, 8);
        Texto_(p, 10300, y, QStringLiteral("$   ") + anterior, Azul, true, 8, AlineaDerecha);
        y += 340;
    };
    const auto movimiento = [&](const QString& folio, bool cargo, const QString& importe, const QString& saldo) {
        Texto_(p, 0, y, QStringLiteral("HONORARIOS"), Negro, false, 7);
        Texto_(p, 3000, y, folio, Negro, false, 7);
        Texto_(p, 4200, y, QStringLiteral("08/10/2025"), Negro, false, 7);
        Texto_(p, cargo ? 7100 : 8600, y, importe, Negro, false, 7, AlineaDerecha);
        Texto_(p, 10300, y, saldo, Negro, false, 7, AlineaDerecha);
        y += 240;
    };
    const auto subtotal = [&](const char* cargos, const char* abonos, const char* saldo) {
        for (const auto& [x, v] : {std::pair{7100, cargos}, {8600, abonos}, {10300, saldo}})
            Texto_(p, x, y, QString::fromUtf8(v), Negro, true, 7, AlineaDerecha);
        y += 400;
    };
    acreedor(QStringLiteral("ACR1"), QStringLiteral("100.00"));
    movimiento(QStringLiteral("F-1"), true, QStringLiteral("50.00"), QStringLiteral("150.00"));
    movimiento(QStringLiteral("007"), false, QStringLiteral("30.00"), QStringLiteral("120.00"));
    subtotal("50.00", "30.00", "120.00");
    acreedor(QStringLiteral("ACR2"), QStringLiteral("0.00"));
    movimiento(QStringLiteral("F-2"), true, QStringLiteral("10.00"), QStringLiteral("10.00"));
    subtotal("10.00", "0.00", "10.00");
    Texto_(p, 2000, y, QStringLiteral("SALDO TOTAL  :"), Azul, true, 7);
    for (const auto& [x, v] : {std::pair{5400, "100.00"}, {7100, "60.00"}, {8600, "30.00"}, {10300, "130.00"}})
        Texto_(p, x, y, QString::fromUtf8(v), Azul, true, 7, AlineaDerecha);

    const Tabla t = TablaDeDocumento(d);
    EXPECT_EQ(t.columnas, (QStringList{"Concepto", "Folio", "Fecha", "", "Cargos", "Abonos", "Saldo"}));
    ASSERT_EQ(t.filas.size(), 10u);
    EXPECT_EQ(Valores(t, 1), (QStringList{"Saldo Anterior:", "", "", "", "", "", "100"}));
    EXPECT_EQ(Valores(t, 3), (QStringList{"HONORARIOS", "007", "2025-10-08", "", "", "30", "120"}));
    EXPECT_EQ(t.filas[3].celdas[1].tipo, Celda::Tipo::Texto);  // a folio keeps its zeros
    EXPECT_EQ(Valores(t, 4), (QStringList{"TOTAL ACR1 Acreedor ACR1 ESTATUS : ACTIVO", "", "", "", "50", "30", "120"}));
    EXPECT_EQ(Valores(t, 9), (QStringList{"SALDO TOTAL :", "", "", "100", "60", "30", "130"}));
    EXPECT_EQ(Leyendas(t, Fila::Clase::Total).size(), 3);
    EXPECT_EQ(Leyendas(t, Fila::Clase::Encabezado).size(), 4);
    ASSERT_EQ(t.grupos.size(), 2u);
    EXPECT_EQ(t.grupos[1].titulo, QStringLiteral("ACR2 Acreedor ACR2 ESTATUS : ACTIVO"));
    EXPECT_EQ(t.grupos[1].y, t.filas[5].y);
}

// Movements coloured by their status are all details; the lines under a movement (a second name,
// notes wrapped over several lines) are its own columns; a concept printed over the movement's
// line is a heading of its own; a heading carried over to the next page and the date range each
// page repeats (in whatever look the page left) are dropped, a new heading is kept.
TEST(Tabla, MovimientosConNotasYEncabezadosRepetidos) {
    const std::vector<std::vector<std::pair<int32_t, QString>>> titulos = {
        {{0, QStringLiteral("Fecha")}, {850, QStringLiteral("Folio")}, {3100, QStringLiteral("Nombre")},
         {9500, QStringLiteral("Importe")}}};
    Documento d{PaginaConEncabezado(1, 2, titulos), PaginaConEncabezado(2, 2, titulos)};
    const auto pagina = [&](Pagina& p, bool negrita, const QString& banco) {
        Texto_(p, 300, 1600, QStringLiteral("Del:  01/ene/2025    Al:  31/dic/2025"), Negro, negrita, 8);
        Texto_(p, 0, 1850, banco, Azul, false, 9);
        Texto_(p, 4000, 1850, QStringLiteral("Cuenta: 01"), Azul, false, 9);
    };
    const auto movimiento = [](Pagina& p, int32_t y, uint32_t color, const QString& folio) {
        Texto_(p, 0, y, QStringLiteral("CONCEPTO: TRASPASO"), Negro, false, 7);
        Texto_(p, 0, y, QStringLiteral("20/02/2025"), color, false, 7);
        Texto_(p, 850, y, folio, color, false, 7);
        Texto_(p, 3100, y, QStringLiteral("Guzmán"), color, false, 7);
        Texto_(p, 10500, y, QStringLiteral("$ 1,000.00"), color, false, 7, AlineaDerecha);
    };
    pagina(d[0], false, QStringLiteral("Banco Uno"));
    movimiento(d[0], 2100, Negro, QStringLiteral("EI-1"));
    Texto_(d[0], 200, 2340, QStringLiteral("ACR0031"), Negro, false, 7);
    Texto_(d[0], 1000, 2340, QStringLiteral("Guzmán Hernández"), Negro, false, 7);
    Texto_(d[0], 200, 2580, QStringLiteral("Pago de facturas."), Negro, false, 7);
    Texto_(d[0], 200, 2820, QStringLiteral("Transferencia autorizada el 20/02/"), Negro, false, 7);
    Texto_(d[0], 200, 3060, QStringLiteral("2025, por la tesorería."), Negro, false, 7);
    movimiento(d[0], 3300, Azul, QStringLiteral("EI-2"));
    pagina(d[1], true, QStringLiteral("Banco Uno"));
    movimiento(d[1], 2100, Gris, QStringLiteral("EI-3"));
    Texto_(d[1], 0, 2400, QStringLiteral("Banco Dos"), Azul, false, 9);
    Texto_(d[1], 4000, 2400, QStringLiteral("Cuenta: 02"), Azul, false, 9);
    movimiento(d[1], 2700, Negro, QStringLiteral("EI-4"));
    Texto_(d[1], 5600, 2950, QStringLiteral("TOTAL CUENTA: "), Negro, true, 9);
    Texto_(d[1], 10500, 2950, QStringLiteral("$ 1,000.00"), Negro, true, 9, AlineaDerecha);

    const Tabla t = TablaDeDocumento(d);
    EXPECT_EQ(t.columnas, (QStringList{"Fecha", "Folio", "Nombre", "Importe", "", "", ""}));
    // The second page opens with the bank and the concept the first page printed there: carried over.
    EXPECT_EQ(Leyendas(t, Fila::Clase::Encabezado),
              (QStringList{"Del: 01/ene/2025 Al: 31/dic/2025", "Banco Uno Cuenta: 01", "CONCEPTO: TRASPASO",
                           "CONCEPTO: TRASPASO", "Banco Dos Cuenta: 02", "CONCEPTO: TRASPASO"}));
    std::vector<QStringList> detalles;
    for (std::size_t i = 0; i < t.filas.size(); ++i)
        if (t.filas[i].clase == Fila::Clase::Detalle) detalles.push_back(Valores(t, i));
    ASSERT_EQ(detalles.size(), 4u);
    EXPECT_EQ(detalles[0], (QStringList{"2025-02-20", "EI-1", "Guzmán", "1000", "ACR0031", "Guzmán Hernández",
                                        "Pago de facturas. Transferencia autorizada el 20/02/2025, por la tesorería."}));
    EXPECT_EQ(detalles[2], (QStringList{"2025-02-20", "EI-3", "Guzmán", "1000", "", "", ""}));
    EXPECT_EQ(Leyendas(t, Fila::Clase::Total), (QStringList{"TOTAL CUENTA:"}));
    ASSERT_EQ(t.grupos.size(), 2u);  // the banks: the concept printed with each movement is smaller
    EXPECT_EQ(t.grupos[1].titulo, QStringLiteral("Banco Dos Cuenta: 02"));
    EXPECT_EQ(t.grupos[1].pagina, 1u);
}

// A summary block: captions right above amounts drawn at the same places are one heading row
// each, the captions over the columns their amounts go to, even columns of dates or names.
TEST(Tabla, ResumenConSusEtiquetas) {
    Documento d{PaginaConEncabezado(1, 1, {{{0, QStringLiteral("Fecha")}, {1000, QStringLiteral("Concepto")}}})};
    Pagina& p = d[0];
    d[0].registros.push_back(Texto{8500, 1000, QStringLiteral("Egresos"), 0, true, 8, AlineaDerecha});
    for (const auto& [x, v] : {std::pair{1050, "Saldo Inicial"}, {8500, "Saldo Final"}})
        Texto_(p, x, 1600, QString::fromUtf8(v), Negro, false, 9, AlineaDerecha);
    for (const auto& [x, v] : {std::pair{1050, "-2,844.23"}, {8500, "12.00"}})
        Texto_(p, x, 1800, QString::fromUtf8(v), Negro, false, 9, AlineaDerecha);
    for (int i = 0; i < 3; ++i) {
        Texto_(p, 0, 2100 + 240 * i, QStringLiteral("07/01/2024"), Negro, false, 9);
        Texto_(p, 1000, 2100 + 240 * i, QStringLiteral("DEPÓSITO"), Negro, false, 9);
        Texto_(p, 8500, 2100 + 240 * i, QStringLiteral("4.00"), Negro, false, 9, AlineaDerecha);
    }
    const Tabla t = TablaDeDocumento(d);
    EXPECT_EQ(t.columnas, (QStringList{"Fecha", "Concepto", "Egresos"}));
    ASSERT_EQ(t.filas.size(), 5u);
    EXPECT_TRUE(t.filas[0].clase == Fila::Clase::Encabezado && t.filas[1].clase == Fila::Clase::Encabezado);
    EXPECT_EQ(Valores(t, 0), (QStringList{"Saldo Inicial", "", "Saldo Final"}));
    EXPECT_EQ(Valores(t, 1), (QStringList{"-2844.23", "", "12"}));
    EXPECT_EQ(Valores(t, 2), (QStringList{"2024-01-07", "DEPÓSITO", "4"}));
}
