// Creditors, their agrupaciones and their expense movements (tblCatProveedor, tblGpoAgrProveedor,
// tblGastosEnc): charges "GTOS", payments and credit notes "AACR", advances "ANTI"; statuses 1
// (open), 2 (cancelled) and 5 (paid).
#include "demo/Aleatorio.h"
#include "demo/ErrorDemo.h"
#include "demo/Generador.h"

#include <QHash>
#include <algorithm>

namespace demo {

namespace {

enum class Rasgo { Normal, SinMovimientos, SaldoNegativo, SoloCancelados, DatosIncompletos, FoliosLargos, PorVencer };

Rasgo RasgoDe(const QString& s) {
    static const std::pair<const char*, Rasgo> rasgos[] = {
        {"normal", Rasgo::Normal}, {"sin_movimientos", Rasgo::SinMovimientos},
        {"saldo_negativo", Rasgo::SaldoNegativo}, {"solo_cancelados", Rasgo::SoloCancelados},
        {"datos_incompletos", Rasgo::DatosIncompletos}, {"folios_largos", Rasgo::FoliosLargos},
        {"por_vencer", Rasgo::PorVencer}};
    for (const auto& [nombre, r] : rasgos)
        if (s == QLatin1String(nombre)) return r;
    throw ErrorDemo(QStringLiteral("Tablas del demo: rasgo desconocido \"%1\"").arg(s));
}

struct Lugar {
    QString cid, est, pais, lada;
};

struct Acreedor {
    QString codigo, nombre;
    bool fisica = false, esAcreedor = true;
    Lugar lugar;
    int estatus = 1;
    QList<int> agrupaciones;
    Rasgo rasgo = Rasgo::Normal;
    QStringList conceptos;  // the expense concepts it bills
    int plazo = 30;
};

struct Movto {
    QDate fecha;
    QString clase, concepto, folio, sucursal;
    int plazoPago = 0;
    Dinero importe, iva, retIva, retIsr, saldo;
    int estatus = 1;
};

// The data/demo.txt lists this part draws from.
struct Listas {
    QHash<QString, Lugar> ciudades;
    QStringList codigosCiudad;
    QHash<int, int> grupoDe;                 // COD_AGR -> COD_GPO
    QHash<int, QStringList> conceptosDe;     // COD_AGR -> concepts
    QList<int> codigosAgrupacion;
    QStringList gastos;                      // every "GTOS" concept
    QStringList giros, sociedades, apellidos, nombres, titulos, calles, colonias;

