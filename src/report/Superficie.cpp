#include "report/Superficie.h"

#include "report/EmfEscritor.h"
#include "report/EmfLector.h"
#include "report/SuperficieArchivos.h"
#include "report/TablaTextos.h"
#include "vb/ErrorEjecucion.h"

#include <algorithm>

namespace report {

namespace {

constexpr int32_t ZoomMinimo = 30;
constexpr int32_t ZoomMaximo = 200;
constexpr int32_t AccionNinguna = 0;
constexpr int32_t AccionImprimir = 2;

[[noreturn]] void LanzaLlamadaNoValida() { throw vb::ErrorEjecucion(vb::errores::LlamadaNoValida); }
[[noreturn]] void LanzaValorNoValido() {
    throw vb::ErrorEjecucion(vb::errores::ValorDePropiedadNoValido);
}

// Colours travel as 0x00BBGGRR; the high byte of a Long colour is not a colour component, except
// that a set high bit names a colour of the system's palette (0x80000011 is grey text), which the
// page takes as the desktop's default for it.
uint32_t ColorRgb(int32_t color) {
    const auto valor = static_cast<uint32_t>(color);
    if ((valor & 0x80000000u) == 0) return valor & 0xFFFFFFu;
    switch (valor & 0xFFu) {
    case 0x05: return 0xFFFFFF;  // window background
    case 0x0F: return 0xF0F0F0;  // button face
    case 0x10: return 0xA0A0A0;  // button shadow
    case 0x11: return 0x6D6D6D;  // grey text
    default: return 0;           // text and frames
    }
}

}  // namespace

Superficie::Superficie(PuertoImpresion* impresora) : impresora_(impresora) {}

void Superficie::StartDoc() {
    textos_ = std::make_shared<TablaTextos>();
    paginas_.assign(1, Pagina(textos_));
    actual_ = 0;
    abierto_ = true;
    previewPage_ = 1;
}

void Superficie::EndDoc() {
    if (abierto_) cierraPagina();
    abierto_ = false;
}

void Superficie::ReopenPage(int32_t pagina) {
    if (pagina < 1 || static_cast<std::size_t>(pagina) > paginas_.size()) LanzaLlamadaNoValida();
    if (abierto_) cierraPagina();
    actual_ = static_cast<std::size_t>(pagina - 1);
    abierto_ = true;
}

void Superficie::NewPage() {
    if (!abierto_) LanzaLlamadaNoValida();
    cierraPagina();
    paginas_.emplace_back(textos_);
    actual_ = paginas_.size() - 1;
}

// A finished page keeps no spare room.
void Superficie::cierraPagina() { paginas_[actual_].Ajusta(); }

Pagina& Superficie::paginaActual() {
    if (!abierto_) LanzaLlamadaNoValida();
    return paginas_[actual_];
}

void Superficie::PrintText(int32_t x, int32_t y, const QString& texto) {
    Pagina& pagina = paginaActual();
    pagina.Agrega(Texto{x, y, texto, ColorRgb(atributos_.foreColor), atributos_.fontBold, atributos_.fontSize.valor(),
                        atributos_.textAlign});
}

void Superficie::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Pagina& pagina = paginaActual();
    pagina.Agrega(Linea{x1, y1, x2, y2, ColorRgb(atributos_.foreColor)});
}

void Superficie::DrawRule(int32_t x, int32_t y, int32_t ancho, int32_t alto) {
    Pagina& pagina = paginaActual();
    // The page file stores the far corner, so it must be a 32-bit position too.
    const int64_t derecha = int64_t{x} + ancho;
    const int64_t abajo = int64_t{y} + alto;
    if (derecha < INT32_MIN || derecha > INT32_MAX || abajo < INT32_MIN || abajo > INT32_MAX) vb::LanzaDesbordamiento();
    pagina.Agrega(Regla{x, y, ancho, alto});
}

void Superficie::MarkLine(ClaseRenglon clase, int16_t nivel, const QString& grupo, const QString& clave,
                          const QString& nombre) {
    QString claveSola = clave;  // a separator inside the key would shift the name
    claveSola.replace(QChar(SeparadorCampos), u' ');
    paginaActual().Agrega(Marca{clase, nivel, UneCampos({grupo, claveSola, nombre})});
}

void Superficie::MarkValue(const QString& columna, TipoDato tipo, const QString& valor) {
    paginaActual().AgregaDato(tipo, columna, valor);
}

void Superficie::MarkValue(const QString& columna, const vb::Currency& importe) {
    MarkValue(columna, TipoDato::Importe, importe.ATexto());
}

void Superficie::MarkValue(const QString& columna, const QDate& fecha) {
    MarkValue(columna, TipoDato::Fecha, fecha.toString(Qt::ISODate));
}

void Superficie::BeginGroup() { grupos_.push_back(atributos_); }

void Superficie::EndGroup() {
    if (grupos_.empty()) return;
    atributos_ = grupos_.back();
    grupos_.pop_back();
}

void Superficie::SavePage(const QString& archivo, vb::Integer pagina) const {
    GrabaArchivo(archivo, PageData(pagina));
}

QByteArray Superficie::PageData(vb::Integer pagina) const {
    if (pagina < 1 || pagina > static_cast<int32_t>(paginas_.size())) LanzaLlamadaNoValida();
    return EscribeEmf(paginas_[static_cast<std::size_t>(pagina - 1)]);
}

void Superficie::LoadPage(const QString& archivo) {
    paginaActual();
    LoadPageData(LeeArchivo(archivo));
}

void Superficie::LoadPageData(const QByteArray& datos) {
    Pagina& pagina = paginaActual();
    Pagina leida = LeeEmf(std::span<const char>(datos.constData(), static_cast<std::size_t>(datos.size())));
    for (const Registro& r : leida) pagina.Agrega(r);
}

void Superficie::RefreshPreview() { avisaVista(); }

void Superficie::avisaVista() {
    if (VistaCambiada) VistaCambiada();
}

void Superficie::FontSize(vb::Integer puntos) {
    if (puntos < 1) LanzaValorNoValido();
    atributos_.fontSize = puntos;
}

void Superficie::TextAlign(int32_t alineacion) {
    if (alineacion != AlineaIzquierda && alineacion != AlineaDerecha)
        LanzaValorNoValido();
    atributos_.textAlign = alineacion;
}

void Superficie::Action(int32_t accion) {
    if (accion != AccionNinguna && accion != AccionImprimir) LanzaValorNoValido();
    action_ = accion;
    if (accion == AccionImprimir) {
        if (!impresora_) throw vb::ErrorEjecucion(vb::errores::ErrorDeImpresora, QStringLiteral("Error de impresora: no hay una impresora disponible"));
        impresora_->ImprimeDocumento(paginas_);
    }
}

void Superficie::PreviewPage(vb::Integer pagina) {
    const int32_t ultima = std::max<int32_t>(1, static_cast<int32_t>(paginas_.size()));
    previewPage_ = std::clamp<int32_t>(pagina, 1, ultima);
}

void Superficie::Zoom(vb::Integer porcentaje) {
    zoom_ = std::clamp<int32_t>(porcentaje, ZoomMinimo, ZoomMaximo);
    avisaVista();
}

}  // namespace report
