#include "ui/VistaPreview.h"

#include "component/DatosEmpresa.h"
#include "render/Exportacion.h"
#include "report/Tabla.h"
#include "report/frmPreview.h"
#include "ui/PuertoUIQt.h"
#include "ui/VistaPagina.h"
#include "vb/ErrorEjecucion.h"

#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QShortcut>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double TwipsPorPulgada = 1440.0;
const QSize TamanoInicial(1100, 800);
const QSize TamanoMinimo(640, 360);

}  // namespace

VistaPreview::VistaPreview(report::frmPreview& form, QWidget* padre) : VistaFormulario(form, padre), preview_(form) {
    barra_ = new QWidget(this);
    auto* columnas = new QVBoxLayout(barra_);
    columnas->setContentsMargins(6, 6, 6, 4);
    columnas->setSpacing(4);

    auto* comandos = new QHBoxLayout;
    comandos->setSpacing(4);
    for (int i = 0; i < static_cast<int>(botones_.size()); ++i) {
        QPushButton* boton = Boton(form.cmdFunciones(i), barra_);
        boton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        boton->setMinimumHeight(boton->sizeHint().height() + 4);
        comandos->addWidget(boton);
        botones_[static_cast<std::size_t>(i)] = boton;
    }
    columnas->addLayout(comandos);

    auto* zoom = new QHBoxLayout;
    zoom->setSpacing(8);
    QLabel* etiquetaZoom = Etiqueta(form.lblEtiqueta(0), barra_);
    QComboBox* combo = Combo(form.cmbZoom, barra_);
    QLabel* etiquetaPagina = Etiqueta(form.lblEtiqueta(1), barra_);
    QLabel* pagina = Etiqueta(form.lblPagina, barra_);
    pagina->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pagina->setMinimumWidth(pagina->fontMetrics().horizontalAdvance(QStringLiteral("0000/0000")) + 12);
    pagina->setFixedHeight(combo->sizeHint().height());
    for (QWidget* w : {static_cast<QWidget*>(etiquetaZoom), static_cast<QWidget*>(combo),
                       static_cast<QWidget*>(etiquetaPagina), static_cast<QWidget*>(pagina)})
        zoom->addWidget(w);
    zoom->addStretch(1);
    // The commands on the whole document sit on this row, at its right, so the seven above
    // keep their width in a narrow window.
    for (controles::CommandButton* orden : {&form.cmdExportar, &form.cmdBuscar}) {
        QPushButton* boton = Boton(*orden, barra_);
        boton->setMinimumWidth(boton->sizeHint().width() + 24);
        boton->setMinimumHeight(boton->sizeHint().height() + 4);
        zoom->addWidget(boton);
    }
    columnas->addLayout(zoom);
    columnas->addStretch(1);

    pagina_ = new VistaPagina(form.Preview);
    area_ = new QScrollArea(this);
    area_->setWidget(pagina_);
    area_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    area_->setBackgroundRole(QPalette::Dark);
    // The page scrolls with the mouse; keys belong to the form.
    area_->setFocusPolicy(Qt::NoFocus);

    pagina_->Resaltado = [this]() -> std::optional<QRectF> {
        const std::optional<report::Coincidencia> c = preview_.CoincidenciaActual();
        if (!c || c->pagina != preview_.Preview.PreviewPage()) return std::nullopt;
        const report::Rectangulo r = report::RectanguloDe(preview_.Preview.Paginas(), *c);
        return QRectF(r.x, r.y, r.ancho, r.alto);
    };
    CreaBuscar();
    form.AbreBusqueda = [this] { AbreBuscar(); };
    form.PideExportar = [this] { Exporta(); };
    form.Preview.VistaCambiada = [this] { VistaCambiada(); };
    paginaMostrada_ = form.Preview.PreviewPage();

    setMinimumSize(TamanoMinimo);
    QSize tamano = TamanoInicial;
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.95);
    resize(tamano.expandedTo(TamanoMinimo));
    if (!botones_.empty()) botones_.front()->setFocus();
}

VistaPreview::~VistaPreview() {
    preview_.Preview.VistaCambiada = nullptr;
    preview_.AbreBusqueda = nullptr;
    preview_.PideExportar = nullptr;
}

