// The Palette Editor, the Palette Chart and the Palette Animation Editor panel on the real
// main window and the demo ROMs: clicks select and step, every shown window recolours,
// picks reach the receiver, effect changes restart the animations, and the panel shows
// without writing.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "core/render/AnimationEdits.h"
#include "core/render/PaletteAnimation.h"
#include "core/render/PaletteRecord.h"
#include "gui/app/Orvane_Main.h"
#include "gui/app/Selection.h"
#include "gui/mapedit/SpinButton.h"
#include "gui/render/PalChart.h"
#include "gui/render/PalEd.h"
#include "gui/render/PictureArea.h"
#include "gui/support/Harness.h"

using namespace orvane;

namespace {

// Stands in for the Enemy Editor, the chart's other receiver.
class ReceiverWindow : public ToolWindow {
public:
    using ToolWindow::ToolWindow;
    QList<int> picks;
    void PCEvent() override { picks << m_sel.PCColor; }
};

class Main : public Orvane_Main {
public:
    using Orvane_Main::Orvane_Main;

protected:
    ToolWindow* makeWindow(WindowId id) override {
        if (id == WindowId::EnemEd) return new ReceiverWindow(*this, this);
        return Orvane_Main::makeWindow(id);
    }
};

// The main window on a game's demo with every built window shown, the animation stopped.
struct Session {
    DemoHome home;
    Main main;
    QStringList messages;
    PalEd* palEd = nullptr;
    explicit Session(const QString& mode) : home(mode), main(home.options()) {
        main.setMessageSink([this](const QString& t) { messages << t; });
        if (!home.isValid() || !main.startUp()) return;
        main.paletteTimer()->stop();
        for (WindowId id : {WindowId::TileTable, WindowId::TSATable, WindowId::StrTable,
                            WindowId::ScreenEd, WindowId::PalEd})
            main.openWindow(id);
        palEd = qobject_cast<PalEd*>(main.shownWindow(WindowId::PalEd));
    }
    Editor& ed() { return main.editor(); }
    int entry(int k) { return paletteEntry(ed(), k); }
    template <class T> T* find(const QString& name) { return palEd->findChild<T*>(name); }
    void clickCell(int cell, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(palEd->storedPicture(), button, {}, QPoint(32 * cell + 16, 16));
    }
    QRgb screen(int colour) { return 0xFF000000u | ed().NesPal[size_t(colour)]; }
    // The colour tables of every shown picture.
    QList<QList<QRgb>> shownColours() {
        QList<QList<QRgb>> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            for (PictureArea* pic : w->findChildren<PictureArea*>())
                if (w->isVisible()) out << pic->shownImage().colorTable();
        return out;
    }
};

} // namespace

class TestPalEditor : public QObject {
    Q_OBJECT
private slots:
    // The first click selects, further clicks step. The backdrop (selected when the
    // window opens) reaches colour 0 of all four palettes in every shown picture; entries
    // 4, 8 and 12 are stored but change no colour anywhere.
    void clicksSelectThenStep() {
        Session s("mm3");
        QVERIFY(s.palEd);
        const int before = s.entry(6);
        s.clickCell(6);
        QCOMPARE(s.palEd->selectedEntry(), 6);
        QCOMPARE(s.entry(6), before);
        QCOMPARE(s.palEd->storedPicture()->shownImage().pixelIndex(32 * 6 + 16, 0), 34);
        // Left steps up, other buttons down, wrapping within the NES colours 0..3F.
        const struct {
            int stored;
            Qt::MouseButton button;
            int after;
        } steps[] = {{0x3F, Qt::LeftButton, 0x00},   {0x00, Qt::RightButton, 0x3F},
                     {0x00, Qt::MiddleButton, 0x3F}, {0x40, Qt::LeftButton, 0x41},
                     {0xFF, Qt::LeftButton, 0xFF},   {0xFF, Qt::RightButton, 0xFE}};
        for (const auto& step : steps) {
            s.ed().setByte(s.ed().P(15) + 20 * s.ed().CurBGPal + 6, step.stored);
            s.clickCell(6, step.button);
            QCOMPARE(s.entry(6), step.after);
        }
        s.clickCell(6, Qt::RightButton);
        QCOMPARE(s.palEd->storedPicture()->shownImage().color(86), s.screen(0x3F));
        QCOMPARE(s.palEd->shownPicture()->shownImage().color(6), s.screen(0x3F));

        s.clickCell(0);
        s.clickCell(0);
        const auto shown = s.shownColours();
        QCOMPARE(shown.size(), 7); // the pictures of the five windows
        for (const auto& table : shown)
            for (int slot : {0, 4, 8, 12, 80, 84, 88, 92})
                QCOMPARE(table[slot], s.screen(s.entry(0)));
        for (int unshown : {4, 8, 12}) {
            const int stored = s.entry(unshown);
            s.clickCell(unshown);
            s.clickCell(unshown);
            QCOMPARE(s.entry(unshown), (stored + 1) % 64);
            QCOMPARE(s.shownColours(), shown);
        }
    }

