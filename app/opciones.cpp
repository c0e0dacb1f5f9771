#include "opciones.h"

#include "consola.h"
#include "component/Rutas.h"
#include "component/clsConsGT.h"
#include "vb/ErrorEjecucion.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace app {

const char* const UsoZrconsgt =
    "Uso: zrconsgt mostrar gastos|tesoreria --conexion CADENA [--manejador N] [--empresa N]\n"
    "                      [--ayuda ARCHIVO] --ruta CARPETA\n"
    "     zrconsgt reporte --conexion CADENA [--manejador N] [--empresa N] [--ayuda ARCHIVO]\n"
    "                      --ruta CARPETA [--ventana gastos|tesoreria]\n"
    "                      [--fijar CONTROL=VALOR]... [--marcar CONTROL:CLAVE]...\n"
    "                      [--listado ARCHIVO] [--pdf ARCHIVO] [--png CARPETA [--ppp N]] [--emf CARPETA]\n"
    "                      [--pdfa ARCHIVO] [--xlsx ARCHIVO] [--csv ARCHIVO]\n"
    "     zrconsgt controles --conexion CADENA [--manejador N] [--empresa N] --ruta CARPETA\n"
    "                      [--ventana gastos|tesoreria] [--consulta N|NOMBRE]\n"
    "     zrconsgt demo CARPETA [--escala N] [--postgres ARCHIVO] [--mariadb ARCHIVO]\n"
    "     zrconsgt --help | --version\n";

void SeparaOpciones(const QStringList& args, std::vector<Opcion>& opciones, QStringList& palabras) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(u"--")) {
            palabras << a;
            continue;
        }
        const qsizetype igual = a.indexOf(u'=');
        if (igual > 0) {
            opciones.push_back({a.left(igual), a.mid(igual + 1)});
        } else if (i + 1 < args.size()) {
            opciones.push_back({a, args[++i]});
        } else {
            throw ErrorOpciones{QStringLiteral("falta el valor de %1").arg(a)};
        }
    }
}

int LeeEntero(const Opcion& opcion, int minimo, int maximo) {
    bool ok = false;
    const int n = opcion.valor.trimmed().toInt(&ok);
    if (!ok || n < minimo || n > maximo)
        throw ErrorOpciones{QStringLiteral("%1 debe ser un número entero entre %2 y %3, no \"%4\"")
                                .arg(opcion.nombre)
                                .arg(minimo)
                                .arg(maximo)
                                .arg(opcion.valor)};
    return n;
}

bool TomaOpcionConexion(const Opcion& opcion, Conexion& destino) {
    const QString& n = opcion.nombre;
    if (n == u"--conexion")
        destino.cadena = opcion.valor;
    else if (n == u"--manejador")
        destino.manejador = static_cast<uint8_t>(LeeEntero(opcion, 0, 255));
    else if (n == u"--empresa")
        destino.empresa = static_cast<int16_t>(LeeEntero(opcion, -32768, 32767));
    else if (n == u"--ayuda")
        destino.ayuda = opcion.valor;
    else if (n == u"--ruta")
        destino.ruta = opcion.valor;
    else
        return false;
    return true;
}

component::TipoDeConsulta LeeVentana(const QString& nombre) {
    if (nombre == u"gastos") return component::ConsultasDeGastos;
    if (nombre == u"tesoreria" || nombre == u"tesorería") return component::ConsultasDeTesoreria;
    throw ErrorOpciones{QStringLiteral("la ventana es \"gastos\" o \"tesoreria\", no \"%1\"").arg(nombre)};
}

void CompruebaConexion(const Conexion& conexion) {
    if (conexion.cadena.isEmpty()) throw ErrorOpciones{QStringLiteral("falta --conexion CADENA")};
    if (conexion.ruta.isEmpty()) throw ErrorOpciones{QStringLiteral("falta --ruta CARPETA (la carpeta de QUIROX.INI)")};
    if (!QFileInfo(component::RutaLocal(conexion.ruta)).isDir())
        throw ErrorOpciones{QStringLiteral("la carpeta de --ruta no existe: %1").arg(conexion.ruta)};
}

QString TextoConexionFallida(const QString& cadena, const QString& motivo) {
    static const QRegularExpression clave(QStringLiteral("\\b(pwd|password)\\s*=[^;]*"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString oculta = cadena;
    oculta.replace(clave, QStringLiteral("\\1=***"));
    QString texto = QStringLiteral("no se pudo abrir la conexión \"%1\"").arg(oculta);
    if (!motivo.isEmpty()) texto += QStringLiteral(": ") + motivo;
    return texto;
}

int MuestraConsulta(const char* comando, const Conexion& c) {
    component::clsConsGT consulta;
    try {
        consulta.MostrarConsulta(c.ventana, c.cadena, c.manejador, c.empresa, c.ayuda, c.ruta);
    } catch (const vb::ErrorEjecucion& e) {
        return Falla(comando, QStringLiteral("error %1: %2").arg(e.numero()).arg(e.descripcion()));
    }
    if (!consulta.ConexionAbierta()) return Falla(comando, TextoConexionFallida(c.cadena, consulta.MotivoConexion()));
    return 0;
}

int Falla(const char* comando, const QString& mensaje, bool conUso) {
    Escribe(Flujo::Errores, QStringLiteral("zrconsgt %1: %2\n").arg(QLatin1String(comando), mensaje) +
                                (conUso ? QString::fromUtf8(UsoZrconsgt) : QString()));
    return 1;
}

DestinoMensajes MensajesDe(const char* comando) {
    const QString prefijo = QStringLiteral("zrconsgt %1: ").arg(QLatin1String(comando));
    return [prefijo](const QString& linea) { Escribe(Flujo::Errores, prefijo + linea + u'\n'); };
}

}  // namespace app
