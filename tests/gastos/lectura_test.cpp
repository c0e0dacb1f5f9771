// A run holds its read of the host's file only while it draws: the host may write again while the
// preview shows. After a failed run it writes at once too: the window's test of foreign data.
#include "BaseGastos.h"
#include "report/frmPreview.h"

#include <sqlite3.h>

using prueba::VentanaGastos;

namespace {

const char* const Inserta = "INSERT INTO tblGastosEnc(NUM_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,"
                            "SAL_MOV,COD_ESTATUS) VALUES ((SELECT MAX(NUM_MOV)+1 FROM tblGastosEnc),'A001','GTOS',"
                            "'LUZ','2024-06-01',0,1,1,1)";

class LecturaDeCorrida : public VentanaGastos {
protected:
    LecturaDeCorrida() : VentanaGastos(prueba::Esquema() + prueba::AcreedoresBase() + prueba::Generados("G", 60, 10, 1)) {}

    // What the host's write gave while the preview was shown.
    int EscrituraDuranteLaVista() {
        int rc = -1;
        const auto cierra = puerto.alMostrar;
        puerto.alMostrar = [&](controles::Form& f) {
            rc = base.Escribe(Inserta);
            cierra(f);
        };
        ConsultaLimpia();
        puerto.alMostrar = cierra;
        return rc;
    }
};

TEST_F(LecturaDeCorrida, CadaReporteSueltaLaBaseAntesDeMostrarse) {
    for (int consulta = 0; consulta < ventana->cmbConsulta.ListCount(); ++consulta) {
        SCOPED_TRACE(ventana->cmbConsulta.List(consulta).toStdString());
        ventana->cmbConsulta.SetListIndex(consulta);
        EXPECT_EQ(EscrituraDuranteLaVista(), SQLITE_OK);
    }
}

}  // namespace
