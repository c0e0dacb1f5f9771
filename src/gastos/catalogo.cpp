// The creditor catalog: "Directorio" (addresses, telephones, contacts) and "Parámetros" (status,
// credit terms, discounts, balances), each detailed or summary, grouped by agrupación or not.
#include "ado/Connection.h"
#include "component/modConGastos.h"
#include "gastos/frmConGastos.h"
#include "report/Superficie.h"
#include "vb/ErrorEjecucion.h"
#include "vb/Fechas.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

#include <QHash>

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

// One creditor's detail lines at y, from the current row of the creditor list, each statement
// on its own (see OmiteError). Each text that stands for a value is marked with it whole, for the
// exports.
class Detalle {
public:
    Detalle(report::Superficie& s, vb::Integer& y, const ado::Recordset& rs) : s_(s), y_(y), rs_(rs) {}

    vb::Variant Campo(const char* nombre) const { return rs_.Fields(nombre).Value(); }
    QString Texto(const char* nombre) const { return Campo(nombre).CStr(); }

    // The export's cell first, so that a Null the page cannot print still keeps its column in the
    // page's order, empty; then the text, if it can be printed.
    template <class F, class M>
    void Imprime(int x, F&& valor, M&& marca) {
        OmiteError(marca);
        OmiteError([&] { s_.PrintText(x, y_, valor()); });
    }
    void ImprimeCampo(int x, const char* nombre, const QString& columna) {
        Imprime(x, [&] { return Texto(nombre); }, [&] { MarcaTexto(columna, nombre); });
    }
    // The name cut to what the column holds; the export keeps it whole.
    void ImprimeNombre(int largo) {
        Imprime(950, [&] { return vb::Left(Texto("NOM_PROV"), largo); }, [&] { MarcaTexto(QStringLiteral("Nombre"), "NOM_PROV"); });
    }
    void ImprimeImporte(int x, const char* nombre, const QString& columna) {
        Imprime(x, [&] { return Moneda(Campo(nombre)); }, [&] { s_.MarkValue(columna, Campo(nombre).CCur()); });
    }
    template <class F>
    void ImprimeCalculado(int x, const QString& columna, F&& calcula) {
        OmiteError([&] {
            const vb::Currency importe = calcula();
            s_.MarkValue(columna, importe);
            s_.PrintText(x, y_, vb::FormatoMoneda(importe));
        });
    }
    void ImprimeFecha(int x, const char* nombre, const QString& columna) {
        Imprime(x, [&] { return Texto(nombre); }, [&] {
            const vb::Variant fecha = Campo(nombre);
            if (fecha.IsNull()) MarcaVacia(columna);
            else s_.MarkValue(columna, fecha.CDate().dia);
        });
    }
    // A term or a percentage as stored; the page adds its suffix.
    void ImprimeNumero(int x, const char* nombre, const QString& columna, const QString& sufijo = {}) {
        Imprime(x, [&] { return sufijo.isEmpty() ? Texto(nombre) : Campo(nombre).Texto() + sufijo; }, [&] {
            const vb::Variant numero = Campo(nombre);
            if (numero.IsNull() || numero.IsEmpty()) MarcaVacia(columna);
            else s_.MarkValue(columna, numero.IsNumeric() ? report::TipoDato::Numero : report::TipoDato::Texto, numero.CStr());
        });
    }
    void MarcaTexto(const QString& columna, const char* nombre) {
        s_.MarkValue(columna, report::TipoDato::Texto, Campo(nombre).Texto());
    }
    void MarcaVacia(const QString& columna) { s_.MarkValue(columna, report::TipoDato::Texto, {}); }
    void Avanza(int d) {
        OmiteError([&] { y_ += d; });
    }
    void Alinea(int32_t a) {
        OmiteError([&] { s_.TextAlign(a); });
    }

private:
    report::Superficie& s_;
    vb::Integer& y_;
    const ado::Recordset& rs_;
};