// A window of its own, so the form's keys (which no control of the preview takes) leave typing
// alone; Enter and F3 go to the next occurrence, Shift with them to the previous one.
void VistaPreview::CreaBuscar() {
    buscar_ = new QDialog(this, Qt::Tool);
    buscar_->setWindowTitle(QStringLiteral("Buscar"));
    auto* fila = new QHBoxLayout(buscar_);
    fila->addWidget(new QLabel(QStringLiteral("Buscar:"), buscar_));
    textoBuscado_ = new QLineEdit(buscar_);
    textoBuscado_->setMinimumWidth(220);
    fila->addWidget(textoBuscado_);
    QLabel* estado = Etiqueta(preview_.lblBusqueda, buscar_);
    estado->setMinimumWidth(estado->fontMetrics().horizontalAdvance(QStringLiteral("Sin coincidencias")) + 8);
    fila->addWidget(estado);
    auto* anterior = new QPushButton(QStringLiteral("Anterior"), buscar_);
    auto* siguiente = new QPushButton(QStringLiteral("Siguiente"), buscar_);
    anterior->setAutoDefault(false);
    siguiente->setAutoDefault(false);
    fila->addWidget(anterior);
    fila->addWidget(siguiente);
    const auto busca = [this](const std::function<void()>& accion) { Protege(accion); };
    QObject::connect(textoBuscado_, &QLineEdit::textChanged, buscar_,
                     [this, busca](const QString& texto) { busca([&] { preview_.Busca(texto); }); });
    QObject::connect(siguiente, &QPushButton::clicked, buscar_, [this, busca] { busca([this] { preview_.BuscaSiguiente(); }); });
    QObject::connect(anterior, &QPushButton::clicked, buscar_, [this, busca] { busca([this] { preview_.BuscaAnterior(); }); });
    for (const auto& [tecla, adelante] : {std::pair{QKeySequence(Qt::Key_F3), true}, std::pair{QKeySequence(Qt::Key_Return), true},
                                          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F3), false},
                                          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_Return), false}}) {
        auto* atajo = new QShortcut(tecla, buscar_);
        QObject::connect(atajo, &QShortcut::activated, buscar_, [this, busca, adelante = adelante] {
            busca([this, adelante] { adelante ? preview_.BuscaSiguiente() : preview_.BuscaAnterior(); });
        });
    }
}

void VistaPreview::AbreBuscar() {
    if (!buscar_->isVisible()) {
        buscar_->adjustSize();
        buscar_->move(mapToGlobal(QPoint(std::max(0, width() - buscar_->width() - 24), barra_->height())));
    }
    buscar_->show();
    buscar_->raise();
    buscar_->activateWindow();
    textoBuscado_->setFocus();
    textoBuscado_->selectAll();
}

// The whole document as PDF, XLSX or CSV, the kind chosen in the save dialog.
void VistaPreview::Exporta() {
    QString filtro;
    const QString pdf = QStringLiteral("PDF (*.pdf)"), xlsx = QStringLiteral("Libro de Excel (*.xlsx)"),
                  csv = QStringLiteral("CSV separado por comas (*.csv)");
    const QString titulo = report::TituloDocumento(preview_.Preview.Paginas());
    QString archivo = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar"),
                                                   titulo.isEmpty() ? QStringLiteral("reporte") : titulo,
                                                   QStringList{pdf, xlsx, csv}.join(QStringLiteral(";;")), &filtro);
    if (archivo.isEmpty()) return;
    const QString extension = filtro == xlsx ? QStringLiteral("xlsx") : filtro == csv ? QStringLiteral("csv") : QStringLiteral("pdf");
    if (QFileInfo(archivo).suffix().isEmpty()) archivo += u'.' + extension;
    render::ExportaDocumento(preview_.Preview.Paginas(), archivo, {titulo, modConGastos::NombreEmpresa, {}});
}

void VistaPreview::VistaCambiada() {
    pagina_->Actualiza();
    const int vista = preview_.Preview.PreviewPage();
    if (vista != paginaMostrada_) {
        paginaMostrada_ = vista;
        area_->verticalScrollBar()->setValue(0);
    }
}

void VistaPreview::resizeEvent(QResizeEvent* evento) {
    VistaFormulario::resizeEvent(evento);
    const double twipsPorPixel = TwipsPorPulgada / logicalDpiX();
    Protege([&] {
        preview_.SetWidth(static_cast<int32_t>(std::lround(width() * twipsPorPixel)));
        preview_.SetHeight(static_cast<int32_t>(std::lround(height() * twipsPorPixel)));
    });
    Acomoda();
}

void VistaPreview::Acomoda() {
    // The page area takes the size the form gives its preview control, at the bottom; the
    // commands take what is left above it.
    const double pixelesPorTwip = logicalDpiX() / TwipsPorPulgada;
    const int ancho = std::clamp(static_cast<int>(std::lround(preview_.PreviewWidth() * pixelesPorTwip)), 0, width());
    const int barra = barra_->sizeHint().height();
    const int alto = std::clamp(static_cast<int>(std::lround(preview_.PreviewHeight() * pixelesPorTwip)), 0,
                                std::max(0, height() - barra));
    barra_->setGeometry(0, 0, width(), height() - alto);
    area_->setGeometry((width() - ancho) / 2, height() - alto, ancho, alto);

    // What the area shows of a sheet without scrolling, for the fitted zooms: less its frame, the
    // desk and a pixel the sheet's rounding up may take.
    const int resta = 2 * area_->frameWidth() + VistaPagina::Borde() + 1;
    const int grosorBarra = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_->verticalScrollBar());
    const double twipsPorPixel = TwipsPorPulgada / logicalDpiX();
    const auto twips = [twipsPorPixel](int pixeles) { return static_cast<int32_t>(std::max(0, pixeles) * twipsPorPixel); };
    Protege([&] { preview_.EspacioHoja(twips(ancho - resta), twips(alto - resta), twips(ancho - resta - grosorBarra)); });
}

void RegistraVistaPreview() {
    RegistraVista(QStringLiteral("frmPreview"), [](controles::Form& form, QWidget* padre) -> std::unique_ptr<VistaFormulario> {
        auto* preview = dynamic_cast<report::frmPreview*>(&form);
        if (!preview) throw vb::ErrorEjecucion(vb::errores::TiposNoCoinciden);
        return std::make_unique<VistaPreview>(*preview, padre);
    });
}

}  // namespace ui
