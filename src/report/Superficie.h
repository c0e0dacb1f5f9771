#pragma once
// The report surface: reports draw on it in twips, it keeps the pages of one document and
// shows or prints them. Properties read as Name() and are set as Name(value).
#include "report/Pagina.h"
#include "report/SuperficieImpresion.h"
#include "vb/Currency.h"
#include "vb/Integer.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace report {

class Superficie {
public:
    explicit Superficie(PuertoImpresion* impresora = nullptr);

    // Document. Drawing needs an open document (StartDoc .. EndDoc): error 5 otherwise.
    void StartDoc();   // empty document, page 1 current
    void EndDoc();     // finishes the document; its pages stay for saving and showing
    void NewPage();    // the next page of the same document becomes current
    void ReopenPage(int32_t pagina);  // reopens a finished document to add to page n, counted past 32767

    void PrintText(int32_t x, int32_t y, const QString& texto);
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void DrawRule(int32_t x, int32_t y, int32_t ancho, int32_t alto);

    // Marks: what the texts drawn next stand for; drawing ignores them, the exports read them. A
    // line mark holds until the next one; a value mark describes the next PrintText alone.
    void MarkLine(ClaseRenglon clase, int16_t nivel = 0, const QString& grupo = {}, const QString& clave = {},
                  const QString& nombre = {});
    void MarkValue(const QString& columna, TipoDato tipo, const QString& valor);
    void MarkValue(const QString& columna, const vb::Currency& importe);
    void MarkValue(const QString& columna, const QDate& fecha);

    // Attribute blocks: EndGroup restores ForeColor, FontBold, FontSize, TextAlign and TextMode
    // as they were at its BeginGroup; with no block open it does nothing.
    void BeginGroup();
    void EndGroup();

    // Page files. The path is already resolved; SavePage never leaves a partial file behind.
    void SavePage(const QString& archivo, vb::Integer pagina) const;
    void LoadPage(const QString& archivo);  // appends the file's records to the current page
    // The same for the page writer, which keeps its page files itself.
    QByteArray PageData(vb::Integer pagina) const;
    void LoadPageData(const QByteArray& emf);

    void RefreshPreview();

    int32_t ForeColor() const { return atributos_.foreColor; }
    void ForeColor(int32_t color) { atributos_.foreColor = color; }
    bool FontBold() const { return atributos_.fontBold; }
    void FontBold(bool negrita) { atributos_.fontBold = negrita; }
    vb::Integer FontSize() const { return atributos_.fontSize; }
    void FontSize(vb::Integer puntos);      // 1 or more, else error 380
    int32_t TextAlign() const { return atributos_.textAlign; }
    void TextAlign(int32_t alineacion);     // 0 or 2, else error 380
    int32_t TextMode() const { return atributos_.textMode; }
    void TextMode(int32_t modo) { atributos_.textMode = modo; }  // kept, does not change drawing
    bool TextOption() const { return textOption_; }
    void TextOption(bool opcion) { textOption_ = opcion; }        // kept, does not change drawing

    int32_t Action() const { return action_; }
    void Action(int32_t accion);            // 2 prints every page, 0 does nothing, else error 380

    vb::Integer PreviewPage() const { return previewPage_; }
    void PreviewPage(vb::Integer pagina);   // clamped to 1 .. PageCount
    vb::Integer PageCount() const { return static_cast<int32_t>(paginas_.size()); }
    vb::Integer Zoom() const { return zoom_; }
    void Zoom(vb::Integer porcentaje);      // clamped to 30 .. 200

    // For the renderer, the listing and the print port.
    const Documento& Paginas() const { return paginas_; }
    bool DocumentoAbierto() const { return abierto_; }
    void Impresora(PuertoImpresion* impresora) { impresora_ = impresora; }

    // Raised by RefreshPreview and by a Zoom change, for the view that shows the surface.
    std::function<void()> VistaCambiada;

private:
    struct Atributos {
        int32_t foreColor = 0;
        bool fontBold = false;
        vb::Integer fontSize = 8;
        int32_t textAlign = AlineaIzquierda;
        int32_t textMode = 0;
    };

    Pagina& paginaActual();
    void cierraPagina();
    void avisaVista();

    Documento paginas_;
    std::size_t actual_ = 0;
    bool abierto_ = false;
    Atributos atributos_;
    std::vector<Atributos> grupos_;
    std::shared_ptr<TablaTextos> textos_;  // the texts of all the document's pages
    bool textOption_ = false;
    int32_t action_ = 0;
    vb::Integer previewPage_ = 1;
    vb::Integer zoom_ = 100;
    PuertoImpresion* impresora_;
};

}  // namespace report
