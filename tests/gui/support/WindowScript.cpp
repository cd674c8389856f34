#include "gui/support/WindowScript.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "core/mapedit/ScreenDrawing.h"
#include "core/render/Colours.h"
#include "core/render/LevelSource.h"
#include "core/render/SpriteSetup.h"
#include "gui/enemyedit/EnemEd.h"
#include "gui/mapedit/ScreenEd.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/mapedit/StrTable.h"
#include "gui/mapedit/TSATable.h"
#include "gui/render/PictureArea.h"
#include "gui/render/TileTable.h"

namespace orvane {

namespace {

const char* const kPictures[] = {"pic1", "tsapic", "PalPic", "StrPic", "ScreenPic", "TilePic"};

// The user's choices a script sets and reads, by name: row and column.
const std::map<QString, std::pair<int Selection::*, int Selection::*>> kChoices = {
    {"tile", {&Selection::TileSelA, &Selection::TileSelB}},
    {"block", {&Selection::CurBlockRow, &Selection::CurBlockCol}},
    {"str", {&Selection::CurStrRow, &Selection::CurStrCol}},
    {"prev", {&Selection::PrevStrRow, &Selection::PrevStrCol}}};

// The bitmap behind the window's picture `name`, or nullptr when it has none of that name.
WinBitmap* bitmapOf(ToolWindow* w, const QString& name) {
    if (auto* t = qobject_cast<TSATable*>(w))
        return name == "tsapic" ? &t->tsaBitmap() : name == "PalPic" ? &t->palBitmap() : nullptr;
    if (auto* t = qobject_cast<TileTable*>(w)) return name == "pic1" ? &t->bitmap() : nullptr;
    if (auto* t = qobject_cast<StrTable*>(w)) return name == "StrPic" ? &t->bitmap() : nullptr;
    if (auto* t = qobject_cast<ScreenEd*>(w)) return name == "ScreenPic" ? &t->bitmap() : nullptr;
    if (auto* t = qobject_cast<EnemEd*>(w))
        return name == "ScreenPic" ? &t->display()
               : name == "TilePic" ? &t->tiles()
               : name == "PalPic"  ? &t->swatches()
                                   : nullptr;
    return nullptr;
}

// A hub that also walks the sections, refreshes the window, loads the section's sprites
// and copies the colour table into the bitmaps, as the main window does, so a case sees
// what the user would see after each change.
struct WindowHub : FakeHub {
    using FakeHub::FakeHub;
    ToolWindow* window = nullptr;
    void Update_Scrn() override {
        FakeHub::Update_Scrn();
        testing::enterScreen(ed, ed.CurScrn);
        window->Update_Scrn();
    }
    void Update_BGPal(int upd, int animcl) override {
        FakeHub::Update_BGPal(upd, animcl);
        window->Update_BGPal(upd);
    }
    void SprCHRPALSetup() override {
        FakeHub::SprCHRPALSetup();
        orvane::SprCHRPALSetup(ed);
        orvane::Update_Global_Pal(ed);
    }
    void refreshColours() override {
        FakeHub::refreshColours();
        orvane::Update_Global_Pal(ed);
    }
};

Qt::MouseButtons buttons(const QString& word) {
    Qt::MouseButtons b;
    for (const QString& name : word.split('+'))
        b |= name == "left" ? Qt::LeftButton : name == "right" ? Qt::RightButton : Qt::MiddleButton;
    return b;
}

class WindowScript : public testing::Script {
public:
    explicit WindowScript(int mode) : Script(m_hub.ed), m_hub(mode) {}
    ~WindowScript() override { delete m_window; }

protected:
    bool command(const QString& cmd, QStringList& args, QStringList& got,
                 QStringList& want) override;

private:
    template <class T = QWidget> T* control(const QString& name) {
        return child<T>(m_window, qPrintable(name));
    }
    QString upToDate();

