#pragma once
// The desktop host's services: the Qt message service, the creditor and cheque searches, the
// help-document opener, the UI port with the views registered so far, the printer, and the busy
// pointer. Needs a QApplication.
#include <QString>

namespace ui {

// Installs all of them into component::ServiciosAnfitrion(), the controls' UI port and the
// report printer.
void InstalaServiciosQt();

// Opens the help document with the desktop's default application; false when it could not.
bool AbreDocumento(const QString& archivo);

}  // namespace ui
