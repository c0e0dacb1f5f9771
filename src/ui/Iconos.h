#pragma once
// The pictures of the windows' shared image list, drawn from the desktop theme with the style's
// standard icons as fallback.
#include <QIcon>

namespace controles {
class CommandButton;
}

namespace ui {

// Item numbers of the image list (1-based) that the windows use.
inline constexpr int ImagenSalir = 7;
inline constexpr int ImagenConsultar = 8;
inline constexpr int ImagenAyuda = 10;
inline constexpr int ImagenBuscar = 13;

// The picture of an item; an empty icon for an item the list does not hold (or 0, no picture).
QIcon ImagenDeLista(int numero);

// A button's Picture, shown in full colour while disabled when its DisabledPicture is the same
// item, greyed by the style otherwise.
QIcon ImagenDeBoton(const controles::CommandButton& boton);

}  // namespace ui
