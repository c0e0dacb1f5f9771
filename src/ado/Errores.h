#pragma once
// Run-time errors raised by the data access layer, with the numbers ADO callers test for.
#include "vb/ErrorEjecucion.h"

#include <QString>
#include <cstdint>

namespace ado {

namespace errores {
inline constexpr int32_t NoActualizable = 3251;        // the recordset does not accept changes
inline constexpr int32_t ObjetoAbierto = 3705;         // operation not allowed while open
inline constexpr int32_t ConexionNoValida = 3709;      // connection closed or not usable here
inline constexpr int32_t VariosPasos = -2147217887;    // 0x80040E21: a value the field cannot hold
}  // namespace errores

[[noreturn]] void LanzaCerrado();                       // 3219: the object is closed
[[noreturn]] void LanzaSinRegistroActual();             // 3021
[[noreturn]] void LanzaCampoNoEncontrado();             // 3265
[[noreturn]] void LanzaAbierto();                       // 3705
[[noreturn]] void LanzaConexionNoValida();              // 3709
[[noreturn]] void LanzaNoActualizable();                // 3251
[[noreturn]] void LanzaValorNoAdmitido();               // -2147217887
// A statement refused because it could write or carries a second statement (3219).
[[noreturn]] void LanzaRechazo(const QString& motivo);
// A failure reported by the database engine or its driver, with the engine's own text.
[[noreturn]] void LanzaProveedor(const QString& mensaje);

}  // namespace ado
