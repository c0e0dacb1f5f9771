// The document's PDF written directly from its records: one content stream per page with real
// text in the page font (Arial's metrics, so right-aligned text ends where the pages put it),
// lines and grey bands; title, author and date; one bookmark per group heading, or per page.
// The font travels inside the file, cut down to the glyphs the document uses, with the
// characters behind them, so every character the database holds prints and extracts.
// No painting, no shaping: every width comes from the font's advance table.
#include "render/Exportacion.h"
#include "render/Bufer.h"

#include "render/FuenteIncrustada.h"
#include "report/EmfMetricas.h"
#include "report/TablaDeMarcas.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>

#include <libdeflate.h>

#include <algorithm>
#include <charconv>
#include <deque>
#include <memory>
#include <string>
#include <optional>
#include <cstdio>
#include <vector>

namespace render {

namespace {

constexpr int CompresionRapida = 1;  // content streams are text; the fastest level keeps most of the gain

// Streams deflated whole, in zlib form, each after the last in one buffer that is kept: a long
// report is thousands of them, and deflating is most of what its file costs.
class Compresor {
public:
    Compresor() : c_(libdeflate_alloc_compressor(CompresionRapida), libdeflate_free_compressor) {
        if (!c_) throw std::bad_alloc();
    }

    // Appends `datos` deflated to `salida`.
    void Agrega(Bufer& salida, const char* datos, std::size_t largo) {
        const std::size_t cota = libdeflate_zlib_compress_bound(c_.get(), largo);
        const std::size_t inicio = salida.size();
        salida.resize(inicio + cota);
        const std::size_t escritos = libdeflate_zlib_compress(c_.get(), datos, largo, salida.data() + inicio, cota);
        salida.resize(inicio + escritos);  // never 0: the bound always fits
    }

private:
    std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> c_;
};
constexpr int32_t AscendentePorMil = 905;  // the font's ascent, thousandths of an em

// A font as this document uses it: the glyphs its texts need and the character each one stands
// for, so the embedded subset holds them and text extraction gives the characters back.
struct FuenteUsada {
    explicit FuenteUsada(const FuenteIncrustada& f)
        : fuente(f), glifos(static_cast<std::size_t>(f.Glifos())), caracteres(static_cast<std::size_t>(f.Glifos())) {}
    const FuenteIncrustada& fuente;
    std::vector<bool> glifos;
    std::vector<char32_t> caracteres;
    bool usada = false;
};

// The bytes as a byte array, without copying them.
QByteArray Vista(const Bufer& b) { return QByteArray::fromRawData(b.data(), static_cast<qsizetype>(b.size())); }

void Agrega(Bufer& salida, const QByteArray& b) { salida.append(b.constData(), static_cast<std::size_t>(b.size())); }

// The text as two-byte glyph ids (Identity-H) in a literal string; control characters take no
// room on the page and are left out.
void AgregaCadena(Bufer& salida, const QString& texto, FuenteUsada& f) {
    f.usada = true;
    const std::size_t inicio = salida.size();
    salida.resize(inicio + 2 + 4 * static_cast<std::size_t>(texto.size()));  // every byte of every glyph escaped at worst
    char* q = salida.data() + inicio;
    *q++ = '(';
    const char16_t* p = reinterpret_cast<const char16_t*>(texto.utf16());
    const char16_t* const fin = p + texto.size();
    while (p < fin) {
        char32_t c = *p++;
        if (QChar::isHighSurrogate(c) && p < fin && QChar::isLowSurrogate(*p)) c = QChar::surrogateToUcs4(static_cast<char16_t>(c), *p++);
        else if (QChar::isSurrogate(c)) c = 0xFFFD;
        if (c < 0x20) continue;
        const uint16_t g = f.fuente.Glifo(c);
        f.glifos[g] = true;
        if (f.caracteres[g] == 0) f.caracteres[g] = g == 0 ? 0xFFFD : c;
        for (const char b : {static_cast<char>(g >> 8), static_cast<char>(g)}) {
            if (b == '(' || b == ')' || b == '\\') *q++ = '\\';
            if (b == '\r') {
                *q++ = '\\';
                *q++ = 'r';
            } else {
                *q++ = b;
            }
        }
    }
    *q++ = ')';
    salida.resize(static_cast<std::size_t>(q - salida.data()));
}

// A text string outside content streams (titles, bookmarks): UTF-16BE with its mark.
QByteArray CadenaUnicode(const QString& texto) {
    QByteArray hex = "<FEFF";
    for (const QChar c : texto) hex += QByteArray::number(c.unicode() + 0x10000, 16).right(4).toUpper();
    return hex + '>';
}

// Numbers go through a buffer on the stack: a page holds thousands of them.
template <typename T, typename... Formato>
void AgregaValor(Bufer& salida, T valor, Formato... formato) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer - 1, valor, formato...);
    if (r.ec != std::errc()) return;  // never: 31 characters hold any of them
    *r.ptr = ' ';
    salida.append(buffer, r.ptr + 1 - buffer);
}

void AgregaColor(Bufer& salida, uint32_t color, const char* operador) {
    for (int desplazamiento : {0, 8, 16}) AgregaValor(salida, ((color >> desplazamiento) & 0xFF) / 255.0, std::chars_format::general, 4);
    salida += operador;
    salida += '\n';
}

