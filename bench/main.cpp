// zr_bench [--escala N] [--carpeta DIR] [--veces N] [--salida listado|pdf] [--conexion CADENA]
//          [--retardos MS,...] [--formas TEXTO] [--programa ZRCONSGT] [--referencia]
// Builds (or reuses) the demo company at that scale (or runs on the server `--conexion` names, loaded
// with the same company; the demo folder still gives the settings and page folder), runs every form
// of both windows through `zrconsgt reporte`, and prints per form: the queries of the run and the
// time spent in them, wall time, pages, CPU and peak memory of the run, the CPU time writing the PDF
// instead of the listing adds, and, for each `--retardos` round trip, the run's wall time through a
// relay that delays every packet by half of it each way. Besides the process's wall time, the report
// run alone ("Corrida": from "CONSULTAR" to the preview, as the program measures it), which is what
// a user waits for once the window is open. Medians over the runs; memory is the largest.
// --referencia instead times the detailed "Parámetros" as `--pdf` and as drawn by the reportlab
// script beside this file, run after run in one sitting, and prints their CPU ratio.
#include "medida.h"
#include "retardo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Opciones {
    int escala = 100;
    QString carpeta;
    int veces = 3;
    QString salida = QStringLiteral("listado");
    QString conexion;         // a server with the same company instead of the SQLite file
    QString formas;           // only the forms whose name holds this text
    std::vector<int> retardos; // round trips in milliseconds, through the relay
    QString programa = QStringLiteral(ZR_ZRCONSGT);  // another build's, to compare in one sitting
    bool referencia = false;  // the detailed "Parámetros" as PDF beside the reportlab script
};

struct Corrida {
    double segundos = 0;
    int paginas = -1;
    long memoriaKib = 0;
    long cpuMs = 0;
    long consultas = 0;
    double sqlSegundos = 0;
    double corridaSegundos = 0;  // the report run alone, without the login and the window's load
};

void Escribe(const QString& linea) {
    std::printf("%s\n", linea.toLocal8Bit().constData());
    std::fflush(stdout);
}

[[noreturn]] void Termina(const QString& mensaje) {
    std::fprintf(stderr, "zr_bench: %s\n", mensaje.toLocal8Bit().constData());
    std::exit(1);
}

Opciones LeeOpciones(const QStringList& args) {
    Opciones o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--referencia") {
            o.referencia = true;
            continue;
        }
        if (i + 1 >= args.size()) Termina(QStringLiteral("falta el valor de %1").arg(a));
        const QString valor = args[++i];
        bool ok = true;
        if (a == u"--escala")
            o.escala = valor.toInt(&ok);
        else if (a == u"--veces")
            o.veces = valor.toInt(&ok);
        else if (a == u"--carpeta")
            o.carpeta = valor;
        else if (a == u"--salida" && (valor == u"listado" || valor == u"pdf"))
            o.salida = valor;
        else if (a == u"--conexion")
            o.conexion = valor;
        else if (a == u"--formas")
            o.formas = valor;
        else if (a == u"--programa")
            o.programa = QFileInfo(valor).absoluteFilePath();
        else if (a == u"--retardos")
            for (const QString& ms : valor.split(u',')) {
                o.retardos.push_back(ms.toInt(&ok));
                if (!ok || o.retardos.back() < 1) break;
            }
        else
            Termina(QStringLiteral("opción desconocida: %1 %2").arg(a, valor));
        if (!ok || o.escala < 1 || o.veces < 1) Termina(QStringLiteral("%1 quiere un número entero positivo").arg(a));
    }
    if (!o.retardos.empty() && bench::PuertoDe(o.conexion) == 0)
        Termina(QStringLiteral("--retardos quiere una --conexion a un servidor con Port="));
    if (o.carpeta.isEmpty())
        o.carpeta = QCoreApplication::applicationDirPath() + QStringLiteral("/demo-escala-%1").arg(o.escala);
    o.carpeta = QDir(o.carpeta).absolutePath();
    return o;
}

