#pragma once
// Colours arrive as 0x00BBGGRR; Qt wants red, green, blue.
#include <QColor>
#include <cstdint>

namespace render {

QColor ColorQt(uint32_t bbggrr);

}  // namespace render
