#include "gui/render/FramedPicture.h"

#include <QFrame>

#include "core/render/WinBitmap.h"
#include "gui/render/PictureArea.h"

namespace orvane {

PictureArea* addFramedPicture(QWidget* parent, const char* name, const QRect& outer,
                              WinBitmap& bmp) {
    auto* border = new QFrame(parent);
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(kPictureBorder);
    border->setGeometry(outer);

    auto* picture = new PictureArea(border);
    picture->setObjectName(name);
    picture->setGeometry(kPictureBorder, kPictureBorder, outer.width() - 2 * kPictureBorder,
                         outer.height() - 2 * kPictureBorder);
    bmp.InitBitmap(outer.width(), picture->height(), outer.height());
    return picture;
}

} // namespace orvane
