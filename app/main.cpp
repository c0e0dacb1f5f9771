// zrconsgt: the command-line front of the query component.
#include "comando_demo.h"
#include "comando_mostrar.h"
#include "comando_reporte.h"
#include "opciones.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const QString comando = args.isEmpty() ? QString() : args.takeFirst();
    if (comando == u"demo") return ComandoDemo(args);
    if (comando == u"mostrar") return ComandoMostrar(args);
    if (comando == u"reporte") return ComandoReporte(args);
    std::fputs(app::UsoZrconsgt, stderr);
    return 1;
}