    explicit Listas(const TablasDemo& t) {
        for (const QStringList& f : t.Filas(QStringLiteral("ciudades"), 5)) {
            ciudades.insert(f[0], Lugar{f[0], f[2], f[3], f[4]});
            codigosCiudad << f[0];
        }
        for (const QStringList& f : t.Filas(QStringLiteral("agrupaciones"), 4)) {
            grupoDe.insert(f[0].toInt(), f[1].toInt());
            conceptosDe.insert(f[0].toInt(), f[3].split(u','));
            codigosAgrupacion << f[0].toInt();
        }
        for (const QStringList& f : t.Filas(QStringLiteral("conceptos"), 3))
            if (f[1] == u"GTOS") gastos << f[0];
        giros = t.Lista(QStringLiteral("giros"));
        sociedades = t.Lista(QStringLiteral("sociedades"));
        apellidos = t.Lista(QStringLiteral("apellidos"));
        nombres = t.Lista(QStringLiteral("nombres"));
        titulos = t.Lista(QStringLiteral("titulos"));
        calles = t.Lista(QStringLiteral("calles"));
        colonias = t.Lista(QStringLiteral("colonias"));
    }
};

QString Iniciales(const QString& nombre, int cuantas) {
    QString r;
    for (const QString& palabra : SinAcentos(nombre).toUpper().split(u' ', Qt::SkipEmptyParts))
        if (r.size() < cuantas && palabra[0].isLetter()) r += palabra[0];
    while (r.size() < cuantas) r += u'X';
    return r;
}

QString Rfc(Aleatorio& a, const Acreedor& c) {
    const QDate nacio = QDate(1962, 1, 1).addDays(a.Entero(0, 19000));
    static const QString alfanum = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ0123456789");
    QString homoclave;
    for (int i = 0; i < 3; ++i) homoclave += alfanum[a.Entero(0, alfanum.size() - 1)];
    return Iniciales(c.nombre, c.fisica ? 4 : 3) + nacio.toString(QStringLiteral("yyMMdd")) + homoclave;
}

// Random draws stay one per statement: the language leaves the order of the operands of "+" open.
QString Telefono(Aleatorio& a, const Lugar& l) {
    const QString central = Digitos(a, l.lada.size() == 2 ? 4 : 3);  // ten digits in all in Mexico
    return l.lada + u' ' + central + u' ' + Digitos(a, 4);
}

QString Persona(Aleatorio& a, const QStringList& titulos, const QStringList& nombres, const QStringList& apellidos) {
    const QString titulo = a.Elige(titulos);
    const QString nombre = a.Elige(nombres);
    return titulo + u' ' + nombre + u' ' + a.Elige(apellidos);
}

Dinero Porciento(Dinero base, int64_t porMil) {  // rounded to the cent
    return Dinero::Centavos((base.diezmilesimos / 100 * porMil + 500) / 1000);
}

Acreedor Generado(Aleatorio& a, const Listas& l, Contadores& n) {
    Acreedor c;
    c.fisica = a.Porcentaje(25);
    if (c.fisica) {
        c.nombre = a.Elige(l.apellidos);
        c.nombre += u' ' + a.Elige(l.apellidos);
        c.nombre += u' ' + a.Elige(l.nombres);
    } else {
        c.nombre = a.Elige(l.giros);
        c.nombre += u' ' + a.Elige(l.apellidos);
        if (a.Porcentaje(30)) c.nombre += QStringLiteral(" y ") + a.Elige(l.apellidos);
        c.nombre += QStringLiteral(", ") + a.Elige(l.sociedades);
    }
    c.esAcreedor = !a.Porcentaje(8);
    c.lugar = l.ciudades.value(a.Elige(l.codigosCiudad));
    const int e = static_cast<int>(a.Entero(0, 99));
    c.estatus = e < 90 ? 1 : e < 97 ? 2 : 3;
    const int g = static_cast<int>(a.Entero(0, 99));
    if (g >= 25) c.agrupaciones << a.Elige(l.codigosAgrupacion);
    if (g >= 95) {
        const int otra = a.Elige(l.codigosAgrupacion);
        if (!c.agrupaciones.contains(otra)) c.agrupaciones << otra;
    }
    c.codigo = c.esAcreedor ? QStringLiteral("ACR%1").arg(++n.acreedor, 4, 10, QChar(u'0'))
                            : QStringLiteral("PRV%1").arg(++n.proveedor, 4, 10, QChar(u'0'));
    return c;
}

Acreedor Fijo(const QStringList& f, const Listas& l, Contadores& n) {
    Acreedor c;
    c.nombre = f[0];
    c.fisica = f[1] == u"F";
    c.lugar = l.ciudades.value(f[2], Lugar{f[2], {}, {}, QStringLiteral("55")});  // a city the catalog lacks
    if (!f[3].isEmpty()) c.lugar.est = f[3];
    if (!f[4].isEmpty()) c.lugar.pais = f[4];
    c.estatus = f[5].toInt();
    c.esAcreedor = f[6] == u"1";
    for (const QString& agr : f[7].split(u',', Qt::SkipEmptyParts)) c.agrupaciones << agr.toInt();
    c.rasgo = RasgoDe(f[8]);
    c.codigo = c.esAcreedor ? QStringLiteral("ACR%1").arg(++n.acreedor, 4, 10, QChar(u'0'))
                            : QStringLiteral("PRV%1").arg(++n.proveedor, 4, 10, QChar(u'0'));
    return c;
}

class Movimientos {
public:
    Movimientos(Aleatorio& a, const Acreedor& c, const ParametrosDemo& p) : a_(a), c_(c), p_(p) {}