void AgregaNumero(Bufer& salida, int64_t n) {
    AgregaValor(salida, n);
}

QByteArray Ref(int n) { return QByteArray::number(n) + " 0 R"; }

// A reference appended through the stack buffer: the structure holds one per printed text.
void AgregaRef(Bufer& salida, int n) {
    AgregaValor(salida, n);
    salida += "0 R ";
}


// Text for XML: the five characters it reserves, escaped.
QByteArray Xml(const QString& texto) { return texto.toHtmlEscaped().toUtf8(); }

// The document's XMP: its title, author and date, and its claim to the accessible PDF standard.
QByteArray Xmp(const QString& titulo, const QString& autor, const QDateTime& fecha) {
    const QByteArray cuando = fecha.toUTC().toString(Qt::ISODate).toLatin1();
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
           "xmlns:pdfuaid=\"http://www.aiim.org/pdfua/ns/id/\">\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + Xml(titulo) + "</rdf:li></rdf:Alt></dc:title>\n"
           "<dc:creator><rdf:Seq><rdf:li>" + Xml(autor) + "</rdf:li></rdf:Seq></dc:creator>\n"
           "<dc:language><rdf:Bag><rdf:li>es-MX</rdf:li></rdf:Bag></dc:language>\n"
           "<xmp:CreateDate>" + cuando + "</xmp:CreateDate><xmp:ModifyDate>" + cuando + "</xmp:ModifyDate>\n"
           "<xmp:CreatorTool>ZR_ConsultasGT</xmp:CreatorTool><pdf:Producer>ZR_ConsultasGT</pdf:Producer>\n"
           "<pdfuaid:part>1</pdfuaid:part>\n"
           "</rdf:Description></rdf:RDF></x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

// Numbered objects written one after another, with the offsets the cross-reference table needs,
// handed to `escribe` a few megabytes at a time.
class Objetos {
public:
    explicit Objetos(const std::function<void(const QByteArray&)>& escribe) : escribe_(escribe) {
        datos_ += "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    }

    int Reserva() {
        ubicaciones_.push_back(SinUbicar);
        return static_cast<int>(ubicaciones_.size());
    }

    void Escribe(int numero, const QByteArray& cuerpo) {
        Aqui(numero);
        AgregaValor(datos_, numero);
        datos_ += "0 obj\n";
        Agrega(datos_, cuerpo);
        datos_ += "\nendobj\n";
        Entrega();
    }

    // A small object that travels compressed with others in an object stream: the structure of a
    // long document is tens of thousands of them.
    void Compacto(int numero, const QByteArray& cuerpo) { Agrega(Compacto(numero), cuerpo); }
    // The same, the object's body appended by the caller to what this returns.
    Bufer& Compacto(int numero) {
        constexpr int PorLote = 200;
        if (enLote_ >= PorLote) CierraLote();
        if (enLote_ > 0) cuerpos_ += '\n';
        AgregaValor(indice_, numero);
        AgregaValor(indice_, cuerpos_.size());
        ubicaciones_[static_cast<std::size_t>(numero - 1)] = static_cast<uint32_t>(lotes_.size()) << 8 | static_cast<uint32_t>(enLote_++);
        return cuerpos_;
    }

    // XML metadata, left uncompressed so tools that do not inflate streams can read it.
    void Metadatos(int numero, const QByteArray& xml) {
        Aqui(numero);
        Agrega(datos_, QByteArray::number(numero) + " 0 obj\n<< /Type /Metadata /Subtype /XML /Length " +
                           QByteArray::number(xml.size()) + " >>\nstream\n" + xml + "\nendstream\nendobj\n");
    }

    // `extra`: more entries of the stream's dictionary.
    void Flujo(int numero, const QByteArray& contenido, const QByteArray& extra = {}) {
        Flujo(numero, contenido.constData(), static_cast<std::size_t>(contenido.size()), extra);
    }
    void Flujo(int numero, const Bufer& contenido) { Flujo(numero, contenido.data(), contenido.size(), {}); }
    void Flujo(int numero, const char* contenido, std::size_t largo, const QByteArray& extra) {
        comprimido_.clear();
        compresor_.Agrega(comprimido_, contenido, largo);
        Aqui(numero);
        AgregaValor(datos_, numero);
        datos_ += "0 obj\n<< /Length ";
        AgregaValor(datos_, comprimido_.size());
        datos_ += "/Filter /FlateDecode";
        Agrega(datos_, extra);
        datos_ += " >>\nstream\n";
        datos_ += comprimido_;
        datos_ += "\nendstream\nendobj\n";
        Entrega();
    }

    // The cross-reference stream, which can point into object streams. The file's identifier is
    // a digest of everything before it, so the same document always makes the same file. A long
    // document's goes in sections of FilasPorSeccion objects, each pointing to the one before and
    // the last to its own and theirs: the rows of one section are all it holds at a time.
    void Termina(int catalogo, int info) {
        CierraLote();
        Entrega(true);
        const QByteArray id = '<' + resumen_.result().toHex().toUpper() + '>';
        const std::size_t objetos = ubicaciones_.size();  // numbered from 1; 0 heads the free list
        const std::size_t secciones = std::max<std::size_t>(1, (objetos + FilasPorSeccion) / FilasPorSeccion);
        const QByteArray total = QByteArray::number(static_cast<qulonglong>(objetos + secciones + 1));
        const QByteArray comun = " /W [1 4 2] /Root " + Ref(catalogo) + " /Info " + Ref(info) + " /ID [" + id + ' ' + id + ']';
        std::sort(directos_.begin(), directos_.end());
        auto directo = directos_.cbegin();
        std::vector<qsizetype> posiciones;  // of the sections written
        Bufer filas, comprimido;
        const auto fila = [&filas](uint8_t tipo, uint64_t campo, uint16_t otro) {
            filas += static_cast<char>(tipo);
            for (int b = 24; b >= 0; b -= 8) filas += static_cast<char>((campo >> b) & 0xFF);
            filas += static_cast<char>(otro >> 8);
            filas += static_cast<char>(otro & 0xFF);
        };
        for (std::size_t k = 0, numero = 0; k < secciones; ++k) {
            const bool ultima = k + 1 == secciones;
            const std::size_t desde = numero;
            filas.clear();
            if (numero == 0) fila(0, 0, 0xFFFF), ++numero;  // the head of the free list
            for (; numero <= objetos && (ultima || numero < desde + FilasPorSeccion); ++numero) {
                const uint32_t u = ubicaciones_.front();
                ubicaciones_.pop_front();
                if (u == Directo) {
                    while (directo->first < static_cast<int>(numero)) ++directo;
                    fila(1, static_cast<uint64_t>(directo->second), 0);
                } else if (u == SinUbicar) {
                    fila(0, 0, 0);  // never written: a free entry
                } else {
                    fila(2, static_cast<uint64_t>(lotes_[u >> 8]), static_cast<uint16_t>(u & 0xFF));
                }
            }
            const qsizetype aqui = entregados_;
            if (ultima) {  // the sections themselves, this one last
                for (qsizetype p : posiciones) fila(1, static_cast<uint64_t>(p), 0);
                fila(1, static_cast<uint64_t>(aqui), 0);
                numero += secciones;
            }
            comprimido.clear();
            compresor_.Agrega(comprimido, filas.data(), filas.size());
            QByteArray cabeza = QByteArray::number(static_cast<qulonglong>(objetos + 1 + k)) + " 0 obj\n<< /Type /XRef /Size " + total;
            if (secciones > 1)
                cabeza += " /Index [" + QByteArray::number(static_cast<qulonglong>(desde)) + ' ' +
                          QByteArray::number(static_cast<qulonglong>(numero - desde)) + ']';
            if (!posiciones.empty()) cabeza += " /Prev " + QByteArray::number(static_cast<qlonglong>(posiciones.back()));
            cabeza += comun + " /Length " + QByteArray::number(static_cast<qulonglong>(comprimido.size())) +
                      " /Filter /FlateDecode >>\nstream\n";
            Agrega(datos_, cabeza);
            datos_ += comprimido;
            datos_ += "\nendstream\nendobj\n";
            if (ultima) Agrega(datos_, "startxref\n" + QByteArray::number(static_cast<qlonglong>(aqui)) + "\n%%EOF\n");
            escribe_(Vista(datos_));  // after the digest that names the file
            entregados_ += static_cast<qsizetype>(datos_.size());
            datos_.clear();
            posiciones.push_back(aqui);
        }
    }

private:
    // Where each object is, four bytes apiece, for a long document's millions of structure
    // elements: the n-th of the k-th object stream as k << 8 | n (a stream holds at most 200), or
    // written whole at an offset kept apart (pages, streams and fonts, a few per page).
    static constexpr uint32_t Directo = UINT32_MAX, SinUbicar = UINT32_MAX - 1;
    static constexpr std::size_t FilasPorSeccion = std::size_t{1} << 20;

    void Aqui(int numero) {
        ubicaciones_[static_cast<std::size_t>(numero - 1)] = Directo;
        directos_.emplace_back(numero, entregados_ + static_cast<qsizetype>(datos_.size()));
    }

    // What is written so far goes out once it is a few megabytes; the digest that names the file
    // reads it on the way.
    void Entrega(bool todo = false) {
        constexpr std::size_t Tramo = 4 << 20;
        if (datos_.empty() || (!todo && datos_.size() < Tramo)) return;
        const QByteArray tramo = Vista(datos_);
        resumen_.addData(tramo);
        escribe_(tramo);
        entregados_ += tramo.size();
        datos_.clear();
    }

    void CierraLote() {
        if (enLote_ == 0) return;
        const int numero = Reserva();
        lotes_.push_back(numero);
        const QByteArray extra = " /Type /ObjStm /N " + QByteArray::number(enLote_) + " /First " +
                                 QByteArray::number(static_cast<qulonglong>(indice_.size()));
        indice_ += cuerpos_;
        Flujo(numero, indice_.data(), indice_.size(), extra);
        indice_.clear();
        cuerpos_.clear();
        enLote_ = 0;
    }

    const std::function<void(const QByteArray&)>& escribe_;
    Compresor compresor_;
    Bufer comprimido_;  // the stream in course, deflated
    Bufer datos_;  // not yet handed over
    qsizetype entregados_ = 0;
    QCryptographicHash resumen_{QCryptographicHash::Md5};
    std::deque<uint32_t> ubicaciones_;  // grows a block at a time, never copied whole
    std::vector<std::pair<int, qsizetype>> directos_;  // objects written whole, and their offsets
    std::vector<int> lotes_;  // the object streams' numbers, in order
    Bufer indice_, cuerpos_;  // the object stream in course: its objects' numbers and offsets, their bodies
    int enLote_ = 0;
};

// The document's structure for a screen reader, built a printed line at a time in reading order.
// A report that marks its lines reads as tables: its column captions a header row of TH cells, each
// detail, subtotal or total a row with a cell per text, a value's cell tied to the caption of its
// column; group headings are headings of their level, as rows of the table whose captions name them
// or between tables. A report that does not mark its lines reads as one paragraph per line.
class Estructura {
public:
    // How a line is written: one element for all of it, one cell per text, or page furniture.
    enum class Forma { Artefacto, Linea, Celdas };
    // What a stretch of content is tagged with, and its number on the page.
    struct Contenido {
        const char* tipo;
        int mcid;
    };

    Estructura(Objetos& o, int documento) : o_(o), documento_(documento) {}

    void Pagina(int referencia) {
        pagina_ = referencia;
        mcids_.clear();
        contenidos_ = 0;
    }

    // The next line, under the mark in force where its first text was drawn.
    Forma Renglon(const report::Marca* marca, bool marcado) {
        if (!marca) {
            if (marcado) return Forma::Artefacto;  // the page heading, before the page's first mark
            linea_ = "P";
            return Forma::Linea;
        }
        const bool titulos = marca->clase == report::ClaseRenglon::Titulos;
        if (marca->clase == report::ClaseRenglon::Grupo) {
            linea_ = marca->nivel <= 1 ? "H1" : marca->nivel == 2 ? "H2" : "H3";
            if (!conTitulos_) CierraTabla();
            if (tabla_) AbreFila();
        } else {
            if (titulos && !enTitulos_) CierraTabla();  // each block of captions heads a table of its own
            if (!tabla_) AbreTabla(titulos);
            AbreFila();
        }
        enTitulos_ = titulos;
        return titulos || marca->clase != report::ClaseRenglon::Grupo ? Forma::Celdas : Forma::Linea;
    }

    // A line that is one element: a paragraph, or a heading (in a cell of its own inside a table).
    Contenido Linea() {
        const int numero = o_.Reserva();
        int padre = documento_;
        if (fila_) {
            padre = o_.Reserva();
            Bufer& celda = Abre(padre, "TD", fila_);
            celda += "/K ";
            AgregaRef(celda, numero);
            celda += ">>";
            AgregaRef(hijosFila_, padre);
        } else {
            AgregaRef(hijosDocumento_, numero);
        }
        return Hoja(numero, linea_, padre, 0);
    }

    // One text of a row: a caption, or a cell whose value names the caption of its column.
    Contenido Celda(const report::Texto& texto, const report::Dato* dato) {
        const int numero = o_.Reserva();
        AgregaRef(hijosFila_, numero);
        if (enTitulos_) {
            char id[16];
            std::snprintf(id, sizeof id, "(c%07d)", ++ids_);  // fixed width: the ID tree is sorted by them
            nombres_ += id;
            AgregaRef(nombres_, numero);
            // The cells of its column share one attribute object naming it.
            const int atributo = o_.Reserva();
            o_.Compacto(atributo, QByteArray("<</O/Table/Headers[") + id + "]>>");
            const QString titulo = texto.texto.trimmed();
            const auto igual = std::find_if(titulos_.begin(), titulos_.end(), [&](const auto& t) { return t.first == titulo; });
            if (igual != titulos_.end()) igual->second = atributo;  // a caption repeated names its last column
            else titulos_.emplace_back(titulo, atributo);
            if (!columna_) columna_ = o_.Reserva();
            return Hoja(numero, "TH", fila_, QByteArray("/ID ") + id + "/A " + Ref(columna_));
        }
        return Hoja(numero, "TD", fila_, dato ? Encabezado(*dato) : 0);
    }

    void FinRenglon() {
        if (!fila_) return;
        Agrupa(fila_, "TR", tabla_, hijosFila_);
        AgregaRef(hijosTabla_, fila_);
        fila_ = 0;
    }

    // The page's entry in the parent tree: each marked content's element, by its number.
    const Bufer& Elementos() const { return mcids_; }

    // The top element with every table and loose heading or paragraph, in reading order; returns
    // the ID tree of the header cells, empty without any.
    QByteArray Termina(int raiz) {
        CierraTabla();
        Agrupa(documento_, "Document", raiz, hijosDocumento_);
        return nombres_.empty() ? QByteArray() : "/IDTree<</Names[" + Vista(nombres_) + "]>>";
    }

private:
    // The attribute object naming the caption of the value's column, 0 when none does. A table has
    // a handful of captions, so they are compared in place rather than hashed.
    int Encabezado(const report::Dato& dato) const {
        const QStringView columna = report::Campo(QStringView(dato.campos)).first;
        for (const auto& [titulo, atributo] : titulos_)
            if (titulo == columna) return atributo;
        return 0;
    }

    // An element's dictionary up to its parent, in the object stream; the caller ends it.
    Bufer& Abre(int numero, const char* tipo, int padre) {
        Bufer& c = o_.Compacto(numero);
        c += "<</S/";
        c += tipo;
        c += "/P ";
        AgregaRef(c, padre);
        return c;
    }

    // An element whose children are other elements, in reading order.
    void Agrupa(int numero, const char* tipo, int padre, const Bufer& hijos) {
        Bufer& c = Abre(numero, tipo, padre);
        c += "/K[";
        c += hijos;
        c += "]>>";
    }

    // An element that holds one stretch of marked content on this page.
    Contenido Hoja(int numero, const char* tipo, int padre, int atributo) {
        return HojaCon(numero, tipo, padre, [&](Bufer& c) {
            if (!atributo) return;
            c += "/A ";
            AgregaRef(c, atributo);
        });
    }
    Contenido Hoja(int numero, const char* tipo, int padre, const QByteArray& atributos) {
        return HojaCon(numero, tipo, padre, [&](Bufer& c) { Agrega(c, atributos); });
    }
    template <class Atributos>
    Contenido HojaCon(int numero, const char* tipo, int padre, Atributos&& atributos) {
        const int mcid = contenidos_++;
        AgregaRef(mcids_, numero);
        Bufer& c = Abre(numero, tipo, padre);
        c += "/Pg ";
        AgregaRef(c, pagina_);
        c += "/K ";
        AgregaValor(c, mcid);
        atributos(c);
        c += ">>";
        return {tipo, mcid};
    }

    void AbreTabla(bool titulos) {
        tabla_ = o_.Reserva();
        conTitulos_ = titulos;
        titulos_.clear();
        AgregaRef(hijosDocumento_, tabla_);
    }

    void AbreFila() {
        fila_ = o_.Reserva();
        hijosFila_.clear();
    }

    void CierraTabla() {
        if (!tabla_) return;
        Agrupa(tabla_, "Table", documento_, hijosTabla_);
        if (columna_) o_.Compacto(columna_, "<</O/Table/Scope/Column>>");
        columna_ = 0;
        hijosTabla_.clear();
        tabla_ = 0;
        conTitulos_ = false;
    }

    Objetos& o_;
    const int documento_;
    int pagina_ = 0;
    Bufer mcids_;  // this page's marked contents' elements
    int contenidos_ = 0;
    Bufer hijosDocumento_, hijosTabla_, hijosFila_;
    int tabla_ = 0, fila_ = 0;  // the open table and row, 0 when none
    bool conTitulos_ = false;   // the open table starts with captions
    bool enTitulos_ = false;    // the line is one of the captions
    const char* linea_ = "P";
    std::vector<std::pair<QString, int>> titulos_;  // the open table's captions and the attribute object naming each
    int columna_ = 0;  // the attribute object of the open table's header cells
    int ids_ = 0;
    Bufer nombres_;  // every header cell's ID and element, for the ID tree
};

// Page content in twips: one matrix maps the report's origin and its downward y onto the sheet;
// text gets an upright matrix of its own. Bands and lines first, as the page's furniture, then the
// texts top to bottom and left to right, a line at a time, so text extraction and a screen reader
// take the page in order.
Bufer ContenidoPagina(const report::Pagina& pagina, bool marcado, FuenteUsada& normal, FuenteUsada& negrita,
                           Estructura* estructura) {
    const std::vector<report::Registro> registros = pagina.Registros();  // the texts below point into it
    std::size_t largo = 0;
    for (const report::Registro& r : registros)
        if (const auto* t = std::get_if<report::Texto>(&r)) largo += 80 + 2 * static_cast<std::size_t>(t->texto.size());
        else largo += 48;
    Bufer c;
    c.reserve(largo);
    c += "0.05 0 0 -0.05 ";
    Agrega(c, QByteArray::number(report::OrigenX / 20.0) + ' ' + QByteArray::number(report::AltoHoja / 20.0 - report::OrigenY / 20.0));
    c += " cm\n";
    if (estructura) c += "/Artifact BMC\n";
    struct Impreso {
        const report::Texto* texto;
        const report::Marca* marca;  // the mark in force where it was drawn
        const report::Dato* dato;    // the value it stands for, marked just before it
    };
    std::vector<Impreso> textos;
    const report::Marca* vigente = nullptr;
    const report::Dato* dato = nullptr;
    uint32_t colorLinea = 0xFFFFFFFF;
    bool grosor = false;
    for (const report::Registro& r : registros) {
        if (const auto* t = std::get_if<report::Texto>(&r)) {
            if (!t->texto.isEmpty()) textos.push_back({t, vigente, dato});
            dato = nullptr;
        } else if (const auto* m = std::get_if<report::Marca>(&r)) {
            vigente = m;
            dato = nullptr;
        } else if (const auto* d = std::get_if<report::Dato>(&r)) {
            dato = d;
        } else if (const auto* l = std::get_if<report::Linea>(&r)) {
            if (!grosor) {
                AgregaNumero(c, report::GrosorLinea);
                c += "w\n";
                grosor = true;
            }
            if (l->color != colorLinea) AgregaColor(c, colorLinea = l->color, "RG");
            AgregaNumero(c, l->x1);
            AgregaNumero(c, l->y1);
            c += "m ";
            AgregaNumero(c, l->x2);
            AgregaNumero(c, l->y2);
            c += "l S\n";
        } else if (const auto* g = std::get_if<report::Regla>(&r)) {
            AgregaColor(c, report::ColorRegla, "rg");
            for (int32_t v : {g->x, g->y, g->ancho, g->alto}) AgregaNumero(c, v);
            c += "re f\n";
        }
    }
    if (estructura) c += "EMC\n";
    std::stable_sort(textos.begin(), textos.end(), [](const Impreso& a, const Impreso& b) {
        return std::tie(a.texto->y, a.texto->x) < std::tie(b.texto->y, b.texto->x);
    });
    if (textos.empty()) return c;
    const auto abre = [&c](const Estructura::Contenido& k) {
        c += '/';
        c += k.tipo;
        c += " <</MCID ";
        AgregaValor(c, k.mcid);
        c += ">> BDC\n";
    };
    c += "BT\n";
    int16_t tamano = -1;
    bool enNegrita = false;
    uint32_t color = 0xFFFFFFFF;
    Estructura::Forma forma = Estructura::Forma::Artefacto;
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const report::Texto* t = textos[i].texto;
        const bool primeroDeLinea = i == 0 || textos[i - 1].texto->y != t->y;
        const bool ultimoDeLinea = i + 1 == textos.size() || textos[i + 1].texto->y != t->y;
        if (primeroDeLinea && estructura) {
            forma = estructura->Renglon(textos[i].marca, marcado);
            if (forma == Estructura::Forma::Linea) abre(estructura->Linea());
            else if (forma == Estructura::Forma::Artefacto) c += "/Artifact <</Type /Pagination>> BDC\n";
        }
        if (forma == Estructura::Forma::Celdas) abre(estructura->Celda(*t, textos[i].dato));
        if (t->tamano != tamano || t->negrita != enNegrita || tamano < 0) {
            tamano = t->tamano;
            enNegrita = t->negrita;
            c += enNegrita ? "/F2 " : "/F1 ";
            AgregaNumero(c, int64_t{tamano} * 20);
            c += "Tf\n";
        }
        if (t->color != color) AgregaColor(c, color = t->color, "rg");
        int64_t x = t->x;
        if (t->alineacion == report::AlineaDerecha) x -= report::AnchoTexto(t->texto, t->tamano, t->negrita);
        c += "1 0 0 -1 ";
        AgregaNumero(c, x);
        AgregaNumero(c, t->y + (int64_t{t->tamano} * 20 * AscendentePorMil + 500) / 1000);
        c += "Tm ";
        AgregaCadena(c, t->texto, t->negrita ? negrita : normal);
        c += " Tj\n";
        if (estructura && (forma == Estructura::Forma::Celdas || ultimoDeLinea)) c += "EMC\n";
        if (estructura && ultimoDeLinea) estructura->FinRenglon();
    }
    c += "ET\n";
    return c;
}

// An outline entry: its title, its page and how high on the sheet it points, in points.
struct Marcador {
    QString titulo;
    std::size_t pagina = 0;
    int alto = 792;
    int nivel = 0;
};

// One entry per group heading the report prints (agrupación, bank, account), a little above it,
// nested as the report marks them; one per page when it prints none.
std::vector<Marcador> Marcadores(const report::Documento& documento, std::size_t paginas) {
    constexpr int32_t Holgura = 240;  // twips shown above the heading
    std::vector<Marcador> lista;
    for (const report::Grupo& g : report::GruposDeMarcas(documento)) {
        const int32_t y = std::max(0, report::OrigenY + g.y - Holgura);
        lista.push_back({g.titulo, g.pagina, (report::AltoHoja - y) / 20, g.nivel});
    }
    if (lista.empty())
        for (std::size_t i = 0; i < paginas; ++i) lista.push_back({QStringLiteral("Página %1").arg(i + 1), i, 792});
    return lista;
}

// Font units in thousandths of the text size, as PDF measures glyphs.
QByteArray Milesimas(int32_t unidades, const FuenteIncrustada& fuente) {
    return QByteArray::number(unidades * 1000.0 / fuente.UnidadesPorEm(), 'g', 6);
}

QByteArray Hex4(uint32_t v) {
    return QByteArray::number(v + 0x10000, 16).right(4).toUpper();
}

// The characters behind each glyph the texts use, so extraction and search give them back.
QByteArray MapaUnicode(const FuenteUsada& f) {
    QByteArray entradas;
    int enBloque = 0;
    QByteArray bloques;
    const auto cierra = [&] {
        if (enBloque == 0) return;
        bloques += QByteArray::number(enBloque) + " beginbfchar\n" + entradas + "endbfchar\n";
        entradas.clear();
        enBloque = 0;
    };
    for (std::size_t g = 0; g < f.caracteres.size(); ++g) {
        const char32_t c = f.caracteres[g];
        if (c == 0) continue;
        entradas += '<' + Hex4(static_cast<uint32_t>(g)) + "> <";
        if (c > 0xFFFF) entradas += Hex4(QChar::highSurrogate(c)) + Hex4(QChar::lowSurrogate(c));
        else entradas += Hex4(c);
        entradas += ">\n";
        if (++enBloque == 100) cierra();  // a block holds at most 100 entries
    }
    cierra();
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
           "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n" +
           bloques + "endcmap\nCMapName currentdict /defineresource get exec\nend\nend\n";
}

// The used glyphs' widths, one run per stretch of consecutive glyph ids.
QByteArray Anchos(const FuenteUsada& f) {
    QByteArray w = "[";
    for (std::size_t g = 0; g < f.glifos.size(); ++g) {
        if (!f.glifos[g]) continue;
        w += QByteArray::number(static_cast<qulonglong>(g)) + " [";
        for (; g < f.glifos.size() && f.glifos[g]; ++g) w += Milesimas(f.fuente.Avance(static_cast<uint16_t>(g)), f.fuente) + ' ';
        w += "] ";
    }
    return w + ']';
}

// A subset's name: six capitals drawn from the glyphs it holds, then the font's own name.
QByteArray NombreSubconjunto(const FuenteUsada& f) {
    QByteArray mapa(static_cast<qsizetype>((f.glifos.size() + 7) / 8), '\0');
    for (std::size_t g = 0; g < f.glifos.size(); ++g)
        if (f.glifos[g]) mapa[static_cast<qsizetype>(g / 8)] = static_cast<char>(mapa[static_cast<qsizetype>(g / 8)] | (1 << (g % 8)));
    const QByteArray resumen = QCryptographicHash::hash(f.fuente.Nombre() + mapa, QCryptographicHash::Md5);
    QByteArray etiqueta;
    for (int i = 0; i < 6; ++i) etiqueta += static_cast<char>('A' + static_cast<uint8_t>(resumen[i]) % 26);
    return etiqueta + '+' + f.fuente.Nombre();
}

// The font as a composite font over glyph ids (Identity-H) with its widths, descriptor, embedded
// subset and character map; the top font object is `numero`.
void EscribeFuente(Objetos& o, int numero, const FuenteUsada& f) {
    const int descendiente = o.Reserva(), descriptor = o.Reserva(), programa = o.Reserva(), mapa = o.Reserva();
    const QByteArray nombre = '/' + NombreSubconjunto(f);
    o.Escribe(numero, "<< /Type /Font /Subtype /Type0 /BaseFont " + nombre + " /Encoding /Identity-H /DescendantFonts [" +
                          Ref(descendiente) + "] /ToUnicode " + Ref(mapa) + " >>");
    o.Escribe(descendiente, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + nombre +
                                " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                                Ref(descriptor) + " /CIDToGIDMap /Identity /DW " + Milesimas(f.fuente.Avance(0), f.fuente) +
                                " /W " + Anchos(f) + " >>");
    const FuenteIncrustada::Metricas& m = f.fuente.Medidas();
    const auto mil = [&](int32_t v) { return Milesimas(v, f.fuente); };
    // Vertical stem width guessed from the weight class, as readers do for fonts that lack it.
    const int tallo = 10 + 220 * std::max(0, m.peso - 50) / 900;
    o.Escribe(descriptor, "<< /Type /FontDescriptor /FontName " + nombre + " /Flags 32 /FontBBox [" + mil(m.xMin) + ' ' +
                              mil(m.yMin) + ' ' + mil(m.xMax) + ' ' + mil(m.yMax) + "] /ItalicAngle " +
                              QByteArray::number(m.anguloItalica, 'g', 6) + " /Ascent " + mil(m.ascendente) +
                              " /Descent " + mil(m.descendente) + " /CapHeight " + mil(m.altoMayusculas) + " /StemV " +
                              QByteArray::number(tallo) + " /FontFile2 " + Ref(programa) + " >>");
    const QByteArray subconjunto = f.fuente.Subconjunto(f.glifos);
    o.Flujo(programa, subconjunto, " /Length1 " + QByteArray::number(subconjunto.size()));
    o.Flujo(mapa, MapaUnicode(f));
}

}  // namespace

