// "Movimientos de Traspaso": the movements of one transfer concept, each a small block with its
// notes; transfers to third parties name the creditor and spread long notes over several lines.
#include "ado/Comillas.h"
#include "component/Catalogos.h"
#include "component/modConGastos.h"
#include "report/Superficie.h"
#include "tesoreria/frmConTesoreria.h"
#include "vb/Formato.h"
#include "vb/Producto.h"

namespace tesoreria {

namespace {

constexpr int LimiteTraspasos = 14000;
const QString ATerceros = QStringLiteral("TRSF");

}  // namespace

QStringList LineasDeNotas(const QString& notas) {
    QStringList lineas;
    QString resto = notas;
    // The first line ends at the first period from the 28th character; the character after it is
    // dropped. Without such a period, every line is cut as the later ones are.
    if (const qsizetype punto = notas.indexOf(u'.', 27); punto >= 0) {
        lineas << notas.left(punto + 1);
        resto = notas.mid(punto + 2);
    }
    // Later lines hold up to 120 characters, or run to the first comma from the 120th; without
    // such a comma they are cut at 120.
    while (!resto.isEmpty()) {
        if (resto.size() <= 120) {
            lineas << resto;
            break;
        }
        qsizetype coma = resto.indexOf(u',', 119);
        if (coma < 0) coma = 119;
        lineas << resto.left(coma + 1);
        resto = resto.mid(coma + 1);
    }
    return lineas;
}

void frmConTesoreria::EncabezadoTraspasos() {
    Columnas columnas = {{0, QStringLiteral("Fecha")}, {850, QStringLiteral("Folio")}};
    if (modConGastos::CodigoOpcion(cmbTras, rsOpciones) == ATerceros)
        columnas.insert(columnas.end(), {{3100, QStringLiteral("Proveedor/Acreedor")}, {6100, QStringLiteral("Estatus")},
                                         {7400, QStringLiteral("Importe")}, {8150, QStringLiteral("Moneda")},
                                         {9000, QStringLiteral("T.C.")}, {9500, QStringLiteral("Importe M.N.")}});
    ColumnasMovimientos(cmbTras.Text(), columnas);
}

QString frmConTesoreria::ConsultaTraspasos(const Alcance& cuentas, const QString& codigo) const {
    return ConsultaMovimientos(
        cuentas, QStringLiteral("FEC_MOV,FOL_MOV,ACRE_PROV,NOMBRE,DES_ESTATUS,IMP_MOV,TIP_CAM,NOTAS"),
        DeBancos + EntreFechas(QStringLiteral("FEC_MOV")) + FiltroEstatus() + QStringLiteral(" AND tblIngreEgre.COD_CON='") +
            ado::Comillas(codigo) + u'\'',
        QStringLiteral("MOVIMIENTO"));
}

void frmConTesoreria::ImprimeTraspasos() {
    report::Superficie& s = *Superficie;
    const QString codigo = modConGastos::CodigoOpcion(cmbTras, rsOpciones);
    const bool detallado = optTipo(0).Value();
    EncabezadoTraspasos();
    s.ForeColor(Negro);
    s.FontBold(false);

    Totales t;
    std::optional<report::CortePorClave> movimientos;
    Recorrido r = RecorridoDeMovimientos(t, true);
    r.conjuntos = [&](const Alcance& cuentas) {
        return std::vector<Conjunto>{{&movimientos, &rsMovimientos, ConsultaTraspasos(cuentas, codigo)}};
    };
    r.porCuenta = [&] {
        t.cuenta = t.concepto = vb::Currency();
        t.encabezado = false;
        for (const QString cuenta = Campo(rsCuentas, "NUM_CUENTA"); movimientos->En(cuenta); movimientos->Siguiente()) {
            if (!t.encabezado) ImprimeEncabezadoCuenta(t);
            LineaActual += 240;
            // The movement's block, from its concept to its notes, is one row of data.
            s.MarkLine(report::ClaseRenglon::Detalle);
            // Summary keeps the concept on the movement's own line.
            s.ForeColor(detallado ? Azul : Negro);
            s.PrintText(0, LineaActual, QStringLiteral("CONCEPTO: ") + Campo(rsMovimientos, "DES_CON"));
            s.ForeColor(Negro);
            if (detallado) LineaActual += 240;

            const vb::Currency importe = rsMovimientos.Fields("IMP_MOV").Value().CCur();
            const vb::Currency enPesos = vb::Producto(importe, rsMovimientos.Fields("TIP_CAM").Value().CCur());
            const int32_t y = LineaActual;
            ImprimeFechaYFolio(y);
            const QString nombre = Campo(rsMovimientos, "NOMBRE"), notas = Campo(rsMovimientos, "NOTAS");
            ImprimeTexto(3100, y, codigo == ATerceros ? QStringLiteral("Proveedor/Acreedor") : QStringLiteral("Beneficiario"),
                         nombre, nombre);
            ImprimeEstatusEImportes(y, importe, enPesos);
            LineaActual += 240;

            if (codigo != ATerceros) {
                ImprimeTexto(200, LineaActual, QStringLiteral("Notas"), notas, notas);
            } else {
                const QString codigoAcreedor = Campo(rsMovimientos, "ACRE_PROV");
                ImprimeTexto(200, LineaActual, QStringLiteral("Código"), codigoAcreedor, codigoAcreedor);
                s.PrintText(1000, LineaActual, nombre);
                LineaActual += 240;
                // The notes print a line at a time; the sheet holds them whole.
                const QStringList lineas = LineasDeNotas(notas);
                if (!lineas.isEmpty()) s.MarkValue(QStringLiteral("Notas"), report::TipoDato::Texto, notas);
                for (qsizetype i = 0; i < lineas.size(); ++i) {
                    if (i > 0) LineaActual += 240;
                    s.PrintText(200, LineaActual, lineas[i]);
                }
            }
            LineaActual += 240;
            t.cuenta += enPesos;
            t.banco += enPesos;
            t.global += enPesos;
            if (LineaActual > LimiteTraspasos) NuevaPagina();
        }
        ImprimeTotalCuenta(t);
    };
    RecorreBancos(r);
    SueltaConjuntos();
    ImprimeTotalGlobal(t);
}

}  // namespace tesoreria
