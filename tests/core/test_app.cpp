// The application shell's core: orvane.cfg read and written (each file of
// tests/data/config is a configuration file, "\r" standing for CR, then "--- rewritten"
// and the entries the writer puts back), the ROM image's bounds, Save and Load Backup,
// and the editing-mode answer.
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <random>

#include "core/app/ConfigTable.h"
#include "core/app/EditModeAnswer.h"
#include "core/app/FileIO.h"
#include "core/app/RomFile.h"
#include "core/level/Rom.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

QByteArray rewrite(const QByteArray& file) {
    return fromBytes(ConfigTable::parse(bytesOf(file)).serialize());
}

std::vector<uint8_t> pattern(size_t n, uint8_t seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = uint8_t(seed + i * 7);
    return v;
}

std::vector<uint8_t> read(const QString& path) {
    return readWholeFile(path.toStdString()).value_or(std::vector<uint8_t>{});
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void configFiles_data() {
        QTest::addColumn<QString>("file");
        for (const QString& f : dataFiles("config"))
            QTest::newRow(qPrintable(QFileInfo(f).baseName())) << f;
    }
    // The writer's form of what was read, which reads back to itself byte for byte.
    void configFiles() {
        QFETCH(QString, file);
        auto [bytes, entries] = splitCase(readFile(file), "--- rewritten");
        const QByteArray expected = entries.replace("\n", "\r\n") + "/\r\n";
        QCOMPARE(rewrite(bytes.replace("\\r", "\r")), expected);
        QCOMPARE(rewrite(expected), expected);
    }
    // Numbers read as far as they parse; what is written reads back as the same number.
    void configNumbers() {
        for (const auto& [text, value] :
             std::initializer_list<std::pair<std::string, double>>{{"", 0},
                                                                   {"abc", 0},
                                                                   {"12abc", 12},
                                                                   {".25", 0.25},
                                                                   {"5.", 5},
                                                                   {".", 0},
                                                                   {"-3", -3},
                                                                   {"+4", 4},
                                                                   {"-", 0},
                                                                   {"1.2.3", 1.2},
                                                                   {"2e3", 2000},
                                                                   {"25E-1", 2.5},
                                                                   {"2e", 2},
                                                                   {"2e+x", 2},
                                                                   {"1e999", 0},
                                                                   {" 7", 0},
                                                                   {"inf", 0},
                                                                   {std::string(400, '9'), 0}}) {
            QCOMPARE(parseConfigNumber(text), value);
            QCOMPARE(parseConfigNumber(formatConfigNumber(value)), value);
        }
        for (const auto& [v, text] : {std::pair{-0.0, "0"},
                                      {0.1, "0.1"},
                                      {123456789.0, "123456789"},
                                      {std::nan(""), "0"},
                                      {double(INFINITY), "0"}})
            QCOMPARE(formatConfigNumber(v), std::string(text));
    }
    // Keys are compared exactly, the first of equal keys wins; an entry keeps its kind; a
    // quote cannot be stored; at most 16 entries are kept, whoever adds them.
    void configLookupsAndSets() {
        QByteArray file = "Palfile=\"upper.pal\"\r\npalanim=\"1.5x\"\r\nn=#2;\r\nn=#3;\r\n";
        for (int i = 0; i < 14; ++i)
            file += "k" + QByteArray::number(i) + "=\"v\"\r\n";
        ConfigTable t = ConfigTable::parse(bytesOf(file + "/\r\n"));
        QVERIFY(!t.text("palfile") && !t.number("palfile") && !t.find("k12") && t.find("k11"));
        QCOMPARE(t.text("Palfile").value() + t.text("n").value(), std::string("upper.pal2"));
        QCOMPARE(t.number("palanim").value(), 1.5);
        QVERIFY(!t.setText("palfile", "x") && !t.setNumber("datfile", 1));
        QVERIFY(t.setText("n", "0.5abc") && t.setNumber("palanim", 0) &&
                t.setText("Palfile", "a\"b"));
        t.add(ConfigEntry{"q", 1, "c\"d", 0});
        QVERIFY(fromBytes(t.serialize())
                    .startsWith("Palfile=\"ab\"\r\npalanim=\"0\"\r\nn=#0.5;\r\nn=#3;\r\nk0=\"v\""));
        QVERIFY(!t.find("q") && int(t.entries().size()) == ConfigTable::kMaxEntries);
    }
    // Whatever a file holds, one rewrite never loses or shifts an entry.
    void anyConfigRewritesStably() {
        std::mt19937 random(1234);
        const QByteArray alphabet("ab=#;\"/\r\n.-e1 0");
        for (int round = 0; round < 3000; ++round) {
            QByteArray file;
            for (int i = int(random() % 60); i > 0; --i)
                file += alphabet[int(random() % alphabet.size())];
            if (rewrite(rewrite(file)) != rewrite(file))
                QFAIL(qPrintable("unstable: " + file.toPercentEncoding()));
        }
    }
    // Positions outside the image read 0 and writes there are dropped.
    void romBounds() {
        Rom rom(pattern(32, 1));
        const auto before = rom.bytes();
        for (int64_t outside : {int64_t(0), int64_t(33), INT64_MAX, int64_t(-5'000'000'000)}) {
            rom.setByte(outside, 0xAA);
            QCOMPARE(rom.byte(outside), uint8_t(0));
        }
        QVERIFY(rom.bytes() == before && rom.byte(1) == 1 && rom.atOffset(31) == before[31]);
        QVERIFY(rom.atOffset(32) + rom.atOffset(-1) == 0 && rom.tile(16) && !rom.tile(17) &&
                !rom.tile(-1));
        rom.setByte(2, 0x1AB); // only the low byte is stored
        QCOMPARE(rom.byte(2), uint8_t(0xAB));
    }
    // Save copies the file to the backup, then replaces it; the backup holds the state
    // before the latest save; Load Backup takes the first image-size bytes of a backup at
    // least that long and touches no file. A failed backup leaves the ROM file untouched,
    // a failed write leaves it as it was.
    void saveAndBackup() {
        QTemporaryDir dir;
        const QString rom = dir.filePath("game.nes"), backup = dir.filePath("backup.rom");
        const std::string romPath = rom.toStdString(), backupPath = backup.toStdString();
        const auto original = pattern(4096, 3);
        QVERIFY(writeFileAtomically(romPath, original));
        Rom image(original);
        QCOMPARE(loadBackupInto(backupPath, image), BackupResult::Missing);
        image.setByte(100, 0x11);
        const auto first = image.bytes();
        QCOMPARE(saveRomWithBackup(romPath, image, backupPath), SaveResult::Saved);
        QVERIFY(read(rom) == first && read(backup) == original);
        image.setByte(200, 0x22);
        QCOMPARE(saveRomWithBackup(romPath, image, backupPath), SaveResult::Saved);
        QVERIFY(read(rom) == image.bytes() && read(backup) == first);
        QCOMPARE(loadBackupInto(backupPath, image), BackupResult::Loaded);
        QVERIFY(image.bytes() == first && read(rom) != first &&
                !QFile::exists(rom + ".orvane-tmp"));
        QVERIFY(writeFileAtomically(backupPath, pattern(4095, 7)));
        QCOMPARE(loadBackupInto(backupPath, image), BackupResult::TooShort);
        QVERIFY(writeFileAtomically(backupPath, pattern(5000, 7)));
        QCOMPARE(loadBackupInto(backupPath, image), BackupResult::Loaded);
        QVERIFY(image.bytes() == pattern(4096, 7));
        const auto onDisk = read(rom);
        QCOMPARE(saveRomWithBackup(romPath, image, dir.filePath("no/backup.rom").toStdString()),
                 SaveResult::BackupFailed);
        QVERIFY(read(rom) == onDisk);
        // A folder where the replacement would go makes the write fail, even for root.
        QVERIFY(QDir(dir.path()).mkpath("game.nes.orvane-tmp/keep"));
        QCOMPARE(saveRomWithBackup(romPath, image, backupPath), SaveResult::RomWriteFailed);
        QVERIFY(read(rom) == onDisk && read(backup) == onDisk);
    }
    void answersAndPaths() {
        for (const auto& [answer, mode] :
             {std::pair{"mm4", 1}, {"MM5", 2}, {"mM4", 1}, {"", 0}, {"mm6", 0}, {" mm5", 0}})
            QCOMPARE(editModeFromAnswer(answer), mode);
        QCOMPARE(resolveInDir("/home/x", "a.cfg") + resolveInDir("/home/x", "/etc/b") +
                     resolveInDir("", "c"),
                 std::string("/home/x/a.cfg/etc/bc"));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "test_app.moc"
