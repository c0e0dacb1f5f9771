#include "report/EmfEscritor.h"

#include "report/EmfMetricas.h"
#include "report/MarcaEmf.h"
#include "vb/ErrorEjecucion.h"

#include <uemf.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace report {

namespace {

constexpr int32_t SinMemoria = 7;
// The reference device is a 1440-dpi sheet of whole millimetres, so one device pixel is one
// twip on both axes for readers that scale by the device's millimetre size.
constexpr int32_t MilimetrosAncho = 216;
constexpr int32_t MilimetrosAlto = 279;
constexpr int32_t PixelesAncho = 12246;  // 216 mm at 1440 dpi
constexpr int32_t PixelesAlto = 15817;   // 279 mm at 1440 dpi
constexpr int32_t CentesimasMmAnchoHoja = 21590;  // 8.5 x 11 inches
constexpr int32_t CentesimasMmAltoHoja = 27940;
constexpr float CentesimasDeMmPorTwip = 2540.0f / 1440.0f;

[[noreturn]] void LanzaSinMemoria() { throw vb::ErrorEjecucion(SinMemoria, QStringLiteral("Memoria insuficiente")); }

U_COLORREF Colorref(uint32_t color) {
    return U_COLORREF{static_cast<uint8_t>(color & 0xFF), static_cast<uint8_t>((color >> 8) & 0xFF),
                      static_cast<uint8_t>((color >> 16) & 0xFF), 0};
}

int32_t Acota(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

U_RECTL Rectangulo(int64_t izquierda, int64_t arriba, int64_t derecha, int64_t abajo) {
    return U_RECTL{Acota(izquierda), Acota(arriba), Acota(derecha), Acota(abajo)};
}

// The metafile under construction and its object table; both belong to libUEMF's allocator.
class Metarchivo {
public:
    Metarchivo() {
        et_ = static_cast<EMFTRACK*>(std::malloc(sizeof(EMFTRACK)));
        if (!et_) LanzaSinMemoria();
        *et_ = EMFTRACK{};
        et_->allocated = 4096;
        et_->chunk = 4096;
        et_->buf = static_cast<char*>(std::malloc(et_->allocated));
        if (!et_->buf || emf_htable_create(32, 32, &eht_) != 0) {
            std::free(et_->buf);
            std::free(et_);
            LanzaSinMemoria();
        }
    }
    ~Metarchivo() {
        emf_free(&et_);
        emf_htable_free(&eht_);
    }
    Metarchivo(const Metarchivo&) = delete;
    Metarchivo& operator=(const Metarchivo&) = delete;

    EMFHANDLES* objetos() { return eht_; }

    void agrega(char* registro) {
        if (!registro) LanzaSinMemoria();
        const int estado = emf_append(reinterpret_cast<U_ENHMETARECORD*>(registro), et_, 0);
        std::free(registro);
        if (estado != 0) LanzaSinMemoria();
    }

    // Fills in the header fields known only at the end and hands the bytes over.
    QByteArray termina() {
        auto* cabecera = reinterpret_cast<U_EMRHEADER*>(et_->buf);
        cabecera->nBytes = static_cast<uint32_t>(et_->used);
        cabecera->nRecords = et_->records;
        cabecera->nHandles = static_cast<uint16_t>(eht_->peak + 1);
        cabecera->nPalEntries = et_->PalEntries;
        return QByteArray(et_->buf, static_cast<qsizetype>(et_->used));
    }

    EMFTRACK* pista() { return et_; }

private:
    EMFTRACK* et_ = nullptr;
    EMFHANDLES* eht_ = nullptr;
};

// Emits each drawing state change only when a record needs it, and keeps one object per
// distinct font and pen for the whole page.
class Escritor {
public:
    Escritor() {
        const U_RECTL limites{0, 0, AnchoHoja - 1, AltoHoja - 1};
        const U_RECTL marco{0, 0, CentesimasMmAnchoHoja - 1, CentesimasMmAltoHoja - 1};
        emf_.agrega(U_EMRHEADER_set(limites, marco, nullptr, 0, nullptr, U_SIZEL{PixelesAncho, PixelesAlto},
                                    U_SIZEL{MilimetrosAncho, MilimetrosAlto}, 0));
        emf_.agrega(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        emf_.agrega(U_EMRSETWINDOWEXTEX_set(U_SIZEL{AnchoHoja, AltoHoja}));
        emf_.agrega(U_EMRSETWINDOWORGEX_set(U_POINTL{-OrigenX, -OrigenY}));
        emf_.agrega(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{AnchoHoja, AltoHoja}));
        emf_.agrega(U_EMRSETVIEWPORTORGEX_set(U_POINTL{0, 0}));
        emf_.agrega(U_EMRSETBKMODE_set(U_TRANSPARENT));
    }

    void operator()(const Texto& t) {
        seleccionaFuente(t.tamano, t.negrita);
        if (colorTexto_ != t.color) {
            emf_.agrega(U_EMRSETTEXTCOLOR_set(Colorref(t.color)));
            colorTexto_ = t.color;
        }
        if (alineacion_ != t.alineacion) {
            const uint32_t modo = U_TA_TOP | U_TA_NOUPDATECP | (t.alineacion == AlineaDerecha ? U_TA_RIGHT : U_TA_LEFT);
            emf_.agrega(U_EMRSETTEXTALIGN_set(modo));
            alineacion_ = t.alineacion;
        }

        std::vector<uint32_t> avances = AvancesTexto(t.texto, t.tamano, t.negrita);
        int64_t ancho = 0;
        for (uint32_t a : avances) ancho += a;
        const int64_t izquierda = t.alineacion == AlineaDerecha ? int64_t{t.x} - ancho : int64_t{t.x};
        const int64_t alto = AltoLinea(t.tamano);
        const U_RECTL caja = Rectangulo(izquierda, t.y, izquierda + ancho, int64_t{t.y} + alto);
        const U_RECTL enDispositivo = Rectangulo(izquierda + OrigenX, int64_t{t.y} + OrigenY,
                                                 izquierda + ancho + OrigenX, int64_t{t.y} + alto + OrigenY);

        uint32_t sinAvances = 0;  // libUEMF wants an advance array even for an empty text
        // libUEMF copies the units into the record and never writes through the pointer.
        void* unidades = const_cast<char16_t*>(reinterpret_cast<const char16_t*>(t.texto.utf16()));
        char* texto = emrtext_set(U_POINTL{t.x, t.y}, static_cast<U_NUM_STR>(t.texto.size()), 2, unidades,
                                  U_ETO_NONE, caja, avances.empty() ? &sinAvances : avances.data());
        if (!texto) LanzaSinMemoria();
        char* registro = U_EMREXTTEXTOUTW_set(enDispositivo, U_GM_COMPATIBLE, CentesimasDeMmPorTwip,
                                              CentesimasDeMmPorTwip, reinterpret_cast<PU_EMRTEXT>(texto));
        std::free(texto);
        emf_.agrega(registro);
    }

    void operator()(const Linea& l) {
        seleccionaPluma(l.color);
        emf_.agrega(U_EMRMOVETOEX_set(U_POINTL{l.x1, l.y1}));
        emf_.agrega(U_EMRLINETO_set(U_POINTL{l.x2, l.y2}));
    }

    void operator()(const Regla& r) {
        if (plumaSeleccionada_ != U_NULL_PEN) {
            emf_.agrega(selectobject_set(U_NULL_PEN, emf_.objetos()));
            plumaSeleccionada_ = U_NULL_PEN;
        }
        if (!brochaRegla_) {
            uint32_t brocha = 0;
            const U_LOGBRUSH relleno{U_BS_SOLID, Colorref(ColorRegla), 0};
            emf_.agrega(createbrushindirect_set(&brocha, emf_.objetos(), relleno));
            emf_.agrega(selectobject_set(brocha, emf_.objetos()));
            brochaRegla_ = brocha;
        }
        emf_.agrega(U_EMRRECTANGLE_set(Rectangulo(r.x, r.y, int64_t{r.x} + r.ancho, int64_t{r.y} + r.alto)));
    }

    void operator()(const Marca& r) { comentario(MarcaEmf::Renglon, static_cast<uint8_t>(r.clase), r.nivel, r.campos); }
    void operator()(const Dato& d) { comentario(MarcaEmf::Dato, static_cast<uint8_t>(d.tipo), 0, d.campos); }

    QByteArray termina() {
        emf_.agrega(U_EMREOF_set(0, nullptr, emf_.pista()));
        return emf_.termina();
    }

private:
    // A mark as a private comment record, which other readers skip.
    void comentario(char tipo, uint8_t clase, int16_t nivel, const QString& campos) {
        const uint32_t unidades = static_cast<uint32_t>(campos.size());
        QByteArray datos(MarcaEmf::Cabecera + 2 * qsizetype(unidades), Qt::Uninitialized);
        std::memcpy(datos.data(), MarcaEmf::Firma, 4);
        datos[4] = tipo;
        datos[5] = static_cast<char>(clase);
        std::memcpy(datos.data() + 6, &nivel, sizeof nivel);
        std::memcpy(datos.data() + 8, &unidades, sizeof unidades);
        std::memcpy(datos.data() + MarcaEmf::Cabecera, campos.utf16(), 2 * std::size_t(unidades));
        emf_.agrega(U_EMRCOMMENT_set(static_cast<U_CBDATA>(datos.size()), datos.constData()));
    }

    void seleccionaFuente(int16_t tamano, bool negrita) {
        const std::pair clave{tamano, negrita};
        if (fuenteSeleccionada_ == clave) return;
        auto it = fuentes_.find(clave);
        if (it == fuentes_.end()) {
            std::u16string familia(FamiliaFuente);
            familia.resize(U_LF_FACESIZE, u'\0');
            U_LOGFONT fuente = logfont_set(-int32_t{tamano} * 20, 0, 0, 0, negrita ? U_FW_BOLD : U_FW_NORMAL, 0, 0, 0,
                                           U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS,
                                           U_DEFAULT_QUALITY, U_VARIABLE_PITCH | U_FF_SWISS,
                                           reinterpret_cast<uint16_t*>(familia.data()));
            uint32_t objeto = 0;
            emf_.agrega(extcreatefontindirectw_set(&objeto, emf_.objetos(), reinterpret_cast<const char*>(&fuente), nullptr));
            it = fuentes_.emplace(clave, objeto).first;
        }
        emf_.agrega(selectobject_set(it->second, emf_.objetos()));
        fuenteSeleccionada_ = clave;
    }

    void seleccionaPluma(uint32_t color) {
        auto it = plumas_.find(color);
        if (it == plumas_.end()) {
            uint32_t objeto = 0;
            const U_LOGPEN pluma = logpen_set(U_PS_SOLID, U_POINT{GrosorLinea, 0}, Colorref(color));
            emf_.agrega(createpen_set(&objeto, emf_.objetos(), pluma));
            it = plumas_.emplace(color, objeto).first;
        }
        if (plumaSeleccionada_ == it->second) return;
        emf_.agrega(selectobject_set(it->second, emf_.objetos()));
        plumaSeleccionada_ = it->second;
    }

    Metarchivo emf_;
    std::map<std::pair<int16_t, bool>, uint32_t> fuentes_;
    std::map<uint32_t, uint32_t> plumas_;
    std::optional<std::pair<int16_t, bool>> fuenteSeleccionada_;
    std::optional<uint32_t> colorTexto_;
    std::optional<int32_t> alineacion_;
    uint32_t plumaSeleccionada_ = 0;
    std::optional<uint32_t> brochaRegla_;
};

template <class Registros>
QByteArray Escribe(const Registros& registros) {
    Escritor escritor;
    for (const Registro& registro : registros) std::visit(escritor, registro);
    return escritor.termina();
}

}  // namespace

QByteArray EscribeEmf(const Pagina& pagina) { return Escribe(pagina); }

QByteArray EscribeEmf(const std::vector<Registro>& registros) { return Escribe(registros); }

}  // namespace report