void TitulosDirectorio(report::Superficie& s, vb::Integer& y, bool detallado) {
    if (!detallado) {
        s.PrintText(5000, y, QStringLiteral("Teléfonos"));
        s.PrintText(8000, y, QStringLiteral("e-mail"));
        return;
    }
    s.PrintText(5000, y, QStringLiteral("Dirección (Calle y Número)"));
    s.PrintText(9000, y, QStringLiteral("Teléfonos"));
    y += 240;
    s.FontSize(8);
    s.PrintText(1500, y, QStringLiteral("R.F.C."));
    s.PrintText(5000, y, QStringLiteral("Colonia y Código Postal"));
    y += 240;
    s.PrintText(1500, y, QStringLiteral("Mail"));
    s.PrintText(5000, y, QStringLiteral("Ciudad, Estado, País"));
    y += 240;
    s.PrintText(1000, y, QStringLiteral("Contactos"));
}

void TitulosParametros(report::Superficie& s, vb::Integer& y, bool detallado) {
    s.PrintText(3900, y, QStringLiteral("Estatus"));
    if (detallado) {
        s.PrintText(6500, y, QStringLiteral("Fec.Ult.Compra"));
        s.PrintText(9300, y, QStringLiteral("Fec.Ult.Pago"));
        y += 240;
        s.FontSize(8);
        static const std::pair<int, const char16_t*> columnas[] = {
            {10, u"Lím.Créd."},  {900, u"Plazo"},       {1500, u"Desc.1"},  {2300, u"Desc.2"},
            {3100, u"Desc.3"},   {3900, u"Desc.4"},     {4700, u"Desc.5"},  {5500, u"Desc.6"},
            {6300, u"Saldo Act."}, {7400, u"Disponible"}, {8600, u"Vencido"}, {9500, u"Por Vencer"}};
        for (const auto& [x, titulo] : columnas) s.PrintText(x, y, QString::fromUtf16(titulo));
    } else {
        static const std::pair<int, const char16_t*> columnas[] = {
            {4800, u"Lím.Créd."}, {5800, u"Plazo"},  {6400, u"Desc.1"}, {7100, u"Desc.2"},
            {7800, u"Desc.3"},    {8500, u"Desc.4"}, {9200, u"Desc.5"}, {9900, u"Desc.6"}};
        for (const auto& [x, titulo] : columnas) s.PrintText(x, y, QString::fromUtf16(titulo));
    }
}

// "Directorio": name, address, telephones, e-mail and contacts; what one text joins the export
// keeps in columns of their own.
void LineasDirectorio(Detalle& d, bool detallado) {
    d.ImprimeNombre(33);
    if (!detallado) {
        d.ImprimeCampo(5000, "TEL1_PROV", QStringLiteral("Teléfono 1"));
        d.ImprimeCampo(8000, "MAIL_PROV", QStringLiteral("e-mail"));
        return;
    }
    d.ImprimeCampo(5000, "CALL_NUM", QStringLiteral("Dirección (Calle y Número)"));
    d.ImprimeCampo(9000, "TEL1_PROV", QStringLiteral("Teléfono 1"));
    d.Avanza(200);
    d.ImprimeCampo(1500, "RFC_PROV", QStringLiteral("R.F.C."));
    d.Imprime(5000, [&] { return d.Campo("COL_PROV").Texto() + QStringLiteral("   ") + d.Campo("COP_PROV").Texto(); },
              [&] {
                  d.MarcaTexto(QStringLiteral("Colonia"), "COL_PROV");
                  d.MarcaTexto(QStringLiteral("Código Postal"), "COP_PROV");
              });
    d.ImprimeCampo(9000, "TEL2_PROV", QStringLiteral("Teléfono 2"));
    d.Avanza(240);
    d.ImprimeCampo(1500, "MAIL_PROV", QStringLiteral("e-mail"));
    d.Imprime(5000,
              [&] {
                  return d.Campo("DES_CID").Texto() + QStringLiteral(", ") + d.Campo("NOM_EST").Texto() + QStringLiteral(", ") +
                         d.Campo("COD_PAIS").Texto();
              },
              [&] {
                  d.MarcaTexto(QStringLiteral("Ciudad"), "DES_CID");
                  d.MarcaTexto(QStringLiteral("Estado"), "NOM_EST");
                  d.MarcaTexto(QStringLiteral("País"), "COD_PAIS");
              });
    d.Avanza(240);
    d.ImprimeCampo(500, "CONTACTO1", QStringLiteral("Contacto 1"));
    d.ImprimeCampo(5000, "CONTACTO2", QStringLiteral("Contacto 2"));
}

