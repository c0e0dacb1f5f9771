#pragma once
// Where generated rows go: one or more destinations (the SQLite database, the PostgreSQL script)
// receive exactly the same rows in the same order.
#include "demo/Esquema.h"
#include "demo/Valor.h"

#include <initializer_list>
#include <vector>

namespace demo {

class Destino {
public:
    virtual ~Destino() = default;
    virtual void Inicia(const Esquema& esquema) = 0;
    // A full row of table number `tabla`, in the schema's column order.
    virtual void Fila(int tabla, const std::vector<Valor>& fila) = 0;
    virtual void Termina() = 0;
};

class Salida;

// Rows of one table given in a column order of the generator's choosing; columns left out are NULL.
class EscritorTabla {
public:
    void Agrega(std::initializer_list<Valor> valores);

private:
    friend class Salida;
    EscritorTabla(Salida& salida, int tabla, std::vector<int> posiciones, size_t ancho)
        : salida_(&salida), tabla_(tabla), posiciones_(std::move(posiciones)), fila_(ancho) {}

    Salida* salida_;
    int tabla_;
    std::vector<int> posiciones_;
    std::vector<Valor> fila_;
};

class Salida {
public:
    Salida(const Esquema& esquema, std::vector<Destino*> destinos);

    void Inicia();
    void Termina();
    // ErrorDemo when the table or a column is not in the schema, or a value does not fit its column.
    EscritorTabla Tabla(const QString& tabla, std::initializer_list<const char*> columnas);

private:
    friend class EscritorTabla;
    void Entrega(int tabla, const std::vector<Valor>& fila);

    const Esquema& esquema_;
    std::vector<Destino*> destinos_;
};

}  // namespace demo
