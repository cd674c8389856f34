// The application shell's core: orvane.cfg read and written (each file of
// tests/data/config is a configuration file, "\r" standing for CR, then "--- rewritten"
// and the entries the writer puts back) and the ROM image's bounds. Save and Load Backup
// are tested through the main window.
#include <QtTest>

#include <cmath>

#include "core/app/ConfigTable.h"
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
    // Numbers read as tests/data/tables/config-numbers.txt says; what is written reads back
    // as the same number.
    void configNumbers() {
        QList<std::pair<QString, QString>> rows = quotedRows("tables/config-numbers.txt");
        rows.append({QString(400, '9'), "0"});
        for (const auto& [text, value] : rows) {
            QCOMPARE(parseConfigNumber(text.toStdString()), value.toDouble());
            QCOMPARE(parseConfigNumber(formatConfigNumber(value.toDouble())), value.toDouble());
        }
        const double written[] = {-0.0, 0.1, 123456789.0, std::nan(""), INFINITY};
        const char* const forms[] = {"0", "0.1", "123456789", "0", "0"};
        for (size_t i = 0; i < std::size(written); ++i)
            QCOMPARE(formatConfigNumber(written[i]), std::string(forms[i]));
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
    // Positions outside the image read 0 and writes there are dropped.
    void romBounds() {
        Rom rom(pattern(32, 1));
        const auto before = rom.bytes();
        for (int64_t outside : {int64_t(0), int64_t(33), INT64_MAX, int64_t(-5'000'000'000)}) {
            rom.setByte(outside, 0xAA);
            QCOMPARE(rom.byte(outside), uint8_t(0));
        }
        QVERIFY(rom.bytes() == before && rom.byte(1) == 1 && rom.byte(32) == before[31]);
        QCOMPARE(rom.atOffset(31), before[31]);
        QVERIFY(rom.atOffset(32) + rom.atOffset(-1) == 0 && rom.tile(16) && !rom.tile(17) &&
                !rom.tile(-1));
        rom.setByte(2, 0x1AB); // only the low byte is stored
        QCOMPARE(rom.byte(2), uint8_t(0xAB));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "test_app.moc"
