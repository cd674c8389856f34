#include "gui/app/Hub.h"

namespace orvane {

void Hub::changed(const Change& change) {
    switch (change.kind) {
    case Change::Kind::Nothing:
        break;
    case Change::Kind::Block:
        Update_Block(change.a);
        break;
    case Change::Kind::StructureQuarter:
        Update_StrBlock(change.a, change.b);
        break;
    case Change::Kind::ScreenCell:
        Update_ScrnStr(change.a, change.b);
        break;
    case Change::Kind::Screen:
        Update_Scrn();
        break;
    case Change::Kind::SectionSprites:
        SprCHRPALSetup();
        Update_Scrn();
        break;
    case Change::Kind::BackgroundPalette:
        Update_BGPal(1, 1);
        break;
    case Change::Kind::Colours:
        refreshColours();
        break;
    case Change::Kind::SectionEffects:
        ScrollEffectLoad(change.a);
        Update_Scrn();
        break;
    }
}

} // namespace orvane
