#pragma once
// A search list: rows of a catalog under a filter box. The rows shown are those whose code or
// name contains the typed text, without regard to case; Enter or a double click chooses the
// current row, Escape cancels.
#include <QDialog>
#include <QStringList>
#include <vector>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;

namespace ui {

class DialogoBusqueda : public QDialog {
public:
    // `columnas` are the headings; the first column holds the code that a choice returns.
    // `filtradas` are the columns the typed text is looked for in; `derecha`, the columns
    // aligned right (amounts).
    DialogoBusqueda(const QString& titulo, const QStringList& columnas, std::vector<int> filtradas,
                    std::vector<int> derecha = {}, QWidget* padre = nullptr);

    void AgregaRenglon(const QStringList& valores);
    // Call once every row is in: sizes the columns and selects the first row.
    void Listo();

    // The code of the chosen row; "" until a row is chosen, and after a cancel.
    const QString& Codigo() const { return codigo_; }
    // The help document F1 opens; none when empty.
    void FijaAyuda(const QString& archivo) { ayuda_ = archivo; }

    QLineEdit* Filtro() const { return filtro_; }
    QTreeView* Lista() const { return lista_; }
    int Visibles() const;

    void accept() override;  // only with a row to choose

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Filtra(const QString& texto);

    QLineEdit* filtro_ = nullptr;
    QTreeView* lista_ = nullptr;
    QStandardItemModel* datos_ = nullptr;
    QSortFilterProxyModel* vista_ = nullptr;
    std::vector<int> derecha_;
    QString codigo_;
    QString ayuda_;
};

}  // namespace ui
