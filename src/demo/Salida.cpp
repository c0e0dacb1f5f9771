#include "demo/Salida.h"

#include "demo/ErrorDemo.h"

namespace demo {

namespace {

// A value must suit its column, or the two engines would store different things.
bool Conviene(const Valor& v, const Columna& c) {
    return std::visit(
        [&](const auto& x) {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return true;
            else if constexpr (std::is_same_v<T, QString>) return c.tipo == Tipo::Texto && x.size() <= c.longitud;
            else if constexpr (std::is_same_v<T, int64_t>) return c.tipo == Tipo::Entero || c.tipo == Tipo::Corto;
            else if constexpr (std::is_same_v<T, QDate>) return c.tipo == Tipo::Fecha;
            else if constexpr (std::is_same_v<T, Dinero>) return c.tipo == Tipo::Dinero;
            else if constexpr (std::is_same_v<T, Doble>) return c.tipo == Tipo::Doble;
            else return c.tipo == Tipo::Logico;
        },
        v.v());
}

}  // namespace

void EscritorTabla::Agrega(std::initializer_list<Valor> valores) {
    const Tabla& t = salida_->esquema_.tablas()[tabla_];
    if (valores.size() != posiciones_.size())
        throw ErrorDemo(QStringLiteral("%1: %2 valores para %3 columnas").arg(t.nombre).arg(valores.size()).arg(posiciones_.size()));
    for (Valor& v : fila_) v = Nulo;
    size_t i = 0;
    for (const Valor& v : valores) {
        const int p = posiciones_[i++];
        if (!Conviene(v, t.columnas[p]))
            throw ErrorDemo(QStringLiteral("%1.%2: valor que no corresponde a la columna").arg(t.nombre, t.columnas[p].nombre));
        fila_[p] = v;
    }
    salida_->Entrega(tabla_, fila_);
}

Salida::Salida(const Esquema& esquema, std::vector<Destino*> destinos)
    : esquema_(esquema), destinos_(std::move(destinos)) {}

void Salida::Inicia() {
    for (Destino* d : destinos_) d->Inicia(esquema_);
}

void Salida::Termina() {
    for (Destino* d : destinos_) d->Termina();
}

EscritorTabla Salida::Tabla(const QString& tabla, std::initializer_list<const char*> columnas) {
    const int t = esquema_.PosicionTabla(tabla);
    if (t < 0) throw ErrorDemo(QStringLiteral("Tabla desconocida: %1").arg(tabla));
    const demo::Tabla& def = esquema_.tablas()[t];
    std::vector<int> posiciones;
    for (const char* c : columnas) {
        const int p = def.Posicion(QString::fromLatin1(c));
        if (p < 0) throw ErrorDemo(QStringLiteral("Columna desconocida: %1.%2").arg(tabla, QString::fromLatin1(c)));
        posiciones.push_back(p);
    }
    return EscritorTabla(*this, t, std::move(posiciones), def.columnas.size());
}

void Salida::Entrega(int tabla, const std::vector<Valor>& fila) {
    for (Destino* d : destinos_) d->Fila(tabla, fila);
}

}  // namespace demo
