#pragma once
// The one exception that carries a run-time error through the component.
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace vb {

class ErrorEjecucion : public std::exception {
public:
    ErrorEjecucion(int32_t numero, QString descripcion);
    explicit ErrorEjecucion(int32_t numero);  // with the runtime's own description

    int32_t numero() const noexcept { return numero_; }
    const QString& descripcion() const noexcept { return descripcion_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    int32_t numero_;
    QString descripcion_;
    std::string utf8_;
};

// Run-time error numbers the component raises itself.
namespace errores {
inline constexpr int32_t LlamadaNoValida = 5;
inline constexpr int32_t Desbordamiento = 6;
inline constexpr int32_t MemoriaInsuficiente = 7;
inline constexpr int32_t SubindiceFuera = 9;
inline constexpr int32_t DivisionPorCero = 11;
inline constexpr int32_t TiposNoCoinciden = 13;
inline constexpr int32_t ArchivoNoEncontrado = 53;
inline constexpr int32_t ErrorEntradaSalida = 57;
inline constexpr int32_t ArchivoYaExiste = 58;
inline constexpr int32_t DiscoLleno = 61;
inline constexpr int32_t AccesoNoValido = 75;
inline constexpr int32_t RutaNoEncontrada = 76;
inline constexpr int32_t UsoNoValidoDeNull = 94;
inline constexpr int32_t FormatoNoValido = 321;
inline constexpr int32_t ValorDePropiedadNoValido = 380;
inline constexpr int32_t NoSePuedeCrearObjeto = 429;
inline constexpr int32_t ErrorDeImpresora = 482;
inline constexpr int32_t ElementoNoEncontrado = 3265;  // field name not in the collection
inline constexpr int32_t FinDeRecordset = 3021;        // BOF or EOF is true
inline constexpr int32_t OperacionNoPermitida = 3219;  // object closed, or a write refused
inline constexpr int32_t ErrorProveedor = -2147467259; // 0x80004005, provider-specific failure
}  // namespace errores

// The runtime's Spanish description of a standard error number ("" when unknown).
QString DescripcionError(int32_t numero);

}  // namespace vb
