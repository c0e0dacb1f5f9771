// The document read back as spreadsheet rows from its looks. Every real form is exported and
// checked end to end by hoja_totales.py; here only what no form prints: texts that look almost
// like an amount or a date, and pages with no heading or nothing at all.
#include "report/Tabla.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

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

// Near misses no report prints: they must stay texts, not become a wrong number or day.
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

// Every form draws a heading: a page without one still gives its lines; with nothing drawn there
// are no rows.
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