// "Parámetros": name, status, credit terms, discounts and, in detail, dates and balances.
void LineasParametros(Detalle& d, bool detallado, frmConGastos& ventana) {
    static const char* const descuentos[] = {"PORC_DES1", "PORC_DES2", "PORC_DES3", "PORC_DES4", "PORC_DES5", "PORC_DES6"};
    const auto descuento = [&](int i, int x) {
        d.ImprimeNumero(x, descuentos[i], QStringLiteral("Desc.") + QString::number(i + 1), QStringLiteral("%"));
    };
    d.ImprimeNombre(35);
    d.ImprimeCampo(3900, "DES_STS", QStringLiteral("Estatus"));
    if (!detallado) {
        d.Alinea(report::AlineaDerecha);
        d.ImprimeImporte(5650, "LIM_CRE", QStringLiteral("Lím.Créd."));
        d.ImprimeNumero(6300, "PLA_CRE", QStringLiteral("Plazo"));
        for (int i = 0; i < 6; ++i) descuento(i, 7000 + 700 * i);
        d.Alinea(report::AlineaIzquierda);
        return;
    }
    d.ImprimeFecha(6500, "FEC_UCOM", QStringLiteral("Fec.Ult.Compra"));
    d.ImprimeFecha(9300, "FEC_UPAG", QStringLiteral("Fec.Ult.Pago"));
    d.Avanza(200);
    d.ImprimeImporte(10, "LIM_CRE", QStringLiteral("Lím.Créd."));
    d.Alinea(report::AlineaDerecha);
    d.ImprimeNumero(1300, "PLA_CRE", QStringLiteral("Plazo"));
    static const int x[] = {2000, 2800, 3600, 4460, 5200, 6000};
    for (int i = 0; i < 6; ++i) descuento(i, x[i]);
    d.ImprimeImporte(7050, "SAL_PROV", QStringLiteral("Saldo Act."));
    d.ImprimeImporte(8200, "DISP", QStringLiteral("Disponible"));
    d.ImprimeCalculado(9225, QStringLiteral("Vencido"), [&] { return ventana.SaldoVencido(d.Texto("COD_PROV"), true); });
    d.ImprimeCalculado(10300, QStringLiteral("Por Vencer"), [&] { return ventana.SaldoVencido(d.Texto("COD_PROV"), false); });
    d.Alinea(report::AlineaIzquierda);
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
    if (cmbTipCatalogo.ListIndex() == 0) TitulosDirectorio(s, LineaActual, detallado);
    if (cmbTipCatalogo.ListIndex() == 1) TitulosParametros(s, LineaActual, detallado);

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
    saldosVencidos_ = {};
    EligeConsultaAcreedores();
    EncabezadoCatalogo();
    if (directorio) LineaActual -= 100;
    ImprimeFiltroAcreedor(directorio);

    ado::Recordset& rs = rsAcreedores;
    if (!(rs.BOF() && rs.EOF_())) rs.MoveFirst();
    vb::Integer agrupacionAnterior = 0;
    vb::Integer cuenta;
    const bool detallado = optTipo(0).Value();
    const auto agrupacion = [&rs] { return rs.Fields("COD_AGR").Value(); };
    // The count the total line prints closes its agrupación when grouped, the whole list otherwise.
    const auto total = [&] {
        s.MarkLine(Agrupado ? report::ClaseRenglon::Subtotal : report::ClaseRenglon::Total, Agrupado ? 1 : 0);
        s.MarkValue(QStringLiteral("Acreedores"), report::TipoDato::Numero, QString::number(static_cast<int32_t>(cuenta)));
        ImprimeTotal(cuenta);
    };

    while (!rs.EOF_()) {
        if (Agrupado && agrupacion().CLng() != agrupacionAnterior) {
            agrupacionAnterior = agrupacion().CInt();
            if (LineaActual > LimiteAntesDeGrupo) NuevaPagina();
            else LineaActual += 100;
            MarcaAgrupacion();
            ImprimeEncabezadoAgrupacion();
            LineaActual += 240;
        }
        cuenta += 1;

        Detalle d(s, LineaActual, rs);
        s.MarkLine(report::ClaseRenglon::Detalle);
        d.ImprimeCampo(0, "COD_PROV", QStringLiteral("Código"));
        if (directorio) LineasDirectorio(d, detallado);
        else LineasParametros(d, detallado, *this);

        s.FontBold(false);
        LineaActual += 240;
        rs.MoveNext();
        if (Agrupado && !rs.EOF_() && agrupacion().CLng() != agrupacionAnterior) {
            total();
            LineaActual += 300;
            cuenta = 0;
        }
        if (LineaActual > LimiteTrasRenglon) NuevaPagina();
    }
    rs.Close();
    total();
    rsAcreedores = ado::Recordset();
    saldosVencidos_ = {};
}