QString Ejecuta(const QString& programa, const QStringList& args, int* codigo = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(programa, args);
    if (!p.waitForFinished(-1)) Termina(QStringLiteral("no se pudo ejecutar %1").arg(programa));
    if (codigo) *codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The company of that scale: reused when a previous run left it, generated otherwise.
QString EmpresaDemo(const Opciones& o) {
    const QString marca = o.carpeta + QStringLiteral("/zr_bench.txt");
    QFile f(marca);
    if (f.open(QIODevice::ReadOnly)) {
        const QStringList lineas = QString::fromUtf8(f.readAll()).split(u'\n');
        if (lineas.value(0) == QStringLiteral("escala=%1").arg(o.escala) && lineas.value(1).startsWith(u"conexion=")) {
            Escribe(QStringLiteral("Empresa de demostración (escala %1) reutilizada: %2").arg(o.escala).arg(o.carpeta));
            return lineas.value(1).mid(9);
        }
        f.close();
    }
    QElapsedTimer reloj;
    reloj.start();
    int codigo = 0;
    const QString conexion =
        Ejecuta(o.programa, {"demo", o.carpeta, "--escala", QString::number(o.escala)}, &codigo)
            .trimmed();
    if (codigo != 0) Termina(QStringLiteral("zrconsgt demo terminó con el código %1").arg(codigo));
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(QStringLiteral("escala=%1\nconexion=%2\n").arg(o.escala).arg(conexion).toUtf8()) < 0)
        Termina(QStringLiteral("no se pudo escribir %1").arg(marca));
    Escribe(QStringLiteral("Empresa de demostración (escala %1) generada en %2 s: %3")
                .arg(o.escala)
                .arg(static_cast<double>(reloj.elapsed()) / 1000.0, 0, 'f', 1)
                .arg(o.carpeta));
    return conexion;
}

// One form: its window and the settings of its run, in order.
struct Forma {
    QString nombre;
    QString ventana;
    QStringList fijar;
};

