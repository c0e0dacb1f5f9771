#pragma once
// The demo company: catalogs once, then one block of creditors, expenses, bank accounts and their
// movements for every unit of scale. Each block draws from random streams of its own, so block 0
// is the same whatever the scale.
#include "demo/Salida.h"
#include "demo/TablasDemo.h"

#include <QDate>
#include <QString>
#include <vector>

namespace demo {

struct ParametrosDemo {
    int escala = 1;
    QDate hoy;  // only the due dates of the open balances that fall due later depend on it
};

// Movements fall between these two dates whatever the day the demo is generated.
QDate InicioDatos();
QDate FinDatos();

struct AcreedorDemo {
    QString codigo;
    QString nombre;
    bool esAcreedor = true;
};

// Sequences shared by all blocks.
struct Contadores {
    int64_t numMov = 0;      // tblGastosEnc.NUM_MOV
    int64_t movimiento = 0;  // tblIngreEgre.MOVIMIENTO
    int64_t folGrl = 0;      // tblIngreEgre.FOL_GRL
    int acreedor = 0;        // ACRnnnn codes
    int proveedor = 0;       // PRVnnnn codes
    int reposicion = 0;      // RC-yyyy-nnnn folios
};

void GeneraEmpresa(Salida& salida, const ParametrosDemo& p);

// Parts of GeneraEmpresa, one file each.
void GeneraCatalogos(Salida& salida, const TablasDemo& t);
std::vector<AcreedorDemo> GeneraAcreedores(Salida& salida, const TablasDemo& t, const ParametrosDemo& p, int bloque,
                                           Contadores& n);
void GeneraTesoreria(Salida& salida, const TablasDemo& t, int bloque, const std::vector<AcreedorDemo>& acreedores,
                     Contadores& n);

// Helpers shared by the parts.
Valor CampoONulo(const QString& campo);  // "~" is NULL
QString SinAcentos(const QString& s);    // plain ASCII letters, for e-mail addresses
QString Digitos(class Aleatorio& a, int cuantos);

}  // namespace demo
