// The Screen Editor driven as a person drives it: presses and drags on the picture,
// typing into its fields, clicking its spin buttons, list and switches; then the ROM
// bytes, the pixels and the main-window calls are checked. Most tests run against a
// recording hub over a small made-up level; the last ones use the real main window on
// the demo bundle.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <set>

#include "core/level/SectionView.h"
#include "core/mapedit/ScreenDrawing.h"
#include "core/render/Colours.h"
#include "core/render/LevelSource.h"
#include "core/render/TileDrawing.h"
#include "core/support/MiniEditor.h"
#include "core/support/ScrollTypeNames.h"
#include "gui/app/Orvane_Main.h"
#include "gui/mapedit/ScreenEd.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/mapedit/StrTable.h"
#include "gui/render/PictureArea.h"
#include "support/DemoHome.h"
#include "support/FakeHub.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

// Where the made-up level keeps its tables (1-based positions).
constexpr int64_t kBlockTiles = 0x1000, kBlockAttrs = 0x1400, kStructs = 0x1500, kLayouts = 0x2000,
                  kScreens = 0x2800, kMap = 0x2900, kSettings = 0x2A00, kEffects = 0x2B00;
constexpr int kLastScreen = 13, kLastPreset = 9, kLastPalette = 7, kLastGfxSet = 5,
              kLastEffect = 0x0C;

// Structure in cell c (row-major) of preset p, and the preset of screen n: screens
// 2k and 2k + 1 share preset k.
int presetCell(int p, int c) {
    return (7 * p + c) & 0xFF;
}
int screenPreset(int n) {
    return n / 2;
}
// Tile k (0..3) is solid colour k; block b uses tile b % 4 and palette (b / 4) % 4, and
// structure s holds blocks 4s..4s+3, so quarter q of structure s shows pixel value
// (4s + q) % 16 everywhere but on the grid.
int quarterPixel(int s, int q) {
    return (4 * s + q) % 16;
}

Editor makeLevel(int mode) {
    Editor ed = makeMiniEditor(mode, 0x10000);
    const int64_t params[][2] = {{3, kBlockTiles},  {4, kBlockAttrs},  {5, kStructs},
                                 {6, kLayouts},     {7, kScreens},     {8, kMap},
                                 {9, kSettings},    {10, kEffects},    {16, kLastScreen},
                                 {17, kLastPreset}, {18, kLastPalette}};
    for (const auto& [k, v] : params)
        setParam(ed, int(k), int32_t(v));
    setR10(ed, 1, kLastGfxSet);
    setR10(ed, 11, kLastEffect);
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < 8; ++r) {
            ed.RomImage.setByte(0x100 + 16 * k + r + 1, (k & 1) ? 0xFF : 0);
            ed.RomImage.setByte(0x100 + 16 * k + r + 9, (k & 2) ? 0xFF : 0);
        }
    for (int t = 0; t < 256; ++t)
        ed.TileAddr[size_t(t)] = 0x100 + 16 * (t % 4);
    for (int b = 0; b < 256; ++b) {
        for (int q = 0; q < 4; ++q)
            ed.setByte(kBlockTiles + 256 * q + b, b % 4);
        ed.setByte(kBlockAttrs + b, 0x30 | ((b / 4) % 4));
    }
    for (int s = 0; s < 256; ++s)
        for (int q = 0; q < 4; ++q)
            ed.setByte(kStructs + 4 * s + q, (4 * s + q) & 0xFF);
    for (int p = 0; p <= kLastPreset; ++p)
        for (int c = 0; c < 64; ++c)
            ed.setByte(kLayouts + 64 * p + c, presetCell(p, c));
    for (int n = 0; n <= kLastScreen; ++n)
        ed.setByte(kScreens + n, screenPreset(n));
    addScrollTypeNames(ed);
    return ed;
}

// The Structure Table as far as the Screen Editor sees it.
class RecordingStrTable : public ToolWindow {
public:
    using ToolWindow::ToolWindow;
    QList<int> curStrSets;
    void CurStrSet(int upd) override { curStrSets << upd; }
};

// A recording hub that also walks the sections and refreshes the Screen Editor, as the
// main window does, so a test sees what the user would see after each change.
class ScreenHub : public FakeHub {
public:
    QPointer<ScreenEd> window;
    QPointer<ToolWindow> strTable;
    void Update_Scrn() override {
        FakeHub::Update_Scrn();
        ed.enterSection(sectionOfScreen(ed.tables(), ed.CurScrn));
        if (window && window->isVisible()) window->Update_Scrn();
    }
    void Update_BGPal(int upd, int animcl) override {
        FakeHub::Update_BGPal(upd, animcl);
        if (window && window->isVisible()) window->Update_BGPal(upd);
    }
    ToolWindow* shownWindow(WindowId id) override {
        if (id == WindowId::StrTable && strTable && strTable->isVisible()) return strTable;
        return nullptr;
    }
};

struct Opened {
    ScreenHub hub;
    std::unique_ptr<ScreenEd> w;

