#include "gui/app/WindowFactory.h"

#include "gui/app/Config.h"
#include "gui/level/MiscEd.h"
#include "gui/resdata/DumpRes.h"

namespace orvane {

ToolWindow* createToolWindow(WindowId id, Hub& hub, QWidget* parent) {
    switch (id) {
    case WindowId::Config: return new Config(hub, parent);
    case WindowId::DumpRes: return new DumpRes(hub, parent);
    case WindowId::MiscEd: return new MiscEd(hub, parent);
    default: return nullptr;
    }
}

bool toolWindowIsBuilt(WindowId id) {
    switch (id) {
    case WindowId::Config:
    case WindowId::DumpRes:
    case WindowId::MiscEd: return true;
    default: return false;
    }
}

} // namespace orvane
