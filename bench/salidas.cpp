// zr_bench_salidas CARPETA_EMF [--veces N] [--solo-pdf]
// Times the outputs of one finished document: its page files (the EMF pages `zrconsgt reporte
// --emf` wrote) are read back, then written again as EMF, as PDF written directly, as PDF painted
// through Qt's writer (the earlier path), and as spreadsheet rows. Prints the CPU seconds of each
// (median of N) and their ratios to the painted PDF; then, on 5,000 pages made of those pages
// repeated, the time to index the texts once and to find a text. Figures are printed, never asserted.
#include "render/Exportacion.h"
#include "report/EmfEscritor.h"
#include "report/Busqueda.h"
#include "report/EmfLector.h"
#include "report/SuperficieArchivos.h"
#include "report/TablaDeMarcas.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t CincoMil = 5000;

double Cpu() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Mide(int veces, const std::function<void()>& trabajo) {
    std::vector<double> t;
    for (int i = 0; i < veces; ++i) {
        const double inicio = Cpu();
        trabajo();
        t.push_back(Cpu() - inicio);
    }
    return Mediana(t);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // the painted PDF needs fonts
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "uso: zr_bench_salidas CARPETA_EMF [--veces N] [--solo-pdf]\n");
        return 1;
    }
    const int veces = args.size() >= 4 && args[2] == u"--veces" ? std::max(1, args[3].toInt()) : 3;
    const QDir carpeta(args[1]);
    report::Documento documento;
    for (const QString& archivo : carpeta.entryList({QStringLiteral("pagina_*.emf")}, QDir::Files, QDir::Name)) {
        const QByteArray datos = report::LeeArchivo(carpeta.filePath(archivo));
        documento.push_back(report::LeeEmf(std::span<const char>(datos.constData(), static_cast<std::size_t>(datos.size()))));
    }
    if (documento.empty()) {
        std::fprintf(stderr, "zr_bench_salidas: no hay páginas pagina_*.emf en %s\n", qPrintable(args[1]));
        return 1;
    }
    QTemporaryDir destino;
    const render::DatosPdf datos{report::TituloDocumento(documento), QStringLiteral("Empresa"), {}};
    if (args.contains(u"--solo-pdf")) {  // for a profiler: the direct PDF alone
        std::printf("pdf directo %.3f\n", Mide(veces, [&] { render::ExportaPdf(documento, destino.filePath("d.pdf"), datos); }));
        return 0;
    }
    const double emf = Mide(veces, [&] {
        for (std::size_t i = 0; i < documento.size(); ++i)
            report::GrabaArchivo(destino.filePath(QStringLiteral("p%1.emf").arg(i)), report::EscribeEmf(documento[i]));
    });
    const double pdf = Mide(veces, [&] { render::ExportaPdf(documento, destino.filePath("d.pdf"), datos); });
    render::DatosPdf sinEtiquetas = datos;
    sinEtiquetas.etiquetado = false;
    const double plano = Mide(veces, [&] { render::ExportaPdf(documento, destino.filePath("e.pdf"), sinEtiquetas); });
    const double pintado = Mide(veces, [&] { render::ExportaPdfPintado(documento, destino.filePath("q.pdf"), datos); });
    const double hoja = Mide(veces, [&] {
        const report::FilasDeDocumento tabla(documento);
        render::ExportaXlsx(tabla, destino.filePath("h.xlsx"));
        render::ExportaCsv(tabla, destino.filePath("h.csv"));
    });
    std::printf("páginas %zu, mediana de %d veces, segundos de CPU\n", documento.size(), veces);
    std::printf("%-28s %8s %12s\n", "salida", "cpu_s", "/pdf_pintado");
    const auto fila = [&](const char* nombre, double s) { std::printf("%-28s %8.3f %12.3f\n", nombre, s, s / pintado); };
    fila("emf (páginas)", emf);
    fila("pdf directo", pdf);
    fila("pdf directo sin etiquetas", plano);
    std::printf("las etiquetas cuestan %.3f veces el pdf sin ellas\n", pdf / plano);
    fila("pdf pintado (anterior)", pintado);
    fila("xlsx + csv", hoja);

    report::Documento grande;
    grande.reserve(CincoMil);
    while (grande.size() < CincoMil) grande.push_back(documento[grande.size() % documento.size()]);
    const double tabla = Mide(1, [] { report::TextoComparable(QStringLiteral("a")); });  // the fold table, once per process
    std::unique_ptr<report::IndiceTextos> indice;
    const double indexa = Mide(1, [&] { indice = std::make_unique<report::IndiceTextos>(grande); });
    std::size_t halladas = 0;
    const double busca = Mide(veces, [&] { halladas = indice->Busca(QStringLiteral("peña")).size(); });
    std::printf("búsqueda en %zu páginas: tabla %.3f s y índice %.3f s una vez, \"peña\" %.3f s (%zu coincidencias)\n",
                grande.size(), tabla, indexa, busca, halladas);
    return 0;
}