    WindowHub m_hub;
    ToolWindow* m_window = nullptr;
    std::unique_ptr<RecordingWindow> m_strTable;
    std::map<QString, uint64_t> m_versions;
};

QString WindowScript::upToDate() {
    Editor& ed = m_hub.ed;
    std::vector<WinBitmap*> bitmaps;
    for (const char* name : kPictures) {
        auto* p = m_window->findChild<PictureArea*>(name);
        WinBitmap* b = bitmapOf(m_window, name);
        if (!p || !b) continue;
        bitmaps.push_back(b);
        for (int y = 0; y < p->shownImage().height(); ++y)
            for (int x = 0; x < p->shownImage().width(); ++x)
                if (p->shownImage().pixelIndex(x, y) != b->pixel(x, y)) return "not shown";
    }
    if (auto* enemies = qobject_cast<EnemEd*>(m_window)) // drawn, never shown
        bitmaps.push_back(&enemies->background());
    std::vector<std::vector<uint8_t>> before;
    for (const WinBitmap* b : bitmaps)
        before.push_back(b->pixels());
    if (auto* screen = qobject_cast<ScreenEd*>(m_window))
        DrawScreen(screen->bitmap(), currentLevelSource(ed), ed.CurScrn);
    else if (qobject_cast<EnemEd*>(m_window))
        m_window->Update_Scrn();
    else
        m_window->Update_Level();
    for (size_t i = 0; i < before.size(); ++i)
        if (bitmaps[i]->pixels() != before[i]) return "not as a full redraw";
    return "up to date";
}

bool WindowScript::command(const QString& cmd, QStringList& args, QStringList& got,
                           QStringList& want) {
    const QString rest = args.mid(1).join(' ');
    const auto point = [&](int i) { return QPoint(args[i].toInt(), args[i + 1].toInt()); };
    if (cmd == "open") {
        if (args[0] == "ScreenEd") m_window = new ScreenEd(m_hub);
        if (args[0] == "TSATable") m_window = new TSATable(m_hub);
        if (args[0] == "StrTable") m_window = new StrTable(m_hub);
        if (args[0] == "TileTable") m_window = new TileTable(m_hub);
        if (args[0] == "EnemEd") m_window = new EnemEd(m_hub);
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_hub.window = m_window;
        m_window->Update();
        m_window->show();
        m_hub.calls.clear();
    } else if (cmd == "strtable") {
        m_strTable = std::make_unique<RecordingWindow>(m_hub, nullptr, "StrTable", m_hub.calls);
        m_strTable->show();
        m_hub.strTable = m_strTable.get();
    } else if (cmd == "press" || cmd == "release") {
        (cmd == "press" ? press : release)(control(args[0]), Qt::MouseButton(int(buttons(args[1]))),
                                           point(2));
    } else if (cmd == "drag") {
        dragTo(control(args[0]), buttons(args[1]), point(2));
    } else if (cmd == "type") {
        control<QLineEdit>(args[0])->selectAll();
        QTest::keyClicks(control(args[0]), rest);
    } else if (cmd == "paste") {
        control<QLineEdit>(args[0])->setText(rest);
    } else if (cmd == "spin") {
        for (int i = 0; i < std::abs(args[1].toInt()); ++i) {
            auto* s = control<SpinButton>(args[0]);
            QTest::mouseClick(args[1].toInt() > 0 ? s->upButton() : s->downButton(),
                              Qt::LeftButton);
        }
    } else if (cmd == "click") {
        QTest::mouseClick(control(args[0]), Qt::LeftButton, {}, QPoint(6, 8));
    } else if (cmd == "choose") {
        auto* l = control<QListWidget>(args[0]);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(args[1].toInt())).center());
    } else if (cmd == "key") {
        Qt::KeyboardModifiers m;
        for (const QString& mod : args.mid(2))
            m |= mod == "shift"  ? Qt::ShiftModifier
                 : mod == "ctrl" ? Qt::ControlModifier
                                 : Qt::AltModifier;
        QTest::keyClick(args[0] == "window" ? m_window : control(args[0]),
                        QKeySequence(args[1])[0].key(), m);
    } else if (cmd == "slider") {
        control<QScrollBar>(args[0])->triggerAction(
            args[1] == "max"   ? QAbstractSlider::SliderToMaximum
            : args[1] == "min" ? QAbstractSlider::SliderToMinimum
                               : QAbstractSlider::SliderSingleStepAdd);
    } else if (cmd == "refresh") {
        const int a = args.value(1).toInt(nullptr, 16), b = args.value(2).toInt();
        if (args[0] == "Update_Block") m_window->Update_Block(a);
        if (args[0] == "Update_StrBlock") m_window->Update_StrBlock(a, b);
        if (args[0] == "Update_BGPal") m_window->Update_BGPal(a);
        if (args[0] == "Update_Level") m_window->Update_Level();
        if (args[0] == "CurStrSet") m_window->CurStrSet(a);
        if (args[0] == "showAnimatedPictures") m_window->showAnimatedPictures();
        if (args[0] == "Update_Global_Pal") m_window->Update_Global_Pal();
        if (args[0] == "PCEvent") (m_hub.sel.PCColor = a, m_window->PCEvent());
    } else if (cmd == "recolour") {
        WinBitmap& b = *bitmapOf(m_window, args[0]);
        b.colours()[size_t(args[1].toInt())] = uint32_t(testing::hex(args[2]));
        m_versions[args[0]] = b.pixelVersion();
    } else if (cmd == "calls") {
        got = m_hub.calls.isEmpty() ? QStringList{"none"} : m_hub.calls;
        want = args.isEmpty() ? QStringList{"none"} : args;
        m_hub.calls.clear();
    } else if (cmd == "message") {
        got << QString::number(m_hub.messages.size())
            << QString::number(m_hub.messages.value(0).contains(args.join(' ')));
        want = {"1", "1"};
        m_hub.messages.clear();
    } else if (cmd == "text") {
        auto* field = m_window->findChild<QLineEdit*>(args[0]);
        got << "'" + (field ? field->text() : control<QLabel>(args[0])->text()) + "'";
        want = {"'" + rest + "'"};
    } else if (cmd == "row") {
        got << QString::number(control<QListWidget>(args[0])->currentRow());
        want = args.mid(1);
    } else if (cmd == "checked" || cmd == "visible" || cmd == "enabled") {
        got << QString::number(cmd == "checked"   ? control<QAbstractButton>(args[0])->isChecked()
                               : cmd == "visible" ? control(args[0])->isVisible()
                                                  : control(args[0])->isEnabled());
        want = args.mid(1);
    } else if (cmd == "fill") {
        const QRgb fill = control(args[0])->palette().color(QPalette::Window).rgb();
        got << QString::number(fill & 0xFFFFFF, 16).toUpper();
        want = testing::hexWords({args[1]});
    } else if (cmd == "below") {
        got << (control(args[0])->y() > control(args[1])->geometry().bottom() ? "below"
                                                                              : "not below");
        want = {"below"};
    } else if (cmd == "uptodate") { // "uptodate no": not shown yet
        got << upToDate();
        want = {args.value(0) == "no" ? "not shown" : "up to date"};
    } else if (cmd == "focus") {
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window)) return false;
        control(args[0])->setFocus();
    } else if (cmd == "paint" || cmd == "pixel") {
        WinBitmap& b = *bitmapOf(m_window, args[0]);
        uint8_t& pixel = b.pixels()[size_t(b.width() * args[2].toInt() + args[1].toInt())];
        const int value = testing::hex(args.last());
        if (cmd == "paint") {
            pixel = uint8_t(value);
        } else if (args.value(3) == "not") {
            got << (pixel != value ? "other" : "the same");
            want = {"other"};
        } else {
            got << QString::number(pixel, 16).toUpper();
            want = testing::hexWords({args.last()});
        }
    } else if (cmd == "colour") {
        const QRgb shown = control<PictureArea>(args[0])->shownImage().color(args[1].toInt());
        got << QString::number(shown & 0xFFFFFF, 16).toUpper();
        want = testing::hexWords({args[2]});
    } else if (cmd == "redrawn") {
        const uint64_t now = bitmapOf(m_window, args[0])->pixelVersion();
        got << (now != m_versions[args[0]] ? "yes" : "no");
        want = args.mid(1);
    } else if (cmd == "set" && kChoices.count(args[0])) {
        const auto [row, col] = kChoices.at(args[0]);
        m_hub.sel.*row = args[1].toInt();
        m_hub.sel.*col = args[2].toInt();
    } else if (cmd == "editor" && args[0] == "palanim") {
        got << QString::number(m_hub.sel.CurPalAnim, 16).toUpper();
        want = args.mid(1);
    } else if (cmd == "editor" && kChoices.count(args[0])) { // the user's choices
        const Selection& s = m_hub.sel;
        const auto [row, col] = kChoices.at(args[0]);
        got << QString::number(s.*row) << QString::number(s.*col);
        want = args.mid(1);
    } else {
        return Script::command(cmd, args, got, want);
    }
    return true;
}

} // namespace

void runWindowScript(const QString& file, int mode) {
    WindowScript(mode).run(file, mode);
}

} // namespace orvane
