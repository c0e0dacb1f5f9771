#include "ado/Recordset.h"

#include "ado/Connection.h"
#include "ado/Errores.h"
#include "ado/Proveedor.h"
#include "ado/TiposCampo.h"

#include <chrono>
#include <vector>

namespace ado {
namespace detalle {
namespace {

int64_t filasLeidas = 0;
std::function<void()> avisoDeFilas;

void FilaLeida() {
    if (++filasLeidas % FilasPorAviso == 0 && avisoDeFilas) avisoDeFilas();
}

MedidaConsultas medida;
bool midiendo = false;

// Adds the time `paso` spends in the engine to the measure, when measuring.
template <typename F>
auto EnMotor(F&& paso) {
    if (!midiendo) return paso();
    const auto inicio = std::chrono::steady_clock::now();
    struct Suma {
        std::chrono::steady_clock::time_point inicio;
        ~Suma() { medida.nanosegundos += (std::chrono::steady_clock::now() - inicio).count(); }
    } suma{inicio};
    return paso();
}

}  // namespace

struct DefinicionCampo {
    QString nombre;
    int tipo;
    int tamano;
};

struct DatosRecordset {
    bool abierto = false;
    int ubicacion = 2;
    std::vector<DefinicionCampo> campos;

    // Query rows: the statement and how far it has been read.
    std::unique_ptr<Cursor> cursor;
    int64_t fila = 0;  // rows moved past since the first

    // Disconnected rows.
    std::vector<std::vector<vb::Variant>> filas;
    size_t pos = 0;
    bool actualBorrado = false;

    bool bof = true;
    bool eof = true;

    bool Conectado() const { return cursor != nullptr; }

    // Open and still readable (a closed connection takes its statements with it).
    void ExigeAbierto() const {
        if (!abierto || (cursor && !cursor->Vivo())) LanzaCerrado();
    }
    void ExigeRegistroActual() const {
        ExigeAbierto();
        if (bof || eof || actualBorrado) LanzaSinRegistroActual();
    }
    void ExigeDesconectado() const {
        ExigeAbierto();
        if (Conectado()) LanzaNoActualizable();
    }

