#pragma once
// The command line's options: "--name VALUE" or "--name=VALUE", and the six values a host hands
// to MostrarConsulta, which `mostrar` and `reporte` share.
#include "mensajes_consola.h"
#include "component/Servicios.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace app {

struct Opcion {
    QString nombre;  // with its dashes: "--conexion"
    QString valor;
};

struct Conexion {
    component::TipoDeConsulta ventana = component::ConsultasDeGastos;
    QString cadena;
    uint8_t manejador = 0;
    int16_t empresa = 1;
    QString ayuda;
    QString ruta;
};

// An option the user got wrong; the message is Spanish.
struct ErrorOpciones {
    QString mensaje;
};

// Splits the words into options, in their order, and the other words. ErrorOpciones when an
// option has no value.
void SeparaOpciones(const QStringList& args, std::vector<Opcion>& opciones, QStringList& palabras);

// Takes --conexion, --manejador, --empresa, --ayuda or --ruta; false for any other option.
bool TomaOpcionConexion(const Opcion& opcion, Conexion& destino);

// "gastos" or "tesoreria" (also "tesorería").
component::TipoDeConsulta LeeVentana(const QString& nombre);

// ErrorOpciones when --conexion or --ruta is missing, or the folder of --ruta does not exist.
void CompruebaConexion(const Conexion& conexion);

// A whole number between the limits, or ErrorOpciones naming the option.
int LeeEntero(const Opcion& opcion, int minimo, int maximo);

// "the connection did not open", with the string's passwords masked, and the provider's reason.
QString TextoConexionFallida(const QString& cadena, const QString& motivo);

// Hands the six values to a fresh clsConsGT, which is released before returning: 0, or Falla's 1
// with the run-time error or the connection that did not open.
int MuestraConsulta(const char* comando, const Conexion& conexion);

// The usage of every command.
extern const char* const UsoZrconsgt;

// Prints "zrconsgt <comando>: <mensaje>" (and the usage when asked) on the standard error; returns 1.
int Falla(const char* comando, const QString& mensaje, bool conUso = false);

// A run's messages on the standard error, each line after "zrconsgt <comando>: ".
DestinoMensajes MensajesDe(const char* comando);

}  // namespace app
