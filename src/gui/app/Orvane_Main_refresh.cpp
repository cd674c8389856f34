// The refresh chain: the main window recomputes the shared state a change depends on and
// forwards the change, in a fixed order, to the tool windows that are shown.
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

namespace orvane {

namespace {

// The windows whose content depends on the level and on the background colours, in the
// order every level and palette refresh reaches them.
constexpr WindowId kLevelWindows[] = {WindowId::PalEd,    WindowId::TileTable, WindowId::TSATable,
                                      WindowId::StrTable, WindowId::ScreenEd,  WindowId::EnemEd,
                                      WindowId::LevelMap};

} // namespace

void Orvane_Main::Update_Level() {
    loadLevelAddresses(m_ed);
    if (m_ed.EditMode == kMM4) InitEffectLoad();
    for (WindowId id : kLevelWindows)
        if (ToolWindow* w = shownWindow(id)) w->Update_Level();
    m_ed.ForcePalLoad = true;
    Update_Scrn();
    m_ed.ForcePalLoad = false;
}

void Orvane_Main::Update_Scrn() {
    m_status->showPlace(m_ed.CurLevel, m_ed.lastLevel(), m_ed.CurScrn);
    enterCurrentScreen(m_ed);
    Update_Global_Pal();
    if (ToolWindow* w = shownWindow(WindowId::ScreenEd)) w->Update_Scrn();
    if (ToolWindow* w = shownWindow(WindowId::EnemEd)) w->Update_Scrn();
    if (ToolWindow* w = shownWindow(WindowId::LevelMap)) w->Update_Scrn();
    Update_BGPal(1, 1);
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
    loadBackgroundPalette(m_ed, animcl);
    Update_Global_Pal();
    for (WindowId id : kLevelWindows)
        if (ToolWindow* w = shownWindow(id)) w->Update_BGPal(upd);
}

void Orvane_Main::paletteEdited(PaletteChange change) {
    switch (change) {
    case PaletteChange::Colours:
        // The edit set its slots itself; reloading the palette set here would also restart
        // the animations.
        Update_Global_Pal();
        for (WindowId id : kLevelWindows)
            if (ToolWindow* w = shownWindow(id)) w->Update_BGPal(1);
        break;
    case PaletteChange::Animations:
        Update_BGPal(1, 1);
        break;
    }
}

void Orvane_Main::Update_Block(int block) {
    for (WindowId id :
         {WindowId::StrTable, WindowId::ScreenEd, WindowId::EnemEd, WindowId::LevelMap})
        if (ToolWindow* w = shownWindow(id)) w->Update_Block(block);
}

void Orvane_Main::Update_StrBlock(int str, int quarter) {
    for (WindowId id : {WindowId::ScreenEd, WindowId::EnemEd, WindowId::LevelMap})
        if (ToolWindow* w = shownWindow(id)) w->Update_StrBlock(str, quarter);
}

void Orvane_Main::Update_ScrnStr(int strY, int strX) {
    for (WindowId id : {WindowId::EnemEd, WindowId::LevelMap})
        if (ToolWindow* w = shownWindow(id)) w->Update_ScrnStr(strY, strX);
}

void Orvane_Main::Update_Enemies(int screen) {
    if (ToolWindow* w = shownWindow(WindowId::LevelMap)) w->Update_Enemies(screen);
}

void Orvane_Main::Update_Global_Pal() {
    orvane::Update_Global_Pal(m_ed);
    // The Enemy Editor repaints its colour swatches whether it is shown or not.
    if (ToolWindow* w = existingWindow(WindowId::EnemEd)) w->Update_Global_Pal();
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
    // The pictures that show background colours, in this order, shown or not.
    const struct {
        WindowId window;
        BitmapId bitmap;
    } pictures[] = {
        {WindowId::PalEd, kBmpPalEdPal2},   {WindowId::TSATable, kBmpTsa},
        {WindowId::TSATable, kBmpTsaPal},   {WindowId::TileTable, kBmpTileTable},
        {WindowId::StrTable, kBmpStrTable}, {WindowId::ScreenEd, kBmpScreenEd},
        {WindowId::EnemEd, kBmpEnemEd},
    };
    for (const auto& p : pictures)
        if (ToolWindow* w = existingWindow(p.window)) w->showPicture(p.bitmap);
    return true;
}

} // namespace orvane