    template <class Nombre> int Busca(Nombre nombre) const {
        // Exact spelling first (how the component writes names), then without regard to case.
        for (size_t i = 0; i < campos.size(); ++i)
            if (QStringView(campos[i].nombre).compare(nombre, Qt::CaseSensitive) == 0) return int(i);
        for (size_t i = 0; i < campos.size(); ++i)
            if (QStringView(campos[i].nombre).compare(nombre, Qt::CaseInsensitive) == 0) return int(i);
        LanzaCampoNoEncontrado();
    }
};

namespace {

bool EsTexto(int tipo) {
    return tipo == tipos::adVarWChar || tipo == tipos::adWChar || tipo == tipos::adLongVarWChar
           || tipo == tipos::adVarChar || tipo == tipos::adChar || tipo == tipos::adLongVarChar;
}

// The value a field of this type holds after an assignment, as the runtime converts it.
vb::Variant Convierte(const vb::Variant& v, const DefinicionCampo& c) {
    if (v.IsNull() || v.IsEmpty()) return vb::Variant::Null();
    switch (c.tipo) {
    case tipos::adSmallInt:
    case tipos::adTinyInt: return vb::Variant(int32_t(v.CInt()));
    case tipos::adInteger:
    case tipos::adBigInt: return vb::Variant(v.CLng());
    case tipos::adSingle:
    case tipos::adDouble: return vb::Variant(v.CDbl());
    case tipos::adCurrency:
    case tipos::adNumeric:
    case tipos::adDecimal: return vb::Variant(v.CCur());
    case tipos::adDate:
    case tipos::adDBDate:
    case tipos::adDBTimeStamp: return vb::Variant(v.CDate());
    case tipos::adBoolean: return vb::Variant(v.CBool());
    default: break;
    }
    if (EsTexto(c.tipo)) {
        QString t = v.CStr();
        if (c.tamano > 0 && t.size() > c.tamano) LanzaValorNoAdmitido();
        return vb::Variant(std::move(t));
    }
    return v;
}

}  // namespace
}  // namespace detalle

using detalle::DatosRecordset;

// ---- Field

QString Field::Name() const { return d_->campos[i_].nombre; }

int Field::Type() const { return d_->campos[i_].tipo; }

int Field::DefinedSize() const { return d_->campos[i_].tamano; }

vb::Variant Field::Value() const {
    d_->ExigeRegistroActual();
    if (d_->Conectado()) return d_->cursor->Valor(i_);
    return d_->filas[d_->pos][i_];
}

void Field::Value(const vb::Variant& valor) {
    d_->ExigeDesconectado();
    d_->ExigeRegistroActual();
    d_->filas[d_->pos][i_] = detalle::Convierte(valor, d_->campos[i_]);
}

// ---- Fields

int Fields::Count() const { return int(d_->campos.size()); }

Field Fields::Item(int indice) const {
    if (indice < 0 || indice >= Count()) LanzaCampoNoEncontrado();
    return Field(d_, indice);
}

Field Fields::Item(QStringView nombre) const { return Field(d_, d_->Busca(nombre)); }

Field Fields::Item(const char* nombre) const { return Field(d_, d_->Busca(QLatin1StringView(nombre))); }

void Fields::Append(const QString& nombre, int tipo, int tamanoDefinido, int /*atributos*/) {
    if (d_->abierto) LanzaCerrado();
    for (const auto& c : d_->campos)
        if (c.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            throw vb::ErrorEjecucion(3367, QStringLiteral("El objeto ya está en la colección; no se puede agregar"));
    d_->campos.push_back({nombre, tipo, tamanoDefinido});
}

// ---- Recordset

Recordset::Recordset() : d_(std::make_shared<DatosRecordset>()) {}
Recordset::~Recordset() = default;
Recordset::Recordset(const Recordset&) = default;
Recordset& Recordset::operator=(const Recordset&) = default;
// A moved-from handle still refers to the same recordset, as a copied reference would.
Recordset::Recordset(Recordset&& o) noexcept : d_(o.d_) {}
Recordset& Recordset::operator=(Recordset&& o) noexcept {
    d_ = o.d_;
    return *this;
}

int Recordset::State() const { return d_->abierto && (!d_->cursor || d_->cursor->Vivo()) ? 1 : 0; }

int Recordset::CursorLocation() const { return d_->ubicacion; }

void Recordset::CursorLocation(int ubicacion) {
    if (d_->abierto) LanzaAbierto();
    d_->ubicacion = ubicacion;
}

void Recordset::Open(const QString& fuente, Connection& conexion, int, int, int) {
    if (d_->abierto) LanzaAbierto();
    if (!conexion.sesion_) LanzaConexionNoValida();
    ++detalle::medida.consultas;
    auto cursor = detalle::EnMotor([&] { return conexion.sesion_->Ejecuta(fuente); });
    std::vector<detalle::DefinicionCampo> campos;
    campos.reserve(cursor->NumCampos());
    for (int i = 0; i < cursor->NumCampos(); ++i) campos.push_back({cursor->NombreCampo(i), cursor->TipoCampo(i), 0});
    const bool hayFila = detalle::EnMotor([&] { return cursor->Avanza(); });
    d_->campos = std::move(campos);
    d_->cursor = std::move(cursor);
    d_->filas.clear();
    d_->fila = 0;
    d_->actualBorrado = false;
    d_->bof = d_->eof = !hayFila;
    d_->abierto = true;
    if (hayFila) detalle::FilaLeida();
}

Adelanto::Adelanto(Connection& conexion, const QStringList& consultas) : sesion_(conexion.sesion_) {
    if (sesion_) detalle::EnMotor([&] { sesion_->Adelanta(consultas); });
}

Adelanto::~Adelanto() {
    if (sesion_) sesion_->OlvidaAdelantos();
}

void Recordset::Open() {
    if (d_->abierto) LanzaAbierto();
    if (d_->campos.empty()) LanzaCerrado();
    d_->filas.clear();
    d_->pos = 0;
    d_->actualBorrado = false;
    d_->bof = d_->eof = true;
    d_->abierto = true;
}

void Recordset::Close() {
    if (!d_->abierto) LanzaCerrado();
    d_->abierto = false;
    if (d_->cursor) {
        d_->cursor.reset();
        d_->campos.clear();  // a query's fields go with it; appended ones stay for the next Open
    }
    d_->filas.clear();
    d_->bof = d_->eof = true;
}

bool Recordset::BOF() const {
    d_->ExigeAbierto();
    return d_->bof;
}

bool Recordset::EOF_() const {
    d_->ExigeAbierto();
    return d_->eof;
}

void Recordset::MoveFirst() {
    d_->ExigeAbierto();
    if (d_->Conectado()) {
        if (d_->fila == 0) return;  // still on the first row, or there are none
        ++detalle::medida.consultas;
        detalle::EnMotor([&] { d_->cursor->Reinicia(); });
        d_->fila = 0;
        d_->bof = d_->eof = !detalle::EnMotor([&] { return d_->cursor->Avanza(); });
        return;
    }
    d_->pos = 0;
    d_->actualBorrado = false;
    d_->bof = d_->eof = d_->filas.empty();
}

void Recordset::MoveNext() {
    d_->ExigeAbierto();
    if (d_->eof) LanzaSinRegistroActual();
    d_->bof = false;
    if (d_->Conectado()) {
        ++d_->fila;
        d_->eof = !detalle::EnMotor([&] { return d_->cursor->Avanza(); });
        if (!d_->eof) detalle::FilaLeida();
        return;
    }
    if (d_->actualBorrado) d_->actualBorrado = false;  // the next record moved into this place
    else ++d_->pos;
    d_->eof = d_->pos >= d_->filas.size();
}

void Recordset::AddNew() {
    d_->ExigeDesconectado();
    d_->filas.emplace_back(d_->campos.size(), vb::Variant::Null());
    d_->pos = d_->filas.size() - 1;
    d_->actualBorrado = false;
    d_->bof = d_->eof = false;
}

void Recordset::Update() { d_->ExigeDesconectado(); }

void Recordset::Delete() {
    d_->ExigeDesconectado();
    d_->ExigeRegistroActual();
    d_->filas.erase(d_->filas.begin() + qsizetype(d_->pos));
    d_->actualBorrado = true;
}

int64_t FilasLeidas() { return detalle::filasLeidas; }

void AlLeerFilas(std::function<void()> aviso) { detalle::avisoDeFilas = std::move(aviso); }

MedidaConsultas Consultas() { return detalle::medida; }

void MideConsultas(bool medir) { detalle::midiendo = medir; }

}  // namespace ado
