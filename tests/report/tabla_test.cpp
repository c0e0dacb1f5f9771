// The sheet and the outline read from a document's marks.
#include "report/Superficie.h"
#include "report/TablaDeMarcas.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

void Valor(Superficie& s, int32_t x, int32_t y, const QString& columna, const char* importe) {
    s.MarkValue(columna, *vb::Currency::DesdeTexto(QString::fromLatin1(importe)));
    s.PrintText(x, y, QString::fromLatin1(importe));
}

}  // namespace

// A run where no report drew leaves a blank page: no rows, no groups.
TEST(Tabla, SinMarcasNoHayRenglones) {
    Superficie s;
    s.StartDoc();
    s.PrintText(100, 100, QStringLiteral("Página 1"));
    s.EndDoc();
    const Tabla t = TablaDeMarcas(s.Paginas());
    EXPECT_TRUE(t.columnas.isEmpty());
    EXPECT_TRUE(t.filas.empty());
    EXPECT_TRUE(GruposDeMarcas(s.Paginas()).empty());
}

// Columns come in the order the page prints them, whatever the first line holds: a withdrawal
// before any deposit, a record's second line after its first, what only a heading prints after
// the details' values, a value that prints nothing last.
// The outline names each group by its kind, key and whole name (not a name that repeats the
// key), where its line prints.
TEST(Tabla, ColumnasEnElOrdenDeLaPaginaYGruposComoSeMarcaron) {
    Superficie s;
    s.StartDoc();
    s.MarkLine(ClaseRenglon::Grupo, 1, QStringLiteral("Banco"), QStringLiteral("012"),
               QStringLiteral("Banco Internacional de Fomento Regional"));
    s.PrintText(0, 500, QStringLiteral("012 Banco Internacional"));
    Valor(s, 2000, 500, QStringLiteral("Saldo Anterior"), "1.00");
    s.MarkLine(ClaseRenglon::Grupo, 2, QStringLiteral("Cuenta"), QStringLiteral("0100"), QStringLiteral("0100"));
    s.MarkLine(ClaseRenglon::Detalle);
    s.MarkValue(QStringLiteral("Oculto"), TipoDato::Texto, QStringLiteral("x"));
    Valor(s, 8000, 800, QStringLiteral("Egresos"), "5.00");
    s.MarkValue(QStringLiteral("Notas"), TipoDato::Texto, QStringLiteral("nota"));
    s.PrintText(200, 1040, QStringLiteral("nota"));
    s.MarkLine(ClaseRenglon::Detalle);
    s.MarkValue(QStringLiteral("Folio"), TipoDato::Texto, QStringLiteral("F-1"));
    s.PrintText(0, 1300, QStringLiteral("F-1"));
    Valor(s, 6500, 1300, QStringLiteral("Ingresos"), "7.00");
    s.EndDoc();

    const Tabla t = TablaDeMarcas(s.Paginas());
    EXPECT_EQ(t.columnas, (QStringList{"Renglón", "Banco (clave)", "Banco", "Cuenta (clave)", "Cuenta", "Folio",
                                       "Ingresos", "Egresos", "Notas", "Saldo Anterior", "Oculto"}));
    ASSERT_EQ(t.filas.size(), 3u);
    EXPECT_EQ(t.filas[1].celdas.at(7).importe.ATexto(), QStringLiteral("5"));
    const std::vector<Grupo> grupos = GruposDeMarcas(s.Paginas());
    ASSERT_EQ(grupos.size(), 2u);
    EXPECT_EQ(grupos[0].titulo, QStringLiteral("Banco: 012 Banco Internacional de Fomento Regional"));
    EXPECT_EQ(grupos[0].y, 500);
    EXPECT_EQ(grupos[1].titulo, QStringLiteral("Cuenta: 0100"));
}
