// Bank accounts and their movements (tblCatCtasBancos, tblIngreEgre): deposits "INGR" and
// withdrawals "EGRE" with statuses 1 to 4 and exchange rates; transfers "TRCT"/"RTRC" between own
// accounts and "TRSF" to creditors with long notes; monthly reconciliations (tblConciliaEnc,
// tblConciliaciones), closed and open; petty-cash replenishments paid by cheque
// (tblReposicionCaja, tblReposicionCajaMov).
#include "demo/Aleatorio.h"
#include "demo/ErrorDemo.h"
#include "demo/Generador.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace demo {

namespace {

const int kMeses = 24;          // months between InicioDatos() and FinDatos()
const int kUltimoCerrado = 21;  // reconciliations of the last two months are still open

int MesDe(QDate d) { return (d.year() - InicioDatos().year()) * 12 + d.month() - 1; }
QDate PrimeroDe(int mes) { return InicioDatos().addMonths(mes); }
QDate UltimoDe(int mes) { return PrimeroDe(mes + 1).addDays(-1); }

enum class Papel { Principal, Caja, Inversion, Operacion };

struct Cuenta {
    QString numero;
    int banco = 0, moneda = 1, rubro = 1, diaCorte = 31;
    Valor genCheque;
    bool emiteCheques = false, concilia = true;
    QString prefijoCheque;
    Dinero saldoInicial;
    Papel papel = Papel::Operacion;
    int cheque = 0;  // last cheque number issued
};

struct Renglon {
    QString concepto, referencia;
    QDate fecha;
    Valor importe;  // Dinero, or NULL
    Doble impuesto, retIva, retIsr;
};

struct Reposicion {
    QString folio;
    Dinero cheque, total;
    std::vector<Renglon> renglones;
};

struct Movto {
    int cuenta = 0, orden = 0;
    QDate fecha, aplica;
    QString clase, concepto, folio, cheque, nombre, acreedor, notas;
    Dinero importe;
    int estatus = 1;
    int mesConcilia = -1;   // month whose reconciliation matched it; -1: none
    int reposicion = -1;    // index of its petty-cash document
    int64_t movimiento = 0, folGrl = 0;
};

struct Traspaso {
    int origen, destino, cada;
    Dinero minimo, maximo;
};

struct Listas {
    QStringList clientes, giros, apellidos, nombres, titulos;
    QHash<int, QString> bancos;
    QString empresa;
    std::vector<QStringList> cuentas;
    std::vector<Traspaso> traspasos;
    std::vector<QStringList> cajaChica;

