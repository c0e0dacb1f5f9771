#include "component/DatosEmpresa.h"
#include "report/Colores.h"
#include "report/EscritorPaginas.h"
#include "report/Superficie.h"
#include "vb/Fechas.h"
#include "vb/Formato.h"
#include "vb/Texto.h"

namespace report {

void EscritorPaginas::EncabezadoPagina(const QString& titulo) {
    using namespace modConGastos;
    report::Superficie& s = SuperficieVinculada();
    s.BeginGroup();
    s.ForeColor(colores::Azul);
    s.TextMode(3);
    s.TextAlign(AlineaIzquierda);
    s.FontBold(false);
    s.FontSize(8);

    // Left column: the optional names push the address down.
    LineaActual = 0;
    vb::Integer d = 0;
    if (ImprimeNombreEmpresa) {
        s.PrintText(0, 0, NombreEmpresa);
        d = 240;
    }
    if (ImprimeNombreComercial) {
        s.PrintText(0, d, NombreComercial);
        d += 240;
    }
    s.PrintText(0, d, QStringLiteral("Dirección :") + DireccionEmpresa);
    vb::Integer h = d + 240;
    const QString registros = RegistroEmpresa1 + QStringLiteral("  ") + RegistroEmpresa2 + QStringLiteral("  ") +
                              RegistroEmpresa3;
    if (!vb::Trim(registros).isEmpty()) {
        s.PrintText(0, h, registros);
        h = d + 480;
    }
    if (!vb::Trim(TelefonosEmpresa).isEmpty()) {
        s.PrintText(0, h, QStringLiteral("Teléfonos :") + TelefonosEmpresa);
        h += 240;
    }

    // Right column; its fourth line, y 720, is where the page number goes later.
    s.DrawRule(6900, 240, 2500, 200);
    s.PrintText(7000, 0, QStringLiteral("Reporte :") + titulo);
    s.PrintText(7000, 480, QStringLiteral("Fecha   :") + vb::Format(vb::Variant(vb::Hoy()), u"dd/mmm/yyyy"));

    if (h < 960) h = 960;
    s.DrawLine(0, h, 10500, h);
    s.DrawLine(0, h + 40, 10500, h + 40);
    s.EndGroup();
    LineaActual = h + 40;
}

}  // namespace report
