#include "report/EmfLector.h"

#include "report/MarcaEmf.h"
#include "vb/ErrorEjecucion.h"

#include <uemf.h>
#include <uemf_safe.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <vector>

namespace report {

namespace {

[[noreturn]] void LanzaFormatoNoValido() { throw vb::ErrorEjecucion(vb::errores::FormatoNoValido); }

// One record, never read past its own declared size.
class Vista {
public:
    Vista(const char* inicio, uint32_t tamano) : inicio_(inicio), tamano_(tamano) {}

    template <class T>
    T lee(std::size_t desplazamiento) const {
        if (desplazamiento > tamano_ || tamano_ - desplazamiento < sizeof(T)) LanzaFormatoNoValido();
        T valor;
        std::memcpy(&valor, inicio_ + desplazamiento, sizeof(T));
        return valor;
    }
    const char* inicio() const { return inicio_; }
    uint32_t tamano() const { return tamano_; }
    uint32_t tipo() const { return lee<uint32_t>(offsetof(U_EMR, iType)); }

    // libUEMF's own check of the record, once the record is known to lie inside the data.
    void verificaConLibreria() const {
        if (!U_emf_record_safe(inicio_)) LanzaFormatoNoValido();
    }

private:
    const char* inicio_;
    uint32_t tamano_;
};

uint32_t ColorDe(U_COLORREF c) { return uint32_t{c.Red} | uint32_t{c.Green} << 8 | uint32_t{c.Blue} << 16; }

int32_t Diferencia(int32_t desde, int32_t hasta) {
    const int64_t d = int64_t{hasta} - desde;
    if (d < INT32_MIN || d > INT32_MAX) LanzaFormatoNoValido();
    return static_cast<int32_t>(d);
}

struct Fuente {
    int16_t tamano = 8;
    bool negrita = false;
};

// Plays the records back with the drawing state a reader keeps: selected font and pen, text
// colour and alignment, current position. Only the records it reads go through libUEMF's
// check; the others are skipped unread, since that check trusts fields of bitmap records.
class Lector {
public:
    explicit Lector(std::span<const char> datos)
        : copia_((datos.size() + 3) / 4), base_(reinterpret_cast<const char*>(copia_.data())), total_(datos.size()) {
        // Records are read in place by libUEMF, which wants them aligned.
        if (!datos.empty()) std::memcpy(copia_.data(), datos.data(), datos.size());
    }

    Pagina lee() {
        std::size_t posicion = 0;
        const Vista cabecera = siguiente(posicion, total_);
        if (cabecera.tipo() != U_EMR_HEADER || cabecera.tamano() < U_SIZE_EMRHEADER_MIN) LanzaFormatoNoValido();
        cabecera.verificaConLibreria();
        if (cabecera.lee<uint32_t>(offsetof(U_EMRHEADER, dSignature)) != U_ENHMETA_SIGNATURE) LanzaFormatoNoValido();
        const uint32_t declarado = cabecera.lee<uint32_t>(offsetof(U_EMRHEADER, nBytes));
        if (declarado > total_ || declarado < cabecera.tamano()) LanzaFormatoNoValido();
        posicion += cabecera.tamano();

        while (posicion < declarado) {
            const Vista registro = siguiente(posicion, declarado);
            posicion += registro.tamano();
            if (registro.tipo() == U_EMR_EOF) {
                registro.verificaConLibreria();
                return std::move(pagina_);
            }
            interpreta(registro);
        }
        LanzaFormatoNoValido();  // cut short before its end-of-file record
    }

private:
    // The record at posicion, once its size is known to fit in what is left.
    Vista siguiente(std::size_t posicion, std::size_t limite) const {
        if (limite - posicion < sizeof(U_EMR)) LanzaFormatoNoValido();
        uint32_t tamano = 0;
        std::memcpy(&tamano, base_ + posicion + offsetof(U_EMR, nSize), sizeof tamano);
        if (tamano < sizeof(U_EMR) || tamano % 4 != 0 || tamano > limite - posicion) LanzaFormatoNoValido();
        return Vista(base_ + posicion, tamano);
    }

