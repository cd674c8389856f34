// The refresh chain: the main window recomputes the shared state a change depends on and
// forwards the change, in the orders of WindowOrder.h, to the tool windows that are shown.
#include "gui/app/Orvane_Main.h"

#include <QFileInfo>
#include <QTimer>

#include "core/app/FileIO.h"
#include "core/level/LevelLoader.h"
#include "core/render/BackgroundPalette.h"
#include "core/render/Colours.h"
#include "core/render/EffectLoad.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/SectionWalk.h"
#include "core/render/SpriteSetup.h"
#include "gui/app/EditorStatusBar.h"
#include "gui/app/ToolWindow.h"
#include "gui/app/WindowOrder.h"

namespace orvane {

void Orvane_Main::Update_Level() {
    loadLevelAddresses(m_ed);
    if (m_ed.EditMode == kMM4) InitEffectLoad();
    for (WindowId id : windowOrder::kLevel)
        if (ToolWindow* w = shownWindow(id)) w->Update_Level();
    refreshScreen(true);
}

void Orvane_Main::Update_Scrn() {
    refreshScreen(false);
}

void Orvane_Main::refreshScreen(bool levelLoad) {
    m_status->showPlace(m_ed.CurLevel, m_ed.lastLevel(), m_ed.CurScrn);
    enterCurrentScreen(m_ed);
    Update_Global_Pal();
    for (WindowId id : windowOrder::kScreen)
        if (ToolWindow* w = shownWindow(id)) w->Update_Scrn();
    refreshBackgroundPalette(1, 1, levelLoad);
}

void Orvane_Main::SprCHRPALSetup() {
    orvane::SprCHRPALSetup(m_ed);
    Update_Global_Pal();
}

void Orvane_Main::InitEffectLoad() {
    orvane::InitEffectLoad(m_ed);
    Update_Global_Pal();
}

void Orvane_Main::ScrollEffectLoad(int section) {
    orvane::ScrollEffectLoad(m_ed, section);
    Update_Global_Pal();
}

void Orvane_Main::Update_BGPal(int upd, int animcl) {
    refreshBackgroundPalette(upd, animcl, false);
}

void Orvane_Main::refreshBackgroundPalette(int upd, int animcl, bool levelLoad) {
    loadBackgroundPalette(m_ed, animcl, levelLoad);
    Update_Global_Pal();
    for (WindowId id : windowOrder::kLevel)
        if (ToolWindow* w = shownWindow(id)) w->Update_BGPal(upd);
}

void Orvane_Main::refreshColours() {
    // The edit set its slots itself; reloading the palette set here would also restart
    // the animations.
    Update_Global_Pal();
    for (WindowId id : windowOrder::kLevel)
        if (ToolWindow* w = shownWindow(id)) w->Update_BGPal(1);
}

void Orvane_Main::Update_Block(int block) {
    for (WindowId id : windowOrder::kBlock)
        if (ToolWindow* w = shownWindow(id)) w->Update_Block(block);
}

void Orvane_Main::Update_StrBlock(int str, int quarter) {
    for (WindowId id : windowOrder::kStructureQuarter)
        if (ToolWindow* w = shownWindow(id)) w->Update_StrBlock(str, quarter);
}

void Orvane_Main::Update_ScrnStr(int strY, int strX) {
    for (WindowId id : windowOrder::kScreenCell)
        if (ToolWindow* w = shownWindow(id)) w->Update_ScrnStr(strY, strX);
}

void Orvane_Main::Update_Enemies(int screen) {
    for (WindowId id : windowOrder::kEnemies)
        if (ToolWindow* w = shownWindow(id)) w->Update_Enemies(screen);
}

void Orvane_Main::Update_Global_Pal() {
    orvane::Update_Global_Pal(m_ed);
    for (WindowId id : windowOrder::kColourSwatches)
        if (ToolWindow* w = existingWindow(id)) w->Update_Global_Pal();
}

void Orvane_Main::ReloadNESPAL() {
    const QString palfile = GetConfigText("palfile");
    m_ed.PalFile = palfile.toLocal8Bit().toStdString();
    // A missing or short file leaves the colours it lacks black; nothing is reported.
    const auto bytes = palfile.isEmpty()
                           ? std::nullopt
                           : readWholeFile(homePath(palfile).toLocal8Bit().toStdString());
    orvane::ReloadNESPAL(m_ed, bytes.value_or(std::vector<uint8_t>{}));
}

void Orvane_Main::GetMMCols() {
    orvane::GetMMCols(m_ed);
    Update_Global_Pal();
}

void Orvane_Main::setPaletteAnimationRunning(bool on) {
    if (on)
        m_palAnimT->start();
    else
        m_palAnimT->stop();
}

bool Orvane_Main::paletteAnimationTick() {
    if (!orvane::paletteAnimationTick(m_ed)) return false; // no frame advanced: nothing to show
    Update_Global_Pal();
    for (WindowId id : windowOrder::kAnimated)
        if (ToolWindow* w = existingWindow(id)) w->showAnimatedPictures();
    return true;
}

} // namespace orvane
