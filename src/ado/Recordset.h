#pragma once
// Recordset, Fields and Field as the component uses them: rows of a query read forward, and
// disconnected option lists built in memory (Fields.Append, AddNew, Update, Delete).
#include "vb/Variant.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <memory>

namespace ado {

class Connection;
namespace detalle { struct DatosRecordset; }

// One column of the current row. A Field is a view into its recordset and must not outlive it.
class Field {
public:
    QString Name() const;
    int Type() const;         // ADO DataTypeEnum (ado/TiposCampo.h)
    int DefinedSize() const;  // as appended; 0 for query columns

    // The current row's value: 3021 at BOF/EOF or on a deleted record; 3219 when closed.
    vb::Variant Value() const;
    // Only on disconnected recordsets (3251 otherwise); converted to the field's type. Text
    // longer than the defined size raises -2147217887.
    void Value(const vb::Variant& valor);

private:
    friend class Fields;
    Field(detalle::DatosRecordset* d, int i) : d_(d), i_(i) {}
    detalle::DatosRecordset* d_;
    int i_;
};

class Fields {
public:
    int Count() const;
    // By position from 0, or by name without regard to case; 3265 when there is no such field.
    Field Item(int indice) const;
    Field Item(QStringView nombre) const;
    Field Item(const char* nombre) const;  // ASCII names
    Field operator[](int indice) const { return Item(indice); }
    Field operator[](QStringView nombre) const { return Item(nombre); }
    Field operator[](const char* nombre) const { return Item(nombre); }

    // Defines a field of a disconnected recordset before it is opened (3219 once open).
    void Append(const QString& nombre, int tipo, int tamanoDefinido = 0, int atributos = -1);

private:
    friend class Recordset;
    explicit Fields(detalle::DatosRecordset* d) : d_(d) {}
    detalle::DatosRecordset* d_;
};

// A shared handle, like an object reference: copies see the same rows and position.
class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&);
    Recordset& operator=(const Recordset&);
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    int State() const;  // 0 closed, 1 open

    int CursorLocation() const;
    void CursorLocation(int ubicacion);  // 2 server (default), 3 client

    // Runs `fuente` (one SELECT) on the open connection. Rows are read forward as the caller
    // moves; MoveFirst after moving runs the query again. 3705 when already open, 3709 when
    // the connection is closed.
    void Open(const QString& fuente, Connection& conexion, int tipoCursor = -1, int tipoBloqueo = -1, int opciones = -1);
    // Opens an empty disconnected recordset with the appended fields.
    void Open();
    void Close();

    bool BOF() const;
    bool EOF_() const;  // the runtime's EOF; C's EOF macro claims the plain name
    void MoveFirst();
    void MoveNext();  // 3021 at EOF

    void AddNew();  // disconnected only: appends a record of Nulls and makes it current
    void Update();
    void Delete();  // the record stays current, unreadable, until the next move

    ado::Fields Fields() const { return ado::Fields(d_.get()); }
    Field Fields(int indice) const { return Fields().Item(indice); }
    Field Fields(QStringView nombre) const { return Fields().Item(nombre); }
    Field Fields(const char* nombre) const { return Fields().Item(nombre); }

private:
    std::shared_ptr<detalle::DatosRecordset> d_;
};

// Rows the queries of every connection have read since the process started.
int64_t FilasLeidas();
// `aviso` is called once every FilasPorAviso rows read; what it throws comes out of the Open or
// MoveNext that read the row, so a long run can be followed and stopped. Empty: nobody is told.
inline constexpr int64_t FilasPorAviso = 256;
void AlLeerFilas(std::function<void()> aviso);

// Queries sent to the engines since the process started (a MoveFirst that runs a query again is
// one more), and, once MideConsultas(true) was called, the time spent in them: running them and
// reading their rows. Off by default so a run pays no clock reads.
struct MedidaConsultas {
    int64_t consultas = 0;
    int64_t nanosegundos = 0;
};
MedidaConsultas Consultas();
void MideConsultas(bool medir);

}  // namespace ado
