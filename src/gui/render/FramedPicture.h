#pragma once

#include <QRect>

class QWidget;

namespace orvane {

class PictureArea;
class WinBitmap;

// Width of the sunken border around the editor's pictures, on each side.
constexpr int kPictureBorder = 2;

// Places a picture area named `name` inside a sunken border whose outer rectangle is
// `outer` (in `parent`'s coordinates) and sets up `bmp` for it: rows as long as the
// overall width, as many shown rows as the inside is high, lines clipped to the overall
// height. Mouse positions the picture reports are inside the border, so they are bitmap
// pixels.
PictureArea* addFramedPicture(QWidget* parent, const char* name, const QRect& outer,
                              WinBitmap& bmp);

} // namespace orvane
