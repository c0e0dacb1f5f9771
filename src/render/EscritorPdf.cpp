// The document's PDF written directly from its records: one content stream per page with real
// text in the page font (Arial's metrics, so right-aligned text ends where the pages put it),
// lines and grey bands; title, author and date; one bookmark per group heading, or per page.
// No painting, no shaping: every width comes from the font's advance table.
#include "render/Exportacion.h"

#include "report/EmfMetricas.h"
#include "report/Tabla.h"

#include <QByteArray>
#include <QDateTime>

#include <algorithm>
#include <numeric>
#include <vector>

namespace render {

namespace {

constexpr int CompresionRapida = 1;  // content streams are text; the fastest level keeps most of the gain
constexpr int32_t AscendentePorMil = 905;  // the font's ascent, thousandths of an em

// WinAnsi, the encoding of the standard sans font: Latin-1 plus a few punctuation marks.
char ByteWinAnsi(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    switch (c) {
    case 0x20AC: return '\x80';
    case 0x201A: return '\x82';
    case 0x2026: return '\x85';
    case 0x2018: return '\x91';
    case 0x2019: return '\x92';
    case 0x201C: return '\x93';
    case 0x201D: return '\x94';
    case 0x2022: return '\x95';
    case 0x2013: return '\x96';
    case 0x2014: return '\x97';
    default: return '?';
    }
}

void AgregaCadena(QByteArray& salida, const QString& texto) {
    salida += '(';
    for (const QChar c : texto) {
        const char b = ByteWinAnsi(c.unicode());
        if (b == '(' || b == ')' || b == '\\') salida += '\\';
        salida += b;
    }
    salida += ')';
}

// A text string outside content streams (titles, bookmarks): UTF-16BE with its mark.
QByteArray CadenaUnicode(const QString& texto) {
    QByteArray hex = "<FEFF";
    for (const QChar c : texto) hex += QByteArray::number(c.unicode() + 0x10000, 16).right(4).toUpper();
    return hex + '>';
}

void AgregaColor(QByteArray& salida, uint32_t color, const char* operador) {
    for (int desplazamiento : {0, 8, 16}) {
        salida += QByteArray::number(((color >> desplazamiento) & 0xFF) / 255.0, 'g', 4);
        salida += ' ';
    }
    salida += operador;
    salida += '\n';
}

void AgregaNumero(QByteArray& salida, int64_t n) {
    salida += QByteArray::number(static_cast<qlonglong>(n));
    salida += ' ';
}

// Page content in twips: one matrix maps the report's origin and its downward y onto the sheet;
// text gets an upright matrix of its own. Bands and lines first, then the texts top to bottom and
// left to right, so text extraction reads the page in order.
QByteArray ContenidoPagina(const report::Pagina& pagina) {
    QByteArray c;
    c.reserve(static_cast<qsizetype>(pagina.registros.size()) * 48);
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
    bool negrita = false;
    uint32_t color = 0xFFFFFFFF;
    for (const report::Texto* t : textos) {
        if (t->tamano != tamano || t->negrita != negrita || tamano < 0) {
            tamano = t->tamano;
            negrita = t->negrita;
            c += negrita ? "/F2 " : "/F1 ";
            AgregaNumero(c, int64_t{tamano} * 20);
            c += "Tf\n";
        }
        if (t->color != color) AgregaColor(c, color = t->color, "rg");
        int64_t x = t->x;
        if (t->alineacion == report::AlineaDerecha) {
            const std::vector<uint32_t> avances = report::AvancesTexto(t->texto, t->tamano, t->negrita);
            x -= std::accumulate(avances.begin(), avances.end(), int64_t{0});
        }
        c += "1 0 0 -1 ";
        AgregaNumero(c, x);
        AgregaNumero(c, t->y + (int64_t{t->tamano} * 20 * AscendentePorMil + 500) / 1000);
        c += "Tm ";
        AgregaCadena(c, t->texto);
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

    void Flujo(int numero, const QByteArray& contenido) {
        const QByteArray comprimido = qCompress(contenido, CompresionRapida).mid(4);  // drop Qt's length prefix
        desplazamientos_[static_cast<std::size_t>(numero - 1)] = datos_.size();
        datos_ += QByteArray::number(numero) + " 0 obj\n<< /Length " + QByteArray::number(comprimido.size()) +
                  " /Filter /FlateDecode >>\nstream\n" + comprimido + "\nendstream\nendobj\n";
    }

    QByteArray Termina(int catalogo, int info) {
        const qsizetype xref = datos_.size();
        datos_ += "xref\n0 " + QByteArray::number(desplazamientos_.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype d : desplazamientos_)
            datos_ += QByteArray::number(static_cast<qlonglong>(d)).rightJustified(10, '0') + " 00000 n \n";
        datos_ += "trailer\n<< /Size " + QByteArray::number(desplazamientos_.size() + 1) + " /Root " +
                  QByteArray::number(catalogo) + " 0 R /Info " + QByteArray::number(info) +
                  " 0 R >>\nstartxref\n" + QByteArray::number(static_cast<qlonglong>(xref)) + "\n%%EOF\n";
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
};

// One entry per group heading the report prints (agrupación, bank, account), a little above it;
// one per page when it prints none.
std::vector<Marcador> Marcadores(const report::Documento& documento, std::size_t paginas) {
    constexpr int32_t Holgura = 240;  // twips shown above the heading
    std::vector<Marcador> lista;
    for (const report::Grupo& g : report::GruposDeDocumento(documento)) {
        const int32_t y = std::max(0, report::OrigenY + g.y - Holgura);
        lista.push_back({g.titulo, g.pagina, (report::AltoHoja - y) / 20});
    }
    if (lista.empty())
        for (std::size_t i = 0; i < paginas; ++i) lista.push_back({QStringLiteral("Página %1").arg(i + 1), i, 792});
    return lista;
}

}  // namespace

QByteArray PdfDirecto(const report::Documento& documento, const DatosPdf& datos) {
    Objetos o;
    const int catalogo = o.Reserva(), paginas = o.Reserva(), normal = o.Reserva(), negrita = o.Reserva(),
              info = o.Reserva(), marcadores = o.Reserva();
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
    QByteArray hijos;
    for (int p : pagina) hijos += Ref(p) + ' ';
    o.Escribe(paginas, "<< /Type /Pages /Count " + QByteArray::number(static_cast<qulonglong>(n)) + " /Kids [" +
                           hijos + "] /MediaBox [0 0 612 792] /Resources << /Font << /F1 " + Ref(normal) +
                           " /F2 " + Ref(negrita) + " >> >> >>");
    o.Escribe(normal, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    o.Escribe(negrita, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    const QDateTime fecha = datos.fecha.isValid() ? datos.fecha : QDateTime::currentDateTime();
    const QByteArray cuando = "(D:" + fecha.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    o.Escribe(info, "<< /Title " + CadenaUnicode(datos.titulo) + " /Author " + CadenaUnicode(datos.autor) +
                        " /Creator (ZR_ConsultasGT) /Producer (ZR_ConsultasGT) /CreationDate " + cuando +
                        " /ModDate " + cuando + " >>");
    o.Escribe(marcadores, "<< /Type /Outlines /First " + Ref(marcador.front()) + " /Last " + Ref(marcador.back()) +
                              " /Count " + QByteArray::number(static_cast<qulonglong>(lista.size())) + " >>");
    for (std::size_t i = 0; i < n; ++i) {
        o.Escribe(pagina[i], "<< /Type /Page /Parent " + Ref(paginas) + " /Contents " + Ref(contenido[i]) + " >>");
        o.Flujo(contenido[i], i < documento.size() ? ContenidoPagina(documento[i]) : QByteArray());
    }
    for (std::size_t i = 0; i < lista.size(); ++i) {
        QByteArray m = "<< /Title " + CadenaUnicode(lista[i].titulo) + " /Parent " + Ref(marcadores) + " /Dest [" +
                       Ref(pagina[lista[i].pagina]) + " /XYZ 0 " + QByteArray::number(lista[i].alto) + " 0]";
        if (i > 0) m += " /Prev " + Ref(marcador[i - 1]);
        if (i + 1 < lista.size()) m += " /Next " + Ref(marcador[i + 1]);
        o.Escribe(marcador[i], m + " >>");
    }
    return o.Termina(catalogo, info);
}

}  // namespace render
