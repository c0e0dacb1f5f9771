// The creditor catalog: "Directorio" (addresses, telephones, contacts) and "Parámetros" (status,
// credit terms, discounts, balances), each detailed or summary, grouped by agrupación or not.
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Fechas.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace gastos {

namespace {

constexpr int LimiteAntesDeGrupo = 13000;
constexpr int LimiteTrasRenglon = 13500;

// While one creditor's detail is printed a statement that fails is skipped and the next one runs,
// so a value that cannot be printed leaves its column empty.
template <class F>
void OmiteError(F&& sentencia) {
    try {
        sentencia();
    } catch (const vb::ErrorEjecucion&) {
    }
}

// Money as "#,##0.00"; a Null cannot be printed.
QString Moneda(const vb::Variant& v) {
    if (v.IsNull()) throw vb::ErrorEjecucion(vb::errores::UsoNoValidoDeNull);
    return vb::Format(v, u"#,##0.00");
}

}  // namespace

void frmConGastos::EncabezadoCatalogo() {
    report::Superficie& s = *Superficie;
    const bool directorio = cmbTipCatalogo.ListIndex() == 0;
    EncabezadoPagina(QStringLiteral("Catálogo de Acreedores"));

    s.BeginGroup();
    s.FontSize(8);
    s.ForeColor(Azul);
    s.TextMode(3);
    s.TextOption(true);
    s.PrintText(7850, 250, directorio ? QStringLiteral("DIRECTORIO") : QStringLiteral("PARÁMETROS"));
    s.EndGroup();

    s.FontSize(10);
    s.FontBold(true);
    s.ForeColor(Negro);
    s.PrintText(0, LineaActual, QStringLiteral("Código"));
    s.PrintText(950, LineaActual, QStringLiteral("Nombre"));
    const bool detallado = optTipo(0).Value();
    if (cmbTipCatalogo.ListIndex() == 0) {
        if (detallado) {
            s.PrintText(5000, LineaActual, QStringLiteral("Dirección (Calle y Número)"));
            s.PrintText(9000, LineaActual, QStringLiteral("Teléfonos"));
            LineaActual += 240;
            s.FontSize(8);
            s.PrintText(1500, LineaActual, QStringLiteral("R.F.C."));
            s.PrintText(5000, LineaActual, QStringLiteral("Colonia y Código Postal"));
            LineaActual += 240;
            s.PrintText(1500, LineaActual, QStringLiteral("Mail"));
            s.PrintText(5000, LineaActual, QStringLiteral("Ciudad, Estado, País"));
            LineaActual += 240;
            s.PrintText(1000, LineaActual, QStringLiteral("Contactos"));
        } else {
            s.PrintText(5000, LineaActual, QStringLiteral("Teléfonos"));
            s.PrintText(8000, LineaActual, QStringLiteral("e-mail"));
        }
    }
    if (cmbTipCatalogo.ListIndex() == 1) {
        s.PrintText(3900, LineaActual, QStringLiteral("Estatus"));
        if (detallado) {
            s.PrintText(6500, LineaActual, QStringLiteral("Fec.Ult.Compra"));
            s.PrintText(9300, LineaActual, QStringLiteral("Fec.Ult.Pago"));
            LineaActual += 240;
            s.FontSize(8);
            static const std::pair<int, const char16_t*> columnas[] = {
                {10, u"Lím.Créd."},  {900, u"Plazo"},       {1500, u"Desc.1"},  {2300, u"Desc.2"},
                {3100, u"Desc.3"},   {3900, u"Desc.4"},     {4700, u"Desc.5"},  {5500, u"Desc.6"},
                {6300, u"Saldo Act."}, {7400, u"Disponible"}, {8600, u"Vencido"}, {9500, u"Por Vencer"}};
            for (const auto& [x, titulo] : columnas) s.PrintText(x, LineaActual, QString::fromUtf16(titulo));
        } else {
            static const std::pair<int, const char16_t*> columnas[] = {
                {4800, u"Lím.Créd."}, {5800, u"Plazo"},  {6400, u"Desc.1"}, {7100, u"Desc.2"},
                {7800, u"Desc.3"},    {8500, u"Desc.4"}, {9200, u"Desc.5"}, {9900, u"Desc.6"}};
            for (const auto& [x, titulo] : columnas) s.PrintText(x, LineaActual, QString::fromUtf16(titulo));
        }
    }

    LineaActual += 250;
    s.ForeColor(Azul);
    for (vb::Integer raya = 1; raya <= 15; ++raya)
        s.DrawLine(0, LineaActual + raya, 10500, LineaActual + raya);
    s.FontSize(7);
    s.FontBold(false);
    s.ForeColor(Negro);
    LineaActual += 300;
}

void frmConGastos::ImprimeDirectorio() { ImprimeCatalogo(true); }

void frmConGastos::ImprimeParametros() { ImprimeCatalogo(false); }

void frmConGastos::ImprimeCatalogo(bool directorio) {
    report::Superficie& s = *Superficie;
    EligeConsultaAcreedores();
    EncabezadoCatalogo();
    if (directorio) LineaActual -= 100;
    ImprimeFiltroAcreedor(directorio);

    ado::Recordset& rs = rsAcreedores;
    if (!(rs.BOF() && rs.EOF_())) rs.MoveFirst();
    vb::Integer agrupacionAnterior = 0;
    const bool detallado = optTipo(0).Value();
    const auto campo = [&rs](const char* nombre) { return rs.Fields(nombre).Value(); };
    const auto texto = [&campo](const char* nombre) { return campo(nombre).CStr(); };

    while (!rs.EOF_()) {
        if (Agrupado && campo("COD_AGR").CLng() != agrupacionAnterior) {
            agrupacionAnterior = campo("COD_AGR").CInt();
            if (LineaActual > LimiteAntesDeGrupo) NuevaPagina();
            else LineaActual += 100;
            ImprimeEncabezadoAgrupacion();
            LineaActual += 240;
        }
        ContadorAcreedores += 1;

        const auto imprime = [&](int x, auto valor) { OmiteError([&] { s.PrintText(x, LineaActual, valor()); }); };
        const auto avanza = [&](int d) { OmiteError([&] { LineaActual += d; }); };
        const auto alinea = [&](int32_t a) { OmiteError([&] { s.TextAlign(a); }); };
        imprime(0, [&] { return texto("COD_PROV"); });
        if (directorio) {
            imprime(950, [&] { return vb::Left(texto("NOM_PROV"), 33); });
            if (detallado) {
                imprime(5000, [&] { return texto("CALL_NUM"); });
                imprime(9000, [&] { return texto("TEL1_PROV"); });
                avanza(200);
                imprime(1500, [&] { return texto("RFC_PROV"); });
                imprime(5000, [&] { return campo("COL_PROV").Texto() + QStringLiteral("   ") + campo("COP_PROV").Texto(); });
                imprime(9000, [&] { return texto("TEL2_PROV"); });
                avanza(240);
                imprime(1500, [&] { return texto("MAIL_PROV"); });
                imprime(5000, [&] {
                    return campo("DES_CID").Texto() + QStringLiteral(", ") + campo("NOM_EST").Texto() +
                           QStringLiteral(", ") + campo("COD_PAIS").Texto();
                });
                avanza(240);
                imprime(500, [&] { return texto("CONTACTO1"); });
                imprime(5000, [&] { return texto("CONTACTO2"); });
            } else {
                imprime(5000, [&] { return texto("TEL1_PROV"); });
                imprime(8000, [&] { return texto("MAIL_PROV"); });
            }
        } else {
            const auto porcentaje = [&](const char* nombre) { return campo(nombre).Texto() + u'%'; };
            imprime(950, [&] { return vb::Left(texto("NOM_PROV"), 35); });
            imprime(3900, [&] { return texto("DES_STS"); });
            if (detallado) {
                imprime(6500, [&] { return texto("FEC_UCOM"); });
                imprime(9300, [&] { return texto("FEC_UPAG"); });
                avanza(200);
                imprime(10, [&] { return Moneda(campo("LIM_CRE")); });
                alinea(report::AlineaDerecha);
                imprime(1300, [&] { return texto("PLA_CRE"); });
                imprime(2000, [&] { return porcentaje("PORC_DES1"); });
                imprime(2800, [&] { return porcentaje("PORC_DES2"); });
                imprime(3600, [&] { return porcentaje("PORC_DES3"); });
                imprime(4460, [&] { return porcentaje("PORC_DES4"); });
                imprime(5200, [&] { return porcentaje("PORC_DES5"); });
                imprime(6000, [&] { return porcentaje("PORC_DES6"); });
                imprime(7050, [&] { return Moneda(campo("SAL_PROV")); });
                imprime(8200, [&] { return Moneda(campo("DISP")); });
                imprime(9225, [&] { return vb::FormatoMoneda(SaldoVencido(texto("COD_PROV"), true)); });
                imprime(10300, [&] { return vb::FormatoMoneda(SaldoVencido(texto("COD_PROV"), false)); });
                alinea(report::AlineaIzquierda);
            } else {
                alinea(report::AlineaDerecha);
                imprime(5650, [&] { return Moneda(campo("LIM_CRE")); });
                imprime(6300, [&] { return texto("PLA_CRE"); });
                imprime(7000, [&] { return porcentaje("PORC_DES1"); });
                imprime(7700, [&] { return porcentaje("PORC_DES2"); });
                imprime(8400, [&] { return porcentaje("PORC_DES3"); });
                imprime(9100, [&] { return porcentaje("PORC_DES4"); });
                imprime(9800, [&] { return porcentaje("PORC_DES5"); });
                imprime(10500, [&] { return porcentaje("PORC_DES6"); });
                alinea(report::AlineaIzquierda);
            }
        }

        s.FontBold(false);
        LineaActual += 240;
        rs.MoveNext();
        if (Agrupado && !rs.EOF_() && campo("COD_AGR").CLng() != agrupacionAnterior) {
            ImprimeTotal(ContadorAcreedores);
            LineaActual += 300;
            ContadorAcreedores = 0;
        }
        if (LineaActual > LimiteTrasRenglon) NuevaPagina();
    }
    rs.Close();
    ImprimeTotal(ContadorAcreedores);
    ContadorAcreedores = 0;
    rsAcreedores = ado::Recordset();
}

void frmConGastos::ImprimeEncabezadoAgrupacion() {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.FontBold(true);
    s.ForeColor(Azul);
    s.FontSize(9);
    s.PrintText(100, LineaActual,
                rsAcreedores.Fields("DES_GPO").Value().Texto() + QStringLiteral(":   ") +
                    rsAcreedores.Fields("DES_AGR").Value().Texto());
    s.EndGroup();
}

void frmConGastos::ImprimeTotal(vb::Integer cuenta, std::optional<vb::Currency> importe) {
    report::Superficie& s = *Superficie;
    s.BeginGroup();
    s.ForeColor(Azul);
    s.FontSize(9);
    s.PrintText(200, LineaActual, QStringLiteral("TOTAL :"));
    s.TextAlign(report::AlineaDerecha);
    s.PrintText(3000, LineaActual, QString::number(static_cast<int32_t>(cuenta)) + QStringLiteral("  Acreedor(es)"));
    if (importe) s.PrintText(10300, LineaActual, vb::FormatoMoneda(*importe));
    s.EndGroup();
}

vb::Currency frmConGastos::SaldoVencido(const QString& Codigo, bool Vencido) {
    const QString operador = Vencido ? QStringLiteral("<=") : QStringLiteral(">");
    const QString hoy = modConGastos::FechaSQL(vb::Variant(vb::Hoy()));
    rsSaldos = ado::Recordset();
    rsSaldos.Open(QStringLiteral("SELECT SUM(SAL_MOV) AS SALDO FROM tblGastosEnc WHERE (SAL_MOV>0 AND COD_ACRE='") +
                      ado::Comillas(Codigo) + QStringLiteral("') AND ((FEC_MOV + PLA_PAG)") + operador + hoy +
                      QStringLiteral(") AND (COD_ESTATUS=1) AND (CON_GRL='GTOS');"),
                  modConGastos::ConexionModulo(), 1, -1, -1);
    vb::Currency saldo;
    if (!(rsSaldos.BOF() && rsSaldos.EOF_())) {
        const vb::Variant valor = rsSaldos.Fields("SALDO").Value();
        if (!valor.IsNull()) saldo = valor.CCur();
    }
    rsSaldos.Close();
    rsSaldos = ado::Recordset();
    return saldo;
}

}  // namespace gastos
