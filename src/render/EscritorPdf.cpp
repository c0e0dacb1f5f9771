// The document's PDF written directly from its records: one content stream per page with real
// text in the page font (Arial's metrics, so right-aligned text ends where the pages put it),
// lines and grey bands; title, author and date; one bookmark per group heading, or per page.
// The font travels inside the file, cut down to the glyphs the document uses, with the
// characters behind them, so every character the database holds prints and extracts.
// No painting, no shaping: every width comes from the font's advance table.
#include "render/Exportacion.h"

#include "render/FuenteIncrustada.h"
#include "report/EmfMetricas.h"
#include "report/Tabla.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <vector>

namespace render {

namespace {

constexpr int CompresionRapida = 1;  // content streams are text; the fastest level keeps most of the gain
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

// The text as two-byte glyph ids (Identity-H) in a literal string; control characters take no
// room on the page and are left out.
void AgregaCadena(QByteArray& salida, const QString& texto, FuenteUsada& f) {
    f.usada = true;
    const qsizetype inicio = salida.size();
    salida.resize(inicio + 2 + 4 * texto.size());  // every byte of every glyph escaped at worst
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
    salida.truncate(q - salida.constData());
}

// A text string outside content streams (titles, bookmarks): UTF-16BE with its mark.
QByteArray CadenaUnicode(const QString& texto) {
    QByteArray hex = "<FEFF";
    for (const QChar c : texto) hex += QByteArray::number(c.unicode() + 0x10000, 16).right(4).toUpper();
    return hex + '>';
}

// Numbers go through a buffer on the stack: a page holds thousands of them.
template <typename T, typename... Formato>
void AgregaValor(QByteArray& salida, T valor, Formato... formato) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer - 1, valor, formato...);
    if (r.ec != std::errc()) return;  // never: 31 characters hold any of them
    *r.ptr = ' ';
    salida.append(buffer, r.ptr + 1 - buffer);
}

void AgregaColor(QByteArray& salida, uint32_t color, const char* operador) {
    for (int desplazamiento : {0, 8, 16}) AgregaValor(salida, ((color >> desplazamiento) & 0xFF) / 255.0, std::chars_format::general, 4);
    salida += operador;
    salida += '\n';
}

void AgregaNumero(QByteArray& salida, int64_t n) {
    AgregaValor(salida, n);
}

// Page content in twips: one matrix maps the report's origin and its downward y onto the sheet;
// text gets an upright matrix of its own. Bands and lines first, then the texts top to bottom and
// left to right, so text extraction reads the page in order.
QByteArray ContenidoPagina(const report::Pagina& pagina, FuenteUsada& normal, FuenteUsada& negrita) {
    qsizetype largo = 0;
    for (const report::Registro& r : pagina.registros)
        largo += 48 + (std::holds_alternative<report::Texto>(r) ? std::get<report::Texto>(r).texto.size() * 2 : 0);
    QByteArray c;
    c.reserve(largo);
    c += "0.05 0 0 -0.05 ";
    c += QByteArray::number(report::OrigenX / 20.0) + ' ' + QByteArray::number(report::AltoHoja / 20.0 - report::OrigenY / 20.0);
    c += " cm\n";
    std::vector<const report::Texto*> textos;
    uint32_t colorLinea = 0xFFFFFFFF;
    bool grosor = false;
    for (const report::Registro& r : pagina.registros) {
        if (const auto* t = std::get_if<report::Texto>(&r)) {
            if (!t->texto.isEmpty()) textos.push_back(t);
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
    std::stable_sort(textos.begin(), textos.end(), [](const report::Texto* a, const report::Texto* b) {
        return std::tie(a->y, a->x) < std::tie(b->y, b->x);
    });
    if (textos.empty()) return c;
    c += "BT\n";
    int16_t tamano = -1;
    bool enNegrita = false;
    uint32_t color = 0xFFFFFFFF;
    for (const report::Texto* t : textos) {
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
    }
    c += "ET\n";
    return c;
}

// Numbered objects written one after another, with the offsets the cross-reference table needs.
class Objetos {
public:
    Objetos() { datos_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    int Reserva() {
        desplazamientos_.push_back(-1);
        return static_cast<int>(desplazamientos_.size());
    }

    void Escribe(int numero, const QByteArray& cuerpo) {
        desplazamientos_[static_cast<std::size_t>(numero - 1)] = datos_.size();
        datos_ += QByteArray::number(numero) + " 0 obj\n" + cuerpo + "\nendobj\n";
    }

    // `extra`: more entries of the stream's dictionary.
    void Flujo(int numero, const QByteArray& contenido, const QByteArray& extra = {}) {
        const QByteArray comprimido = qCompress(contenido, CompresionRapida).mid(4);  // drop Qt's length prefix
        desplazamientos_[static_cast<std::size_t>(numero - 1)] = datos_.size();
        datos_ += QByteArray::number(numero) + " 0 obj\n<< /Length " + QByteArray::number(comprimido.size()) +
                  " /Filter /FlateDecode" + extra + " >>\nstream\n" + comprimido + "\nendstream\nendobj\n";
    }

    // The file's identifier is a digest of everything before it, so the same document always
    // makes the same file.
    QByteArray Termina(int catalogo, int info) {
        const QByteArray id = '<' + QCryptographicHash::hash(datos_, QCryptographicHash::Md5).toHex().toUpper() + '>';
        const qsizetype xref = datos_.size();
        datos_ += "xref\n0 " + QByteArray::number(desplazamientos_.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype d : desplazamientos_)
            datos_ += QByteArray::number(static_cast<qlonglong>(d)).rightJustified(10, '0') + " 00000 n \n";
        datos_ += "trailer\n<< /Size " + QByteArray::number(desplazamientos_.size() + 1) + " /Root " +
                  QByteArray::number(catalogo) + " 0 R /Info " + QByteArray::number(info) +
                  " 0 R /ID [" + id + ' ' + id + "] >>\nstartxref\n" + QByteArray::number(static_cast<qlonglong>(xref)) + "\n%%EOF\n";
        return std::move(datos_);
    }

private:
    QByteArray datos_;
    std::vector<qsizetype> desplazamientos_;
};

QByteArray Ref(int n) { return QByteArray::number(n) + " 0 R"; }

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
    for (const report::Grupo& g : report::GruposDeDocumento(documento)) {
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
    FuenteUsada normal(FuenteDePagina(false)), negrita(FuenteDePagina(true));
    Objetos o;
    const int catalogo = o.Reserva(), paginas = o.Reserva(), info = o.Reserva(), marcadores = o.Reserva();
    const std::size_t n = std::max<std::size_t>(documento.size(), 1);
    std::vector<int> pagina(n), contenido(n);
    for (std::size_t i = 0; i < n; ++i) {
        pagina[i] = o.Reserva();
        contenido[i] = o.Reserva();
    }
    const std::vector<Marcador> lista = Marcadores(documento, n);
    std::vector<int> marcador(lista.size());
    for (int& m : marcador) m = o.Reserva();

    o.Escribe(catalogo, "<< /Type /Catalog /Pages " + Ref(paginas) + " /Outlines " + Ref(marcadores) +
                            " /PageMode /UseOutlines >>");
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
    for (std::size_t i = 0; i < n; ++i) {
        o.Escribe(pagina[i], "<< /Type /Page /Parent " + Ref(paginas) + " /Contents " + Ref(contenido[i]) + " >>");
        o.Flujo(contenido[i], i < documento.size() ? ContenidoPagina(documento[i], normal, negrita) : QByteArray());
    }
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
    return o.Termina(catalogo, info);
}

}  // namespace render
