// The sheet and the outline read from a document's marks.
#include "report/Superficie.h"
#include "report/Tabla.h"

#include <gtest/gtest.h>

using namespace report;

// A run where no report drew leaves a blank page: no rows, no groups.
TEST(Tabla, SinMarcasNoHayRenglones) {
    Superficie s;
    s.StartDoc();
    s.PrintText(100, 100, QStringLiteral("Página 1"));
    s.EndDoc();
    const Tabla t = TablaDeDocumento(s.Paginas());
    EXPECT_TRUE(t.columnas.isEmpty());
    EXPECT_TRUE(t.filas.empty());
    EXPECT_TRUE(GruposDeDocumento(s.Paginas()).empty());
}
