#include "report/Pagina.h"
#include "report/Busqueda.h"
#include "report/TablaTextos.h"

#include <gtest/gtest.h>

using namespace report;

// Every record reads back as drawn, whether it fits the packed form or needs the side list:
// positions off the sheet or negative, a text outside Latin-1 or longer than a block of the
// table, more distinct attributes than the packed form numbers, a value with no column.
TEST(PaginaCompacta, CadaRegistroSeLeeComoSeDibujo) {
    const QString largo(70000, u'x');
    std::vector<Registro> dibujados = {
        Texto{0, 0, QString(), 0, false, 8, AlineaIzquierda},
        Texto{10300, 15400, QStringLiteral("1,234.56"), 0xFF0000, true, 7, AlineaDerecha},
        Texto{-5, 16384, QStringLiteral("Łódź ∑ 𝄞"), 0x6D6D6D, false, 20, AlineaIzquierda},
        Texto{INT32_MAX, INT32_MIN, largo, 0, false, 8, AlineaIzquierda},
        Linea{0, 960, 10500, 960, 0xFF0000},
        Linea{-1, INT32_MAX, 3, 4, 0},
        Regla{6900, 240, 2500, 200},
        Regla{100, 100, -50, -20},
        Regla{32767, 0, 32768, 1},
        Marca{ClaseRenglon::Grupo, 2, UneCampos({"Banco", "01", "Banco\x1F con separador"})},
        Marca{ClaseRenglon::Total, -3, QString()},
        Dato{TipoDato::Importe, UneCampos({"Importe", "-1234567.8875"})},
        Dato{TipoDato::Texto, QStringLiteral("sin columna")},
        Dato{TipoDato::Fecha, UneCampos({"Fecha", ""})},
    };
    for (int i = 0; i < 300; ++i)
        dibujados.push_back(Texto{i, i, QString::number(i % 7), static_cast<uint32_t>(i), i % 2 == 0, 8, 0});

    Pagina p;
    for (const Registro& r : dibujados) p.Agrega(r);
    p.Ajusta();
    ASSERT_EQ(p.size(), dibujados.size());
    EXPECT_EQ(p.Registros(), dibujados);
    std::size_t i = 0;
    for (const Registro& r : p) EXPECT_EQ(r, dibujados[i++]) << i;
}

// The pages of one document share its texts: a heading drawn on every page is kept once, a
// Latin-1 text one byte a character.
TEST(PaginaCompacta, LasPaginasDeUnDocumentoGuardanCadaTextoUnaVez) {
    auto textos = std::make_shared<TablaTextos>();
    Documento d;
    for (int n = 0; n < 1000; ++n) {
        Pagina& p = d.emplace_back(textos);
        p.Agrega(Texto{0, 0, QStringLiteral("Reporte :Relación de Movimientos")});
        p.Agrega(Dato{TipoDato::Texto, UneCampos({"Estatus", "COMPLETO"})});
        p.Agrega(Texto{0, 240, QString::number(n)});
    }
    EXPECT_LT(textos->Cuenta(), 1000u + 10u);  // not three more a page
    EXPECT_EQ(std::get<Texto>(d[999][2]).texto, QStringLiteral("999"));
    EXPECT_EQ(std::get<Dato>(d[5][1]).Valor(), QStringLiteral("COMPLETO"));

    // Equal texts in both encodings stay apart, and a number past the table reads empty.
    TablaTextos t;
    const uint32_t latin = t.Guarda(u"Peña");
    const uint32_t ancho = t.Guarda(u"Peña ✓");
    EXPECT_NE(latin, ancho);
    EXPECT_EQ(t.Texto(latin), QStringLiteral("Peña"));
    EXPECT_EQ(t.Texto(ancho), QStringLiteral("Peña ✓"));
    EXPECT_EQ(t.Guarda(u"Peña"), latin);
    EXPECT_TRUE(t.Texto(t.Cuenta()).isNull());

    // A column name keeps its first number however many texts come after it, where a text seen
    // once would have been let go by the look-up and kept again under a larger number.
    const uint32_t importe = t.GuardaColumna(u"Importe");
    for (int n = 0; n < 300000; ++n) t.Guarda(QString::number(n));
    EXPECT_EQ(t.GuardaColumna(u"Importe"), importe);
}

