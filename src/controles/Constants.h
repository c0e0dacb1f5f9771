#pragma once
// The platform's numbers for keys, shift masks, colours and modes, as the windows use them.
#include <cstdint>

namespace controles {

// Key codes.
inline constexpr int vbKeyBack = 8;
inline constexpr int vbKeyTab = 9;
inline constexpr int vbKeyReturn = 13;
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeySpace = 32;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyEnd = 35;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyDelete = 46;
inline constexpr int vbKeyP = 80;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF2 = 113;
inline constexpr int vbKeyF3 = 114;
inline constexpr int vbKeyF4 = 115;
inline constexpr int vbKeyF5 = 116;
inline constexpr int vbKeyF6 = 117;
inline constexpr int vbKeyF7 = 118;
inline constexpr int vbKeyF8 = 119;
inline constexpr int vbKeyF9 = 120;
inline constexpr int vbKeyF10 = 121;
inline constexpr int vbKeyF11 = 122;
inline constexpr int vbKeyF12 = 123;

// Shift state bits of KeyDown.
inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// Colours are 0x00BBGGRR; the high bit marks a system colour index.
inline constexpr uint32_t vbWindowBackground = 0x80000005;
inline constexpr uint32_t vbButtonFace = 0x8000000F;

// CheckBox.Value.
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// ComboBox.Style.
inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboSimple = 1;
inline constexpr int vbComboDropdownList = 2;
// The combo-box message that sets the drop-down width in pixels.
inline constexpr uint32_t CB_SETDROPPEDWIDTH = 0x160;

// Form.Show.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// UnloadMode of QueryUnload.
inline constexpr int vbFormControlMenu = 0;
inline constexpr int vbFormCode = 1;

// Screen.MousePointer.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;

// Nodes.Add relationship.
inline constexpr int tvwFirst = 0;
inline constexpr int tvwLast = 1;
inline constexpr int tvwNext = 2;
inline constexpr int tvwPrevious = 3;
inline constexpr int tvwChild = 4;

}  // namespace controles
