#include "ui/Iconos.h"

#include "controles/CommandButton.h"

#include <QApplication>
#include <QStyle>

namespace ui {

namespace {

struct Imagen {
    int numero;
    const char* tema;
    QStyle::StandardPixmap estandar;
};

constexpr Imagen Imagenes[] = {
    {ImagenSalir, "application-exit", QStyle::SP_DialogCancelButton},
    {ImagenConsultar, "document-print-preview", QStyle::SP_ArrowRight},
    {ImagenAyuda, "help-contents", QStyle::SP_MessageBoxQuestion},
    {ImagenBuscar, "edit-find", QStyle::SP_FileDialogContentsView},
};

}  // namespace

QIcon ImagenDeLista(int numero) {
    for (const Imagen& imagen : Imagenes)
        if (imagen.numero == numero)
            return QIcon::fromTheme(QString::fromLatin1(imagen.tema), QApplication::style()->standardIcon(imagen.estandar));
    return QIcon();
}

QIcon ImagenDeBoton(const controles::CommandButton& boton) {
    QIcon icono = ImagenDeLista(boton.Picture());
    if (icono.isNull() || boton.DisabledPicture() != boton.Picture()) return icono;
    QIcon mismo;
    for (int lado : {16, 24, 32}) {
        const QPixmap dibujo = icono.pixmap(QSize(lado, lado));
        mismo.addPixmap(dibujo, QIcon::Normal);
        mismo.addPixmap(dibujo, QIcon::Disabled);
    }
    return mismo.isNull() ? icono : mismo;
}

}  // namespace ui
