// The document read back as spreadsheet rows from its looks. Every real form is exported and
// checked end to end by hoja_totales.py; here only what no form prints: texts that look almost
// like an amount or a date, and pages with no heading or nothing at all.
#include "report/Tabla.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

void Detalle(Pagina& p, int32_t y, int32_t x, const QString& texto, int32_t alinea = AlineaIzquierda, int16_t tam = 7) {
    p.Agrega(Texto{x, y, texto, 0, false, tam, alinea});
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

// Near misses no report prints: they must stay texts, not become a wrong amount or day. What the
// forms print as amounts and dates is read back from every exported report.
TEST(Tabla, LoCasiImporteOCasiFechaQuedaComoTexto) {
    for (const char16_t* texto : {u"12.00 mxn", u"1234.5", u"12,34.00", u"0012", u"5%", u"31/02/2025", u"1,234.5"})
        EXPECT_EQ(CeldaDeTexto(QString::fromUtf16(texto)).tipo, Celda::Tipo::Texto) << QString::fromUtf16(texto).toStdString();
    EXPECT_EQ(CeldaDeTexto(QStringLiteral("   ")).tipo, Celda::Tipo::Vacia);
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