    template <class T> T* child(const char* name) const {
        T* c = w->findChild<T*>(name);
        if (!c) qWarning("no control %s", name);
        return c;
    }
    PictureArea* pic() const { return child<PictureArea>("ScreenPic"); }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    SpinButton* spin(const char* name) const { return child<SpinButton>(name); }
    const WinBitmap& bmp() { return w->bitmap(); }
    // An inner pixel of quarter q of cell (row, col).
    int cellPixel(int row, int col, int q) {
        return bmp().pixel(32 * col + 16 * (q & 1) + 6, 32 * row + 16 * (q >> 1) + 9);
    }
    int cellByte(int preset, int row, int col) const {
        return hub.ed.byte(kLayouts + 64 * preset + 8 * row + col);
    }
    QList<int> mapBytes(int n) const {
        QList<int> out;
        for (int i = 0; i < n; ++i)
            out << hub.ed.byte(kMap + i);
        return out;
    }
    void goToScreen(int n) { type("CurScrnTB", QString::number(n, 16).toUpper()); }
    // Replaces a field's text by typing, as a person selects it and types over it.
    void type(const char* name, const QString& text) {
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }
    void clickRow(int row) {
        auto* l = child<QListWidget>("DirList");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    // Clicks the up (steps > 0) or down button of a spin control |steps| times.
    void clickSpin(const char* name, int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::mouseClick(steps > 0 ? spin(name)->upButton() : spin(name)->downButton(),
                              Qt::LeftButton);
    }
    void tick(const char* name) {
        QTest::mouseClick(child<QCheckBox>(name), Qt::LeftButton, {}, QPoint(6, 8));
    }
    void setSimpleMode(bool on) {
        if (child<QCheckBox>("SimplEd")->isChecked() != on) tick("SimplEd");
    }
};

// Opens the window over a made-up level of game `mode` with scroll map `map`, shown and
// refreshed as the main window opens it, at screen `screen`; the calls so far are dropped.
std::unique_ptr<Opened> open(int mode, const QList<int>& map = {0x22, 0x80, 0xA1, 0x00},
                             int screen = 0) {
    auto o = std::make_unique<Opened>();
    o->hub.ed = makeLevel(mode);
    for (int i = 0; i < map.size(); ++i)
        o->hub.ed.setByte(kMap + i, map[i]);
    for (int s = 0; s < 8; ++s) {
        // mm3 pairs (graphics set s % 3, palette s + 1); mm4 palette and effect; mm5 one byte.
        o->hub.ed.setByte(kSettings + 2 * s, s % 3);
        o->hub.ed.setByte(kSettings + 2 * s + 1, s + 1);
        o->hub.ed.setByte(kEffects + s, s + 2);
    }
    o->hub.ed.CurScrn = screen;
    o->hub.ed.enterSection(sectionOfScreen(o->hub.ed.tables(), screen));
    o->w = std::make_unique<ScreenEd>(o->hub);
    o->w->setAttribute(Qt::WA_DeleteOnClose, false);
    o->hub.window = o->w.get();
    o->w->Update();
    o->w->show();
    o->hub.calls.clear();
    return o;
}

void dragTo(QWidget* pic, Qt::MouseButtons held, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), pic->mapToGlobal(QPointF(p)), Qt::NoButton,
                     held, Qt::NoModifier);
    QCoreApplication::sendEvent(pic, &move);
}

} // namespace

class TestScreenEd : public QObject {
    Q_OBJECT

private slots:
    // ---- layout ----