// A value followed by the text that prints it shares that text's record and keeps no text of its
// own; every other value stays a record of its own. Either way each reads back as drawn, through
// the iterator, the index and the find, and a value whose text went back leaves the table whole.
TEST(PaginaCompacta, UnValorImpresoCompartePuestoConSuTexto) {
    auto textos = std::make_shared<TablaTextos>();
    const auto valor = [](TipoDato tipo, const char* columna, const char* v) {
        return Dato{tipo, UneCampos({columna, v})};
    };
    const auto texto = [](const char* t) { return Texto{100, 200, QString::fromUtf8(t), 0, true, 7, AlineaDerecha}; };
    const std::vector<Registro> dibujados = {
        valor(TipoDato::Texto, "Estatus", "APLICADO"), texto("APLICADO"),
        valor(TipoDato::Importe, "Importe", "67961.53"), texto("67,961.53"),
        valor(TipoDato::Importe, "Total", "-67961.5"), texto("67,961.50"),
        valor(TipoDato::Importe, "Total", "1234567"), texto("-1,234,567.00"),
        valor(TipoDato::Importe, "Impuesto", "0"), texto("0.00"),
        valor(TipoDato::Importe, "Total", "0"), texto("-0.00"),
        valor(TipoDato::Fecha, "Fecha", "2025-11-04"), texto("04/11/2025"),
        // Values the text does not print whole: each keeps its own record.
        valor(TipoDato::Texto, "Concepto", "(PAGTR) PAGO POR TRANSFERENCIA BANCARIA"), texto("(PAGTR) PAGO POR TRANSF"),
        valor(TipoDato::Importe, "Importe", "12.3456"), texto("12.35"),
        valor(TipoDato::Fecha, "Fecha", "2025-11-04"), texto("04/nov/2025"),
        valor(TipoDato::Texto, "Referencia", "TR-1"), Regla{0, 0, 1, 1}, texto("TR-1"),
        valor(TipoDato::Importe, "Importe", "5"), valor(TipoDato::Importe, "Importe", "5"), texto("5.00"),
        valor(TipoDato::Fecha, "Fecha", "2025-12-31"),
    };
    Pagina p(textos);
    for (const Registro& r : dibujados) p.Agrega(r);
    ASSERT_EQ(p.size(), dibujados.size());
    EXPECT_EQ(p.Registros(), dibujados);
    for (std::size_t i = 0; i < dibujados.size(); ++i) EXPECT_EQ(p[i], dibujados[i]) << i;

    const std::vector<Coincidencia> c = IndiceTextos(Documento{p}).Busca(QStringLiteral("TR-1"));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(p[c[0].registro], dibujados[22]);

    // The amounts' values went back to the table: only what the page prints stays.
    TablaTextos sola;
    Pagina q(std::shared_ptr<TablaTextos>(&sola, [](TablaTextos*) {}));
    q.Agrega(valor(TipoDato::Importe, "Importe", "67961.53"));
    q.Agrega(texto("67,961.53"));
    q.Agrega(valor(TipoDato::Importe, "Importe", "80"));
    q.Agrega(texto("80.00"));
    EXPECT_EQ(sola.Cuenta(), 3u);  // the column and the two printed amounts
    EXPECT_EQ(std::get<Dato>(q[2]).Valor(), QStringLiteral("80"));
    EXPECT_EQ(sola.Texto(sola.Guarda(u"siguiente")), QStringLiteral("siguiente"));
    EXPECT_EQ(std::get<Texto>(q[3]).texto, QStringLiteral("80.00"));
}
