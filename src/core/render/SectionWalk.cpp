#include "core/render/SectionWalk.h"

#include "core/app/Editor.h"
#include "core/render/EffectLoad.h"
#include "core/render/SpriteSetup.h"

namespace orvane {

namespace {
constexpr int kMapSections = 24;
} // namespace

int findSection(const Editor& ed, int& sectionStart) {
    int screens = 0; // screens of the used sections before s
    for (int s = 0; s < kMapSections; ++s) {
        const int b = ed.byte(ed.P(8) + s);
        if ((b >> 4) == 0) continue;
        const int length = (b & 15) + 1;
        if (ed.CurScrn >= screens && ed.CurScrn < screens + length) {
            sectionStart = screens;
            return s;
        }
        screens += length;
    }
    sectionStart = screens;
    return kMapSections;
}

EffectReload effectReloadFor(const Editor& ed, int section) {
    if (ed.EditMode != kMM4 || section == ed.CurSection) return EffectReload::None;
    return section == 0 ? EffectReload::Initial : EffectReload::Section;
}

bool loadSectionEffects(Editor& ed, int section) {
    switch (effectReloadFor(ed, section)) {
    case EffectReload::None:
        return false;
    case EffectReload::Initial:
        InitEffectLoad(ed);
        return true;
    case EffectReload::Section:
        ScrollEffectLoad(ed, section);
        return true;
    }
    return false;
}

void enterSection(Editor& ed, int section, int sectionStart) {
    ed.CurSection = section;
    ed.SectionStart = sectionStart;
    ed.SectionEnd = sectionStart + (ed.byte(ed.P(8) + section) & 15) + 1;
}

bool enterCurrentScreen(Editor& ed) {
    int sectionStart = 0;
    const int section = findSection(ed, sectionStart);
    const bool effects = loadSectionEffects(ed, section);
    enterSection(ed, section, sectionStart);
    SprCHRPALSetup(ed);
    return effects;
}

} // namespace orvane