    void layoutCaptionsAndModes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("mm3") << 0 << QString("Enemy GFX Set") << QString("BG Palette");
        QTest::newRow("mm4") << 1 << QString("BG Palette") << QString("PPU Effect");
        QTest::newRow("mm5") << 2 << QString("") << QString("");
    }

    void layoutCaptionsAndModes() {
        QFETCH(int, mode);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto o = open(mode);
        ScreenEd& w = *o->w;
        QCOMPARE(w.windowTitle(), QString("Screen Editor"));
        QCOMPARE(w.size(), QSize(439, 324));

        // A null caption is not checked: those labels show the map's current state.
        const struct {
            const char* name;
            QPoint at;
            QString caption;
        } controls[] = {{"ScreenPic", {10, 10}, ""},
                        {"CurScrollLabel", {272, 16}, QString()},
                        {"SimplEd", {280, 40}, "Simple Scroll-Editing"},
                        {"STLab", {280, 64}, "Scroll Type"},
                        {"STTB", {368, 64}, ""},
                        {"STUD", {392, 64}, ""},
                        {"DirLab", {280, 64}, "Direction:"},
                        {"DirList", {280, 80}, ""},
                        {"SLenLab", {280, 88}, "Screen-Length"},
                        {"SLenTB", {368, 88}, ""},
                        {"SLenUD", {392, 88}, ""},
                        {"ScrollInfLab", {296, 112}, QString()},
                        {"SplitSw", {280, 160}, "Right Scroll-Split"},
                        {"DDALab", {280, 144}, first},
                        {"DDATB", {368, 144}, ""},
                        {"DDAUD", {400, 144}, ""},
                        {"DDBLab", {280, 168}, second},
                        {"DDBTB", {368, 168}, ""},
                        {"DDBUD", {400, 168}, ""},
                        {"CurScrnTB", {8, 272}, ""},
                        {"ScrnScroll", {32, 272}, ""},
                        {"Label1", {136, 296}, "Screen Preset:"},
                        {"ScrnPresUD", {216, 296}, ""},
                        {"ScrnPresTB", {232, 296}, ""}};
        for (const auto& c : controls) {
            QWidget* widget = w.findChild<QWidget*>(c.name);
            QVERIFY2(widget, c.name);
            QCOMPARE(widget->mapTo(&w, QPoint(0, 0)), c.at);
            if (auto* l = qobject_cast<QLabel*>(widget); l && !c.caption.isNull())
                QCOMPARE(l->text(), c.caption);
            if (auto* b = qobject_cast<QCheckBox*>(widget)) QCOMPARE(b->text(), c.caption);
        }
        QCOMPARE(o->pic()->size(), QSize(256, 256));
        QCOMPARE(o->field("DDATB")->width(), 33);
        QCOMPARE(o->field("CurScrnTB")->width(), 25);
        QCOMPARE(o->child<QScrollBar>("ScrnScroll")->width(), 233);
        QCOMPARE(o->child<QListWidget>("DirList")->size(), QSize(121, 76));
        QCOMPARE(o->field("STTB")->height(), 19);
        QCOMPARE(o->child<QLabel>("Label1")->height(), 17);
        const QListWidget* list = o->child<QListWidget>("DirList");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text() + list->item(1)->text() + list->item(2)->text(),
                 QString("UpRightDown"));

        // Detailed mode at load; the switch swaps the scroll controls and moves the settings.
        auto shown = [&](const char* name) { return o->child<QWidget>(name)->isVisible(); };
        for (bool simple : {false, true, false}) {
            o->setSimpleMode(simple);
            QCOMPARE(o->child<QCheckBox>("SimplEd")->isChecked(), simple);
            for (const char* n : {"STLab", "STTB", "STUD", "SLenLab", "SLenTB", "SLenUD"})
                QVERIFY2(shown(n) != simple, n);
            for (const char* n : {"DirLab", "DirList", "SplitSw"})
                QVERIFY2(shown(n) == simple, n);
            QVERIFY(shown("ScrollInfLab"));
            for (const char* n : {"DDALab", "DDATB", "DDAUD"})
                QCOMPARE(o->child<QWidget>(n)->y(), simple ? 192 : 144);
            for (const char* n : {"DDBLab", "DDBTB", "DDBUD"})
                QCOMPARE(o->child<QWidget>(n)->y(), simple ? 216 : 168);
        }
        QVERIFY(o->hub.calls.isEmpty()); // switching modes writes nothing and calls nothing
    }

    void updateShowsTheCurrentScreen() {
        auto o = open(0, {0x22, 0x80, 0xA1, 0x00}, 3); // screen 3: section 1, preset 1
        QCOMPARE(o->child<QScrollBar>("ScrnScroll")->maximum(), kLastScreen);
        QCOMPARE(o->child<QScrollBar>("ScrnScroll")->value(), 3);
        QCOMPARE(o->field("CurScrnTB")->text(), QString("3"));
        QCOMPARE(o->field("ScrnPresTB")->text(), QString("1"));
        QCOMPARE(o->child<QLabel>("CurScrollLabel")->text(), QString("Scroll Map Position: 1"));
        QCOMPARE(o->field("STTB")->text(), QString("8"));
        QCOMPARE(o->field("SLenTB")->text(), QString("0"));
        QCOMPARE(o->child<QLabel>("ScrollInfLab")->text(), QString("(T8 x 1)"));
        QCOMPARE(o->field("DDATB")->text(), QString("1")); // section 1: graphics set 1
        QCOMPARE(o->field("DDBTB")->text(), QString("2")); // palette 2
        // Screen 3 is a one-screen up section after a right run: Up, no split.
        QCOMPARE(o->child<QListWidget>("DirList")->currentRow(), 0);
        QVERIFY(!o->child<QCheckBox>("SplitSw")->isChecked());

        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 8; ++col)
                for (int q = 0; q < 4; ++q)
                    QCOMPARE(o->cellPixel(row, col, q),
                             quarterPixel(presetCell(1, 8 * row + col), q));
        QCOMPARE(int(o->bmp().pixel(64, 100)), kSlotGrid);
        QCOMPARE(int(o->bmp().pixel(100, 96)), kSlotGrid);
        // The picture shows the bitmap through its colour table.
        QCOMPARE(o->pic()->shownImage().size(), QSize(256, 256));
        QCOMPARE(o->pic()->shownImage().pixelIndex(70, 70), int(o->bmp().pixel(70, 70)));
    }

    // ---- the picture ----

    void leftPaintsAndDragsPaintEveryCell() {
        auto o = open(0, {0x22, 0x80, 0xA1, 0x00}, 2); // screen 2 shows preset 1, as screen 3 does
        Editor& ed = o->hub.ed;
        o->hub.sel.CurStrRow = 0x2;
        o->hub.sel.CurStrCol = 0xD; // structure 0x2D
        PictureArea* pic = o->pic();

        QTest::mousePress(pic, Qt::LeftButton, {}, QPoint(40, 70)); // row 2, col 1
        QCOMPARE(o->cellByte(1, 2, 1), 0x2D);
        for (int q = 0; q < 4; ++q)
            QCOMPARE(o->cellPixel(2, 1, q), quarterPixel(0x2D, q));
        QCOMPARE(int(o->bmp().pixel(32, 70)), kSlotGrid); // the grid is drawn again
        QCOMPARE(o->hub.calls, QStringList{"Update_ScrnStr(2,1)"});
        QCOMPARE(o->pic()->shownImage().pixelIndex(45, 75), quarterPixel(0x2D, 0));

        // Dragging: every cell entered is written, one call each; moving inside a cell
        // rewrites it; beyond the picture the nearest edge cell.
        o->hub.calls.clear();
        dragTo(pic, Qt::LeftButton, QPoint(50, 75));   // same cell
        dragTo(pic, Qt::LeftButton, QPoint(70, 75));   // row 2, col 2
        dragTo(pic, Qt::LeftButton, QPoint(100, 40));  // row 1, col 3
        dragTo(pic, Qt::LeftButton, QPoint(300, -20)); // row 0, col 7
        dragTo(pic, Qt::LeftButton, QPoint(-5, 400));  // row 7, col 0
        QTest::mouseRelease(pic, Qt::LeftButton, {}, QPoint(-5, 400));
        QCOMPARE(o->hub.calls,
                 (QStringList{"Update_ScrnStr(2,1)", "Update_ScrnStr(2,2)", "Update_ScrnStr(1,3)",
                              "Update_ScrnStr(0,7)", "Update_ScrnStr(7,0)"}));
        for (auto [r, c] : {std::pair{2, 2}, {1, 3}, {0, 7}, {7, 0}}) {
            QCOMPARE(o->cellByte(1, r, c), 0x2D);
            QCOMPARE(o->cellPixel(r, c, 3), quarterPixel(0x2D, 3));
        }
        QCOMPARE(o->cellByte(1, 2, 3), presetCell(1, 19)); // not entered, not written

        // The preset is shared: screen 3 shows the painting too; screen 4 (preset 2) does not.
        o->goToScreen(3);
        QCOMPARE(ed.CurScrn, 3);
        QCOMPARE(o->cellPixel(2, 1, 0), quarterPixel(0x2D, 0));
        QCOMPARE(o->cellByte(2, 2, 1), presetCell(2, 17));
    }

    void rightPicksAndOtherButtonsDoNothing() {
        auto o = open(0, {0x22, 0x80, 0xA1, 0x00}, 4); // preset 2
        Editor& ed = o->hub.ed;
        Selection& sel = o->hub.sel;
        sel.CurStrRow = 1;
        sel.CurStrCol = 2;
        PictureArea* pic = o->pic();
        const std::vector<uint8_t> rom = ed.RomImage.bytes();

        // Structure Table hidden: the pick happens, nobody is told.
        QTest::mousePress(pic, Qt::RightButton, {}, QPoint(200, 100)); // row 3, col 6
        const int picked = presetCell(2, 30);
        QCOMPARE(sel.structure(), picked);
        QCOMPARE(16 * sel.PrevStrRow + sel.PrevStrCol, 0x12);
        QTest::mouseRelease(pic, Qt::RightButton, {}, QPoint(200, 100));

        // Structure Table shown: its mark moves with every pick, a right drag picks again.
        RecordingStrTable table(o->hub);
        table.show();
        o->hub.strTable = &table;
        QTest::mousePress(pic, Qt::RightButton, {}, QPoint(10, 250)); // row 7, col 0
        QCOMPARE(sel.structure(), presetCell(2, 56));
        QCOMPARE(16 * sel.PrevStrRow + sel.PrevStrCol, picked);
        dragTo(pic, Qt::RightButton, QPoint(255, 0)); // row 0, col 7
        QCOMPARE(sel.structure(), presetCell(2, 7));
        QCOMPARE(table.curStrSets, (QList<int>{1, 1}));
        QTest::mouseRelease(pic, Qt::RightButton, {}, QPoint(255, 0));

        // Middle button and two buttons at once: nothing at all.
        const int cur = sel.structure();
        const auto pixels = o->bmp().pixels();
        QTest::mousePress(pic, Qt::MiddleButton, {}, QPoint(100, 100));
        dragTo(pic, Qt::MiddleButton, QPoint(150, 150));
        QTest::mouseRelease(pic, Qt::MiddleButton, {}, QPoint(150, 150));
        dragTo(pic, Qt::LeftButton | Qt::RightButton, QPoint(20, 20));
        QCOMPARE(sel.structure(), cur);
        QVERIFY(ed.RomImage.bytes() == rom); // the picks wrote nothing either
        QVERIFY(o->bmp().pixels() == pixels);
        QVERIFY(o->hub.calls.isEmpty());
        QCOMPARE(table.curStrSets.size(), 2);
    }

    // ---- current screen and preset ----

    void currentScreenFromScrollBarAndField() {
        auto o = open(0);
        Editor& ed = o->hub.ed;
        QScrollBar* bar = o->child<QScrollBar>("ScrnScroll");
        for (int i = 0; i < 3; ++i)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(ed.CurScrn, 3);
        QCOMPARE(o->hub.calls, (QStringList{"Update_Scrn", "Update_Scrn", "Update_Scrn"}));
        QCOMPARE(ed.CurSection, 1);
        QCOMPARE(o->field("CurScrnTB")->text(), QString("3"));
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(ed.CurScrn, kLastScreen);

        // Typing: hexadecimal, clamped to the last screen; an empty field is screen 0. The
        // scroll bar stays where it was.
        o->hub.calls.clear();
        o->type("CurScrnTB", "a");
        QCOMPARE(ed.CurScrn, 10);
        QCOMPARE(o->cellPixel(0, 0, 0), quarterPixel(presetCell(5, 0), 0));
        o->type("CurScrnTB", "FF");
        QCOMPARE(ed.CurScrn, kLastScreen);
        QCOMPARE(o->field("CurScrnTB")->text(), QString("D")); // the screen it went to
        o->type("CurScrnTB", "\b");
        QCOMPARE(ed.CurScrn, 0);
        QCOMPARE(bar->value(), kLastScreen);
        QVERIFY(o->hub.calls.size() >= 3);
        QCOMPARE(QSet<QString>(o->hub.calls.begin(), o->hub.calls.end()),
                 QSet<QString>{"Update_Scrn"});
    }

    void presetFieldAndSpinButton() {
        auto o = open(0, {0x22, 0x80, 0xA1, 0x00}, 5);
        Editor& ed = o->hub.ed;
        QLineEdit* tb = o->field("ScrnPresTB");
        auto preset = [&] { return int(ed.byte(kScreens + 5)); };
        QCOMPARE(preset(), 2);

        o->clickSpin("ScrnPresUD", 1);
        QCOMPARE(preset(), 3);
        QCOMPARE(tb->text(), QString("3"));
        QCOMPARE(o->cellPixel(0, 1, 0), quarterPixel(presetCell(3, 1), 0));
        QCOMPARE(ed.byte(kScreens + 4), 2); // only the current screen's entry
        o->clickSpin("ScrnPresUD", -4);     // the fourth, at 0, does nothing, not even a refresh
        QCOMPARE(preset(), 0);
        QCOMPARE(o->hub.calls.size(), 4);

        // Typed: hexadecimal; above the last preset stores the last; beyond a byte too.
        o->hub.calls.clear();
        o->type("ScrnPresTB", "7");
        QCOMPARE(preset(), 7);
        QCOMPARE(o->hub.calls, QStringList{"Update_Scrn"});
        tb->setText("C"); // pasted
        QCOMPARE(preset(), kLastPreset);
        QCOMPARE(tb->text(), QString("9"));
        tb->setText("1FF");
        QCOMPARE(preset(), kLastPreset);
        tb->setText("-3");
        QCOMPARE(preset(), 3); // HexVal: the sign is no digit and counts as 0
        tb->setText("100");    // 256: outside a byte, clamped rather than wrapped to 0
        QCOMPARE(preset(), kLastPreset);

        // At the last preset the up click does nothing.
        o->hub.calls.clear();
        o->clickSpin("ScrnPresUD", 1);
        QCOMPARE(preset(), kLastPreset);
        QVERIFY(o->hub.calls.isEmpty());
    }

    // ---- section settings ----

    void sectionSettings_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("which");
        QTest::addColumn<qint64>("position"); // for section 2
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("followUp");
        QTest::newRow("mm3 enemy graphics set") << 0 << 0 << qint64(kSettings + 4) << kLastGfxSet
                                                << QStringList{"SprCHRPALSetup", "Update_Scrn"};
        QTest::newRow("mm3 background palette")
            << 0 << 1 << qint64(kSettings + 5) << kLastPalette << QStringList{"Update_BGPal(1,1)"};
        QTest::newRow("mm4 background palette")
            << 1 << 0 << qint64(kSettings + 2) << kLastPalette << QStringList{"Update_BGPal(1,1)"};
        QTest::newRow("mm4 PPU effect") << 1 << 1 << qint64(kEffects + 2) << kLastEffect
                                        << QStringList{"ScrollEffectLoad(2)", "Update_Scrn"};
    }

    void sectionSettings() {
        QFETCH(int, mode);
        QFETCH(int, which);
        QFETCH(qint64, position);
        QFETCH(int, limit);
        QFETCH(QStringList, followUp);
        auto o = open(mode, {0x22, 0x80, 0xA1, 0x00}, 4); // screen 4: section 2
        Editor& ed = o->hub.ed;
        QCOMPARE(ed.CurSection, 2);
        QLineEdit* tb = o->field(which == 0 ? "DDATB" : "DDBTB");
        const char* ud = which == 0 ? "DDAUD" : "DDBUD";
        QCOMPARE(tb->text(), QString::number(int(ed.byte(position)), 16).toUpper());
        const std::vector<uint8_t> before = ed.RomImage.bytes();

        // Spin buttons stop at both limits (the value is written again and followed up).
        ed.setByte(position, limit);
        o->clickSpin(ud, 1);
        QCOMPARE(int(ed.byte(position)), limit);
        QCOMPARE(o->hub.calls, followUp);
        ed.setByte(position, 0);
        o->hub.calls.clear();
        o->clickSpin(ud, -1);
        QCOMPARE(int(ed.byte(position)), 0);
        o->clickSpin(ud, 1);
        QCOMPARE(int(ed.byte(position)), 1);
        QCOMPARE(o->hub.calls, followUp + followUp);
        QCOMPARE(tb->text(), QString("1")); // the refresh shows it

        // Typed values are hexadecimal and clamped to the limit.
        o->hub.calls.clear();
        o->type(which == 0 ? "DDATB" : "DDBTB", "2");
        QCOMPARE(int(ed.byte(position)), 2);
        QCOMPARE(o->hub.calls, followUp);
        tb->setText("FF");
        QCOMPARE(int(ed.byte(position)), limit);
        QCOMPARE(tb->text(), QString::number(limit, 16).toUpper());

        // Only that one byte ever changed.
        std::vector<uint8_t> after = ed.RomImage.bytes();
        after[size_t(position - 1)] = before[size_t(position - 1)];
        QVERIFY(after == before);
    }

    void mm5SettingsStayEmpty() {
        auto o = open(2, {0x22, 0x80, 0xA1, 0x00}, 4);
        Editor& ed = o->hub.ed;
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        for (const char* name : {"DDATB", "DDBTB"}) {
            QLineEdit* tb = o->field(name);
            QVERIFY(tb->text().isEmpty());
            QTest::keyClicks(tb, "3");
        }
        for (const char* name : {"DDAUD", "DDBUD"})
            for (int step : {1, -1})
                o->clickSpin(name, step);
        o->w->Update();
        QVERIFY(ed.RomImage.bytes() == before);
        QVERIFY(o->hub.calls.isEmpty());
        QCOMPARE(o->field("DDATB")->text(), QString("3")); // never filled: what was typed stays
    }

    // ---- scroll map ----

    void detailedScrollEditing() {
        auto o = open(0, {0x25, 0x05, 0x00}, 0);
        Editor& ed = o->hub.ed;
        o->clickSpin("STUD", -1);
        QCOMPARE(o->mapBytes(2), (QList<int>{0x15, 0x05}));
        QCOMPARE(o->field("STTB")->text(), QString("1"));
        QCOMPARE(o->child<QLabel>("ScrollInfLab")->text(), QString("(T1 x 6)"));
        QVERIFY(o->hub.calls.isEmpty()); // a type change refreshes the fields only
        o->clickSpin("STUD", -2);
        QCOMPARE(ed.byte(kMap), 0xF5);
        o->clickSpin("STUD", 1);
        QCOMPARE(ed.byte(kMap), 0x05);
        o->type("STTB", "1A");
        QCOMPARE(ed.byte(kMap), 0xA5);
        QCOMPARE(o->field("STTB")->text(), QString("A"));

        // Length: wraps in the low nibble and makes the main window walk the map again.
        ed.setByte(kMap, 0x2F);
        o->clickSpin("SLenUD", 1);
        QCOMPARE(ed.byte(kMap), 0x20);
        QCOMPARE(o->hub.calls, QStringList{"Update_Scrn"});
        QCOMPARE(o->field("SLenTB")->text(), QString("0"));
        o->type("SLenTB", "3");
        QCOMPARE(ed.byte(kMap), 0x23);
        QCOMPARE(o->child<QLabel>("ScrollInfLab")->text(), QString("(T2 x 4)"));
        QCOMPARE(ed.byte(kMap + 1), 0x05); // the other sections are untouched

        // mm5: three type bits in decimal, five length bits.
        auto o5 = open(2, {0xE3, 0x40, 0x00}, 0);
        o5->clickSpin("STUD", 1);
        QCOMPARE(o5->hub.ed.byte(kMap), 0x03);
        QCOMPARE(o5->field("STTB")->text(), QString("0"));
        o5->hub.ed.setByte(kMap, 0x40);
        o5->clickSpin("SLenUD", -1);
        QCOMPARE(o5->hub.ed.byte(kMap), 0x5F);
        QCOMPARE(o5->field("SLenTB")->text(), QString("31"));
        QCOMPARE(o5->child<QLabel>("ScrollInfLab")->text(), QString("(F2 x 32)"));
    }

    void simpleModeRebuildsTheMap() {
        // "Down" on screen 1 of 0x23: the run is cut after screen 1, the rest entered going down.
        auto o = open(0, {0x23, 0x00}, 1);
        o->setSimpleMode(true);
        QListWidget* list = o->child<QListWidget>("DirList");
        QCOMPARE(list->currentRow(), 1);
        o->clickRow(2);
        QCOMPARE(o->mapBytes(3), (QList<int>{0x21, 0x61, 0x00}));
        QCOMPARE(o->hub.calls, QStringList{"Update_Scrn"});
        QCOMPARE(list->currentRow(), 2);
        o->goToScreen(2);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(o->child<QLabel>("CurScrollLabel")->text(), QString("Scroll Map Position: 1"));

        // A split at screen 2 of 0x24; the switch shows it; clearing it joins the runs again.
        auto s = open(0, {0x24, 0x00}, 2);
        s->setSimpleMode(true);
        QCheckBox* sw = s->child<QCheckBox>("SplitSw");
        QVERIFY(!sw->isChecked());
        s->tick("SplitSw");
        QCOMPARE(s->mapBytes(3), (QList<int>{0x21, 0x22, 0x00}));
        s->goToScreen(3);
        QVERIFY(!sw->isChecked());
        s->goToScreen(2);
        QVERIFY(sw->isChecked());
        QCOMPARE(s->hub.ed.CurSection, 1);

        // The rebuild refreshes the section: a palette typed now goes to the section screen 2
        // lies in (section 1), not to the one it lay in before the split.
        auto t = open(0, {0x24, 0x00}, 2);
        t->setSimpleMode(true);
        t->hub.ed.setByte(kSettings + 1, 0); // section 0's palette
        t->tick("SplitSw");
        t->type("DDBTB", "6");
        QCOMPARE(t->hub.ed.byte(kSettings + 3), 6);
        QCOMPARE(t->hub.ed.byte(kSettings + 1), 0);

        s->tick("SplitSw"); // cleared
        QCOMPARE(s->mapBytes(2), (QList<int>{0x24, 0x00}));
    }

    void simpleModeLimits() {
        // 32 sections already: one more is refused with a message, nothing written.
        QList<int> full(32, 0x80);
        full[31] = 0x23;
        full << 0x00;
        auto o = open(1, full, 33); // screen 33 lies in the last run
        setParam(o->hub.ed, 16, 40);
        o->w->Update();
        o->setSimpleMode(true);
        const std::vector<uint8_t> before = o->hub.ed.RomImage.bytes();
        QListWidget* list = o->child<QListWidget>("DirList");
        o->hub.calls.clear();
        o->clickRow(0);
        QVERIFY(o->hub.ed.RomImage.bytes() == before);
        QCOMPARE(o->hub.messages.size(), 1);
        QVERIFY(o->hub.messages[0].contains("33 sections"));
        QVERIFY(o->hub.calls.isEmpty());
        QCOMPARE(list->currentRow(), 1);                       // shows the map again
        QCOMPARE(o->w->screenLists().dir(33), int(kDirRight)); // and the lists were put back

        // An empty map, and a screen beyond the map: clicks change nothing.
        for (auto [map, screen] :
             {std::pair{QList<int>{0x00, 0x23}, 0}, {QList<int>{0x21, 0x00}, 5}}) {
            auto e = open(0, map, screen);
            e->setSimpleMode(true);
            const std::vector<uint8_t> rom = e->hub.ed.RomImage.bytes();
            e->clickRow(2);
            e->tick("SplitSw");
            QVERIFY(e->hub.ed.RomImage.bytes() == rom);
            QVERIFY(e->hub.calls.isEmpty() && e->hub.messages.isEmpty());
        }
    }

    // ---- refreshes from other windows ----

    void refreshesRedrawWhatChanged() {
        auto o = open(0, {0x22, 0x80, 0xA1, 0x00}, 0); // preset 0: cell c shows structure c
        Editor& ed = o->hub.ed;
        // Quarter 1 of structures 9 and 10 now hold block 0x0F, but only 9 is refreshed:
        // only its quarter is redrawn, so cell 10 still shows the old block.
        ed.setByte(kStructs + 4 * 9 + 1, 0x0F);
        ed.setByte(kStructs + 4 * 10 + 1, 0x0F);
        o->w->Update_StrBlock(9, 1);
        for (int c = 0; c < 64; ++c)
            for (int q = 0; q < 4; ++q)
                QCOMPARE(o->cellPixel(c / 8, c % 8, q),
                         (c == 9 && q == 1) ? 15 : quarterPixel(c, q));
        QCOMPARE(int(o->bmp().pixel(32, 40)), kSlotGrid);
        QCOMPARE(o->pic()->shownImage().pixelIndex(32 + 16 + 6, 32 + 9), 15);

        // Blocks 0x0B (quarter 3 of structure 2) and 0x0C change palette; only 0x0B is
        // refreshed.
        ed.setByte(kBlockAttrs + 0x0B, 0x01);
        ed.setByte(kBlockAttrs + 0x0C, 0x01);
        o->w->Update_Block(0x0B);
        QCOMPARE(o->cellPixel(0, 2, 3), 4 * 1 + 3);
        QCOMPARE(o->cellPixel(0, 3, 0), quarterPixel(3, 0));

        // A palette refresh shows the palette field and the picture in the new colours,
        // without drawing.
        ed.setByte(kSettings + 1, 0x0E);
        const uint64_t version = o->bmp().version();
        o->w->bitmap().colours()[15] = 0x123456;
        o->w->Update_BGPal(1);
        QCOMPARE(o->field("DDBTB")->text(), QString("E"));
        QCOMPARE(o->bmp().version(), version);
        QCOMPARE(o->pic()->shownImage().color(15) & 0xFFFFFF, QRgb(0x123456));
        o->w->bitmap().colours()[15] = 0x654321;
        o->w->Update_BGPal(0); // the palette field only
        QCOMPARE(o->pic()->shownImage().color(15) & 0xFFFFFF, QRgb(0x123456));
        o->w->showAnimatedPictures();
        QCOMPARE(o->pic()->shownImage().color(15) & 0xFFFFFF, QRgb(0x654321));
    }

    // ---- keys ----

    void keysReachTheMainWindowOnce() {
        auto o = open(0);
        Editor& ed = o->hub.ed;
        QLineEdit* scrn = o->field("CurScrnTB");
        auto keyCalls = [&] {
            QStringList keys;
            // The test presses Shift, Ctrl and Alt as keys of their own (16, 17, 18); those
            // reach the main window too, which ignores them.
            static const QRegularExpression modifierKey("^Global_KeyDown\\(1[678],");
            for (const QString& c : o->hub.calls)
                if (c.startsWith("Global_KeyDown") && !modifierKey.match(c).hasMatch()) keys << c;
            return keys;
        };

        // Function keys typed in a field reach the main window once.
        QTest::keyClick(scrn, Qt::Key_F5);
        QTest::keyClick(scrn, Qt::Key_F7, Qt::ShiftModifier);
        QCOMPARE(keyCalls(), (QStringList{"Global_KeyDown(116,0)", "Global_KeyDown(118,1)"}));

        // Letters typed in a field are edits, Shift+B (a hex digit) included.
        o->hub.calls.clear();
        scrn->selectAll();
        QTest::keyClick(scrn, Qt::Key_B, Qt::ShiftModifier);
        QCOMPARE(scrn->text(), QString("B"));
        QCOMPARE(ed.CurScrn, 11);
        QVERIFY(keyCalls().isEmpty());

        // Anywhere else the key goes to the main window once: the picture, the list (where
        // Shift+letter is not a search), the switches and spin buttons.
        o->hub.calls.clear();
        o->setSimpleMode(true);
        QListWidget* list = o->child<QListWidget>("DirList");
        const int row = list->currentRow();
        QTest::keyClick(o->pic(), Qt::Key_S, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_R, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_F6);
        QTest::keyClick(o->child<QCheckBox>("SimplEd"), Qt::Key_T, Qt::ShiftModifier);
        QTest::keyClick(o->spin("ScrnPresUD"), Qt::Key_F9);
        QTest::keyClick(o->w.get(), Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(keyCalls(), (QStringList{"Global_KeyDown(83,1)", "Global_KeyDown(82,1)",
                                          "Global_KeyDown(117,0)", "Global_KeyDown(84,1)",
                                          "Global_KeyDown(120,0)", "Global_KeyDown(69,3)"}));
        QCOMPARE(list->currentRow(), row);
        for (const QString& c : o->hub.calls)
            QVERIFY2(c.startsWith("Global_KeyDown"), qPrintable(c)); // nothing else
    }

    // ---- with the real main window ----

    void withTheRealMainWindow() {
        DemoHome home("mm3");
        QVERIFY(home.isValid());
        Orvane_Main main(home.options());
        QStringList messages;
        main.setMessageSink([&](const QString& m) { messages << m; });
        QVERIFY(main.startUp());
        main.paletteTimer()->stop();
        Editor& ed = main.editor();

        // Shift+S opens it from the main window, refreshed and shown.
        QTest::keyClick(&main, Qt::Key_S, Qt::ShiftModifier);
        auto* w = qobject_cast<ScreenEd*>(main.shownWindow(WindowId::ScreenEd));
        QVERIFY(w);
        WinBitmap expected;
        expected.InitBitmap(256, 256);
        DrawScreen(expected, currentLevelSource(ed), ed.CurScrn);
        QVERIFY(w->bitmap().pixels() == expected.pixels());
        const std::set<uint8_t> values(expected.pixels().begin(),
                                       expected.pixels().begin() + 256 * 256);
        QVERIFY(values.size() > 4); // a real screen, not an empty one

        // The scroll bar walks the sections: the label follows the main window's walk.
        auto* bar = w->findChild<QScrollBar*>("ScrnScroll");
        QCOMPARE(bar->maximum(), int(ed.P(16)));
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(ed.CurScrn, int(ed.P(16)));
        QCOMPARE(w->findChild<QLabel*>("CurScrollLabel")->text(),
                 QString("Scroll Map Position: %1").arg(ed.CurSection));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);

        // A left click writes the cell of the screen's preset and draws it.
        main.selection().CurStrRow = 0;
        main.selection().CurStrCol = 5;
        PictureArea* pic = w->findChild<PictureArea*>("ScreenPic");
        QTest::mouseClick(pic, Qt::LeftButton, {}, QPoint(100, 200)); // row 6, col 3
        QCOMPARE(ed.tables().screenCell(ed.CurScrn, 6, 3), 5);
        DrawScreen(expected, currentLevelSource(ed), ed.CurScrn);
        QVERIFY(w->bitmap().pixels() == expected.pixels());

        // F7 typed in a field moves one level on, not two.
        QTest::keyClick(w->findChild<QLineEdit*>("ScrnPresTB"), Qt::Key_F7);
        QCOMPARE(ed.CurLevel, 1);
        DrawScreen(expected, currentLevelSource(ed), ed.CurScrn);
        QVERIFY(w->bitmap().pixels() == expected.pixels());

        // With the Structure Table shown, a right-click pick moves its mark.
        QTest::keyClick(pic, Qt::Key_R, Qt::ShiftModifier);
        ToolWindow* table = main.shownWindow(WindowId::StrTable);
        if (Orvane_Main::windowIsBuilt(WindowId::StrTable)) {
            QVERIFY(table);
            QTest::mouseClick(pic, Qt::RightButton, {}, QPoint(40, 40));
            const int s = ed.tables().screenCell(ed.CurScrn, 1, 1);
            QCOMPARE(main.selection().structure(), s);
            auto* str = qobject_cast<StrTable*>(table);
            QCOMPARE(int(str->bitmap().pixel(32 * (s % 16) + 5, 32 * (s / 16))), 34);
        }
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    }
};

QTEST_MAIN(TestScreenEd)
#include "test_screened.moc"