    std::vector<Movto> Genera() {
        if (c_.rasgo == Rasgo::SinMovimientos) return {};
        const int cargos = c_.rasgo == Rasgo::SoloCancelados ? 5 : static_cast<int>(a_.Entero(10, 34));
        const int dias = static_cast<int>(InicioDatos().daysTo(FinDatos()));
        for (int i = 0; i < cargos; ++i) Cargo(InicioDatos().addDays(a_.Entero(0, dias)));
        if (c_.rasgo == Rasgo::PorVencer)
            for (int i = 0; i < 3; ++i) Cargo(FinDatos().addDays(-a_.Entero(5, 50)));
        if (c_.rasgo == Rasgo::SaldoNegativo)  // paid twice: the creditor owes us
            Abono(FinDatos().addDays(-20), Dinero::Centavos(12'500'00), QStringLiteral("PAGTR"));
        if (c_.rasgo == Rasgo::FoliosLargos) {
            // Concept codes the ledger must describe from the folio table, or not at all.
            for (Movto& m : m_)
                if (m.clase == u"AACR") { m.concepto = QStringLiteral("AACR"); break; }
            Cargo(FinDatos().addDays(-100));
            m_.back().concepto = QStringLiteral("ZZZZ");
        }
        if (c_.rasgo == Rasgo::Normal && a_.Porcentaje(12)) {
            Movto m = Base(InicioDatos().addDays(a_.Entero(0, dias)), QStringLiteral("ANTI"), QStringLiteral("ANTIC"));
            m.folio = QStringLiteral("ANT-") + Digitos(a_, 5);
            m.importe = Dinero::Centavos(a_.Entero(5'000'00, 30'000'00));
            m_.push_back(m);
        }
        std::stable_sort(m_.begin(), m_.end(), [](const Movto& x, const Movto& y) { return x.fecha < y.fecha; });
        return std::move(m_);
    }

private:
    Movto Base(QDate fecha, const QString& clase, const QString& concepto) {
        Movto m;
        m.fecha = fecha;
        m.clase = clase;
        m.concepto = concepto;
        const int s = static_cast<int>(a_.Entero(0, 99));
        m.sucursal = s < 70 ? QStringLiteral("01") : s < 90 ? QStringLiteral("02") : QStringLiteral("03");
        return m;
    }

