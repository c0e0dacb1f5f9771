#include "component/DatosEmpresa.h"

#include "ado/Connection.h"
#include "ado/Recordset.h"

namespace modConGastos {

bool ImprimeNombreEmpresa = false;
bool ImprimeNombreComercial = false;
QString NombreEmpresa;
QString NombreComercial;
QString DireccionEmpresa;
QString RegistroEmpresa1;
QString RegistroEmpresa2;
QString RegistroEmpresa3;
QString TelefonosEmpresa;

namespace {

// The flag is on when the leading number of "0" & value is 1 (1, "01.0"); Null, text and 2 are off.
bool Indicador(const ado::Field& campo) { return vb::Val(u'0' + campo.Value().Texto()) == 1.0; }

QString Registro(const ado::Recordset& rs, const char* descripcion, const char* rfc) {
    const QString d = rs.Fields(descripcion).Value().Texto();
    return (d.isEmpty() ? QString() : d + QStringLiteral(": ")) + rs.Fields(rfc).Value().Texto();
}

}  // namespace

QStringList ConsultasDatosEmpresa(int16_t empresa) {
    const int codigo = empresa == 0 ? 1 : empresa;
    return {QStringLiteral("SELECT REP_NOMEMP,REP_NOMCOM FROM tblParametrosGenerales;"),
            QStringLiteral("SELECT * FROM tblEmpresa WHERE COD_EMPRESA=%1;").arg(codigo)};
}

void LeeDatosEmpresa(ado::Connection& conexion, int16_t empresa) {
    NombreEmpresa.clear();
    NombreComercial.clear();
    DireccionEmpresa.clear();
    RegistroEmpresa1.clear();
    RegistroEmpresa2.clear();
    RegistroEmpresa3.clear();
    TelefonosEmpresa.clear();

    const QStringList consultas = ConsultasDatosEmpresa(empresa);
    ado::Recordset rs;
    rs.Open(consultas[0], conexion, 1);
    if (!rs.EOF_()) {
        ImprimeNombreEmpresa = Indicador(rs.Fields("REP_NOMEMP"));
        ImprimeNombreComercial = Indicador(rs.Fields("REP_NOMCOM"));
    }
    rs.Close();

    rs.Open(consultas[1], conexion, 1);
    if (rs.EOF_()) {
        NombreEmpresa = QStringLiteral("NO ENCONTRADA");
    } else {
        auto texto = [&rs](const char* campo) { return rs.Fields(campo).Value().Texto(); };
        NombreEmpresa = texto("NOM_EMP");
        NombreComercial = texto("NOM_COM");
        DireccionEmpresa = texto("DIR1_EMP");
        const struct { const char* campo; const char16_t* separador; } partes[] = {
            {"EXT_EMP", u" "}, {"INT_EMP", u" - "}, {"COL_EMP", u" "}, {"CP_EMP", u" CP "}};
        for (const auto& p : partes) {
            const QString v = texto(p.campo);
            if (!v.isEmpty()) DireccionEmpresa += QString::fromUtf16(p.separador) + v;
        }
        RegistroEmpresa1 = Registro(rs, "DESCRIP1", "RFC1_EMP");
        RegistroEmpresa2 = Registro(rs, "DESCRIP2", "RFC2_EMP");
        RegistroEmpresa3 = Registro(rs, "DESCRIP3", "RFC3_EMP");
        TelefonosEmpresa = texto("TEL1_EMP");
        const QString tel2 = texto("TEL2_EMP");
        if (!tel2.isEmpty()) TelefonosEmpresa += QStringLiteral(", ") + tel2;
    }
    rs.Close();
}

}  // namespace modConGastos