Corrida CorreReporte(const Opciones& o, const QString& conexion, const Forma& f, const QString& formato,
                     const QString& destino) {
    QStringList args = {"--mide", o.programa, "reporte", "--ventana", f.ventana, "--conexion", conexion, "--ruta", o.carpeta};
    for (const QString& ajuste : f.fijar) args << "--fijar" << ajuste;
    args << "--" + formato << destino;
    QElapsedTimer reloj;
    reloj.start();
    int codigo = 0;
    const QString salida = Ejecuta(QCoreApplication::applicationFilePath(), args, &codigo);
    Corrida r;
    r.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    if (codigo != 0) Termina(QStringLiteral("zrconsgt reporte terminó con el código %1").arg(codigo));
    static const QRegularExpression paginas(QStringLiteral("^Páginas: (\\d+)$"), QRegularExpression::MultilineOption);
    static const QRegularExpression medida(QStringLiteral("^ZR_BENCH memoria_kib=(\\d+) cpu_ms=(\\d+)$"),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression consultas(
        QStringLiteral("^ZR_BENCH consultas=(\\d+) sql_us=(\\d+)(?: corrida_us=(\\d+))?$"), QRegularExpression::MultilineOption);
    r.paginas = paginas.match(salida).captured(1).toInt();
    const QRegularExpressionMatch m = medida.match(salida);
    r.memoriaKib = m.captured(1).toLong();
    r.cpuMs = m.captured(2).toLong();
    const QRegularExpressionMatch c = consultas.match(salida);
    r.consultas = c.captured(1).toLong();
    r.sqlSegundos = static_cast<double>(c.captured(2).toLong()) / 1e6;
    r.corridaSegundos = static_cast<double>(c.captured(3).toLong()) / 1e6;
    return r;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString Num(double x, int decimales) { return QString::number(x, 'f', decimales); }

std::vector<Forma> Formas() {
    const auto gastos = [](const char* nombre, const QStringList& fijar) {
        return Forma{QString::fromUtf8(nombre), QStringLiteral("gastos"), fijar};
    };
    const auto tesoreria = [](const char* nombre, const QStringList& fijar) {
        return Forma{QString::fromUtf8(nombre), QStringLiteral("tesoreria"), fijar};
    };
    const auto catalogo = [&](const char* nombre, int tipo, int detalle) {
        return gastos(nombre, {QStringLiteral("cmbTipCatalogo=%1").arg(tipo), QStringLiteral("optTipo(%1)=1").arg(detalle)});
    };
    // A month near the end of the demo's data: movements before, inside and after it.
    const QStringList octubre = {"dtpFecha(0)=2025-10-01", "dtpFecha(1)=2025-10-31"};
    std::vector<Forma> formas = {
        catalogo("Directorio detallado", 0, 0),
        catalogo("Directorio resumido", 0, 1),
        catalogo("Parámetros detallado", 1, 0),
        catalogo("Parámetros resumido", 1, 1),
        // "Saldos" takes only the end date: the ledger's range is set first, as a user would.
        gastos("Saldos", QStringList{"cmbConsulta=1"} + octubre + QStringList{"cmbConsulta=3"}),
        gastos("Auxiliar detallado", QStringList{"cmbConsulta=1", "optTipo(0)=1"} + octubre),
        gastos("Auxiliar resumido", QStringList{"cmbConsulta=1", "optTipo(1)=1"} + octubre),
        tesoreria("Catálogo de Cuentas", {"cmbConsulta=0"}),
        tesoreria("Relación de Movimientos", QStringList{"cmbConsulta=1"} + octubre),
        tesoreria("Aux. de Cuentas Bancarias", QStringList{"cmbConsulta=2"} + octubre),
        tesoreria("Mov. por Fecha de Aplicación", QStringList{"cmbConsulta=7"} + octubre),
        tesoreria("Traspasos a terceros",
                  {"cmbConsulta=8", "cmbTras=1", "dtpFecha(0)=2025-01-01", "dtpFecha(1)=2025-06-30"}),
        tesoreria("Libro de Bancos, un folio", {"cmbConsulta=3", "cmbConciliaciones=0100017000-2511"}),
        tesoreria("Conciliaciones", {"cmbConsulta=4", "dtpFecha(0)=2025-01-01", "dtpFecha(1)=2025-12-31"}),
        tesoreria("Promedio diario", {"cmbConsulta=5", "cmbMeses(0)=9", "cmbAnios(0)=2025"}),
        tesoreria("Promedio mensual",
                  {"cmbConsulta=6", "cmbMeses(1)=0", "cmbAnios(1)=2024", "cmbMeses(2)=11", "cmbAnios(2)=2025"}),
    };
    // Movements of the demo's last year and petty cash of both, in their four forms each.
    const auto movimientos = [&](const char* nombre, int consulta, bool porConcepto, bool detallado) {
        formas.push_back(gastos(nombre, {QStringLiteral("cmbConsulta=%1").arg(consulta),
                                         QStringLiteral("dtpFecha(0)=%1-01-01").arg(consulta == 2 ? 2025 : 2024),
                                         QStringLiteral("dtpFecha(1)=2025-12-31"),
                                         QStringLiteral("optOrden(%1)=1").arg(porConcepto ? 1 : 0),
                                         QStringLiteral("optTipo(%1)=1").arg(detallado ? 0 : 1)}));
    };
    movimientos("Movimientos acr. det.", 2, false, true);
    movimientos("Movimientos acr. res.", 2, false, false);
    movimientos("Movimientos con. det.", 2, true, true);
    movimientos("Movimientos con. res.", 2, true, false);
    movimientos("Reposición folio det.", 4, false, true);
    movimientos("Reposición folio res.", 4, false, false);
    movimientos("Reposición con. det.", 4, true, true);
    movimientos("Reposición con. res.", 4, true, false);
    return formas;
}

// The detailed "Parámetros" written by `--pdf` and drawn by the reportlab script from the same
// SQLite file, alternating so both see the same machine; their CPU medians and ratio.
int Referencia(const Opciones& o, const QString& conexion) {
    const Forma parametros{QStringLiteral("Parámetros detallado"), QStringLiteral("gastos"),
                           {QStringLiteral("cmbTipCatalogo=1"), QStringLiteral("optTipo(0)=1")}};
    QTemporaryDir salidas;
    std::vector<double> nuestro, script;
    int paginas = 0;
    for (int vez = 0; vez < o.veces; ++vez) {
        const Corrida r = CorreReporte(o, conexion, parametros, QStringLiteral("pdf"), salidas.filePath("r.pdf"));
        nuestro.push_back(static_cast<double>(r.cpuMs) / 1000.0);
        paginas = r.paginas;
        int codigo = 0;
        const QString salida =
            Ejecuta(QCoreApplication::applicationFilePath(),
                    {"--mide", "/usr/bin/python3", QStringLiteral(ZR_REFERENCIA), o.carpeta + "/demo.sqlite",
                     salidas.filePath("p.pdf")},
                    &codigo);
        if (codigo != 0) Termina(QStringLiteral("el script de referencia terminó con el código %1").arg(codigo));
        static const QRegularExpression cpu(QStringLiteral("cpu_ms=(\\d+)"));
        script.push_back(cpu.match(salida).captured(1).toDouble() / 1000.0);
    }
    const double n = Mediana(nuestro), p = Mediana(script);
    Escribe(QStringLiteral("Parámetros detallado, %1 páginas, mediana de %2 corridas alternadas, segundos de CPU")
                .arg(paginas)
                .arg(o.veces));
    Escribe(QStringLiteral("zrconsgt --pdf %1   reportlab %2   zrconsgt/reportlab %3")
                .arg(Num(n, 3), Num(p, 3), Num(p > 0 ? n / p : 0, 3)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--mide") == 0) return bench::Mide(argv + 2);

    QCoreApplication aplicacion(argc, argv);
    const Opciones o = LeeOpciones(QCoreApplication::arguments());
    const QString demo = EmpresaDemo(o);
    const QString conexion = o.conexion.isEmpty() ? demo : o.conexion;
    if (o.referencia) return Referencia(o, conexion);
    qputenv("ZR_MIDE_CONSULTAS", "1");  // each run reports its queries and the time spent in them
    QTemporaryDir salidas;
    std::vector<std::unique_ptr<bench::Retardo>> relevos;
    for (int ms : o.retardos)
        relevos.push_back(std::make_unique<bench::Retardo>(bench::PuertoDe(o.conexion), std::chrono::milliseconds(ms)));

    QList<QPair<QString, int>> columnas = {
        {"Forma", -28},   {"Consultas", 10}, {"Páginas", 8},      {"Reporte s", 10},   {"Corrida s", 10}, {"SQL s", 8},
        {"Reporte/SQL", 12}, {"CPU s", 7},   {"CPU ms/pág", 11}, {"Memoria MiB", 12}, {"PDF CPU s", 10}};
    if (!relevos.empty()) columnas << QPair<QString, int>{QStringLiteral("Viajes"), 7};
    for (int ms : o.retardos) columnas << QPair<QString, int>{QStringLiteral("%1 ms s").arg(ms), 9}
                                       << QPair<QString, int>{QStringLiteral("%1 ms ×").arg(ms), 8}
                                       << QPair<QString, int>{QStringLiteral("%1 ms corrida s").arg(ms), 16}
                                       << QPair<QString, int>{QStringLiteral("corrida ×"), 10};
    const auto fila = [&](const QStringList& celdas) {
        QString linea;
        for (qsizetype i = 0; i < celdas.size(); ++i) {
            const int ancho = columnas[i].second;
            linea += (ancho < 0 ? celdas[i].leftJustified(-ancho) : celdas[i].rightJustified(ancho)) + u' ';
        }
        Escribe(linea.trimmed());
    };
    Escribe(QStringLiteral("Salida: --%1; %2 corrida(s) por forma (medianas; memoria: la mayor)\n")
                .arg(o.salida)
                .arg(o.veces));
    QStringList titulos;
    for (const auto& c : columnas) titulos << c.first;
    fila(titulos);

    const QString destino = salidas.filePath(o.salida == u"pdf" ? "r.pdf" : "r.jsonl");
    for (const Forma& f : Formas()) {
        if (!f.nombre.contains(o.formas, Qt::CaseInsensitive)) continue;
        std::vector<double> reporte, corrida, sql, cpu;
        // Each relay's runs, the whole process and the report run alone.
        std::vector<std::pair<std::vector<double>, std::vector<double>>> lejos(relevos.size());
        QString viajes;
        Corrida ultima;
        long memoria = 0;
        // A round of every condition at a time, so a slow stretch of the machine weighs on all alike.
        for (int vez = 0; vez < o.veces; ++vez) {
            ultima = CorreReporte(o, conexion, f, o.salida, destino);
            reporte.push_back(ultima.segundos);
            corrida.push_back(ultima.corridaSegundos);
            sql.push_back(ultima.sqlSegundos);
            cpu.push_back(static_cast<double>(ultima.cpuMs) / 1000.0);
            memoria = std::max(memoria, ultima.memoriaKib);
            for (std::size_t i = 0; i < relevos.size(); ++i) {
                const long antes = relevos[i]->Envios();
                const Corrida c = CorreReporte(o, bench::ConPuerto(o.conexion, relevos[i]->Puerto()), f, o.salida, destino);
                if (vez == 0 && i == 0) viajes = QString::number(relevos[i]->Envios() - antes);
                lejos[i].first.push_back(c.segundos);
                lejos[i].second.push_back(c.corridaSegundos);
            }
        }
        const double r = Mediana(reporte), rc = Mediana(corrida), s = Mediana(sql), c = Mediana(cpu);
        // What the PDF adds to a run: one more run writing it instead of the listing, in CPU time.
        const double pdf =
            o.salida == u"pdf"
                ? 0
                : static_cast<double>(CorreReporte(o, conexion, f, QStringLiteral("pdf"), salidas.filePath("r.pdf")).cpuMs) /
                          1000.0 - c;
        QStringList celdas = {f.nombre,
                              QString::number(ultima.consultas),
                              QString::number(ultima.paginas),
                              Num(r, 3),
                              Num(rc, 3),
                              Num(s, 3),
                              Num(s > 0 ? r / s : 0, 2),
                              Num(c, 3),
                              Num(ultima.paginas > 0 ? 1000.0 * c / ultima.paginas : 0, 2),
                              Num(static_cast<double>(memoria) / 1024.0, 1),
                              o.salida == u"pdf" ? QStringLiteral("-") : Num(pdf, 3)};
        if (!relevos.empty()) celdas << viajes;
        // Through each relay as many times as direct, medians too: one run moves by a tenth or two.
        for (const auto& [proceso, soloCorrida] : lejos) {
            const double l = Mediana(proceso), lc = Mediana(soloCorrida);
            celdas << Num(l, 3) << Num(r > 0 ? l / r : 0, 2) << Num(lc, 3) << Num(rc > 0 ? lc / rc : 0, 2);
        }
        fila(celdas);
    }
    return 0;
}
