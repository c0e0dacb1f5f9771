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
    EXPECT_EQ(CeldaDeTexto(QStringLiteral("0012")).texto, QStringLiteral("0012"));
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
    EXPECT_TRUE(t.filas[0].resumen);
    EXPECT_EQ(Valores(t, 0), (QStringList{"GRUPO: UNO", "", ""}));
    EXPECT_EQ(Valores(t, 1), (QStringList{"0001", "Uno", "1000.5"}));
    EXPECT_EQ(Valores(t, 4), (QStringList{"0004", "Cuatro", "10"}));
    EXPECT_FALSE(t.filas[4].resumen);
    EXPECT_TRUE(t.filas[5].resumen);
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
        Detalle(p, y + 440, 500, QStringLiteral("Ana"), AlineaIzquierda, tam);
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
    EXPECT_EQ(Valores(t, 0), (QStringList{"A1", "Nombre A1", "", "33 1111", "", "RFCA1", "", "Ana", "Luis"}));
    EXPECT_EQ(Valores(t, 1), (QStringList{"A2", "Nombre A2", "", "33 1111", "33 2222", "RFCA2", "", "Ana", "Luis"}));
    EXPECT_EQ(Valores(t, 5), (QStringList{"A6", "Nombre A6", "", "33 1111", "", "RFCA6", "", "Ana", "Luis"}));
    for (std::size_t i = 0; i < 6; ++i) EXPECT_FALSE(t.filas[i].resumen) << i;
    EXPECT_TRUE(t.filas[6].resumen);
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
