#include "ui/CampoFecha.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

CampoFecha::CampoFecha(QWidget* padre) : QDateEdit(padre) {
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
}

void CampoFecha::keyPressEvent(QKeyEvent* evento) {
    const QString texto = evento->text();
    const bool digito = texto.size() == 1 && texto[0].isDigit();
    const bool separador = texto == u"/" || texto == u"-" || texto == u".";
    const Section parte = currentSection();
    if (separador && avanzoSolo_) {
        // The part was already closed by its last digit: this separator is the one after it.
        avanzoSolo_ = false;
        evento->accept();
        return;
    }
    avanzoSolo_ = false;
    // A click leaves the cursor inside a whole part with nothing selected, where one more digit
    // would be refused: the part is selected first, so the digit takes its place.
    if (digito && parte != NoSection && !lineEdit()->hasSelectedText() &&
        sectionText(parte).size() >= (parte == YearSection ? 4 : 2))
        setSelectedSection(parte);
    QDateEdit::keyPressEvent(evento);
    avanzoSolo_ = digito && currentSection() != parte;
}

}  // namespace ui
