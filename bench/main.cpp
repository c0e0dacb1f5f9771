// zr_bench [--escala N] [--carpeta DIR] [--veces N] [--salida listado|pdf] [--conexion CADENA] [--formas TEXTO]
// Builds (or reuses) the demo company at that scale (or runs on the server `--conexion` names, loaded
// with the same company; the demo folder still gives the settings and page folder), runs the creditor reports (the catalog in its
// four forms, the balances, the ledger in both forms, the movements and the petty cash in four forms
// each) and the treasury reports through `zrconsgt reporte`, and prints per form:
// wall time, pages, peak memory and CPU of the run, the time its SQL takes alone, and the CPU time
// writing the PDF instead of the listing adds.
// Medians over the runs; memory is the largest.
#include "medida.h"
#include "sql_acreedores.h"
#include "sql_movimientos.h"
#include "sql_sola.h"
#include "sql_tesoreria.h"
#include "vb/ErrorEjecucion.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Opciones {
    int escala = 100;
    QString carpeta;
    int veces = 3;
    QString salida = QStringLiteral("listado");
    QString conexion;  // a server with the same company instead of the SQLite file
    QString formas;    // only the forms whose name holds this text
};

struct Corrida {
    double segundos = 0;
    int paginas = -1;
    long memoriaKib = 0;
    long cpuMs = 0;
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
        else
            Termina(QStringLiteral("opción desconocida: %1 %2").arg(a, valor));
        if (!ok || o.escala < 1 || o.veces < 1) Termina(QStringLiteral("%1 quiere un número entero positivo").arg(a));
    }
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
        Ejecuta(QStringLiteral(ZR_ZRCONSGT), {"demo", o.carpeta, "--escala", QString::number(o.escala)}, &codigo)
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

