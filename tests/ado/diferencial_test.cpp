// The same date questions asked of the SQLite demo company and of the same company on each server
// must select the same expense movements, and those must be the ones the dates themselves say.
#include "Postgres.h"

#include <algorithm>
#include <functional>
#include <list>
#include <map>
#include <optional>

namespace {

using Fila = std::vector<vb::Variant>;

QString Guiones(QDate d) { return "'" + d.toString(u"yyyy-MM-dd") + "'"; }
QString Compacta(QDate d) { return "'" + d.toString(u"yyyyMMdd") + "'"; }

class Diferencial : public ConPostgres {
protected:
    void SetUp() override {
        ConPostgres::SetUp();
        if (Listo()) Conecta("ZR_SQLITE_DEMO", sqlite);
        for (const char* variable : Servidores()) {
            if (!Listo()) return;
            servidores.emplace_back(variable, ado::Connection());
            Conecta(variable, servidores.back().second);
        }
    }

    static std::vector<Fila> Filas(ado::Connection& con, const QString& condicion) {
        std::vector<Fila> r;
        auto rs = con.Execute("SELECT NUM_MOV, FEC_MOV, SAL_MOV FROM tblGastosEnc WHERE " + condicion
                              + " ORDER BY NUM_MOV, FEC_MOV, SAL_MOV");
        while (!rs.EOF_()) {
            r.push_back({rs.Fields("NUM_MOV").Value(), rs.Fields("FEC_MOV").Value(), rs.Fields("SAL_MOV").Value()});
            rs.MoveNext();
        }
        return r;
    }

    // Both engines, with every literal form each accepts, against the movements `esperado` picks.
    template <class Filtro>
    void Compara(const std::function<QString(QString (*)(QDate))>& condicion, Filtro esperado) {
        std::vector<int> numeros;
        for (const auto& [num, m] : movimientos)
            if (esperado(m)) numeros.push_back(num);
        std::sort(numeros.begin(), numeros.end());
        const auto deSqlite = Filas(sqlite, condicion(Guiones));
        std::vector<int> obtenidos;
        for (const Fila& f : deSqlite) obtenidos.push_back(f[0].CLng());
        EXPECT_EQ(obtenidos, numeros) << condicion(Guiones).toStdString();
        for (auto& [variable, servidor] : servidores)
            for (auto forma : {Guiones, Compacta})
                EXPECT_EQ(Filas(servidor, condicion(forma)), deSqlite)
                    << variable << ": " << condicion(forma).toStdString();
    }

    struct Movimiento {
        QDate fecha;
        std::optional<QDate> vence;
    };
    ado::Connection sqlite;
    std::list<std::pair<const char*, ado::Connection>> servidores;
    std::multimap<int, Movimiento> movimientos;  // by NUM_MOV, from the raw columns
};

TEST_F(Diferencial, FechasEnAmbosMotores) {
    auto rs = sqlite.Execute("SELECT NUM_MOV, FEC_MOV, PLA_PAG FROM tblGastosEnc WHERE FEC_MOV IS NOT NULL");
    std::vector<QDate> fechas, vencimientos;
    while (!rs.EOF_()) {
        Movimiento m{rs.Fields("FEC_MOV").Value().CDate().dia, std::nullopt};
        const vb::Variant plazo = rs.Fields("PLA_PAG").Value();
        if (!plazo.IsNull()) m.vence = m.fecha.addDays(plazo.CLng());
        fechas.push_back(m.fecha);
        if (m.vence) vencimientos.push_back(*m.vence);
        movimientos.emplace(rs.Fields("NUM_MOV").Value().CLng(), m);
        rs.MoveNext();
    }
    ASSERT_GE(vencimientos.size(), 3u) << "la empresa de demostración necesita movimientos con plazo";
    std::sort(fechas.begin(), fechas.end());
    std::sort(vencimientos.begin(), vencimientos.end());

    const QDate medio = vencimientos[vencimientos.size() / 2];
    for (QDate corte : {vencimientos.front().addDays(-1), medio, medio.addDays(1), vencimientos.back()}) {
        Compara([&](auto lit) { return "((FEC_MOV + PLA_PAG)<=" + lit(corte) + ")"; },
                [&](const Movimiento& m) { return m.vence && *m.vence <= corte; });
        Compara([&](auto lit) { return "((FEC_MOV + PLA_PAG)>" + lit(corte) + ")"; },
                [&](const Movimiento& m) { return m.vence && *m.vence > corte; });
    }

    const QDate desde = fechas[fechas.size() / 4], hasta = fechas[fechas.size() * 3 / 4], dia = fechas[fechas.size() / 2];
    Compara([&](auto lit) { return "(FEC_MOV BETWEEN " + lit(desde) + " AND " + lit(hasta) + ")"; },
            [&](const Movimiento& m) { return m.fecha >= desde && m.fecha <= hasta; });
    Compara([&](auto lit) { return "FEC_MOV<" + lit(dia); }, [&](const Movimiento& m) { return m.fecha < dia; });
    Compara([&](auto lit) { return "FEC_MOV<=" + lit(dia); }, [&](const Movimiento& m) { return m.fecha <= dia; });
    Compara([&](auto lit) { return "(FEC_MOV = " + lit(dia) + ")"; }, [&](const Movimiento& m) { return m.fecha == dia; });
}

}  // namespace