    void interpreta(const Vista& r) {
        switch (r.tipo()) {
        case U_EMR_HEADER: LanzaFormatoNoValido();
        case U_EMR_EXTCREATEFONTINDIRECTW: creaFuente(r); break;
        case U_EMR_CREATEPEN: creaPluma(r); break;
        case U_EMR_CREATEBRUSHINDIRECT:
            r.verificaConLibreria();
            objetos_[r.lee<uint32_t>(offsetof(U_EMRCREATEBRUSHINDIRECT, ihBrush))] = Objeto{};
            break;
        case U_EMR_SELECTOBJECT: selecciona(r); break;
        case U_EMR_DELETEOBJECT:
            r.verificaConLibreria();
            objetos_.erase(r.lee<uint32_t>(offsetof(U_EMRDELETEOBJECT, ihObject)));
            break;
        case U_EMR_SETTEXTCOLOR:
            r.verificaConLibreria();
            colorTexto_ = ColorDe(r.lee<U_COLORREF>(offsetof(U_EMRSETTEXTCOLOR, crColor)));
            break;
        case U_EMR_SETTEXTALIGN: {
            r.verificaConLibreria();
            const uint32_t modo = r.lee<uint32_t>(offsetof(U_EMRSETTEXTALIGN, iMode));
            alineacion_ = (modo & U_TA_CENTER) == U_TA_RIGHT ? AlineaDerecha : AlineaIzquierda;
            break;
        }
        case U_EMR_MOVETOEX:
            r.verificaConLibreria();
            puntoActual_ = r.lee<U_POINTL>(offsetof(U_EMRMOVETOEX, ptl));
            break;
        case U_EMR_LINETO: {
            r.verificaConLibreria();
            const U_POINTL hasta = r.lee<U_POINTL>(offsetof(U_EMRLINETO, ptl));
            if (colorPluma_) pagina_.Agrega(Linea{puntoActual_.x, puntoActual_.y, hasta.x, hasta.y, *colorPluma_});
            puntoActual_ = hasta;
            break;
        }
        case U_EMR_RECTANGLE: {
            r.verificaConLibreria();
            const U_RECTL caja = r.lee<U_RECTL>(offsetof(U_EMRRECTANGLE, rclBox));
            pagina_.Agrega(Regla{caja.left, caja.top, Diferencia(caja.left, caja.right),
                                                 Diferencia(caja.top, caja.bottom)});
            break;
        }
        case U_EMR_EXTTEXTOUTW: texto(r); break;
        case U_EMR_COMMENT: marca(r); break;
        default: break;  // draws nothing of ours
        }
    }

    void creaFuente(const Vista& r) {
        r.verificaConLibreria();
        constexpr std::size_t logfont = offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw) + offsetof(U_LOGFONT_PANOSE, elfLogFont);
        const int64_t alto = r.lee<int32_t>(logfont + offsetof(U_LOGFONT, lfHeight));
        const int32_t peso = r.lee<int32_t>(logfont + offsetof(U_LOGFONT, lfWeight));
        Fuente fuente;
        if (alto != 0) {
            // A negative height is the em size, as written here; a positive one the cell height.
            const int64_t puntos = ((alto < 0 ? -alto : alto) + 10) / 20;
            if (puntos < 1 || puntos > INT16_MAX) LanzaFormatoNoValido();
            fuente.tamano = static_cast<int16_t>(puntos);
        }
        fuente.negrita = peso >= 600;
        Objeto objeto;
        objeto.fuente = fuente;
        objetos_[r.lee<uint32_t>(offsetof(U_EMREXTCREATEFONTINDIRECTW, ihFont))] = objeto;
    }

    void creaPluma(const Vista& r) {
        r.verificaConLibreria();
        const U_LOGPEN pluma = r.lee<U_LOGPEN>(offsetof(U_EMRCREATEPEN, lopn));
        Objeto objeto;
        if ((pluma.lopnStyle & U_PS_STYLE_MASK) != U_PS_NULL) objeto.pluma = ColorDe(pluma.lopnColor);
        else objeto.plumaNula = true;
        objetos_[r.lee<uint32_t>(offsetof(U_EMRCREATEPEN, ihPen))] = objeto;
    }

    void selecciona(const Vista& r) {
        r.verificaConLibreria();
        const uint32_t indice = r.lee<uint32_t>(offsetof(U_EMRSELECTOBJECT, ihObject));
        if (indice & U_STOCK_OBJECT) {
            switch (indice) {
            case U_NULL_PEN: colorPluma_.reset(); break;
            case U_BLACK_PEN: colorPluma_ = 0; break;
            case U_WHITE_PEN: colorPluma_ = 0xFFFFFF; break;
            case U_SYSTEM_FONT:
            case U_DEVICE_DEFAULT_FONT:
            case U_DEFAULT_GUI_FONT: fuente_ = Fuente{}; break;
            default: break;
            }
            return;
        }
        const auto it = objetos_.find(indice);
        if (it == objetos_.end()) return;  // an object of a kind this reader does not keep
        const Objeto& objeto = it->second;
        if (objeto.fuente) fuente_ = *objeto.fuente;
        if (objeto.pluma) colorPluma_ = *objeto.pluma;
        if (objeto.plumaNula) colorPluma_.reset();
    }

