#pragma once
// A date field typed as dd/mm/yyyy from whichever part holds the cursor: a digit replaces that
// part, a full part moves on to the next one, and a separator typed after it does not skip one.
#include <QDateEdit>

namespace ui {

class CampoFecha : public QDateEdit {
public:
    explicit CampoFecha(QWidget* padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool avanzoSolo_ = false;  // the last digit filled its part and the field moved to the next
};

}  // namespace ui
