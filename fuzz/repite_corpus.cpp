// Runs every file of the given folders through the fuzz target, so the stored corpus and the
// regressions it keeps are checked in every build, with or without libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano);

int main(int argc, char** argv) {
    int archivos = 0;
    for (int i = 1; i < argc; ++i) {
        const QString carpeta = QString::fromLocal8Bit(argv[i]);
        const QStringList nombres = QDir(carpeta).entryList(QDir::Files, QDir::Name);
        for (const QString& nombre : nombres) {
            QFile archivo(QDir(carpeta).filePath(nombre));
            if (!archivo.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "no se pudo abrir %s\n", qPrintable(archivo.fileName()));
                return 1;
            }
            const QByteArray datos = archivo.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(datos.constData()), static_cast<size_t>(datos.size()));
            ++archivos;
        }
    }
    std::printf("%d archivos\n", archivos);
    return archivos > 0 ? 0 : 1;
}
