#include "ui/MensajesQt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

const QString TituloPredeterminado = QStringLiteral("Consultas");

QString Titulo() {
    const QWidget* activa = QApplication::activeWindow();
    return activa && !activa->windowTitle().isEmpty() ? activa->windowTitle() : TituloPredeterminado;
}

QString SaltosDeLinea(QString texto) {
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(u'\r', u'\n');
    return texto;
}

}  // namespace

QString TextoMensaje(int32_t numero, const QString& texto) {
    switch (numero) {
    case component::MensajeSalirDeVista: return QStringLiteral("¿Desea salir de la vista preliminar?") + SaltosDeLinea(texto);
    case component::MensajePaginaGrabada: return QStringLiteral("Página grabada:") + SaltosDeLinea(texto);
    default: return SaltosDeLinea(texto);
    }
}

void MensajesQt::MuestraMensaje(int32_t numero, int32_t, const QString& texto, int32_t) {
    QMessageBox caja(QMessageBox::Information, Titulo(), TextoMensaje(numero, texto), QMessageBox::Ok,
                     QApplication::activeWindow());
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
}

int32_t MensajesQt::Pregunta(int32_t numero, int32_t, const QString& texto, int32_t, int32_t) {
    QMessageBox caja(QMessageBox::Question, Titulo(), TextoMensaje(numero, texto), QMessageBox::Yes | QMessageBox::No,
                     QApplication::activeWindow());
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("No"));
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes ? component::RespuestaSi : component::RespuestaNo;
}

QString MensajesQt::Captura(int32_t numero, int32_t, const QString& indicacion, int32_t, int32_t, int32_t) {
    QInputDialog dialogo(QApplication::activeWindow());
    dialogo.setWindowTitle(Titulo());
    dialogo.setLabelText(TextoMensaje(numero, indicacion));
    dialogo.setOkButtonText(QStringLiteral("Aceptar"));
    dialogo.setCancelButtonText(QStringLiteral("Cancelar"));
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

void MensajesQt::MuestraError(const vb::Variant& numero, const vb::Variant& descripcion, int32_t) {
    QMessageBox caja(QMessageBox::Critical, Titulo(),
                     QStringLiteral("Error %1\n%2").arg(numero.Texto(), SaltosDeLinea(descripcion.Texto())), QMessageBox::Ok,
                     QApplication::activeWindow());
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
}

}  // namespace ui
