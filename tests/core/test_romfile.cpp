// The ROM image's bounds and the file commands behind Save and Load Backup.
#include <QTemporaryDir>
#include <QtTest>

#include "core/app/EditModeAnswer.h"
#include "core/app/FileIO.h"
#include "core/app/RomFile.h"
#include "core/level/Rom.h"

using namespace orvane;

namespace {

std::vector<uint8_t> pattern(size_t n, uint8_t seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(seed + i * 7);
    return v;
}

std::vector<uint8_t> read(const QString& path) {
    return readWholeFile(path.toStdString()).value_or(std::vector<uint8_t>{});
}

} // namespace

class TestRomFile : public QObject {
    Q_OBJECT
private slots:
    void accessOutsideTheImageReadsZeroAndDropsWrites() {
        Rom rom(pattern(32, 1));
        QCOMPARE(rom.byte(1), uint8_t(1)); // position 1 is file offset 0
        QCOMPARE(rom.byte(32), rom.bytes()[31]);
        QCOMPARE(rom.byte(0), uint8_t(0));
        QCOMPARE(rom.byte(33), uint8_t(0));
        QCOMPARE(rom.byte(-5'000'000'000), uint8_t(0));
        QCOMPARE(rom.atOffset(31), rom.bytes()[31]);
        QCOMPARE(rom.atOffset(32), uint8_t(0));
        QCOMPARE(rom.atOffset(-1), uint8_t(0));

        const auto before = rom.bytes();
        rom.setByte(0, 0xAA);
        rom.setByte(33, 0xAA);
        rom.setByte(INT64_MAX, 0xAA);
        QCOMPARE(rom.bytes(), before);
        rom.setByte(2, 0x1AB); // only the low byte is stored
        QCOMPARE(rom.byte(2), uint8_t(0xAB));

        QVERIFY(rom.tile(16) != nullptr); // offsets 16..31: the last whole tile
        QVERIFY(rom.tile(17) == nullptr);
        QVERIFY(rom.tile(-1) == nullptr);
    }

    void saveTwiceThenLoadBackup() {
        QTemporaryDir dir;
        const QString romPath = dir.filePath("game.nes"), backup = dir.filePath("backup.rom");
        const auto original = pattern(4096, 3);
        QVERIFY(writeFileAtomically(romPath.toStdString(), original));

        Rom image(original);
        image.setByte(100, 0x11);
        const auto firstSave = image.bytes();
        QCOMPARE(saveRomWithBackup(romPath.toStdString(), image, backup.toStdString()),
                 SaveResult::Saved);
        QCOMPARE(read(romPath), firstSave);
        QCOMPARE(read(backup), original);

        image.setByte(200, 0x22);
        QCOMPARE(saveRomWithBackup(romPath.toStdString(), image, backup.toStdString()),
                 SaveResult::Saved);
        const auto secondSave = image.bytes();
        QCOMPARE(read(romPath), secondSave);
        QCOMPARE(read(backup), firstSave); // the backup holds the state before the latest save

        QCOMPARE(loadBackupInto(backup.toStdString(), image), BackupResult::Loaded);
        QCOMPARE(image.bytes(), firstSave);
        QCOMPARE(read(romPath), secondSave); // Load Backup touches no file
        QCOMPARE(read(backup), firstSave);
        QVERIFY(!QFile::exists(romPath + ".orvane-tmp"));
    }

    void failedBackupLeavesTheRomUntouched() {
        QTemporaryDir dir;
        const QString romPath = dir.filePath("game.nes");
        const auto original = pattern(512, 9);
        QVERIFY(writeFileAtomically(romPath.toStdString(), original));
        Rom image(pattern(512, 50));
        // A backup path in a folder that does not exist cannot be written.
        const std::string badBackup = dir.filePath("missing/backup.rom").toStdString();
        QCOMPARE(saveRomWithBackup(romPath.toStdString(), image, badBackup),
                 SaveResult::BackupFailed);
        QCOMPARE(read(romPath), original);
    }

    void failedRomWriteLeavesTheRomAsItWas() {
        QTemporaryDir dir;
        const QString romPath = dir.filePath("game.nes");
        const auto original = pattern(512, 9);
        QVERIFY(writeFileAtomically(romPath.toStdString(), original));
        // A folder where the replacement file would be written makes the write fail,
        // even for root.
        QVERIFY(QDir(dir.path()).mkpath("game.nes.orvane-tmp/keep"));
        Rom image(pattern(512, 50));
        const QString backup = dir.filePath("backup.rom");
        QCOMPARE(saveRomWithBackup(romPath.toStdString(), image, backup.toStdString()),
                 SaveResult::RomWriteFailed);
        QCOMPARE(read(romPath), original);
        QCOMPARE(read(backup), original);
    }

    void backupShorterLongerOrMissing() {
        QTemporaryDir dir;
        const std::string backup = dir.filePath("backup.rom").toStdString();
        Rom image(pattern(64, 1));
        const auto before = image.bytes();
        QCOMPARE(loadBackupInto(backup, image), BackupResult::Missing);

        QVERIFY(writeFileAtomically(backup, pattern(63, 7)));
        QCOMPARE(loadBackupInto(backup, image), BackupResult::TooShort);
        QCOMPARE(image.bytes(), before);

        const auto longer = pattern(100, 7);
        QVERIFY(writeFileAtomically(backup, longer));
        QCOMPARE(loadBackupInto(backup, image), BackupResult::Loaded);
        QCOMPARE(image.size(), int64_t(64));
        QVERIFY(std::equal(image.bytes().begin(), image.bytes().end(), longer.begin()));
    }

    void editModeAnswers_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("mode");
        QTest::newRow("mm3") << "mm3" << 0;
        QTest::newRow("mm4") << "mm4" << 1;
        QTest::newRow("capitals") << "MM5" << 2;
        QTest::newRow("mixed") << "mM4" << 1;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("other") << "mm6" << 0;
        QTest::newRow("blank around") << " mm5" << 0;
    }
    void editModeAnswers() {
        QFETCH(QString, answer);
        QFETCH(int, mode);
        QCOMPARE(editModeFromAnswer(answer.toStdString()), mode);
    }

    void relativeNamesResolveInTheHomeFolder() {
        QCOMPARE(resolveInDir("/home/x", "orvane.cfg"), std::string("/home/x/orvane.cfg"));
        QCOMPARE(resolveInDir("/home/x", "/etc/data.txt"), std::string("/etc/data.txt"));
        QCOMPARE(resolveInDir("", "a.txt"), std::string("a.txt"));
    }
};

QTEST_GUILESS_MAIN(TestRomFile)
#include "test_romfile.moc"
