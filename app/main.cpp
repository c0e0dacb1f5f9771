// zrconsgt: the command-line front of the query component.
#include "comando_demo.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const QString comando = args.isEmpty() ? QString() : args.takeFirst();
    if (comando == u"demo") return ComandoDemo(args);
    std::fprintf(stderr, "Uso: zrconsgt demo CARPETA [--escala N] [--postgres ARCHIVO]\n");
    return 1;
}
