#pragma once
// The host tables the component reads, parsed from the one neutral definition in data/esquema.txt
// and written out in the dialect of each engine.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace demo {

enum class Tipo { Texto, Entero, Corto, Fecha, Dinero, Doble, Logico };
enum class Dialecto { SQLite, PostgreSQL, MariaDB };

struct Columna {
    QString nombre;
    Tipo tipo = Tipo::Texto;
    int longitud = 0;  // texts only
};

struct Tabla {
    QString nombre;
    std::vector<Columna> columnas;
    QStringList clave;

    int Posicion(const QString& columna) const;  // -1 when absent; names compared without case
};

struct IndiceSecundario {
    QString tabla;
    QStringList columnas;

    QString Nombre() const;  // ix_<table>_<columns>, unique in the database
};

class Esquema {
public:
    static Esquema Lee(const QByteArray& texto);  // ErrorDemo on a malformed line
    static const Esquema& DelSistema();           // the definition built into the program

    const std::vector<Tabla>& tablas() const { return tablas_; }
    const std::vector<IndiceSecundario>& indices() const { return indices_; }
    int PosicionTabla(const QString& tabla) const;  // -1 when absent

    QStringList CreaTablas(Dialecto d) const;
    QStringList CreaIndices(Dialecto d) const;

private:
    std::vector<Tabla> tablas_;
    std::vector<IndiceSecundario> indices_;
};

QString TipoSql(const Columna& c, Dialecto d);

}  // namespace demo
