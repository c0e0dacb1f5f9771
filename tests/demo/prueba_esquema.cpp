// The schema holds what the component's SQL reads, and that SQL runs on the demo.
#include "AyudaDemo.h"

#include <QFile>
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
