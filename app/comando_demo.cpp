#include "comando_demo.h"

#include "consola.h"
#include "opciones.h"
#include "demo/Demo.h"

#include <QDir>
#include <QSaveFile>

namespace {

int Falla(const QString& mensaje, bool conUso = false) { return app::Falla("demo", mensaje, conUso); }

// The settings file the component reads at window load: page files go to <dir>/Temp.
void EscribeIni(const QString& carpeta) {
    QSaveFile ini(carpeta + QStringLiteral("/QUIROX.INI"));
    const QByteArray texto = "[VARIOS]\r\nDIRCONSULTAS=" + (carpeta + QStringLiteral("/Temp")).toUtf8() + "\r\n";
    if (!ini.open(QIODevice::WriteOnly) || ini.write(texto) != texto.size() || !ini.commit())
        throw demo::ErrorDemo(QStringLiteral("No se pudo escribir %1: %2").arg(ini.fileName(), ini.errorString()));
}

}  // namespace

int ComandoDemo(const QStringList& args) {
    QString carpeta, script, scriptMariaDB;
    int escala = 1;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--escala" || a == u"--postgres" || a == u"--mariadb") {
            if (i + 1 >= args.size()) return Falla(QStringLiteral("falta el valor de %1").arg(a), true);
            const QString valor = args[++i];
            if (a != u"--escala") {
                (a == u"--postgres" ? script : scriptMariaDB) = valor;
                continue;
            }
            bool ok = false;
            escala = valor.toInt(&ok);
            if (!ok || escala < 1 || escala > demo::kEscalaMaxima)
                return Falla(QStringLiteral("la escala debe ser un número entero entre 1 y %1, no \"%2\"")
                                 .arg(demo::kEscalaMaxima).arg(valor));
        } else if (a.startsWith(u"--")) {
            return Falla(QStringLiteral("opción desconocida: %1").arg(a), true);
        } else if (!carpeta.isEmpty()) {
            return Falla(QStringLiteral("sobra el argumento \"%1\"").arg(a), true);
        } else {
            carpeta = a;
        }
    }
    if (carpeta.isEmpty()) return Falla(QStringLiteral("falta la carpeta donde escribir el demo"), true);

    try {
        const QString absoluta = QDir(carpeta).absolutePath();
        const QDate hoy = QDate::currentDate();  // one day for both scripts, even across midnight
        const QString conexion = demo::GeneraDemo(absoluta, escala, script, hoy);
        if (!scriptMariaDB.isEmpty()) demo::EscribeScriptMariaDB(scriptMariaDB, escala, hoy);
        if (!QDir().mkpath(absoluta + QStringLiteral("/Temp")))
            throw demo::ErrorDemo(QStringLiteral("No se pudo crear la carpeta %1/Temp").arg(absoluta));
        EscribeIni(absoluta);
        return app::Escribe(app::Flujo::Salida, conexion + u'\n') ? 0 : 1;
    } catch (const demo::ErrorDemo& e) {
        return Falla(e.mensaje());
    }
}
