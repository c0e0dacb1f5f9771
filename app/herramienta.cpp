// zrconsgt_Herramienta: the command line of the zrconsgt program, run inside the library. It
// reads the words, picks the command and hands the program's writer to the console.
#include "herramienta.h"

#include "comando_controles.h"
#include "comando_demo.h"
#include "comando_mostrar.h"
#include "comando_reporte.h"
#include "consola.h"
#include "opciones.h"

#include <QStringList>
#include <QtGlobal>
#include <sqlite3.h>

namespace {

const char* const Descripcion =
    "\n"
    "Consultas de gastos y tesorería de solo lectura.\n"
    "  mostrar    muestra la ventana de consulta, como la abre el programa anfitrión\n"
    "  reporte    genera un reporte sin pantalla: fija los controles (--fijar, --marcar), pulsa\n"
    "             \"CONSULTAR [F10]\" y escribe el listado, PDF, PDF/A, PNG, EMF, XLSX o CSV\n"
    "  controles  lista los controles que --fijar y --marcar pueden cambiar, con su clase, su\n"
    "             valor, sus entradas y si están habilitados para la consulta elegida\n"
    "  demo       crea la empresa de demostración e imprime su cadena de conexión\n"
    "Más en man zrconsgt.\n";

bool PideAyuda(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

QString Version() {
    return QStringLiteral("zrconsgt %1\nBiblioteca: %2\nSQLite: %3\nQt: %4\n")
        .arg(QStringLiteral(ZR_VERSION), QStringLiteral(ZR_SONAME), QString::fromUtf8(sqlite3_libversion()),
             QString::fromUtf8(qVersion()));
}

int Ejecuta(QStringList args) {
    if (PideAyuda(args))
        return app::Escribe(app::Flujo::Salida, QString::fromUtf8(app::UsoZrconsgt) + QString::fromUtf8(Descripcion)) ? 0 : 1;
    const QString comando = args.isEmpty() ? QString() : args.takeFirst();
    if (comando == u"--version") return app::Escribe(app::Flujo::Salida, Version()) ? 0 : 1;
    if (comando == u"demo") return ComandoDemo(args);
    if (comando == u"mostrar") return ComandoMostrar(args);
    if (comando == u"reporte") return ComandoReporte(args);
    if (comando == u"controles") return ComandoControles(args);
    const QString motivo = comando.isEmpty() ? QStringLiteral("falta la orden") : QStringLiteral("orden desconocida: %1").arg(comando);
    app::Escribe(app::Flujo::Errores, QStringLiteral("zrconsgt: %1\n").arg(motivo) + QString::fromUtf8(app::UsoZrconsgt));
    return 1;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int zrconsgt_Herramienta(int argc, char** argv,
                                                                          zrconsgt_Escritor escritor, void* datos) {
    app::FijaConsola(escritor, datos);
    int codigo = 1;
    try {
        QStringList args;
        for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
        codigo = Ejecuta(args);
    } catch (...) {
        app::Escribe(app::Flujo::Errores, QStringLiteral("zrconsgt: Error interno del componente de consultas\n"));
    }
    app::FijaConsola(nullptr, nullptr);
    return codigo;
}
