#include "demo/Generador.h"

#include "demo/Aleatorio.h"

namespace demo {

QDate InicioDatos() { return QDate(2024, 1, 1); }
QDate FinDatos() { return QDate(2025, 12, 31); }

Valor CampoONulo(const QString& campo) { return campo == u"~" ? Nulo : Valor(campo); }

QString SinAcentos(const QString& s) {
    QString r;
    for (const QChar c : s.normalized(QString::NormalizationForm_D))
        if (c.unicode() < 128) r += c;
    return r;
}

QString Digitos(Aleatorio& a, int cuantos) {
    QString r;
    for (int i = 0; i < cuantos; ++i) r += QChar(u'0' + static_cast<char16_t>(a.Entero(0, 9)));
    return r;
}

void GeneraCatalogos(Salida& salida, const TablasDemo& t) {
    const auto entero = [](const QString& s) { return Valor(s.toInt()); };

    auto empresa = salida.Tabla(QStringLiteral("tblEmpresa"),
                                {"COD_EMPRESA", "NOM_EMP", "NOM_COM", "DIR1_EMP", "EXT_EMP", "INT_EMP", "COL_EMP",
                                 "CP_EMP", "DESCRIP1", "RFC1_EMP", "DESCRIP2", "RFC2_EMP", "DESCRIP3", "RFC3_EMP",
                                 "TEL1_EMP", "TEL2_EMP"});
    // Empty texts stay empty rather than NULL: the heading loader does not tolerate NULL names.
    for (const QStringList& f : t.Filas(QStringLiteral("empresas"), 16))
        empresa.Agrega({entero(f[0]), f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12],
                        f[13], f[14], f[15]});

    auto parametros = salida.Tabla(QStringLiteral("tblParametrosGenerales"), {"COD_EMPRESA", "REP_NOMEMP", "REP_NOMCOM"});
    for (const QStringList& f : t.Filas(QStringLiteral("parametros"), 2)) parametros.Agrega({1, entero(f[0]), entero(f[1])});

    auto paises = salida.Tabla(QStringLiteral("tblPais"), {"COD_PAIS", "DES_PAIS"});
    for (const QStringList& f : t.Filas(QStringLiteral("paises"), 2)) paises.Agrega({f[0], f[1]});

    auto estados = salida.Tabla(QStringLiteral("tblEstado"), {"COD_EST", "DES_EST", "NOM_EST"});
    for (const QStringList& f : t.Filas(QStringLiteral("estados"), 3)) estados.Agrega({f[0], f[1], f[2]});

    auto ciudades = salida.Tabla(QStringLiteral("tblCiudad"), {"COD_CID", "DES_CID"});
    for (const QStringList& f : t.Filas(QStringLiteral("ciudades"), 5)) ciudades.Agrega({f[0], f[1]});

    auto estatusProv = salida.Tabla(QStringLiteral("tblEstatusProv"), {"COD_STS", "DES_STS"});
    for (const QStringList& f : t.Filas(QStringLiteral("estatus_prov"), 2)) estatusProv.Agrega({entero(f[0]), f[1]});

    auto grupos = salida.Tabla(QStringLiteral("tblGpoProveedor"), {"COD_GPO", "DES_GPO"});
    for (const QStringList& f : t.Filas(QStringLiteral("grupos"), 2)) grupos.Agrega({entero(f[0]), f[1]});

    auto agrupaciones = salida.Tabla(QStringLiteral("tblAgrProveedor"), {"COD_AGR", "COD_GPO", "DES_AGR"});
    for (const QStringList& f : t.Filas(QStringLiteral("agrupaciones"), 4))
        agrupaciones.Agrega({entero(f[0]), entero(f[1]), f[2]});

    auto folios = salida.Tabla(QStringLiteral("tblFolioGralesGyT"), {"COD_FOL", "DES_FOL"});
    for (const QStringList& f : t.Filas(QStringLiteral("folios"), 2)) folios.Agrega({f[0], f[1]});

    auto conceptos = salida.Tabla(QStringLiteral("tblConceptosGyT"), {"COD_CON", "COD_FOL", "DES_CON"});
    for (const QStringList& f : t.Filas(QStringLiteral("conceptos"), 3)) conceptos.Agrega({f[0], f[1], f[2]});

    auto estatus = salida.Tabla(QStringLiteral("tblEstatusGyT"), {"COD_ESTATUS", "DES_ESTATUS"});
    for (const QStringList& f : t.Filas(QStringLiteral("estatus_gyt"), 2)) estatus.Agrega({entero(f[0]), f[1]});

    auto monedas = salida.Tabla(QStringLiteral("tblMonedas"), {"COD_MON", "DES_MON", "ABREVIA"});
    for (const QStringList& f : t.Filas(QStringLiteral("monedas"), 3)) monedas.Agrega({entero(f[0]), f[1], f[2]});

    auto bancos = salida.Tabla(QStringLiteral("tblBancos"), {"COD_BANCO", "NOM_BANCO", "EJE_CUENTA", "TEL_BANCO"});
    for (const QStringList& f : t.Filas(QStringLiteral("bancos"), 4))
        bancos.Agrega({entero(f[0]), f[1], CampoONulo(f[2]), CampoONulo(f[3])});

    auto rubros = salida.Tabla(QStringLiteral("tblCatRubros"), {"COD_RUBRO", "DES_RUBRO"});
    for (const QStringList& f : t.Filas(QStringLiteral("rubros"), 2)) rubros.Agrega({entero(f[0]), f[1]});
}

void GeneraEmpresa(Salida& salida, const ParametrosDemo& p) {
    const TablasDemo& t = TablasDemo::DelSistema();
    salida.Inicia();
    GeneraCatalogos(salida, t);
    Contadores n;
    for (int bloque = 0; bloque < p.escala; ++bloque) {
        const std::vector<AcreedorDemo> acreedores = GeneraAcreedores(salida, t, p, bloque, n);
        GeneraTesoreria(salida, t, bloque, acreedores, n);
    }
    salida.Termina();
}

}  // namespace demo
