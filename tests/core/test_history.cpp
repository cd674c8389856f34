// The edit history at the ROM door: steps, first old values, no-op writes, redo, the
// bound, the unsaved-edits count, and the header check made when a file is opened.
#include <QtTest>

#include "core/app/InesHeader.h"
#include "core/level/Rom.h"

using namespace orvane;

namespace {

Rom recordingRom(HistoryLimits limits = {}) {
    Rom rom(std::vector<uint8_t>(16, 0));
    rom.startHistory(limits);
    return rom;
}

// One gesture: the writes (position, value) between a begin and its end.
void gesture(Rom& rom, std::initializer_list<std::pair<int, int>> writes) {
    rom.beginStep("Screen Editor edit");
    for (auto [pos, value] : writes)
        rom.setByte(pos, value);
    rom.endStep();
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void stepTakesBackExactlyWhatItChanged() {
        Rom rom = recordingRom();
        const History& h = *rom.history();
        // Position 1 keeps its first old value; 2 does not change; 3 is put back; 99 lies
        // outside the image. The writes come out of position order, as a drag back over
        // a cell writes them.
        gesture(rom, {{1, 5}, {3, 9}, {1, 6}, {2, 0}, {3, 0}, {99, 1}});
        rom.setByte(4, 7); // outside any gesture: a step of its own
        QVERIFY(h.undoSteps() == 2 && rom.isModified());
        QVERIFY(rom.undo() && rom.undo() && !rom.undo());
        QVERIFY(rom.bytes() == std::vector<uint8_t>(16, 0) && !rom.isModified());
        QVERIFY(rom.redo() && h.newestStepSize() == 1 && rom.byte(1) == 6);

        gesture(rom, {{5, 0}}); // writes nothing: no step, the redo stays
        QVERIFY(h.canRedo() && h.undoSteps() == 1);
        gesture(rom, {{5, 3}});
        QVERIFY(!h.canRedo());

        // A command inside a gesture names the step when it changes the first byte; a
        // whole-image overwrite is one step.
        rom.beginStep("Screen Editor edit");
        rom.beginStep("Load Backup");
        QCOMPARE(rom.overwriteFrom(std::vector<uint8_t>(20, 1)), std::optional<int64_t>(16));
        rom.endStep();
        rom.setByte(1, 2);
        rom.endStep();
        QVERIFY(h.undoSteps() == 3 && h.undoLabel() == "Load Backup");
        rom.markSaved(); // saved here: unmarked, and marked again one step away
        QVERIFY(!rom.isModified() && rom.undo() && rom.isModified());
    }

    void boundDropsTheOldestSteps() {
        Rom rom = recordingRom({3, size_t{1} << 20});
        for (int pos = 1; pos <= 5; ++pos)
            rom.setByte(pos, 1);
        QVERIFY(rom.undo() && rom.undo() && rom.undo() && !rom.undo() && rom.byte(2) == 1 &&
                rom.byte(3) == 0);
        Rom big = recordingRom({100, 1}); // the byte bound keeps the newest step, however large
        big.setByte(1, 1);
        big.setByte(2, 1);
        QVERIFY(big.undo() && !big.undo() && big.byte(1) == 1);
    }

    // (A header that fits warns of nothing: every main-window start-up on a demo ROM.)
    void headerMismatchSaysWhatDiffers() {
        std::vector<uint8_t> file{'N', 'E', 'S', 0x1A, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(inesHeaderMismatch(file, 0),
                 std::string("has 512 KiB PRG and no CHR, where Megaman 3 has 256 KiB PRG and "
                             "128 KiB CHR"));
        file[3] = 0x1B;
        QCOMPARE(inesHeaderMismatch(file, 1),
                 std::string("does not start with the iNES header (\"NES\" and byte 1A)"));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
