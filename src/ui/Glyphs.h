#pragma once

#include <QImage>

// The 16 x 16 button pictures, drawn here rather than shipped as files. Magenta is their
// transparent colour.
namespace glyphs {

QImage doubleChevron(bool pointingLeft);
// A green check mark on a white square.
QImage checkMark();

} // namespace glyphs
