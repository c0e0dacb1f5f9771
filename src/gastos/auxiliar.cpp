// "Auxiliar de Acreedores": each creditor's account over the date range, from the balance brought
// forward through the range's charges and credits to the final balance; every movement with its
// running balance ("Detallado") or one line per creditor ("Resumido"), grouped by agrupación or not.
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "controles/Constants.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

#include <QHash>

namespace gastos {

namespace {

constexpr int LimiteTotalGrupo = 12500;
constexpr int LimiteAgrupacion = 13000;
constexpr int LimiteResumido = 13700;
constexpr int LimiteAcreedor = 14000;
constexpr int LimiteMovimiento = 14300;

// Right edges of the four totals: balance brought forward, charges, credits, final balance.
constexpr int TotalesDetallado[4] = {5400, 7100, 8600, 10300};
constexpr int TotalesResumido[4] = {6400, 7800, 9100, 10500};

// The ledger's amount columns, as the exports name them.
enum Columna { SaldoAnterior, Cargos, Abonos, Saldo };
const char16_t* const NombreColumna[] = {u"Saldo anterior", u"Cargos", u"Abonos", u"Saldo"};

// An amount marked for the exports with the sign it carries in the balance: credits subtract.
void MarcaImporte(report::Superficie& s, Columna columna, vb::Currency importe) {
    s.MarkValue(QString::fromUtf16(NombreColumna[columna]), columna == Abonos ? -importe : importe);
}

struct Importe {
    int x;
    Columna columna;
    vb::Currency importe;
};

// Amounts as "#,##0.00", each right-aligned at its column's right edge, at height y.
void Importes(report::Superficie& s, int32_t y, std::initializer_list<Importe> importes) {
    s.TextAlign(report::AlineaDerecha);
    for (const auto& [x, columna, importe] : importes) {
        MarcaImporte(s, columna, importe);
        s.PrintText(x, y, vb::FormatoMoneda(importe));
    }
    s.TextAlign(report::AlineaIzquierda);
}

}  // namespace

void frmConGastos::ImprimeAuxiliar() {
    EligeConsultaAcreedores();
    EncabezadoAuxSaldos(false);
    ImprimeFiltroAcreedor();

    MarchaAuxiliar m;
    m.detallado = optTipo(0).Value();
    const bool sinMovimientos = chkSinMovtos.Value() != controles::vbUnchecked;
    const bool sinSaldo = chkSinSaldo.Value() != controles::vbUnchecked;
    const QString rango = QStringLiteral("FEC_MOV BETWEEN ") + FechaInicial + QStringLiteral(" AND ") + FechaFinal;
    const QString antes = QStringLiteral("FEC_MOV<") + FechaInicial;
    const bool conRango = !m.detallado || !sinSaldo;
    // What the walk reads besides the creditor list, asked together.
    QStringList juntas{ConsultaSumasPorAcreedor(antes)};
    if (conRango) juntas << ConsultaSumasPorAcreedor(rango);
    if (m.detallado) juntas << ConsultaMovimientosAuxiliar(rango);
    const ado::Adelanto adelanto(modConGastos::ConexionModulo(), juntas);
    // Brought forward counts charges and credits only; the range's net counts any other class as a
    // credit.
    const QHash<QString, SumasAcreedor> anteriores = SumasPorAcreedor(antes);
    QHash<QString, SumasAcreedor> delRango;
    if (conRango) delRango = SumasPorAcreedor(rango);
    if (m.detallado) AbreMovimientosAuxiliar(rango);

    for (ado::Recordset& rs = rsAcreedores; !rs.EOF_(); rs.MoveNext()) {
        if (Agrupado) ImprimeCortesAuxiliar(m);
        const QString clave = ClaveDe(rs);
        const SumasAcreedor sumas = delRango.value(clave);
        const bool conMovimientos = m.detallado ? MovimientoDelAcreedor() : delRango.contains(clave);
        if (sinMovimientos || conMovimientos) {
            const vb::Currency anterior = anteriores.value(clave).Anterior();
            if (sinSaldo || anterior + sumas.Neto() > vb::Currency()) {
                m.impreso = true;
                if (m.detallado) ImprimeAcreedorDetallado(anterior, m.totales);
                else ImprimeAcreedorResumido(anterior, sumas, m.totales);
            }
        }
        // Past this creditor's movements, printed or left out, to the next creditor's.
        while (m.detallado && MovimientoDelAcreedor()) rsMovtos.MoveNext();
    }

    if (Agrupado) ImprimeSaldoTotalAuxiliar(1000, QStringLiteral("SALDO TOTAL DEL GRUPO :"), m.totales, m.detallado);
    else ImprimeSaldoTotalAuxiliar(2000, QStringLiteral("SALDO TOTAL  :"), m.totales, m.detallado);
    if (m.detallado) rsMovtos.Close();
    rsMovtos = ado::Recordset();
    rsAcreedores.Close();
    rsAcreedores = ado::Recordset();
}

void frmConGastos::ImprimeCortesAuxiliar(MarchaAuxiliar& m) {
    const auto campo = [this](const char* nombre) { return rsAcreedores.Fields(nombre).Value(); };
    if (campo("COD_GPO").CLng() != m.grupoAnterior && m.impreso) {
        m.grupoAnterior = campo("COD_GPO").CInt();
        ImprimeSaldoTotalAuxiliar(1000, QStringLiteral("SALDO TOTAL DEL GRUPO :"), m.totales, m.detallado);
        m.totales = TotalesAuxiliar();
        if (LineaActual > LimiteTotalGrupo) NuevaPagina();
        else LineaActual += 350;
    }
    if (campo("COD_AGR").CLng() != m.agrupacionAnterior) {
        m.agrupacionAnterior = campo("COD_AGR").CInt();
        m.grupoAnterior = campo("COD_GPO").CInt();
        if (LineaActual > LimiteAgrupacion) NuevaPagina();
        else LineaActual += 250;
        MarcaGrupoAuxiliar(m, true);
        ImprimeEncabezadoAgrupacion();
        LineaActual += 220;
    } else {
        MarcaGrupoAuxiliar(m, false);
    }
}

void frmConGastos::MarcaGrupoAuxiliar(MarchaAuxiliar& m, bool encabezado) {
    const QString grupo = rsAcreedores.Fields("COD_GPO").Value().Texto();
    const bool otroGrupo = grupo != m.grupoMarcado;
    if (otroGrupo) {
        m.grupoMarcado = grupo;
        Superficie->MarkLine(report::ClaseRenglon::Grupo, 1, QStringLiteral("Grupo"), grupo,
                             rsAcreedores.Fields("DES_GPO").Value().Texto());
    }
    // A new group closes the agrupación; the same one goes on in it, heading or not.
    if (encabezado || otroGrupo) MarcaAgrupacion(2);
}

QString frmConGastos::ConsultaMovimientosAuxiliar(const QString& rango) const {
    return QStringLiteral("SELECT ") + ClaveLista() + QStringLiteral(",FOL_MOV,CON_GRL,FEC_MOV,IMP_MOV,DES_CON,DES_FOL") +
           MovimientosDeLaLista({QStringLiteral("LEFT JOIN tblConceptosGyT ON tblConceptosGyT.COD_CON=tblGastosEnc.COD_CON"),
                                 QStringLiteral("LEFT JOIN tblFolioGralesGyT ON "
                                                "tblFolioGralesGyT.COD_FOL=tblGastosEnc.COD_CON")},
                                QStringLiteral("(") + rango + QStringLiteral(") AND (COD_ESTATUS IN(1,5))")) +
           listaAcreedores_.orden + QStringLiteral(",FEC_MOV,NUM_MOV;");
}

void frmConGastos::AbreMovimientosAuxiliar(const QString& rango) {
    rsMovtos = ado::Recordset();
    rsMovtos.Open(ConsultaMovimientosAuxiliar(rango), modConGastos::ConexionModulo(), 1, 1, 1);
}

int16_t frmConGastos::NivelAcreedor() const { return Agrupado ? 3 : 1; }

bool frmConGastos::MovimientoDelAcreedor() const { return !rsMovtos.EOF_() && ClaveDe(rsMovtos) == ClaveDe(rsAcreedores); }

void frmConGastos::ImprimeSaldoTotalAuxiliar(int x, const QString& titulo, const TotalesAuxiliar& t, bool detallado) {
    report::Superficie& s = *Superficie;
    const int* columnas = detallado ? TotalesDetallado : TotalesResumido;
    // Grouped, every total closes one group: the last one's too, there being no grand total.
    s.MarkLine(Agrupado ? report::ClaseRenglon::Subtotal : report::ClaseRenglon::Total, Agrupado ? 1 : 0);
    s.FontBold(true);
    s.ForeColor(Azul);
    s.PrintText(x, LineaActual, titulo);
    Importes(s, LineaActual,
             {{columnas[0], SaldoAnterior, t.anterior},
              {columnas[1], Cargos, t.cargos},
              {columnas[2], Abonos, t.abonos},
              {columnas[3], Saldo, t.final_}});
    s.FontBold(false);
    s.ForeColor(Negro);
}

void frmConGastos::ImprimeAcreedorDetallado(vb::Currency anterior, TotalesAuxiliar& t) {
    report::Superficie& s = *Superficie;
    LineaActual += 200;
    if (LineaActual > LimiteAcreedor) NuevaPagina();
    s.FontBold(true);
    t.anterior += anterior;
    ImprimeCabezaAcreedor(anterior);

    s.FontBold(false);
    vb::Currency cargos, abonos, saldo = anterior;
    while (MovimientoDelAcreedor()) {
        ImprimeMovimientoAuxiliar(saldo, cargos, abonos);
        rsMovtos.MoveNext();
        if (MovimientoDelAcreedor()) {
            LineaActual += 240;
            if (LineaActual > LimiteMovimiento) NuevaPagina();
        }
    }

    LineaActual += 240;
    if (LineaActual > LimiteMovimiento) NuevaPagina();
    s.DrawLine(0, LineaActual, 10500, LineaActual);
    s.FontBold(true);
    s.MarkLine(report::ClaseRenglon::Subtotal, NivelAcreedor());
    Importes(s, LineaActual, {{7100, Cargos, cargos}, {8600, Abonos, abonos}, {10300, Saldo, saldo}});
    t.cargos += cargos;
    t.abonos += abonos;
    t.final_ += saldo;
    LineaActual += 200;
    s.FontBold(false);
}

void frmConGastos::ImprimeCabezaAcreedor(vb::Currency anterior) {
    report::Superficie& s = *Superficie;
    const auto texto = [this](const char* nombre) { return rsAcreedores.Fields(nombre).Value().Texto(); };
    const QString codigo = rsAcreedores.Fields("COD_PROV").Value().CStr();
    s.ForeColor(Azul);
    s.FontSize(8);
    s.MarkLine(report::ClaseRenglon::Grupo, NivelAcreedor(), QStringLiteral("Acreedor"), codigo, texto("NOM_PROV"));
    s.PrintText(0, LineaActual, codigo);
    s.PrintText(1200, LineaActual, texto("NOM_PROV"));
    s.MarkValue(QStringLiteral("Estatus"), report::TipoDato::Texto, texto("DES_STS"));
    s.PrintText(8000, LineaActual, QStringLiteral("ESTATUS :   ") + texto("DES_STS"));
    LineaActual += 200;
    s.PrintText(7000, LineaActual, QStringLiteral("Saldo Anterior:"));
    s.TextAlign(report::AlineaDerecha);
    MarcaImporte(s, SaldoAnterior, anterior);
    s.PrintText(10300, LineaActual, QStringLiteral("$   ") + vb::FormatoMoneda(anterior));
    s.TextAlign(report::AlineaIzquierda);
    LineaActual += 240;
    s.DrawLine(0, LineaActual, 10500, LineaActual);
    s.ForeColor(Negro);
    LineaActual += 100;
}

void frmConGastos::ImprimeMovimientoAuxiliar(vb::Currency& saldo, vb::Currency& cargos, vb::Currency& abonos) {
    report::Superficie& s = *Superficie;
    const ado::Recordset& rs = rsMovtos;
    // A movement whose concept is a folio class is described by the folio table.
    QString descripcion = rs.Fields("DES_CON").Value().Texto();
    if (descripcion.isEmpty()) descripcion = rs.Fields("DES_FOL").Value().Texto();
    const QString folio = rs.Fields("FOL_MOV").Value().Texto();
    const vb::Variant fecha = rs.Fields("FEC_MOV").Value();

    s.FontSize(7);
    s.MarkLine(report::ClaseRenglon::Detalle);
    s.MarkValue(QStringLiteral("Concepto"), report::TipoDato::Texto, descripcion);
    s.PrintText(0, LineaActual, descripcion);
    s.MarkValue(QStringLiteral("Folio"), report::TipoDato::Texto, folio);
    s.PrintText(3000, LineaActual, report::UltimosDiez(folio));
    if (!fecha.IsNull()) s.MarkValue(QStringLiteral("Fecha"), fecha.CDate().dia);
    s.PrintText(4200, LineaActual, fecha.Texto());
    const vb::Currency importe = rs.Fields("IMP_MOV").Value().CCur();
    const bool cargo = rs.Fields("CON_GRL").Value().Texto() == u"GTOS";
    if (cargo) {
        saldo += importe;
        cargos += importe;
    } else {
        saldo -= importe;
        abonos += importe;
    }
    Importes(s, LineaActual, {cargo ? Importe{7100, Cargos, importe} : Importe{8600, Abonos, importe}, {10300, Saldo, saldo}});
}

void frmConGastos::ImprimeAcreedorResumido(vb::Currency anterior, const SumasAcreedor& sumas, TotalesAuxiliar& t) {
    report::Superficie& s = *Superficie;
    s.FontBold(true);
    t.anterior += anterior;
    s.FontSize(6);
    const QString codigo = rsAcreedores.Fields("COD_PROV").Value().CStr();
    const QString nombre = rsAcreedores.Fields("NOM_PROV").Value().Texto();
    s.MarkLine(report::ClaseRenglon::Detalle);
    s.MarkValue(QStringLiteral("Código"), report::TipoDato::Texto, codigo);
    s.PrintText(0, LineaActual, codigo);
    s.MarkValue(QStringLiteral("Nombre"), report::TipoDato::Texto, nombre);
    s.PrintText(1000, LineaActual, vb::Left(nombre, 45));
    Importes(s, LineaActual, {{6400, SaldoAnterior, anterior}});
    s.FontBold(false);

    const vb::Currency cargos = sumas.cargos, abonos = sumas.Abonos();
    const vb::Currency final_ = anterior + (cargos - abonos);
    Importes(s, LineaActual, {{7800, Cargos, cargos}, {9100, Abonos, abonos}, {10500, Saldo, final_}});
    t.cargos += cargos;
    t.abonos += abonos;
    t.final_ += final_;

    if (LineaActual > LimiteResumido) NuevaPagina();
    else LineaActual += 300;
}

}  // namespace gastos
