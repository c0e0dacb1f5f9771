#include "ui/DialogoBusqueda.h"

#include "ui/Anfitrion.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

constexpr int Holgura = 16;

// Keeps the rows whose code or name (the filtered columns) contains the text.
class FiltroDeColumnas : public QSortFilterProxyModel {
public:
    FiltroDeColumnas(std::vector<int> columnas, QObject* padre) : QSortFilterProxyModel(padre), columnas_(std::move(columnas)) {}

    void FijaTexto(const QString& texto) {
        texto_ = texto.trimmed();
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int renglon, const QModelIndex& padre) const override {
        if (texto_.isEmpty()) return true;
        return std::any_of(columnas_.begin(), columnas_.end(), [&](int columna) {
            return sourceModel()->index(renglon, columna, padre).data().toString().contains(texto_, Qt::CaseInsensitive);
        });
    }

private:
    std::vector<int> columnas_;
    QString texto_;
};

}  // namespace

DialogoBusqueda::DialogoBusqueda(const QString& titulo, const QStringList& columnas, std::vector<int> filtradas,
                                 std::vector<int> derecha, QWidget* padre)
    : QDialog(padre), derecha_(std::move(derecha)) {
    setWindowTitle(titulo);
    setModal(true);

    auto* columna = new QVBoxLayout(this);
    auto* fila = new QHBoxLayout;
    auto* etiqueta = new QLabel(QStringLiteral("Buscar:"), this);
    filtro_ = new QLineEdit(this);
    filtro_->setClearButtonEnabled(true);
    etiqueta->setBuddy(filtro_);
    fila->addWidget(etiqueta);
    fila->addWidget(filtro_, 1);
    columna->addLayout(fila);

    datos_ = new QStandardItemModel(0, static_cast<int>(columnas.size()), this);
    datos_->setHorizontalHeaderLabels(columnas);
    for (int c : derecha_)
        if (QStandardItem* titulo = datos_->horizontalHeaderItem(c)) titulo->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* filtro = new FiltroDeColumnas(std::move(filtradas), this);
    filtro->setSourceModel(datos_);
    vista_ = filtro;

    lista_ = new QTreeView(this);
    lista_->setModel(vista_);
    lista_->setRootIsDecorated(false);
    lista_->setUniformRowHeights(true);
    lista_->setAlternatingRowColors(true);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->header()->setStretchLastSection(true);
    columna->addWidget(lista_, 1);

    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    columna->addWidget(botones);

    connect(botones, &QDialogButtonBox::accepted, this, &DialogoBusqueda::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &DialogoBusqueda::reject);
    connect(filtro_, &QLineEdit::textChanged, this, &DialogoBusqueda::Filtra);
    connect(lista_, &QTreeView::doubleClicked, this, &DialogoBusqueda::accept);
    // Up, Down and Page keys typed in the filter box move through the list.
    filtro_->installEventFilter(this);

    QSize tamano(820, 520);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.9);
    resize(tamano);
    filtro_->setFocus();
}

void DialogoBusqueda::AgregaRenglon(const QStringList& valores) {
    QList<QStandardItem*> renglon;
    for (int i = 0; i < valores.size(); ++i) {
        auto* celda = new QStandardItem(valores[i]);
        if (std::find(derecha_.begin(), derecha_.end(), i) != derecha_.end())
            celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        renglon << celda;
    }
    datos_->appendRow(renglon);
}

void DialogoBusqueda::Listo() {
    // Every column but the last (which stretches) as wide as its widest text, with some air.
    for (int c = 0; c + 1 < datos_->columnCount(); ++c) {
        lista_->resizeColumnToContents(c);
        lista_->setColumnWidth(c, lista_->columnWidth(c) + Holgura);
    }
    Filtra(filtro_->text());
}

int DialogoBusqueda::Visibles() const { return vista_->rowCount(); }

void DialogoBusqueda::Filtra(const QString& texto) {
    static_cast<FiltroDeColumnas*>(vista_)->FijaTexto(texto);
    // The first match is current, so Enter takes it.
    if (vista_->rowCount() > 0) lista_->setCurrentIndex(vista_->index(0, 0));
}

void DialogoBusqueda::accept() {
    const QModelIndex actual = lista_->currentIndex();
    if (!actual.isValid()) return;
    codigo_ = vista_->index(actual.row(), 0).data().toString().trimmed();
    QDialog::accept();
}

bool DialogoBusqueda::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == filtro_ && evento->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evento)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(lista_, evento);
            return true;
        default: break;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void DialogoBusqueda::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1 && !ayuda_.isEmpty()) {
        AbreDocumento(ayuda_);
        return;
    }
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && evento->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace ui
