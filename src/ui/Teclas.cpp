#include "ui/Teclas.h"

#include "controles/Constants.h"

#include <array>
#include <utility>

namespace ui {

namespace {

constexpr int vbKeyShift = 16;
constexpr int vbKeyControl = 17;
constexpr int vbKeyMenu = 18;
constexpr int vbKeyPause = 19;
constexpr int vbKeyCapital = 20;
constexpr int vbKeyInsert = 45;
constexpr int vbKeyNumpad0 = 96;

constexpr std::array<std::pair<int, int>, 37> TeclasConCodigo = {{
    {Qt::Key_Escape, controles::vbKeyEscape},
    {Qt::Key_Backspace, controles::vbKeyBack},
    {Qt::Key_Return, controles::vbKeyReturn},
    {Qt::Key_Enter, controles::vbKeyReturn},
    {Qt::Key_Space, controles::vbKeySpace},
    {Qt::Key_PageUp, controles::vbKeyPageUp},
    {Qt::Key_PageDown, controles::vbKeyPageDown},
    {Qt::Key_End, controles::vbKeyEnd},
    {Qt::Key_Home, controles::vbKeyHome},
    {Qt::Key_Left, controles::vbKeyLeft},
    {Qt::Key_Up, controles::vbKeyUp},
    {Qt::Key_Right, controles::vbKeyRight},
    {Qt::Key_Down, controles::vbKeyDown},
    {Qt::Key_Insert, vbKeyInsert},
    {Qt::Key_Delete, controles::vbKeyDelete},
    {Qt::Key_Pause, vbKeyPause},
    {Qt::Key_CapsLock, vbKeyCapital},
    {Qt::Key_Shift, vbKeyShift},
    {Qt::Key_Control, vbKeyControl},
    {Qt::Key_Alt, vbKeyMenu},
    {Qt::Key_AltGr, vbKeyMenu},
    // Punctuation keys of the keyboard's main block.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Ntilde, 192},
    {Qt::Key_Less, 226},
    {Qt::Key_Greater, 226},
}};

}  // namespace

int CodigoTecla(int teclaQt, Qt::KeyboardModifiers modificadores) {
    if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9)
        return modificadores.testFlag(Qt::KeypadModifier) ? vbKeyNumpad0 + (teclaQt - Qt::Key_0) : teclaQt;
    if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) return teclaQt;
    if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F24) return controles::vbKeyF1 + (teclaQt - Qt::Key_F1);
    for (const auto& [qt, codigo] : TeclasConCodigo)
        if (qt == teclaQt) return codigo;
    return 0;
}

int EstadoShift(Qt::KeyboardModifiers modificadores) {
    int shift = 0;
    if (modificadores.testFlag(Qt::ShiftModifier)) shift |= controles::vbShiftMask;
    if (modificadores.testFlag(Qt::ControlModifier)) shift |= controles::vbCtrlMask;
    if (modificadores.testFlag(Qt::AltModifier)) shift |= controles::vbAltMask;
    return shift;
}

}  // namespace ui