void frmConGastos::MarcaAgrupacion(int16_t nivel) {
    Superficie->MarkLine(report::ClaseRenglon::Grupo, nivel, QStringLiteral("Agrupación"),
                         rsAcreedores.Fields("COD_AGR").Value().Texto(), rsAcreedores.Fields("DES_AGR").Value().Texto());
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
    if (!saldosVencidos_) saldosVencidos_ = LeeSaldosVencidos();
    const vb::Variant saldo = (*saldosVencidos_)[Vencido ? 0 : 1].value(Codigo);
    return saldo.IsNull() || saldo.IsEmpty() ? vb::Currency() : saldo.CCur();
}

// Both balances in one reading, each movement in the one its due date says: due by today (0) or
// later (1). A movement whose due date is unknown falls in neither, as in neither comparison.
std::array<QHash<QString, vb::Variant>, 2> frmConGastos::LeeSaldosVencidos() {
    const QString hoy = modConGastos::FechaSQL(vb::Variant(vb::Hoy()));
    const QString vence = QStringLiteral("((FEC_MOV + PLA_PAG)");
    const QString cuando = QStringLiteral("CASE WHEN ") + vence + QStringLiteral("<=") + hoy + QStringLiteral(") THEN 0 WHEN ") +
                           vence + u'>' + hoy + QStringLiteral(") THEN 1 END");
    const QString clave = ClaveLista();
    rsSaldos = ado::Recordset();
    rsSaldos.Open(QStringLiteral("SELECT ") + clave + u',' + cuando + QStringLiteral(" AS VENCE,SUM(SAL_MOV) AS SALDO") +
                      MovimientosDeLaLista({}, QStringLiteral("(SAL_MOV>0) AND (COD_ESTATUS=1) AND (CON_GRL='GTOS')")) +
                      QStringLiteral(" GROUP BY ") + clave + u',' + cuando + u';',
                  modConGastos::ConexionModulo(), 1, -1, -1);
    // A creditor in several agrupaciones has the same sums in each.
    std::array<QHash<QString, vb::Variant>, 2> saldos;
    for (; !rsSaldos.EOF_(); rsSaldos.MoveNext()) {
        const vb::Variant plazo = rsSaldos.Fields("VENCE").Value();
        if (plazo.IsNull()) continue;
        saldos[plazo.CLng() == 0 ? 0 : 1].insert(rsSaldos.Fields("COD_PROV").Value().CStr(), rsSaldos.Fields("SALDO").Value());
    }
    rsSaldos.Close();
    rsSaldos = ado::Recordset();
    return saldos;
}

}  // namespace gastos
