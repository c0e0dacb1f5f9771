#pragma once
// The one public class a host creates: MostrarConsulta shows a query window on the host's database.
#include "component/Servicios.h"

#include <QString>
#include <cstdint>

namespace component {

class clsConsGT {
public:
    clsConsGT() = default;
    ~clsConsGT();  // Class_Terminate
    clsConsGT(const clsConsGT&) = delete;
    clsConsGT& operator=(const clsConsGT&) = delete;

    // Returns when the window closes; shows nothing when the connection does not open.
    void MostrarConsulta(int32_t ConsultaActiva, const QString& ConexionBaseDatos, uint8_t ManejadorBaseDatos,
                         int16_t NumeroDeEmpresa, const QString& ArchivoDeAyuda, const QString& RutaBaseDeDatos);

    bool ConexionAbierta() const { return conexionAbierta_; }
    // Why the last MostrarConsulta's connection did not open, in the provider's words.
    const QString& MotivoConexion() const { return motivoConexion_; }

private:
    bool conexionAbierta_ = false;
    QString motivoConexion_;
};

}  // namespace component