QByteArray PdfDirecto(const report::Documento& documento, const DatosPdf& datos) {
    QByteArray pdf;
    PdfDirecto(documento, datos, [&pdf](const QByteArray& parte) { pdf += parte; });
    return pdf;
}

void PdfDirecto(const report::Documento& documento, const DatosPdf& datos,
                const std::function<void(const QByteArray&)>& escribe) {
    FuenteUsada normal(FuenteDePagina(false)), negrita(FuenteDePagina(true));
    Objetos o(escribe);
    const int catalogo = o.Reserva(), paginas = o.Reserva(), info = o.Reserva(), marcadores = o.Reserva();
    const int raiz = o.Reserva(), documentoEstructura = o.Reserva(), metadatos = o.Reserva();
    const std::size_t n = std::max<std::size_t>(documento.size(), 1);
    std::vector<int> pagina(n), contenido(n);
    for (std::size_t i = 0; i < n; ++i) {
        pagina[i] = o.Reserva();
        contenido[i] = o.Reserva();
    }
    const std::vector<Marcador> lista = Marcadores(documento, n);
    std::vector<int> marcador(lista.size());
    for (int& m : marcador) m = o.Reserva();

    // Tagged, in Spanish of Mexico, its title shown as the window's: what a screen reader needs.
    o.Escribe(catalogo, "<< /Type /Catalog /Pages " + Ref(paginas) + " /Outlines " + Ref(marcadores) +
                            " /PageMode /UseOutlines" +
                            (datos.etiquetado ? " /MarkInfo << /Marked true >> /StructTreeRoot " + Ref(raiz) : QByteArray()) +
                            " /Lang (es-MX) /ViewerPreferences << /DisplayDocTitle true >> /Metadata " +
                            Ref(metadatos) + " >>");
    const QDateTime fecha = datos.fecha.isValid() ? datos.fecha : QDateTime::currentDateTime();
    const QByteArray cuando = "(D:" + fecha.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    o.Escribe(info, "<< /Title " + CadenaUnicode(datos.titulo) + " /Author " + CadenaUnicode(datos.autor) +
                        " /Creator (ZR_ConsultasGT) /Producer (ZR_ConsultasGT) /CreationDate " + cuando +
                        " /ModDate " + cuando + " >>");
    // The tree: each entry under the nearest one before it of a lower level; inner ones closed.
    std::vector<std::vector<std::size_t>> ramas(lista.size() + 1);  // the last list is the outline's own
    std::vector<std::size_t> padre(lista.size());
    std::vector<std::size_t> abiertos;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        while (!abiertos.empty() && lista[abiertos.back()].nivel >= lista[i].nivel) abiertos.pop_back();
        padre[i] = abiertos.empty() ? lista.size() : abiertos.back();
        ramas[padre[i]].push_back(i);
        abiertos.push_back(i);
    }
    const auto ref = [&](std::size_t i) { return i == lista.size() ? Ref(marcadores) : Ref(marcador[i]); };
    const auto extremos = [&](std::size_t i) -> QByteArray {
        if (ramas[i].empty()) return {};
        const QByteArray cuenta = QByteArray::number(static_cast<qlonglong>(ramas[i].size()));
        return " /First " + ref(ramas[i].front()) + " /Last " + ref(ramas[i].back()) + " /Count " +
               (i == lista.size() ? cuenta : '-' + cuenta);
    };
    o.Escribe(marcadores, "<< /Type /Outlines" + extremos(lista.size()) + " >>");
    const bool marcado = report::TieneMarcas(documento);
    std::optional<Estructura> estructura;
    if (datos.etiquetado) estructura.emplace(o, documentoEstructura);
    Bufer arbolDePaginas;
    for (std::size_t i = 0; i < n; ++i) {
        QByteArray p = "<< /Type /Page /Parent " + Ref(paginas) + " /Contents " + Ref(contenido[i]);
        if (estructura) {
            p += " /StructParents " + QByteArray::number(static_cast<qulonglong>(i)) + " /Tabs /S";
            estructura->Pagina(pagina[i]);
        }
        o.Escribe(pagina[i], p + " >>");
        o.Flujo(contenido[i], i < documento.size() ? ContenidoPagina(documento[i], marcado, normal, negrita,
                                                                     estructura ? &*estructura : nullptr)
                                                   : Bufer());
        if (!estructura) continue;
        // Each page's entry an object of its own, so the tree is not held whole until the end.
        const int entrada = o.Reserva();
        Bufer& e = o.Compacto(entrada);
        e += '[';
        e += estructura->Elementos();
        e += ']';
        AgregaValor(arbolDePaginas, i);
        AgregaRef(arbolDePaginas, entrada);
    }
    if (estructura) {
        const QByteArray identificadores = estructura->Termina(raiz);
        o.Compacto(raiz, "<< /Type /StructTreeRoot /K " + Ref(documentoEstructura) + " /ParentTree << /Nums [" +
                            Vista(arbolDePaginas) + "] >> /ParentTreeNextKey " +
                            QByteArray::number(static_cast<qulonglong>(n)) + identificadores + " >>");
    }
    o.Metadatos(metadatos, Xmp(datos.titulo, datos.autor, fecha));
    for (const std::vector<std::size_t>& hermanos : ramas)
        for (std::size_t k = 0; k < hermanos.size(); ++k) {
            const std::size_t i = hermanos[k];
            QByteArray m = "<< /Title " + CadenaUnicode(lista[i].titulo) + " /Parent " + ref(padre[i]) + " /Dest [" +
                           Ref(pagina[lista[i].pagina]) + " /XYZ 0 " + QByteArray::number(lista[i].alto) + " 0]";
            if (k > 0) m += " /Prev " + ref(hermanos[k - 1]);
            if (k + 1 < hermanos.size()) m += " /Next " + ref(hermanos[k + 1]);
            o.Escribe(marcador[i], m + extremos(i) + " >>");
        }
    // Only the fonts the texts used, each holding only the glyphs they used.
    QByteArray fuentes;
    for (const auto& [recurso, f] : {std::pair{"/F1 ", &normal}, std::pair{"/F2 ", &negrita}}) {
        if (!f->usada) continue;
        const int numero = o.Reserva();
        EscribeFuente(o, numero, *f);
        fuentes += recurso + Ref(numero) + ' ';
    }
    QByteArray hijos;
    for (int p : pagina) hijos += Ref(p) + ' ';
    o.Escribe(paginas, "<< /Type /Pages /Count " + QByteArray::number(static_cast<qulonglong>(n)) + " /Kids [" +
                           hijos + "] /MediaBox [0 0 612 792] /Resources << /Font << " + fuentes + ">> >> >>");
    o.Termina(catalogo, info);
}

}  // namespace render
