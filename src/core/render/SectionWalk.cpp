#include "core/render/SectionWalk.h"

#include "core/app/Editor.h"
#include "core/render/EffectLoad.h"
#include "core/render/SpriteSetup.h"

namespace orvane {

bool enterCurrentScreen(Editor& ed) {
    const SectionSpan span = sectionOfScreen(ed.tables(), ed.CurScrn);
    const bool effects = loadSectionEffects(ed, span.section);
    ed.enterSection(span);
    SprCHRPALSetup(ed);
    return effects;
}

} // namespace orvane
