// The main window as the hub: which tool windows each refresh reaches, in which order,
// and that hidden or never-opened windows are skipped. Windows that record every call
// stand in for the real ones.
#include <QtTest>

#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "gui/support/Harness.h"

using namespace orvane;

namespace {

const char* const kNames[] = {"PalEd",  "TileTable", "TSATable", "StrTable", "ScreenEd",
                              "EnemEd", "MiscEd",    "Config",   "DumpRes",  "PalChart"};

class RecordingWindow : public ToolWindow {
public:
    RecordingWindow(Hub& hub, QWidget* parent, QString name, QStringList& log)
        : ToolWindow(hub, parent), m_name(std::move(name)), m_log(log) {}
    void Update() override { rec("Update"); }
    void Update_Level() override { rec("Update_Level"); }
    void Update_BGPal(int upd) override { rec(QString("Update_BGPal(%1)").arg(upd)); }
    void Update_Scrn() override { rec("Update_Scrn"); }
    void Update_Block(int b) override { rec(QString("Update_Block(%1)").arg(b)); }
    void Update_StrBlock(int s, int q) override {
        rec(QString("Update_StrBlock(%1,%2)").arg(s).arg(q));
    }
    void Update_ScrnStr(int y, int x) override {
        rec(QString("Update_ScrnStr(%1,%2)").arg(y).arg(x));
    }
    void Update_Global_Pal() override { rec("Update_Global_Pal"); }
    void showPicture(int id) override { rec(QString("showPicture(%1)").arg(id)); }

private:
    void rec(const QString& what) { m_log << m_name + "." + what; }
    QString m_name;
    QStringList& m_log;
};

class HubUnderTest : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;
    QStringList log;

protected:
    ToolWindow* makeWindow(WindowId id) override {
        return new RecordingWindow(*this, this, kNames[int(id)], log);
    }
};

// The real hub started on the demo, with these windows opened (in this order) and then
// the `hidden` ones hidden; the log starts empty.
struct Fixture {
    DemoHome home{"mm3"};
    HubUnderTest hub{home.options()};
    Fixture(std::initializer_list<WindowId> open, std::initializer_list<WindowId> hidden) {
        hub.setMessageSink([](const QString& t) { QFAIL(qPrintable(t)); });
        if (!hub.startUp()) qFatal("start-up failed");
        hub.paletteTimer()->stop();
        for (WindowId id : open)
            hub.openWindow(id);
        for (WindowId id : hidden)
            hub.existingWindow(id)->hide();
        hub.log.clear();
    }
};

QStringList bgPal(const QStringList& shown) {
    QStringList out{"EnemEd.Update_Global_Pal"};
    for (const QString& w : shown)
        out << w + ".Update_BGPal(1)";
    return out;
}

} // namespace

class TestRefreshChain : public QObject {
    Q_OBJECT
private slots:
    void forwardsToShownWindowsInOrder() {
        // Opened in another order than the forwarding order; the Tile Table never opened;
        // the Structure Table hidden.
        Fixture f({WindowId::EnemEd, WindowId::ScreenEd, WindowId::StrTable, WindowId::TSATable,
                   WindowId::PalEd},
                  {WindowId::StrTable});
        HubUnderTest& hub = f.hub;
        const QStringList shown{"PalEd", "TSATable", "ScreenEd", "EnemEd"};
        const QStringList screen{"EnemEd.Update_Global_Pal", "ScreenEd.Update_Scrn",
                                 "EnemEd.Update_Scrn"};
        const std::pair<std::function<void()>, QStringList> steps[] = {
            {[&] { hub.Update_Block(7); }, {"ScreenEd.Update_Block(7)", "EnemEd.Update_Block(7)"}},
            {[&] { hub.Update_StrBlock(0x21, 2); },
             {"ScreenEd.Update_StrBlock(33,2)", "EnemEd.Update_StrBlock(33,2)"}},
            {[&] { hub.Update_ScrnStr(1, 4); }, {"EnemEd.Update_ScrnStr(1,4)"}},
            {[&] { hub.Update_BGPal(1, 0); }, bgPal(shown)},
            // A screen change: sprite set-up (colours copied), the screen windows, the palette.
            {[&] { hub.Update_Scrn(); }, screen + bgPal(shown)},
            // A level load: the level windows in order, then the screen change.
            {[&] { hub.Update_Level(); },
             QStringList{"PalEd.Update_Level", "TSATable.Update_Level", "ScreenEd.Update_Level",
                         "EnemEd.Update_Level"} +
                 screen + bgPal(shown)},
            // The Enemy Editor repaints its swatches even when hidden; nobody else is told.
            {[&] {
                 hub.existingWindow(WindowId::EnemEd)->hide();
                 hub.Update_Global_Pal();
             },
             {"EnemEd.Update_Global_Pal"}},
            {[&] { hub.Update_Block(9); }, {"ScreenEd.Update_Block(9)"}}};
        for (const auto& [step, calls] : steps) {
            hub.log.clear();
            step();
            QCOMPARE(hub.log, calls);
        }
        QVERIFY(!hub.editor().ForcePalLoad); // a level load forces its palette load only
    }
    // The animation tick shows the pictures of every existing window, shown or not, in its
    // fixed order, after copying the colours; and does nothing when no frame advances.
    void animationTickShowsPictures() {
        Fixture f({WindowId::StrTable, WindowId::ScreenEd, WindowId::TSATable, WindowId::PalEd},
                  {WindowId::ScreenEd});
        Editor& ed = f.hub.editor();
        ed.PalAnimId.fill(0);
        QVERIFY(!f.hub.paletteAnimationTick() && f.hub.log.isEmpty());
        // Animation 0 of this game: two frames, no delay, from slot 9, on palette 2.
        testing::poke(ed, 75281, {0});
        testing::poke(ed, 75295, {1, 0, 9, 1, 2});
        ed.PalAnimId[2] = 0x80;
        QVERIFY(f.hub.paletteAnimationTick());
        QCOMPARE(f.hub.log, (QStringList{"PalEd.showPicture(1)", "TSATable.showPicture(3)",
                                         "TSATable.showPicture(4)", "StrTable.showPicture(5)",
                                         "ScreenEd.showPicture(6)"}));
        for (int j = 0; j < 3; ++j)
            QCOMPARE(ed.Bitmaps[kBmpScreenEd].colours()[size_t(9 + j)],
                     ed.NesPal[ed.byte(75167 + 6 + j)]);
    }
};

QTEST_MAIN(TestRefreshChain)
#include "test_refresh_chain.moc"