    void texto(const Vista& r) {
        constexpr std::size_t emrtext = offsetof(U_EMREXTTEXTOUTW, emrtext);
        // libUEMF reads the advance offset before checking it, so its position must fit first.
        const uint32_t opciones = r.lee<uint32_t>(emrtext + offsetof(U_EMRTEXT, fOptions));
        const std::size_t posicionAvances = sizeof(U_EMREXTTEXTOUTW) + ((opciones & U_ETO_NO_RECT) ? 0 : sizeof(U_RECTL));
        const uint32_t avances = r.lee<uint32_t>(posicionAvances);
        r.verificaConLibreria();

        const U_POINTL referencia = r.lee<U_POINTL>(emrtext + offsetof(U_EMRTEXT, ptlReference));
        const uint64_t caracteres = r.lee<uint32_t>(emrtext + offsetof(U_EMRTEXT, nChars));
        const uint64_t desplazamiento = r.lee<uint32_t>(emrtext + offsetof(U_EMRTEXT, offString));
        if (desplazamiento + 2 * caracteres > r.tamano()) LanzaFormatoNoValido();
        const uint64_t porAvance = (opciones & U_ETO_PDY) ? 8 : 4;
        if (avances != 0 && avances + porAvance * caracteres > r.tamano()) LanzaFormatoNoValido();

        QString cadena(static_cast<qsizetype>(caracteres), Qt::Uninitialized);
        std::memcpy(cadena.data(), r.inicio() + desplazamiento, 2 * caracteres);
        pagina_.Agrega(
            Texto{referencia.x, referencia.y, cadena, colorTexto_, fuente_.negrita, fuente_.tamano, alineacion_});
    }

    // A comment is ours when it carries the marks' signature; any other is someone else's note.
    void marca(const Vista& r) {
        constexpr std::size_t datos = offsetof(U_EMRCOMMENT, Data);
        const uint32_t largo = r.lee<uint32_t>(offsetof(U_EMRCOMMENT, cbData));
        if (largo > r.tamano() - std::min<std::size_t>(r.tamano(), datos)) LanzaFormatoNoValido();
        if (largo < MarcaEmf::Cabecera || std::memcmp(r.inicio() + datos, MarcaEmf::Firma, 4) != 0) return;
        const char tipo = r.lee<char>(datos + 4);
        const uint8_t clase = r.lee<uint8_t>(datos + 5);
        const int16_t nivel = r.lee<int16_t>(datos + 6);
        const uint64_t unidades = r.lee<uint32_t>(datos + 8);
        if (MarcaEmf::Cabecera + 2 * unidades > largo) LanzaFormatoNoValido();
        QString campos(static_cast<qsizetype>(unidades), Qt::Uninitialized);
        std::memcpy(campos.data(), r.inicio() + datos + MarcaEmf::Cabecera, 2 * unidades);
        if (tipo == MarcaEmf::Renglon && clase >= 1 && clase <= 5)
            pagina_.Agrega(Marca{static_cast<ClaseRenglon>(clase), nivel, std::move(campos)});
        else if (tipo == MarcaEmf::Dato && clase >= 1 && clase <= 4)
            pagina_.Agrega(Dato{static_cast<TipoDato>(clase), std::move(campos)});
        else
            LanzaFormatoNoValido();
    }

    struct Objeto {
        std::optional<Fuente> fuente;
        std::optional<uint32_t> pluma;
        bool plumaNula = false;
    };

    std::vector<uint32_t> copia_;
    const char* base_;
    std::size_t total_;
    Pagina pagina_;
    std::unordered_map<uint32_t, Objeto> objetos_;
    Fuente fuente_;
    uint32_t colorTexto_ = 0;
    int32_t alineacion_ = AlineaIzquierda;
    std::optional<uint32_t> colorPluma_ = 0;
    U_POINTL puntoActual_{0, 0};
};

}  // namespace

Pagina LeeEmf(std::span<const char> datos) { return Lector(datos).lee(); }

}  // namespace report