Corrida CorreReporte(const Opciones& o, const QString& conexion, const QString& ventana, const QStringList& fijar,
                     const QString& formato, const QString& destino) {
    QStringList args = {"--mide",     QStringLiteral(ZR_ZRCONSGT), "reporte",  "--ventana", ventana,
                        "--conexion", conexion,                    "--ruta",   o.carpeta};
    for (const QString& ajuste : fijar) args << "--fijar" << ajuste;
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
    r.paginas = paginas.match(salida).captured(1).toInt();
    const QRegularExpressionMatch m = medida.match(salida);
    r.memoriaKib = m.captured(1).toLong();
    r.cpuMs = m.captured(2).toLong();
    return r;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString Num(double x, int decimales) { return QString::number(x, 'f', decimales); }

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--mide") == 0) return bench::Mide(argv + 2);

    QCoreApplication aplicacion(argc, argv);
    const Opciones o = LeeOpciones(QCoreApplication::arguments());
    const QString demo = EmpresaDemo(o);
    const QString conexion = o.conexion.isEmpty() ? demo : o.conexion;
    try {
        bench::PreparaSql(conexion, o.carpeta);
        bench::PreparaSqlAcreedores(demo);
        bench::PreparaSqlTesoreria();
    } catch (const vb::ErrorEjecucion& e) {
        Termina(e.descripcion());
    }
    QTemporaryDir salidas;

    // One form: the settings of its run, in order, and the same run's SQL alone.
    struct Forma {
        const char* nombre;
        QStringList fijar;
        std::function<bench::TiempoSql()> sql;
        QString ventana = QStringLiteral("gastos");
        bool sqlEnArchivo = false;  // its SQL alone is replayed on the SQLite file itself
    };
    const auto tesoreria = [](const char* nombre, const QStringList& fijar, const bench::Tesoreria& corrida) {
        return Forma{nombre, fijar, [=] { return bench::MideSqlTesoreria(corrida); }, QStringLiteral("tesoreria")};
    };
    const auto catalogo = [](const char* nombre, int tipo, int detalle) {
        return Forma{nombre,
                     {QStringLiteral("cmbTipCatalogo=%1").arg(tipo), QStringLiteral("optTipo(%1)=1").arg(detalle)},
                     [=] { return bench::MideSql({tipo, detalle}); }};
    };
    // A month near the end of the demo's data: movements before, inside and after it.
    const QDate desde(2025, 10, 1), hasta(2025, 10, 31);
    const QStringList mes = {"cmbConsulta=1", "dtpFecha(0)=2025-10-01", "dtpFecha(1)=2025-10-31"};
    std::vector<Forma> formas = {
        catalogo("Directorio detallado", 0, 0),
        catalogo("Directorio resumido", 0, 1),
        catalogo("Parámetros detallado", 1, 0),
        catalogo("Parámetros resumido", 1, 1),
        {"Saldos", mes + QStringList{"cmbConsulta=3"}, [=] { return bench::MideSqlAcreedores({3, true, desde, hasta}); },
         QStringLiteral("gastos"), true},
        {"Auxiliar detallado", mes + QStringList{"optTipo(0)=1"},
         [=] { return bench::MideSqlAcreedores({1, true, desde, hasta}); }, QStringLiteral("gastos"), true},
        {"Auxiliar resumido", mes + QStringList{"optTipo(1)=1"},
         [=] { return bench::MideSqlAcreedores({1, false, desde, hasta}); }, QStringLiteral("gastos"), true},
        tesoreria("Catálogo de Cuentas", {"cmbConsulta=0"}, {0, desde, hasta, {}}),
        tesoreria("Relación de Movimientos", {"cmbConsulta=1", "dtpFecha(0)=2025-10-01", "dtpFecha(1)=2025-10-31"},
                  {1, desde, hasta, {}}),
        tesoreria("Aux. de Cuentas Bancarias", {"cmbConsulta=2", "dtpFecha(0)=2025-10-01", "dtpFecha(1)=2025-10-31"},
                  {2, desde, hasta, {}}),
        tesoreria("Mov. por Fecha de Aplicación",
                  {"cmbConsulta=7", "dtpFecha(0)=2025-10-01", "dtpFecha(1)=2025-10-31"}, {7, desde, hasta, {}}),
        tesoreria("Traspasos a terceros",
                  {"cmbConsulta=8", "cmbTras=1", "dtpFecha(0)=2025-01-01", "dtpFecha(1)=2025-06-30"},
                  {8, QDate(2025, 1, 1), QDate(2025, 6, 30), {}, 1}),
        tesoreria("Libro de Bancos, un folio", {"cmbConsulta=3", "cmbConciliaciones=0100017000-2511"},
                  {3, desde, hasta, QStringLiteral("0100017000-2511")}),
        tesoreria("Conciliaciones", {"cmbConsulta=4", "dtpFecha(0)=2025-01-01", "dtpFecha(1)=2025-12-31"},
                  {4, QDate(2025, 1, 1), QDate(2025, 12, 31), {}}),
        tesoreria("Promedio diario", {"cmbConsulta=5", "cmbMeses(0)=9", "cmbAnios(0)=2025"}, {5, desde, desde, {}}),
        tesoreria("Promedio mensual",
                  {"cmbConsulta=6", "cmbMeses(1)=0", "cmbAnios(1)=2024", "cmbMeses(2)=11", "cmbAnios(2)=2025"},
                  {6, QDate(2024, 1, 1), QDate(2025, 12, 1), {}}),
    };
    // Movements of the demo's last year and petty cash of both, in their four forms each.
    const auto movimientos = [&](const char* nombre, int consulta, bool porConcepto, bool detallado) {
        const QDate inicio(consulta == 2 ? 2025 : 2024, 1, 1), fin(2025, 12, 31);
        formas.push_back({nombre,
                          {QStringLiteral("cmbConsulta=%1").arg(consulta),
                           QStringLiteral("dtpFecha(0)=") + inicio.toString(Qt::ISODate),
                           QStringLiteral("dtpFecha(1)=") + fin.toString(Qt::ISODate),
                           QStringLiteral("optOrden(%1)=1").arg(porConcepto ? 1 : 0),
                           QStringLiteral("optTipo(%1)=1").arg(detallado ? 0 : 1)},
                          [=] { return bench::MideSqlMovimientos({consulta, porConcepto, detallado, inicio, fin}); }});
    };
    movimientos("Movimientos acr. det.", 2, false, true);
    movimientos("Movimientos acr. res.", 2, false, false);
    movimientos("Movimientos con. det.", 2, true, true);
    movimientos("Movimientos con. res.", 2, true, false);
    movimientos("Reposición folio det.", 4, false, true);
    movimientos("Reposición folio res.", 4, false, false);
    movimientos("Reposición con. det.", 4, true, true);
    movimientos("Reposición con. res.", 4, true, false);

    const QList<QPair<QString, int>> columnas = {
        {"Forma", -22},     {"Acreed.", 8},      {"Consultas", 10}, {"Páginas", 8}, {"Reporte s", 10},
        {"SQL sola s", 11}, {"Reporte/SQL", 12}, {"ms/página", 10}, {"CPU s", 7},   {"Memoria MiB", 12},
        {"PDF CPU s", 10}};
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

    for (const Forma& f : formas) {
        if (!QString::fromUtf8(f.nombre).contains(o.formas, Qt::CaseInsensitive)) continue;
        // On a server the SQL alone is only what goes through the module connection.
        const bool sinSql = f.sqlEnArchivo && !o.conexion.isEmpty();
        std::vector<double> reporte, sql;
        Corrida ultima;
        long memoria = 0;
        std::vector<double> cpu;
        bench::TiempoSql t;
        for (int vez = 0; vez < o.veces; ++vez) {
            ultima = CorreReporte(o, conexion, f.ventana, f.fijar, o.salida,
                                  salidas.filePath(o.salida == u"pdf" ? "r.pdf" : "r.jsonl"));
            reporte.push_back(ultima.segundos);
            cpu.push_back(static_cast<double>(ultima.cpuMs) / 1000.0);
            memoria = std::max(memoria, ultima.memoriaKib);
            if (sinSql) continue;
            try {
                t = f.sql();
            } catch (const vb::ErrorEjecucion& e) {
                Termina(e.descripcion());
            }
            sql.push_back(t.segundos);
        }
        const double r = Mediana(reporte), s = sql.empty() ? 0 : Mediana(sql);
        // What the PDF adds to a run: one more run writing it instead of the listing, in CPU time.
        const double pdf = o.salida == u"pdf" ? 0
                                              : static_cast<double>(CorreReporte(o, conexion, f.ventana, f.fijar,
                                                                                 QStringLiteral("pdf"), salidas.filePath("r.pdf"))
                                                                        .cpuMs) / 1000.0 - Mediana(cpu);
        const QString guion = QStringLiteral("-");
        fila({QString::fromUtf8(f.nombre), sinSql ? guion : QString::number(t.acreedores),
              sinSql ? guion : QString::number(t.consultas), QString::number(ultima.paginas), Num(r, 3),
              sinSql ? guion : Num(s, 3), sinSql ? guion : Num(s > 0 ? r / s : 0, 2),
              Num(ultima.paginas > 0 ? 1000.0 * r / ultima.paginas : 0, 2), Num(Mediana(cpu), 3),
              Num(static_cast<double>(memoria) / 1024.0, 1), o.salida == u"pdf" ? QStringLiteral("-") : Num(pdf, 3)});
    }
    return 0;
}
