// The schema holds what the component's SQL reads, and that SQL runs on the demo.
#include "AyudaDemo.h"

#include "demo/ErrorDemo.h"
#include "demo/Esquema.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(Esquema, GuardaCadaColumnaQueLeeElComponente) {
    QFile f(DatoDePrueba(QStringLiteral("columnas_consultadas.txt")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    int revisadas = 0;
    for (const QString& linea : QString::fromUtf8(f.readAll()).split(u'\n')) {
        if (linea.trimmed().isEmpty() || linea.startsWith(u'#')) continue;
        const QString tabla = linea.section(u'.', 0, 0), columna = linea.section(u'.', 1).trimmed();
        bool hallada = false;
        for (const auto& fila : Consulta(DemoEscala1(), QStringLiteral("PRAGMA table_info(%1)").arg(tabla)))
            hallada = hallada || fila[1]->compare(columna, Qt::CaseInsensitive) == 0;
        EXPECT_TRUE(hallada) << linea.toStdString();
        ++revisadas;
    }
    EXPECT_GT(revisadas, 140);
}

// Preparing each text also proves that no unqualified name is ambiguous among the joined tables.
TEST(Esquema, CadaConsultaDelComponenteCorreYLasDelDemoDevuelvenFilas) {
    const auto consultas = ConsultasDelSistema();
    ASSERT_GT(consultas.size(), 60u);
    for (const ConsultaDelSistema& c : consultas) {
        try {
            const Filas f = Consulta(DemoEscala1(), c.sql);
            if (c.conFilas) {
                EXPECT_FALSE(f.empty()) << "sin filas: " << c.sql.toStdString();
            }
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

// What the data layer relies on: ISO text in DATE columns, numbers in CURRENCY columns, 0/1 in
// BOOLEAN columns, and those declared types on the columns whose names say what they hold.
TEST(Esquema, AlmacenaFechasDineroYLogicosComoLosLeeLaCapaDeDatos) {
    const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    for (const demo::Tabla& t : demo::Esquema::DelSistema().tablas()) {
        for (const demo::Columna& c : t.columnas) {
            const QString tipo = demo::TipoSql(c, demo::Dialecto::SQLite);
            const std::string nombre = (t.nombre + u'.' + c.nombre).toStdString();
            if (c.nombre.startsWith(u"FEC_")) {
                EXPECT_EQ(tipo, QStringLiteral("DATE")) << nombre;
            }
            if (c.nombre.startsWith(u"IMP_") || c.nombre.startsWith(u"SAL_") || c.nombre == u"TIP_CAM") {
                EXPECT_EQ(tipo, QStringLiteral("CURRENCY")) << nombre;
            }
            const QString sql = QStringLiteral("SELECT DISTINCT typeof(%1), %1 FROM %2 WHERE %1 IS NOT NULL LIMIT 500")
                                    .arg(c.nombre, t.nombre);
            for (const auto& fila : Consulta(DemoEscala1(), sql)) {
                const QString clase = *fila[0], valor = *fila[1];
                bool bien = true;
                if (tipo == u"DATE") bien = clase == u"text" && iso.match(valor).hasMatch();
                else if (tipo == u"CURRENCY" || tipo == u"DOUBLE") bien = clase == u"real" || clase == u"integer";
                else if (tipo == u"BOOLEAN") bien = valor == u"0" || valor == u"1";
                else if (tipo.startsWith(u"VARCHAR")) bien = clase == u"text";
                EXPECT_TRUE(bien) << nombre << " = " << valor.toStdString() << " (" << clase.toStdString() << ')';
            }
        }
    }
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT type FROM pragma_table_info('tblConciliaEnc') WHERE name='CERRADA'")),
              QStringLiteral("BOOLEAN"));
}

TEST(Esquema, UnaDefinicionMalEscritaSeRechazaConSuLinea) {
    const char* const malas[] = {
        "tabla t\n  A texto\n",                       // text without length
        "tabla t\n  A numerote\n",                    // unknown type
        "  A entero\n",                               // column outside a table
        "tabla t\n  A entero\nindice t B\n",          // index on an unknown column
        "tabla t\n  A entero\n  a entero\n",          // repeated column (names ignore case)
        "tabla t\n  A entero\nclave B\n",             // key on an unknown column
    };
    for (const char* texto : malas) {
        try {
            demo::Esquema::Lee(texto);
            ADD_FAILURE() << "aceptada: " << texto;
        } catch (const demo::ErrorDemo& e) {
            EXPECT_TRUE(e.mensaje().contains(QStringLiteral("línea"))) << e.what();
        }
    }
    const demo::Esquema e = demo::Esquema::Lee("tabla t\n  A entero\n  B texto 5\nclave A\nindice t B, A\n");
    EXPECT_EQ(e.CreaIndices(demo::Dialecto::SQLite), QStringList{QStringLiteral("CREATE INDEX ix_t_b_a ON t(B, A)")});
}
