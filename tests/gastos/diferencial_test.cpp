// Every form of the creditor, movement and petty-cash reports drawn from the SQLite demo company and
// from the same company on each server must give the same listing, line for line.
#include "ListadosEnServidores.h"
#include "gastos/frmConGastos.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace {

// The filters of one run, set on a freshly loaded window.
struct Forma {
    const char* nombre;
    int tipo;          // 0 "Directorio", 1 "Parámetros"
    bool detallado;
    bool agrupado;     // every group of the tree ticked
    bool region;       // the first city of the list
    int consulta = 0;  // cmbConsulta; the ledger runs from 01/04/2025
    bool sinSaldo = false;
    bool sinMovtos = false;
};

class CatalogoEnAmbosMotores : public ListadosEnServidores {
protected:
    CatalogoEnAmbosMotores() : ListadosEnServidores(true, {}) {}

    // The catalog, ledger and balances filters of `forma`, as the user sets them.
    static std::function<void(gastos::frmConGastos&)> Filtros(const Forma& forma) {
        return [forma](gastos::frmConGastos& ventana) {
            ventana.cmbTipCatalogo.SetListIndex(forma.tipo);
            ventana.optTipo(forma.detallado ? 0 : 1).UserClick();
            ventana.cmbConsulta.SetListIndex(forma.consulta);
            if (forma.consulta == 1) ventana.dtpFecha(0).SetValue(QDate(2025, 4, 1));
            if (forma.sinSaldo) ventana.chkSinSaldo.UserClick();
            if (forma.sinMovtos) ventana.chkSinMovtos.UserClick();
            if (forma.agrupado) MarcaGrupos(ventana.tvwGral(0));
            if (forma.region) {
                ventana.chkRegion.UserClick();
                ventana.cmbRegion(0).SetListIndex(0);
            }
        };
    }

    // One run on a freshly loaded window whose filters `fija` sets.
    QByteArray Corre(const char* variable, const std::function<void(gastos::frmConGastos&)>& fija) {
        ConectaModulo(variable);
        gastos::frmConGastos ventana;
        controles::Load(ventana);
        fija(ventana);
        ventana.cmdFunciones(0).UserClick();
        return TerminaCorrida(variable);
    }

    // The SQLite listing, once each server's has been compared with it.
    QByteArray ComparaMotores(const char* nombre, const std::function<void(gastos::frmConGastos&)>& fija) {
        const QByteArray deSqlite = Corre("ZR_SQLITE_DEMO", fija);
        for (const char* servidor : Servidores()) ComparaListados(deSqlite, Corre(servidor, fija), nombre, servidor);
        return deSqlite;
    }

    // Every first-level node, as the user ticks it (its children follow).
    static void MarcaGrupos(controles::TreeView& arbol) {
        for (controles::Node& nodo : arbol.Nodes())
            if (!nodo.Parent()) arbol.UserCheck(nodo);
    }

    void ComparaMotores(std::initializer_list<Forma> formas) {
        for (const Forma& forma : formas) {
            const QByteArray listado = ComparaMotores(forma.nombre, Filtros(forma));
            if (forma.agrupado) CadaAgrupacionUnaVez(listado, forma.nombre);
        }
    }

    // A grouped listing heads each agrupación ("group:   agrupación", at x 100) once, with all its
    // creditors.
    static void CadaAgrupacionUnaVez(const QByteArray& listado, const char* nombre) {
        QHash<QString, int> encabezados;
        for (const QByteArray& linea : listado.split('\n')) {
            const QJsonObject registro = QJsonDocument::fromJson(linea).object();
            const QString texto = registro.value(QStringLiteral("text")).toString();
            if (registro.value(QStringLiteral("x")).toInt() == 100 && texto.contains(QStringLiteral(":   ")))
                ++encabezados[texto];
        }
        EXPECT_GT(encabezados.size(), 2) << nombre;
        for (auto it = encabezados.cbegin(); it != encabezados.cend(); ++it)
            EXPECT_EQ(it.value(), 1) << nombre << ": " << it.key().toStdString();
    }

};

TEST_F(CatalogoEnAmbosMotores, MismoListado) {
    ComparaMotores({
        {"Directorio detallado", 0, true, false, false},  {"Directorio resumido", 0, false, false, false},
        {"Parámetros detallado", 1, true, false, false},  {"Parámetros resumido", 1, false, false, false},
        {"Directorio agrupado", 0, true, true, false},    {"Parámetros agrupado", 1, true, true, false},
        {"Directorio por ciudad", 0, false, false, true}, {"Parámetros por ciudad", 1, true, false, true},
    });
}