    explicit Listas(const TablasDemo& t) {
        clientes = t.Lista(QStringLiteral("clientes"));
        giros = t.Lista(QStringLiteral("giros"));
        apellidos = t.Lista(QStringLiteral("apellidos"));
        nombres = t.Lista(QStringLiteral("nombres"));
        titulos = t.Lista(QStringLiteral("titulos"));
        for (const QStringList& f : t.Filas(QStringLiteral("bancos"), 4)) bancos.insert(f[0].toInt(), f[1]);
        empresa = t.Filas(QStringLiteral("empresas"), 16).first()[1];
        for (const QStringList& f : t.Filas(QStringLiteral("cuentas"), 9)) cuentas.push_back(f);
        for (const QStringList& f : t.Filas(QStringLiteral("traspasos"), 5)) {
            const Traspaso tr{f[0].toInt() - 1, f[1].toInt() - 1, f[2].toInt(), Dinero::DesdeTexto(f[3]),
                              Dinero::DesdeTexto(f[4])};
            if (tr.origen < 0 || tr.destino < 0 || tr.origen >= static_cast<int>(cuentas.size()) ||
                tr.destino >= static_cast<int>(cuentas.size()) || tr.cada < 1)
                throw ErrorDemo(QStringLiteral("Tablas del demo: traspaso mal escrito: %1").arg(f.join(u'|')));
            traspasos.push_back(tr);
        }
        for (const QStringList& f : t.Filas(QStringLiteral("caja_chica"), 7)) cajaChica.push_back(f);
    }
};

Papel PapelDe(const QString& s) {
    if (s == u"principal") return Papel::Principal;
    if (s == u"caja") return Papel::Caja;
    if (s == u"inversion") return Papel::Inversion;
    if (s == u"operacion") return Papel::Operacion;
    throw ErrorDemo(QStringLiteral("Tablas del demo: papel de cuenta desconocido \"%1\"").arg(s));
}

// Daily exchange rates to pesos, four decimals, the same for every block and scale.
const std::map<int, std::vector<int64_t>>& TiposDeCambio() {
    static const std::map<int, std::vector<int64_t>> tipos = [] {
        std::map<int, std::vector<int64_t>> r;
        const int dias = static_cast<int>(InicioDatos().daysTo(FinDatos())) + 1;
        const struct { int moneda; int64_t inicial, minimo, maximo; } monedas[] = {
            {2, 170'000, 165'000, 210'000}, {3, 186'000, 178'000, 230'000}};
        for (const auto& m : monedas) {
            Aleatorio a(Aleatorio::Semilla(3, static_cast<uint64_t>(m.moneda)));
            int64_t tipo = m.inicial;
            for (int d = 0; d < dias; ++d) {
                r[m.moneda].push_back(tipo);
                tipo = std::clamp(tipo + a.Entero(-900, 900), m.minimo, m.maximo);
            }
        }
        return r;
    }();
    return tipos;
}

Dinero TipoDeCambio(int moneda, QDate fecha) {
    if (moneda == 1) return Dinero{10'000};
    const std::vector<int64_t>& tipos = TiposDeCambio().at(moneda);
    const int64_t d = std::clamp<int64_t>(InicioDatos().daysTo(fecha), 0, static_cast<int64_t>(tipos.size()) - 1);
    return Dinero{tipos[static_cast<size_t>(d)]};
}

QString NombreMes(int mes) {
    static const char* const nombres[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio",
                                          "julio", "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
    return QString::fromUtf8(nombres[mes - 1]);
}

class Tesoreria {
public:
    Tesoreria(Salida& salida, const TablasDemo& t, int bloque, const std::vector<AcreedorDemo>& acreedores,
              Contadores& n)
        : salida_(salida), l_(t), bloque_(bloque), n_(n), a_(Aleatorio::Semilla(2, static_cast<uint64_t>(bloque))) {
        for (const AcreedorDemo& c : acreedores)
            if (c.esAcreedor) acreedores_.push_back(c);
    }

    void Genera() {
        AbreCuentas();
        for (int mes = 0; mes < kMeses; ++mes)
            for (int c = 0; c < static_cast<int>(cuentas_.size()); ++c) Mes(c, mes);
        Traspasos();
        for (int c = 0; c < static_cast<int>(cuentas_.size()); ++c) Estatus(c);
        Numera();
        Escribe();
    }

private:
    void AbreCuentas() {
        auto catalogo = salida_.Tabla(QStringLiteral("tblCatCtasBancos"), {"NUM_CUENTA", "COD_BANCO", "COD_MONCTA", "COD_RUBRO",
                                                                           "DIA_CORTE", "GEN_CHEQUE", "SAL_INICIAL"});
        for (size_t i = 0; i < l_.cuentas.size(); ++i) {
            const QStringList& f = l_.cuentas[i];
            Cuenta c;
            c.banco = f[0].toInt();
            c.moneda = f[1].toInt();
            c.rubro = f[2].toInt();
            c.diaCorte = f[3].toInt();
            c.genCheque = f[4] == u"~" ? Nulo : Valor(f[4].toInt());
            c.emiteCheques = f[4] != u"~" && f[4].toInt() != 0;
            c.concilia = f[5] == u"1";
            c.prefijoCheque = f[6];
            c.saldoInicial = Dinero::DesdeTexto(f[7]);
            c.papel = PapelDe(f[8]);
            c.numero = QStringLiteral("%1%2%3")
                           .arg(c.banco, 2, 10, QChar(u'0'))
                           .arg(bloque_ + 1, 4, 10, QChar(u'0'))
                           .arg(7000 + static_cast<int>(i), 4, 10, QChar(u'0'));
            catalogo.Agrega({c.numero, c.banco, c.moneda, c.rubro, c.diaCorte, c.genCheque, c.saldoInicial});
            cuentas_.push_back(c);
        }
    }

    Movto& Nuevo(int cuenta, QDate fecha, const char* clase, const char* concepto, Dinero importe) {
        Movto m;
        m.cuenta = cuenta;
        m.orden = static_cast<int>(movs_.size());
        m.fecha = m.aplica = fecha;
        m.clase = QString::fromLatin1(clase);
        m.concepto = QString::fromLatin1(concepto);
        m.importe = importe;
        movs_.push_back(m);
        return movs_.back();
    }

    Dinero Importe(const Cuenta& c, int64_t pesosMin, int64_t pesosMax) {
        // Foreign-currency accounts move about a fifteenth of the peso amounts.
        const int64_t centavos = a_.Entero(pesosMin, pesosMax);
        return Dinero::Centavos(c.moneda == 1 ? centavos : std::max<int64_t>(centavos / 15, 100));
    }

    // Folios of ten characters at most, as the reports print them: a letter, the date, two digits.
    QString Folio(char prefijo, QDate fecha) {
        return QChar::fromLatin1(prefijo) + fecha.toString(QStringLiteral("yyMMdd")) + u'-' + Digitos(a_, 2);
    }

    const AcreedorDemo& UnAcreedor() {
        if (acreedores_.empty()) throw ErrorDemo(QStringLiteral("Un bloque del demo no tiene acreedores"));
        return a_.Elige(acreedores_);
    }

    QString Cheque(Cuenta& c) {
        ++c.cheque;
        if (c.prefijoCheque.isEmpty()) return QStringLiteral("%1").arg(c.cheque, 7, 10, QChar(u'0'));
        const QString folio = c.prefijoCheque + QStringLiteral("%1").arg(c.cheque, 6, 10, QChar(u'0'));
        // The first cheque of a series was issued again: its folio carries the mark, past ten characters.
        return bloque_ == 0 && c.cheque == 1 ? folio + QStringLiteral("-REP") : folio;
    }

    void Mes(int ic, int mes) {
        Cuenta& c = cuentas_[ic];
        const QDate primero = PrimeroDe(mes), ultimo = UltimoDe(mes);
        const auto dia = [&](int d) { return primero.addDays(std::min(d, primero.daysInMonth()) - 1); };
        const auto alAzar = [&] { return dia(static_cast<int>(a_.Entero(1, primero.daysInMonth()))); };

        const int depositos = c.papel == Papel::Caja ? 0
                              : c.papel == Papel::Inversion ? static_cast<int>(a_.Entero(1, 3))
                              : c.moneda == 1 ? static_cast<int>(a_.Entero(4, 8))
                                              : static_cast<int>(a_.Entero(2, 3));
        for (int i = 0; i < depositos; ++i) {
            const QDate f = alAzar();
            Movto& m = Nuevo(ic, f, "INGR", "DEPCL", Importe(c, 5'000'00, 180'000'00));
            m.aplica = f.addDays(a_.Entero(0, 1));
            m.folio = Folio('D', f);
            if (a_.Porcentaje(75)) {
                m.nombre = a_.Elige(l_.clientes);
            } else {
                m.nombre = a_.Elige(l_.giros);  // one draw per statement keeps the order fixed
                m.nombre += u' ' + a_.Elige(l_.apellidos);
            }
            static const char* const notas[] = {"Depósito en ventanilla", "Transferencia SPEI recibida",
                                                "Depósito de cheques de otros bancos"};
            m.notas = QString::fromUtf8(a_.Elige(notas));
        }
        if (c.papel == Papel::Inversion) {
            Movto& m = Nuevo(ic, ultimo, "INGR", "INTER", Importe(c, 800'00, 9'500'00));
            m.folio = QStringLiteral("INT-") + ultimo.toString(QStringLiteral("yyMM"));
            m.nombre = l_.bancos.value(c.banco);
            m.notas = QStringLiteral("Intereses del mes de ") + NombreMes(ultimo.month());
        }
        if (c.papel == Papel::Operacion && a_.Porcentaje(10)) {
            const QDate f = alAzar();
            Movto& m = Nuevo(ic, f, "INGR", "OTING", Importe(c, 300'00, 6'000'00));
            m.folio = Folio('I', f);
            m.nombre = l_.empresa;
            m.notas = QStringLiteral("Venta de desperdicio y material de reciclaje");
        }
        if (c.emiteCheques && c.papel != Papel::Caja) {
            const int cheques = c.moneda == 1 ? static_cast<int>(a_.Entero(3, 6)) : static_cast<int>(a_.Entero(1, 2));
            for (int i = 0; i < cheques; ++i) {
                const QDate f = alAzar();
                const AcreedorDemo& acr = UnAcreedor();
                Movto& m = Nuevo(ic, f, "EGRE", "PAGPR", Importe(c, 2'000'00, 90'000'00));
                m.aplica = f.addDays(a_.Entero(1, 12));
                m.cheque = Cheque(c);
                m.folio = Folio('E', f);
                m.nombre = acr.nombre;
                m.acreedor = acr.codigo;
                m.notas = QStringLiteral("Pago de facturas de %1 de %2").arg(NombreMes(f.month())).arg(f.year());
            }
        }
        if (c.moneda == 1 && (c.papel == Papel::Principal || c.papel == Papel::Operacion)) {
            const int transferencias = static_cast<int>(a_.Entero(0, 2));
            for (int i = 0; i < transferencias; ++i) Transferencia(ic, alAzar());
        }
        if (c.papel == Papel::Caja)
            for (const int d : {static_cast<int>(a_.Entero(1, 5)), static_cast<int>(a_.Entero(15, 20))}) ReponeCaja(ic, dia(d));
        if (c.papel == Papel::Principal) {
            for (const QDate f : {dia(15), ultimo}) {
                Movto& m = Nuevo(ic, f, "EGRE", "NOMIN", Importe(c, 180'000'00, 260'000'00));
                m.folio = QStringLiteral("NOM%1-Q%2").arg(f.toString(QStringLiteral("yyMM"))).arg(f.day() == 15 ? 1 : 2);
                m.nombre = QStringLiteral("Nómina quincenal del personal");
                m.notas = QStringLiteral("Dispersión de nómina por banca electrónica");
            }
            Movto& m = Nuevo(ic, dia(17), "EGRE", "IMPTO", Importe(c, 40'000'00, 120'000'00));
            m.folio = QStringLiteral("SAT-") + primero.toString(QStringLiteral("yyMM"));
            m.nombre = QStringLiteral("Servicio de Administración Tributaria");
            m.notas = QStringLiteral("Pago provisional de ISR e IVA de ") + NombreMes(PrimeroDe(mes - 1).month());
        }
        Movto& m = Nuevo(ic, dia(c.diaCorte), "EGRE", "COMBA", Importe(c, 150'00, 950'00));
        m.folio = QStringLiteral("COM-") + primero.toString(QStringLiteral("yyMM"));
        m.nombre = l_.bancos.value(c.banco);
        m.notas = QStringLiteral("Comisiones y cuota de manejo");
    }

    void Transferencia(int ic, QDate f) {
        const AcreedorDemo& acr = UnAcreedor();
        Movto& m = Nuevo(ic, f, "EGRE", "TRSF", Importe(cuentas_[ic], 5'000'00, 120'000'00));
        const QString clave = Digitos(a_, 7);
        m.nombre = acr.nombre;
        m.acreedor = acr.codigo;
        ++transferencias_;
        // The bank's tracking key as folio; the first one keeps all of it, past ten characters.
        m.folio = QStringLiteral("SPEI") + (bloque_ == 0 && transferencias_ == 1 ? u'-' + clave : clave.right(6));
        if (bloque_ == 0 && transferencias_ == 1) {  // no period to split the notes at
            m.notas = QStringLiteral("Anticipo a proveedor según contrato 45-B, sin factura todavía");
            return;
        }
        if (bloque_ == 0 && transferencias_ == 2) return;  // no notes at all
        const QString factura1 = QStringLiteral("F-") + Digitos(a_, 5);
        const QString factura2 = QStringLiteral("F-") + Digitos(a_, 5);
        const QString rastreo = Digitos(a_, 20);
        const QString referencia = Digitos(a_, 7);
        const QString clabe = Digitos(a_, 18);
        const QString banco = l_.bancos.value(static_cast<int>(a_.Entero(1, 5)));
        const QString titulo = a_.Elige(l_.titulos);
        const QString nombre = a_.Elige(l_.nombres);
        const QString apellido = a_.Elige(l_.apellidos);
        m.notas = QStringLiteral("Pago de facturas %1 y %2 por servicios del mes de %3. "
                                 "Transferencia SPEI con clave de rastreo %4, referencia numérica %5, "
                                 "cuenta CLABE destino %6, banco receptor %7, autorizada por %8 %9 %10 el %11.")
                      .arg(factura1, factura2, NombreMes(f.month()), rastreo, referencia, clabe, banco, titulo, nombre)
                      .arg(apellido, f.toString(QStringLiteral("dd/MM/yyyy")));
    }

    void ReponeCaja(int ic, QDate f) {
        Cuenta& c = cuentas_[ic];
        Reposicion doc;
        // RCyy-nnnn; the first document's folio has the year in full, past ten characters.
        const QString numero = QStringLiteral("%1").arg(++n_.reposicion, 4, 10, QChar(u'0'));
        doc.folio = bloque_ == 0 && n_.reposicion == 1 ? QStringLiteral("RC-%1-%2").arg(f.year()).arg(numero)
                                                       : QStringLiteral("RC%1-%2").arg(f.toString(QStringLiteral("yy")), numero);
        const int renglones = static_cast<int>(a_.Entero(3, 7));
        int64_t total = 0;  // ten-thousandths
        for (int i = 0; i < renglones; ++i) {
            const QStringList& t = l_.cajaChica[static_cast<size_t>(a_.Entero(0, static_cast<int64_t>(l_.cajaChica.size()) - 1))];
            Renglon r;
            r.concepto = t[0];
            r.referencia = t[1] + QStringLiteral(" #") + Digitos(a_, 4) + QString::number(i + 1);  // unique in its document
            r.fecha = std::max(InicioDatos(), f.addDays(-a_.Entero(1, 14)));
            r.impuesto = Doble{Dinero::DesdeTexto(t[2]).diezmilesimos};
            r.retIva = Doble{Dinero::DesdeTexto(t[3]).diezmilesimos};
            r.retIsr = Doble{Dinero::DesdeTexto(t[4]).diezmilesimos};
            const Dinero importe = Dinero::Centavos(
                a_.Entero(Dinero::DesdeTexto(t[5]).diezmilesimos / 100, Dinero::DesdeTexto(t[6]).diezmilesimos / 100));
            if (bloque_ == 0 && n_.reposicion == 1 && i == 0) {
                r.importe = Nulo;  // a ticket captured without its amount
            } else {
                r.importe = importe;
                const auto parte = [&](const Doble& pct) { return (importe.diezmilesimos * pct.diezmilesimos + 500'000) / 1'000'000; };
                total += importe.diezmilesimos + parte(r.impuesto) - parte(r.retIva) - parte(r.retIsr);
            }
            doc.renglones.push_back(r);
        }
        doc.total = Dinero::Centavos((total + 50) / 100);
        doc.cheque = doc.total;
        if (a_.Porcentaje(30)) {  // cheque for a round amount: part still to be supported by receipts
            const int64_t quinientos = 500'00;
            doc.cheque = Dinero::Centavos((doc.total.diezmilesimos / 100 + quinientos) / quinientos * quinientos);
        }
        Movto& m = Nuevo(ic, f, "EGRE", "REPCJ", doc.cheque);
        m.aplica = f.addDays(a_.Entero(0, 3));
        m.cheque = Cheque(c);
        m.folio = Folio('E', f);
        m.nombre = QStringLiteral("Fondo fijo de caja chica");
        m.notas = QStringLiteral("Reposición ") + doc.folio;
        m.reposicion = static_cast<int>(reposiciones_.size());
        reposiciones_.push_back(doc);
    }

    void Traspasos() {
        // Notes that fit the column the movement reports give them.
        const QStringList motivos = {QStringLiteral("nómina y pagos"), QStringLiteral("fondo de caja"),
                                     QStringLiteral("saldos en dólares")};
        for (size_t k = 0; k < l_.traspasos.size(); ++k) {
            const Traspaso& t = l_.traspasos[k];
            const Cuenta& origen = cuentas_[t.origen];
            const Cuenta& destino = cuentas_[t.destino];
            if (origen.moneda != destino.moneda)
                throw ErrorDemo(QStringLiteral("Tablas del demo: traspaso entre monedas distintas"));
            for (int mes = 0; mes < kMeses; mes += t.cada) {
                const QDate f = PrimeroDe(mes).addDays(a_.Entero(0, 9));
                const Dinero importe = Dinero::Centavos(a_.Entero(t.minimo.diezmilesimos / 100, t.maximo.diezmilesimos / 100));
                const QString folio = QStringLiteral("TRP-%1-%2").arg(f.toString(QStringLiteral("yyMM"))).arg(k + 1);
                const QString notas = QStringLiteral("Traspaso de %1 a %2: %3")
                                          .arg(origen.numero, destino.numero, motivos[static_cast<int>(k % 3)]);
                for (const bool sale : {true, false}) {
                    Movto& m = Nuevo(sale ? t.origen : t.destino, f, sale ? "EGRE" : "INGR", sale ? "TRCT" : "RTRC", importe);
                    m.folio = folio;
                    m.nombre = l_.empresa;
                    m.notas = notas;
                }
            }
        }
    }

    // Cancellations, reconciliation matches and the statuses that follow from them.
    void Estatus(int ic) {
        const Cuenta& c = cuentas_[ic];
        for (Movto& m : movs_) {
            if (m.cuenta != ic) continue;
            const bool cancelable = m.concepto != u"REPCJ" && m.concepto != u"TRCT" && m.concepto != u"RTRC";
            if (cancelable && a_.Porcentaje(3)) {
                m.estatus = 2;
                continue;
            }
            const int mes = MesDe(m.fecha);
            const int r = static_cast<int>(a_.Entero(0, 99));
            if (!c.concilia) {
                m.estatus = (!m.cheque.isEmpty() && mes == kMeses - 1 && r < 40) ? 3 : 1;
            } else if (mes <= kUltimoCerrado) {
                m.mesConcilia = r < 92 ? mes : r < 97 ? mes + 1 : -1;
                m.estatus = m.mesConcilia >= 0 ? 4 : 3;
            } else {
                m.mesConcilia = r < 50 ? mes : -1;
                m.estatus = m.mesConcilia >= 0 ? 4 : (!m.cheque.isEmpty() || r < 75) ? 3 : 1;
            }
        }
    }

    void Numera() {
        std::stable_sort(movs_.begin(), movs_.end(), [](const Movto& x, const Movto& y) {
            return std::tie(x.fecha, x.cuenta, x.orden) < std::tie(y.fecha, y.cuenta, y.orden);
        });
        for (Movto& m : movs_) m.movimiento = ++n_.movimiento;
        // The general folio runs account by account, so it never equals the movement number by design.
        for (int ic = 0; ic < static_cast<int>(cuentas_.size()); ++ic)
            for (Movto& m : movs_)
                if (m.cuenta == ic) m.folGrl = ++n_.folGrl;
    }

    QString FolioConciliacion(const Cuenta& c, int mes) const {
        return c.numero + u'-' + PrimeroDe(mes).toString(QStringLiteral("yyMM"));
    }

    void Escribe() {
        auto ingreEgre = salida_.Tabla(QStringLiteral("tblIngreEgre"),
                                       {"MOVIMIENTO", "FOL_GRL", "NUM_CTA", "CON_GRL", "COD_CON", "FEC_MOV", "FEC_APLI",
                                        "FOL_MOV", "FOL_CHEQUE", "NOMBRE", "ACRE_PROV", "NOTAS", "IMP_MOV", "TIP_CAM",
                                        "COD_ESTATUS"});
        auto conciliaciones = salida_.Tabla(QStringLiteral("tblConciliaciones"),
                                            {"MOVIMIENTO", "FOL_CONCI", "CONCI_FOL", "NUM_CUENTA", "FEC_MOV", "FOL_MOV",
                                             "FOL_CHEQUE", "COD_CON", "IMP_INGR", "IMP_EGRE", "COD_ESTATUS"});
        for (const Movto& m : movs_) {
            const Cuenta& c = cuentas_[m.cuenta];
            ingreEgre.Agrega({m.movimiento, m.folGrl, c.numero, m.clase, m.concepto, m.fecha, m.aplica, m.folio, m.cheque,
                              m.nombre, m.acreedor, m.notas, m.importe, TipoDeCambio(c.moneda, m.fecha), m.estatus});
            if (!c.concilia) continue;
            const bool ingreso = m.clase == u"INGR";
            conciliaciones.Agrega({m.movimiento, FolioConciliacion(c, MesDe(m.fecha)),
                                   m.mesConcilia >= 0 ? FolioConciliacion(c, m.mesConcilia) : QString(), c.numero,
                                   m.fecha, m.folio, m.cheque, m.concepto, ingreso ? m.importe : Dinero{},
                                   ingreso ? Dinero{} : m.importe, m.estatus});
        }
        EscribeConciliaciones();
        EscribeReposiciones();
    }

    void EscribeConciliaciones() {
        auto encabezados = salida_.Tabla(QStringLiteral("tblConciliaEnc"),
                                         {"FOL_CONCI", "NUM_CUENTA", "FEC_INI", "FEC_FIN", "SAL_INI", "IMP_ING",
                                          "IMP_EGRE", "IMP_TRAN", "SAL_EDO", "CERRADA"});
        for (int ic = 0; ic < static_cast<int>(cuentas_.size()); ++ic) {
            const Cuenta& c = cuentas_[ic];
            if (!c.concilia) continue;
            Dinero saldo = c.saldoInicial;
            for (int mes = 0; mes < kMeses; ++mes) {
                Dinero ingresos, egresos, transito;
                for (const Movto& m : movs_) {
                    if (m.cuenta != ic || m.estatus == 2 || MesDe(m.fecha) > mes) continue;
                    const bool ingreso = m.clase == u"INGR";
                    if (MesDe(m.fecha) == mes) (ingreso ? ingresos : egresos) += m.importe;
                    if (m.mesConcilia < 0 || m.mesConcilia > mes) {  // not on the statement yet
                        if (ingreso) transito -= m.importe;
                        else transito += m.importe;
                    }
                }
                const Valor cerrada = mes <= kUltimoCerrado ? Valor(true)
                                      : (mes == kMeses - 1 && c.moneda != 1) ? Nulo : Valor(false);
                encabezados.Agrega({FolioConciliacion(c, mes), c.numero, PrimeroDe(mes), UltimoDe(mes), saldo, ingresos,
                                    egresos, transito, saldo + ingresos - egresos + transito, cerrada});
                saldo += ingresos - egresos;
            }
        }
    }

    void EscribeReposiciones() {
        auto documentos = salida_.Tabla(QStringLiteral("tblReposicionCaja"),
                                        {"FOL_DOC", "FOL_GRL", "FOL_CHEQUE", "FEC_DOC", "IMP_CHEQUE", "TOT_DOC"});
        auto renglones = salida_.Tabla(QStringLiteral("tblReposicionCajaMov"),
                                       {"FOL_DOC", "NUM_REN", "CON_MOV", "REF_MOV", "FEC_MOV", "IMP_MOV", "IMPTO_MOV",
                                        "POR_RETE", "RET_ISR"});
        std::vector<const Movto*> cheques;
        for (const Movto& m : movs_)
            if (m.reposicion >= 0) cheques.push_back(&m);
        std::sort(cheques.begin(), cheques.end(), [](const Movto* x, const Movto* y) { return x->reposicion < y->reposicion; });
        for (const Movto* m : cheques) {
            const Reposicion& doc = reposiciones_[static_cast<size_t>(m->reposicion)];
            documentos.Agrega({doc.folio, m->folGrl, m->cheque, m->fecha, doc.cheque, doc.total});
            int n = 0;
            for (const Renglon& r : doc.renglones)
                renglones.Agrega({doc.folio, ++n, r.concepto, r.referencia, r.fecha, r.importe, r.impuesto, r.retIva, r.retIsr});
        }
    }

    Salida& salida_;
    const Listas l_;
    const int bloque_;
    Contadores& n_;
    Aleatorio a_;
    std::vector<AcreedorDemo> acreedores_;
    std::vector<Cuenta> cuentas_;
    std::vector<Movto> movs_;
    std::vector<Reposicion> reposiciones_;
    int transferencias_ = 0;
};

}  // namespace

void GeneraTesoreria(Salida& salida, const TablasDemo& t, int bloque, const std::vector<AcreedorDemo>& acreedores,
                     Contadores& n) {
    Tesoreria(salida, t, bloque, acreedores, n).Genera();
}

}  // namespace demo