    void Cargo(QDate fecha) {
        Movto m = Base(fecha, QStringLiteral("GTOS"), a_.Elige(c_.conceptos));
        const int r = static_cast<int>(a_.Entero(0, 99));
        const Dinero base = Dinero::Centavos(r < 70 ? a_.Entero(500'00, 20'000'00)
                                             : r < 95 ? a_.Entero(20'000'00, 90'000'00)
                                                      : a_.Entero(90'000'00, 350'000'00));
        if (c_.lugar.pais == u"MEX") m.iva = Porciento(base, 160);
        if (c_.fisica) {  // persons: two thirds of the VAT and 10% income tax withheld
            m.retIva = Dinero::Centavos((m.iva.diezmilesimos / 100 * 2 + 1) / 3);
            m.retIsr = Porciento(base, 100);
        }
        m.importe = base + m.iva - m.retIva - m.retIsr;
        if (c_.rasgo == Rasgo::FoliosLargos)
            m.folio = QStringLiteral("FAC-%1-").arg(fecha.year()) + Digitos(a_, 6);
        else if (a_.Porcentaje(6))
            m.folio = QStringLiteral("FE-") + Digitos(a_, 9).right(7);  // ten characters, as printed
        else
            m.folio = QStringLiteral("F-") + Digitos(a_, 5);
        m.plazoPago = c_.plazo;

        const int64_t antiguedad = fecha.daysTo(FinDatos());
        const int e = static_cast<int>(a_.Entero(0, 99));
        if (c_.rasgo == Rasgo::SoloCancelados) {
            m.estatus = 2;
        } else if (c_.rasgo == Rasgo::DatosIncompletos) {
            Pendiente(m, antiguedad);
        } else if (c_.rasgo == Rasgo::SaldoNegativo || (antiguedad > 75 && e < 84)) {
            Pagado(m);
        } else if (antiguedad > 75 && e >= 94) {
            m.estatus = 2;
        } else {
            Pendiente(m, antiguedad);
            if (antiguedad <= 75 && a_.Porcentaje(25)) {  // part paid already
                const Dinero parte = Porciento(m.importe, a_.Entero(200, 700));
                m.saldo -= parte;
                Abono(std::min(FinDatos(), fecha.addDays(a_.Entero(1, 20))), parte, QString());
            }
        }
        m_.push_back(m);
    }

    void Pendiente(Movto& m, int64_t antiguedad) {
        m.estatus = 1;
        m.saldo = m.importe;
        // Recent open charges fall due after the day the demo is made, whenever that is.
        if (antiguedad <= 60 || (c_.rasgo == Rasgo::PorVencer && antiguedad <= 120))
            m.plazoPago = std::max<int>(c_.plazo, static_cast<int>(m.fecha.daysTo(p_.hoy) + a_.Entero(30, 90)));
    }

    void Pagado(Movto& m) {
        m.estatus = 5;
        Dinero resto = m.importe;
        if (a_.Porcentaje(10)) {
            const Dinero nota = Porciento(m.importe, 50);
            Abono(m.fecha.addDays(a_.Entero(2, 10)), nota, QStringLiteral("NCRED"));
            resto -= nota;
        }
        QDate cuando = m.fecha.addDays(c_.plazo + a_.Entero(-5, 10));
        cuando = std::clamp(cuando, m.fecha, FinDatos());
        Abono(cuando, resto, QString());
        if (a_.Porcentaje(3)) {  // a payment entered twice and cancelled
            Abono(cuando, resto, QString());
            m_.back().estatus = 2;
        }
    }

    void Abono(QDate fecha, Dinero importe, QString concepto) {
        if (concepto.isEmpty()) concepto = a_.Porcentaje(55) ? QStringLiteral("PAGTR") : QStringLiteral("PAGCH");
        Movto m = Base(fecha, QStringLiteral("AACR"), concepto);
        m.importe = importe;
        m.folio = concepto == u"PAGCH" ? QStringLiteral("CH-") + Digitos(a_, 6)
                  : concepto == u"NCRED" ? QStringLiteral("NC-") + Digitos(a_, 5)
                                         : QStringLiteral("TR-") + Digitos(a_, 7);
        m_.push_back(m);
    }

    Aleatorio& a_;
    const Acreedor& c_;
    const ParametrosDemo& p_;
    std::vector<Movto> m_;
};

void Completa(Aleatorio& a, Acreedor& c, const Listas& l) {
    for (const int agr : c.agrupaciones) c.conceptos += l.conceptosDe.value(agr);
    if (c.conceptos.isEmpty()) c.conceptos << a.Elige(l.gastos) << a.Elige(l.gastos);
    static const int plazos[] = {0, 15, 30, 30, 45, 60, 90};
    c.plazo = a.Elige(plazos);
}

}  // namespace

std::vector<AcreedorDemo> GeneraAcreedores(Salida& salida, const TablasDemo& t, const ParametrosDemo& p, int bloque,
                                           Contadores& n) {
    static const int kPorBloque = 40;
    Aleatorio a(Aleatorio::Semilla(1, static_cast<uint64_t>(bloque)));
    const Listas l(t);

    std::vector<Acreedor> acreedores;
    if (bloque == 0)
        for (const QStringList& f : t.Filas(QStringLiteral("acreedores_fijos"), 9)) acreedores.push_back(Fijo(f, l, n));
    while (acreedores.size() < kPorBloque) acreedores.push_back(Generado(a, l, n));

    auto catalogo = salida.Tabla(
        QStringLiteral("tblCatProveedor"),
        {"COD_PROV", "NOM_PROV", "ES_ACREED", "COD_STS", "RFC_PROV", "CALL_NUM", "COL_PROV", "COP_PROV", "COD_CID",
         "COD_EST", "COD_PAIS", "TEL1_PROV", "TEL2_PROV", "MAIL_PROV", "CONTACTO1", "CONTACTO2", "PORC_DES1", "PORC_DES2",
         "PORC_DES3", "PORC_DES4", "PORC_DES5", "PORC_DES6", "PLA_CRE", "LIM_CRE", "SAL_PROV", "FEC_UCOM", "FEC_UPAG"});
    auto miembros = salida.Tabla(QStringLiteral("tblGpoAgrProveedor"), {"COD_PROV", "COD_GPO", "COD_AGR"});
    auto gastos = salida.Tabla(QStringLiteral("tblGastosEnc"),
                               {"NUM_MOV", "COD_SUCU", "FOL_MOV", "COD_ACRE", "CON_GRL", "COD_CON", "FEC_MOV", "PLA_PAG",
                                "IMP_MOV", "IVA_MOV", "RET_TOT", "RET_ISRTOT", "SAL_MOV", "COD_ESTATUS"});

    std::vector<AcreedorDemo> resultado;
    for (size_t i = 0; i < acreedores.size(); ++i) {
        Acreedor& c = acreedores[i];
        Completa(a, c, l);
        const std::vector<Movto> movs = Movimientos(a, c, p).Genera();

        Dinero saldo;
        QDate ultimaCompra, ultimoPago;
        for (const Movto& m : movs) {
            if (m.estatus == 2) continue;
            if (m.clase == u"GTOS") {
                if (m.estatus == 1) saldo += m.saldo;
                ultimaCompra = std::max(ultimaCompra, m.fecha);
            } else if (m.clase == u"AACR") {
                ultimoPago = std::max(ultimoPago, m.fecha);
            }
        }

        const bool incompleto = c.rasgo == Rasgo::DatosIncompletos;
        const QString nombre = a.Elige(l.nombres);
        QString contacto = a.Elige(l.titulos) + u' ' + nombre;
        contacto += u' ' + a.Elige(l.apellidos);
        QString calle = a.Elige(l.calles);
        calle += u' ' + QString::number(a.Entero(1, 4999));
        if (a.Porcentaje(20)) calle += QStringLiteral(" Int. ") + QChar(static_cast<char16_t>(u'A' + a.Entero(0, 5)));
        const QString correo = c.fisica
            ? SinAcentos(nombre.section(u' ', 0, 0) + u'.' + c.nombre.section(u' ', 0, 0)).toLower() + QStringLiteral("@correo.mx")
            : QStringLiteral("ventas@") + SinAcentos(c.nombre.section(u',', 0, 0)).remove(u' ').toLower().left(24) +
                  QStringLiteral(".com.mx");
        Valor descuentos[6];
        for (Valor& d : descuentos) d = Doble{0};
        if (bloque == 0 && i == 0) {  // every discount column filled once
            const int64_t todos[6] = {50000, 30000, 25000, 20000, 15000, 7500};
            for (int k = 0; k < 6; ++k) descuentos[k] = Doble{todos[k]};
        } else if (a.Porcentaje(30)) {
            static const int64_t primeros[] = {20000, 25000, 30000, 50000, 106667};
            descuentos[0] = Doble{a.Elige(primeros)};
            if (a.Porcentaje(40)) descuentos[1] = Doble{a.Entero(1, 4) * 5000};
        }
        catalogo.Agrega({c.codigo, c.nombre, c.esAcreedor ? 1 : 0, c.estatus, Rfc(a, c),
                         calle, a.Elige(l.colonias), Digitos(a, 5), c.lugar.cid, c.lugar.est, c.lugar.pais,
                         Telefono(a, c.lugar), incompleto || a.Porcentaje(50) ? Nulo : Valor(Telefono(a, c.lugar)),
                         incompleto || a.Porcentaje(10) ? Nulo : Valor(correo),
                         contacto,
                         incompleto || a.Porcentaje(50) ? Nulo : Valor(Persona(a, l.titulos, l.nombres, l.apellidos)),
                         descuentos[0], descuentos[1], descuentos[2], descuentos[3], descuentos[4], descuentos[5],
                         c.plazo, a.Porcentaje(10) ? Dinero{} : Dinero::Centavos(a.Entero(4, 100) * 5'000'00), saldo,
                         ultimaCompra, ultimoPago});
        for (const int agr : c.agrupaciones) miembros.Agrega({c.codigo, l.grupoDe.value(agr), agr});
        for (const Movto& m : movs)
            gastos.Agrega({++n.numMov, m.sucursal, m.folio, c.codigo, m.clase, m.concepto, m.fecha, m.plazoPago,
                           m.importe, m.iva, m.retIva, m.retIsr, m.saldo, m.estatus});
        resultado.push_back(AcreedorDemo{c.codigo, c.nombre, c.esAcreedor});
    }
    return resultado;
}

}  // namespace demo