using SaldosEnAmbosMotores = CatalogoEnAmbosMotores;
TEST_F(SaldosEnAmbosMotores, MismoListado) {
    ComparaMotores({
        {"Saldos", 0, true, false, false, 3},
        {"Saldos agrupados", 0, true, true, false, 3},
        {"Saldos sin saldo, agrupados", 0, true, true, false, 3, true},
        {"Saldos por ciudad", 0, true, false, true, 3},
    });
}

using AuxiliarEnAmbosMotores = CatalogoEnAmbosMotores;
TEST_F(AuxiliarEnAmbosMotores, MismoListado) {
    ComparaMotores({
        {"Auxiliar detallado", 0, true, false, false, 1},
        {"Auxiliar resumido", 0, false, false, false, 1},
        {"Auxiliar detallado agrupado", 0, true, true, false, 1},
        {"Auxiliar resumido agrupado", 0, false, true, false, 1},
        {"Auxiliar detallado, todos, agrupado", 0, true, true, false, 1, true, true},
        {"Auxiliar resumido sin saldo, por ciudad", 0, false, false, true, 1, true},
    });
}

// The movements of the first half of 2025 in each order and detail, plain and grouped, and with
// each filter; the petty cash of the same months in its four forms, for one cheque and by concept.
using MovimientosEnAmbosMotores = CatalogoEnAmbosMotores;
TEST_F(MovimientosEnAmbosMotores, MismoListado) {
    const auto periodo = [](gastos::frmConGastos& v, int consulta, bool porConcepto, bool detallado) {
        v.cmbConsulta.SetListIndex(consulta);
        v.dtpFecha(0).SetValue(QDate(2025, 1, 1));
        v.dtpFecha(1).SetValue(QDate(2025, 6, 30));
        v.optOrden(porConcepto ? 1 : 0).UserClick();
        v.optTipo(detallado ? 0 : 1).UserClick();
    };
    const auto marca = [](gastos::frmConGastos& v, const char* clave) {
        v.tvwGral(1).UserCheck(v.tvwGral(1).Nodes().Item(QString::fromLatin1(clave)));
    };
    for (int forma = 0; forma < 8; ++forma) {
        const bool porConcepto = forma & 1, detallado = forma & 2, agrupado = forma & 4;
        const std::string nombre = std::string("Movimientos") + (porConcepto ? " por concepto" : " por acreedor") +
                                   (detallado ? " detallado" : " resumido") + (agrupado ? " agrupado" : "");
        ComparaMotores(nombre.c_str(), [&](gastos::frmConGastos& v) {
            periodo(v, 2, porConcepto, detallado);
            if (agrupado) MarcaGrupos(v.tvwGral(0));
        });
    }
    ComparaMotores("Movimientos cancelados, por ciudad", [&](gastos::frmConGastos& v) {
        periodo(v, 2, false, true);
        v.chkStatus(1).UserClick();
        v.chkRegion.UserClick();
        v.cmbRegion(0).SetListIndex(0);
    });
    ComparaMotores("Movimientos de dos conceptos", [&](gastos::frmConGastos& v) {
        periodo(v, 2, true, true);
        marca(v, "ALUZ");
        marca(v, "APAGTR");
    });
    ComparaMotores("Movimientos de un acreedor", [&](gastos::frmConGastos& v) {
        periodo(v, 2, false, true);
        v.txtCodAcreedor.SetText(QStringLiteral("ACR0003"));
    });

    for (int forma = 0; forma < 4; ++forma) {
        const bool porConcepto = forma & 1, detallado = forma & 2;
        const std::string nombre = std::string("Reposición") + (porConcepto ? " por concepto" : " por folio") +
                                   (detallado ? " detallada" : " resumida");
        ComparaMotores(nombre.c_str(), [&](gastos::frmConGastos& v) { periodo(v, 4, porConcepto, detallado); });
    }
    ComparaMotores("Reposición de un cheque", [&](gastos::frmConGastos& v) {
        periodo(v, 4, false, true);
        v.txtFolioCheque.SetText(QStringLiteral("0000003"));
    });
    ComparaMotores("Reposición de dos conceptos", [&](gastos::frmConGastos& v) {
        periodo(v, 4, true, true);
        marca(v, "ACOMBU");
        marca(v, "AHONOR");
    });
}

}  // namespace
