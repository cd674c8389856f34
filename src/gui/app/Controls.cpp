#include "gui/app/Controls.h"

#include "core/resdata/HexVal.h"

namespace orvane {

QString hexText(int64_t value) {
    return QString::fromStdString(hexString(value));
}

} // namespace orvane