    void chartPicksForItsReceiver() {
        Session s("mm4");
        QVERIFY(s.palEd);
        s.clickCell(7);
        QTest::mouseClick(s.find<QPushButton>("PCShowCmd"), Qt::LeftButton);
        auto* chart = qobject_cast<PalChart*>(s.main.shownWindow(WindowId::PalChart));
        QVERIFY(chart);
        QCOMPARE(chart->frameGeometry().left(), s.palEd->frameGeometry().right() + 1);
        const auto pick = [&](int x, int y) {
            QTest::mouseClick(chart->chartPicture(), Qt::LeftButton, {}, QPoint(x, y));
        };
        pick(5 * 16 + 8, 2 * 16 + 8);
        QCOMPARE(s.entry(7), 0x1A);
        pick(130, 20); // beside the chart: nothing
        QCOMPARE(s.main.selection().PCColor, 0x1A);

        s.palEd->hide(); // a hidden receiver hears nothing
        pick(8, 24);
        QCOMPARE(s.main.selection().PCColor, 0x01);
        QCOMPARE(s.entry(7), 0x1A);

        s.main.openWindow(WindowId::EnemEd);
        auto* enemEd = static_cast<ReceiverWindow*>(s.main.shownWindow(WindowId::EnemEd));
        pick(72, 8); // still the Palette Editor's pick
        s.main.selection().PCTarget = kPCTargetEnemEd;
        pick(127, 127);
        QCOMPARE(enemEd->picks, QList<int>{0x3F});

        QTest::keyClick(chart, Qt::Key_P, Qt::ShiftModifier); // keys go to the main window
        QVERIFY(s.main.shownWindow(WindowId::PalEd));
    }

    // Every effect gesture writes the byte and reloads the palette set, which restarts the
    // animations of all four palettes; typing FF keeps bit 7.
    void effectsRestartAnimations() {
        Session s("mm5");
        QVERIFY(s.palEd);
        auto* field = s.find<QLineEdit>("EffTB2");
        const std::function<void()> gestures[] = {
            [&] { QTest::mouseClick(s.find<QCheckBox>("EffSw2"), Qt::LeftButton); },
            [&] {
                field->selectAll();
                QTest::keyClicks(field, "FF");
            },
            [&] { s.find<SpinButton>("EffUD2")->upButton()->click(); }};
        const int after[] = {0x03, 0xFF, 0x84};
        for (int g = 0; g < 3; ++g) {
            s.ed().setByte(s.ed().P(15) + 20 * s.ed().CurBGPal + 18, 0x83);
            s.main.Update_BGPal(1, 1);
            s.ed().PalAnimFrame = s.ed().PalAnimWait = {1, 2, 3, 4};
            gestures[g]();
            QCOMPARE(s.entry(18), after[g]);
            QCOMPARE(s.ed().PalAnimId[2], after[g]);
            QCOMPARE(s.ed().PalAnimFrame, (std::array<int, 4>{}));
            QCOMPARE(s.ed().PalAnimWait, (std::array<int, 4>{}));
            QCOMPARE(s.find<QCheckBox>("EffSw2")->isChecked(), after[g] >= 0x80);
            QCOMPARE(field->text(), QString::number(after[g] & 127, 16).toUpper());
        }
    }

    // Showing a frame never writes: a colour byte above 63 stays until the user edits it.
    // A frame count takes effect when confirmed, so the digits typed on the way there do
    // not cut the animation short; mm5 records cannot change their length.
    void animationPanel_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("mm4") << "mm4";
        QTest::newRow("mm5") << "mm5";
    }
    void animationPanel() {
        QFETCH(QString, mode);
        Session s(mode);
        QVERIFY(s.palEd);
        Editor& ed = s.ed();
        const int64_t record = ed.tables().animationRecordPosition(0);
        ed.setByte(panelColourPosition(ed, frameColourSet(ed, record, 1), 2), 0xC5);
        const std::vector<uint8_t> before = ed.RomImage.bytes();
        s.palEd->Update();
        s.find<QScrollBar>("FrameSelect")->setValue(1);
        QCOMPARE(s.find<QLineEdit>("PAColTB2")->text(), QString("C5"));

        auto* frames = s.find<QLineEdit>("FramesTB");
        frames->selectAll();
        QTest::keyClick(frames, Qt::Key_Backspace);
        QTest::keyClicks(frames, "11");
        QCOMPARE(ed.RomImage.bytes(), before);
        QTest::keyClick(frames, Qt::Key_Return);
        s.find<SpinButton>("FramesTBUD")->upButton()->click();
        const bool mm4 = mode == "mm4";
        QCOMPARE(s.messages, mm4 ? QStringList() : QStringList(2, "Not supported for MM5 yet!"));
        QCOMPARE(ed.RomImage.bytes() == before, !mm4);
        QCOMPARE(frames->text(), QString::number(animationLastFrame(ed, record), 16));
        if (mm4) QCOMPARE(ed.tables().animationRecordPosition(1), record + 0x12 + 3);

        s.find<QScrollBar>("FrameSelect")->setValue(1); // back at frame 0 after the change
        QTest::mouseClick(s.find<QLabel>("PAColPic2"), Qt::RightButton);
        QCOMPARE(s.find<QLineEdit>("PAColTB2")->text(), QString("3F"));
    }
};

QTEST_MAIN(TestPalEditor)
#include "test_paleditor.moc"
