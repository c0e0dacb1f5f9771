// "Catálogo de Cuentas": each bank with its executive and telephone, and under it each of its
// accounts with the statement cut-off day, whether cheques are issued from it, and its rubro.
#include "tesoreria/frmConTesoreria.h"
#include "report/Superficie.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Texto.h"

namespace tesoreria {

namespace {

constexpr int Limite = 13500;

// Inside the bank loop a statement that fails is skipped, so a value that cannot be printed
// leaves its column empty.
template <class F>
void OmiteError(F&& sentencia) {
    try {
        sentencia();
    } catch (const vb::ErrorEjecucion&) {
    }
}

}  // namespace

const QString frmConTesoreria::BancosConEjecutivo =
    QStringLiteral("SELECT tblBancos.COD_BANCO,NOM_BANCO,EJE_CUENTA,TEL_BANCO FROM tblBancos");
const QString frmConTesoreria::CuentasConRubro = QStringLiteral(
    "SELECT COD_BANCO,NUM_CUENTA,DIA_CORTE,GEN_CHEQUE,tblCatRubros.COD_RUBRO,DES_RUBRO FROM tblCatCtasBancos "
    "INNER JOIN tblCatRubros ON tblCatRubros.COD_RUBRO=tblCatCtasBancos.COD_RUBRO");

void frmConTesoreria::EncabezadoCatalogoCuentas() {
    report::Superficie& s = *Superficie;
    EncabezadoPagina(QStringLiteral("Catálogo de Cuentas"));
    s.BeginGroup();
    s.ForeColor(Azul);
    s.FontBold(true);
    s.FontSize(9);
    s.PrintText(700, LineaActual, QStringLiteral("Banco"));
    s.PrintText(5000, LineaActual, QStringLiteral("Ejecutivo"));
    s.PrintText(8800, LineaActual, QStringLiteral("Teléfono"));
    LineaActual += 200;
    s.ForeColor(Negro);
    s.FontBold(true);
    s.FontSize(9);
    s.PrintText(1500, LineaActual, QStringLiteral("No. de Cuenta"));
    s.PrintText(4100, LineaActual, QStringLiteral("Dia de Corte"));
    s.PrintText(5500, LineaActual, QStringLiteral("¿Chequera?"));
    s.PrintText(8000, LineaActual, QStringLiteral("Rubro"));
    s.DrawLine(0, LineaActual + 200, 10500, LineaActual + 200);
    s.EndGroup();
    LineaActual += 250;
}

void frmConTesoreria::ImprimeCatalogoCuentas() {
    report::Superficie& s = *Superficie;
    EncabezadoCatalogoCuentas();
    s.ForeColor(Negro);
    s.FontBold(false);

    const auto texto = [](const ado::Recordset& rs, const char* campo) { return rs.Fields(campo).Value().CStr(); };
    const auto imprime = [&](int x, auto valor) { OmiteError([&] { s.PrintText(x, LineaActual, valor()); }); };
    // A value printed whole, and marked for the spreadsheet as the column it stands for.
    const auto dato = [&](int x, const QString& columna, auto valor) {
        OmiteError([&] {
            const QString v = valor();
            s.MarkValue(columna, report::TipoDato::Texto, v);
            s.PrintText(x, LineaActual, v);
        });
    };
    Recorrido r;
    r.bancos = BancosConEjecutivo;
    r.cuentas = CuentasConRubro;
    r.alEmpezarBanco = [&] {
        s.BeginGroup();
        s.ForeColor(Azul);
        MarcaBanco();
        imprime(700, [&] { return vb::Left(texto(rsBancos, "NOM_BANCO"), 33); });
        dato(5000, QStringLiteral("Ejecutivo"), [&] { return texto(rsBancos, "EJE_CUENTA"); });
        dato(8800, QStringLiteral("Teléfono"), [&] { return texto(rsBancos, "TEL_BANCO"); });
        s.FontBold(false);
        s.EndGroup();
        LineaActual += 240;
    };
    r.porCuenta = [&] {
        s.MarkLine(report::ClaseRenglon::Detalle);
        dato(1500, QStringLiteral("No. de Cuenta"), [&] { return texto(rsCuentas, "NUM_CUENTA"); });
        dato(4100, QStringLiteral("Dia de Corte"), [&] { return texto(rsCuentas, "DIA_CORTE"); });
        dato(5500, QStringLiteral("¿Chequera?"), [&] {
            const vb::Variant cheque = rsCuentas.Fields("GEN_CHEQUE").Value();
            return !cheque.IsNull() && cheque.CDbl() == 0 ? QStringLiteral("No") : QStringLiteral("Sí");
        });
        dato(8000, QStringLiteral("Rubro"), [&] { return texto(rsCuentas, "DES_RUBRO"); });
        LineaActual += 240;
        if (LineaActual > Limite) NuevaPagina();
    };
    RecorreBancos(r);
}

}  // namespace tesoreria
