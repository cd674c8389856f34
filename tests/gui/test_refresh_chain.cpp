// The main window as the hub: which tool windows each refresh reaches, in which order,
// and that hidden or never-opened windows are skipped. Windows that record every call
// stand in for the real ones.
#include <QtTest>

#include "core/app/Editor.h"
#include "core/render/BitmapSet.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"
#include "support/DemoHome.h"
#include "support/FakeHub.h"

using namespace orvane;

namespace {

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
    void showAnimatedPictures() override { rec("showAnimatedPictures"); }

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
        return new RecordingWindow(*this, this, FakeHub::windowName(id), log);
    }
};

struct Fixture {
    DemoHome home{"mm3"};
    HubUnderTest hub{home.options()};
    QStringList messages;
    bool ok = false;
    Fixture() {
        hub.setMessageSink([this](const QString& t) { messages << t; });
        ok = home.isValid() && hub.startUp();
        hub.paletteTimer()->stop();
    }
};

QStringList bgPalChain(const QStringList& shown) {
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
        Fixture f;
        QVERIFY2(f.ok, qPrintable(f.messages.join('\n')));
        HubUnderTest& hub = f.hub;
        // Opened in another order than the forwarding order; the Tile Table never opened;
        // the Structure Table opened and then hidden.
        for (WindowId id : {WindowId::EnemEd, WindowId::ScreenEd, WindowId::StrTable,
                            WindowId::TSATable, WindowId::PalEd})
            hub.openWindow(id);
        QCOMPARE(hub.log, QStringList({"EnemEd.Update", "ScreenEd.Update", "StrTable.Update",
                                       "TSATable.Update", "PalEd.Update"}));
        hub.existingWindow(WindowId::StrTable)->hide();
        const QStringList shown{"PalEd", "TSATable", "ScreenEd", "EnemEd"};

        hub.log.clear();
        hub.Update_Block(7);
        QCOMPARE(hub.log, QStringList({"ScreenEd.Update_Block(7)", "EnemEd.Update_Block(7)"}));

        hub.log.clear();
        hub.Update_StrBlock(0x21, 2);
        QCOMPARE(hub.log,
                 QStringList({"ScreenEd.Update_StrBlock(33,2)", "EnemEd.Update_StrBlock(33,2)"}));

        hub.log.clear();
        hub.Update_ScrnStr(1, 4);
        QCOMPARE(hub.log, QStringList({"EnemEd.Update_ScrnStr(1,4)"}));

        hub.log.clear();
        hub.Update_BGPal(1, 0);
        QCOMPARE(hub.log, bgPalChain(shown));

        // A screen change: sprite set-up (colours copied), the two screen windows, then
        // the section's palette.
        hub.log.clear();
        hub.Update_Scrn();
        QCOMPARE(hub.log, QStringList({"EnemEd.Update_Global_Pal", "ScreenEd.Update_Scrn",
                                       "EnemEd.Update_Scrn"}) +
                              bgPalChain(shown));

        // A level load: the level windows in their order, then the screen refresh.
        hub.log.clear();
        hub.Update_Level();
        QCOMPARE(hub.log, QStringList({"PalEd.Update_Level", "TSATable.Update_Level",
                                       "ScreenEd.Update_Level", "EnemEd.Update_Level",
                                       "EnemEd.Update_Global_Pal", "ScreenEd.Update_Scrn",
                                       "EnemEd.Update_Scrn"}) +
                              bgPalChain(shown));

        // The Enemy Editor repaints its swatches even when hidden; nobody else is told.
        hub.existingWindow(WindowId::EnemEd)->hide();
        hub.log.clear();
        hub.Update_Global_Pal();
        QCOMPARE(hub.log, QStringList({"EnemEd.Update_Global_Pal"}));
        hub.log.clear();
        hub.Update_Block(9);
        QCOMPARE(hub.log, QStringList({"ScreenEd.Update_Block(9)"}));
    }

    // The animation tick shows the pictures of every existing window, shown or not, in
    // its fixed order, and does nothing when no frame advances.
    void animationTickShowsPictures() {
        Fixture f;
        QVERIFY(f.ok);
        HubUnderTest& hub = f.hub;
        for (WindowId id :
             {WindowId::StrTable, WindowId::ScreenEd, WindowId::TSATable, WindowId::PalEd})
            hub.openWindow(id);
        hub.existingWindow(WindowId::ScreenEd)->hide();
        Editor& ed = hub.editor();

        ed.PalAnimId.fill(0);
        hub.log.clear();
        QVERIFY(!hub.paletteAnimationTick());
        QVERIFY(hub.log.isEmpty());

        // Animation 0 of this game: a two-frame cycle with no delay on palette 2.
        ed.setByte(75281, 0);
        ed.setByte(75295 + 0, 1);
        ed.setByte(75295 + 1, 0);
        ed.setByte(75295 + 2, 9);
        ed.setByte(75295 + 3, 1);
        ed.setByte(75295 + 4, 2);
        ed.PalAnimId[2] = 0x80;
        SharedColourBitmap bitmap(ed.Bitmaps);
        hub.log.clear();
        QVERIFY(hub.paletteAnimationTick());
        QCOMPARE(hub.log,
                 QStringList({"PalEd.showAnimatedPictures", "TSATable.showAnimatedPictures",
                              "StrTable.showAnimatedPictures", "ScreenEd.showAnimatedPictures"}));
        // The frame's colour set 2 reached slots 9..11 and the bitmaps' colour tables.
        for (int j = 0; j < 3; ++j) {
            const uint32_t c = ed.NesPal[ed.byte(75167 + 6 + j)];
            QCOMPARE(ed.BmpCols[size_t(9 + j)], c);
            QCOMPARE(bitmap.colours()[size_t(9 + j)], c);
        }
    }

    // A level load loads the section's palette record even where an mm4 section's
    // palette byte 0 keeps the colours it was entered with; a screen refresh after it
    // keeps them again.
    void levelLoadLoadsThePaletteRecordOnce() {
        DemoHome home{"mm4"};
        HubUnderTest hub{home.options()};
        QStringList messages;
        hub.setMessageSink([&](const QString& t) { messages << t; });
        QVERIFY2(home.isValid() && hub.startUp(), qPrintable(messages.join('\n')));
        hub.paletteTimer()->stop();
        Editor& ed = hub.editor();
        int screen = 0;
        while (screen < 256 && sectionOfScreen(ed.tables(), screen).section != 1)
            ++screen;
        QVERIFY(screen < 256);
        setSectionSetting(ed, 1, 0, 0);
        ed.CurScrn = screen;
        ed.CurBGPal = 5;
        hub.Update_Scrn();
        QCOMPARE(ed.CurSection, 1);
        QCOMPARE(ed.CurBGPal, 5);
        hub.Update_Level();
        QCOMPARE(ed.CurBGPal, 0);
        ed.CurBGPal = 5;
        hub.Update_Scrn();
        QCOMPARE(ed.CurBGPal, 5);
    }
};

QTEST_MAIN(TestRefreshChain)
#include "test_refresh_chain.moc"
