#include "ui/ImpresoraQt.h"
#include "ui/MensajesQt.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs `respuesta` on the dialog the next call opens.
template <class Dialogo>
void Responde(std::function<void(Dialogo*)> respuesta) {
    QTimer::singleShot(0, [respuesta] {
        auto* dialogo = qobject_cast<Dialogo*>(QApplication::activeModalWidget());
        EXPECT_NE(dialogo, nullptr);
        if (dialogo) respuesta(dialogo);
    });
}

void PulsaBoton(QMessageBox* caja, const QString& texto) {
    for (QAbstractButton* b : caja->buttons())
        if (b->text() == texto) return b->click();
    ADD_FAILURE() << "no hay botón " << texto.toStdString();
    caja->reject();
}

}  // namespace

TEST(Mensajes, PreguntaDaSeisOSieteYCapturaElTexto) {
    ui::MensajesQt mensajes;

    QString textoPregunta;
    Responde<QMessageBox>([&](QMessageBox* caja) {
        textoPregunta = caja->text();
        PulsaBoton(caja, QStringLiteral("Sí"));
    });
    EXPECT_EQ(mensajes.Pregunta(129, 0, QString(), 0, 0), 6);
    EXPECT_EQ(textoPregunta, QStringLiteral("¿Desea salir de la vista preliminar?"));

    Responde<QMessageBox>([](QMessageBox* caja) { PulsaBoton(caja, QStringLiteral("No")); });
    EXPECT_EQ(mensajes.Pregunta(129, 0, QString(), 0, 0), 7);

    Responde<QInputDialog>([](QInputDialog* d) {
        d->setTextValue(QStringLiteral("saldos_mayo"));
        d->accept();
    });
    EXPECT_EQ(mensajes.Captura(0, 0, QStringLiteral("La página se grabará en el directorio /datos/Temp"), 0, 0, 0),
              QStringLiteral("saldos_mayo"));
    Responde<QInputDialog>([](QInputDialog* d) {
        d->setTextValue(QStringLiteral("no se usa"));
        d->reject();
    });
    EXPECT_EQ(mensajes.Captura(0, 0, QStringLiteral("?"), 0, 0, 0), QString());
}

TEST(Impresion, SoloElIntervaloElegido) {
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("impreso.pdf"));
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(archivo);
    impresora.setFullPage(true);
    impresora.setPrintRange(QPrinter::PageRange);
    impresora.setFromTo(2, 3);

    report::Documento documento(4);
    for (std::size_t i = 0; i < documento.size(); ++i)
        documento[i].registros.push_back(report::Texto{0, 0, QString::number(i + 1), 0, false, 8, 0});
    ui::ImprimeEn(impresora, documento);

    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 2);
}
