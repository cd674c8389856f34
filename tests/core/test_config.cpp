#include <QtTest>

#include <cmath>
#include <limits>

#include "core/app/ConfigTable.h"

using namespace orvane;

namespace {

std::vector<uint8_t> bytesOf(const QByteArray& b) {
    return std::vector<uint8_t>(b.begin(), b.end());
}
QByteArray fromBytes(const std::vector<uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

// "name:kind:value" for every entry, joined with "|", so one compare checks the whole table.
QString describe(const ConfigTable& t) {
    QStringList parts;
    for (const ConfigEntry& e : t.entries()) {
        const std::string value = e.kind == 0 ? formatConfigNumber(e.number) : e.text;
        parts << QString::fromStdString(e.name) + ":" + QString::number(e.kind) + ":" +
                     QString::fromStdString(value);
    }
    return parts.join("|");
}

} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void reading_data();
    void reading();
    void extraEntriesIgnored();
    void numbers_data();
    void numbers();
    void formatting_data();
    void formatting();
    void lookups();
    void setting();
    void anyFileRewritesStably();
};

void TestConfig::roundTrip_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("table");
    QTest::newRow("palanim one") << QByteArray("palanim=#1;\r\n/\r\n") << "palanim:0:1";
    QTest::newRow("all four keys")
        << QByteArray("datfile=\"orvane.dat\"\r\npalanim=#0;\r\npalfile=\"nes.pal\"\r\n"
                      "emufname=\"/opt/my emu/emu\"\r\n/\r\n")
        << "datfile:1:orvane.dat|palanim:0:0|palfile:1:nes.pal|emufname:1:/opt/my emu/emu";
    QTest::newRow("empty text") << QByteArray("emufname=\"\"\r\n/\r\n") << "emufname:1:";
    QTest::newRow("fraction and sign")
        << QByteArray("a=#0.5;\r\nb=#-2.25;\r\n/\r\n") << "a:0:0.5|b:0:-2.25";
    QTest::newRow("large number") << QByteArray("big=#1e+21;\r\n/\r\n") << "big:0:1e+21";
    QTest::newRow("no entries") << QByteArray("/\r\n") << "";
    QTest::newRow("empty key") << QByteArray("=#3;\r\n/\r\n") << ":0:3";
}

// A file the writer produced reads back into the same table and is written again byte
// for byte.
void TestConfig::roundTrip() {
    QFETCH(QByteArray, file);
    QFETCH(QString, table);
    const ConfigTable t = ConfigTable::parse(bytesOf(file));
    QCOMPARE(describe(t), table);
    QCOMPARE(fromBytes(t.serialize()), file);
}

void TestConfig::reading_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("table");
    QTest::newRow("LF line ends") << QByteArray(
                                         "datfile=\"d.dat\"\npalanim=#1;\npalfile=\"p.pal\"\n/\n")
                                  << "datfile:1:d.dat|palanim:0:1|palfile:1:p.pal";
    QTest::newRow("mixed line ends")
        << QByteArray("a=#1;\nb=#2;\r\nc=#3;\n/\r\n") << "a:0:1|b:0:2|c:0:3";
    QTest::newRow("missing line end before the mark") << QByteArray("a=#1;/\r\n") << "a:0:1";
    QTest::newRow("bytes after the end mark") << QByteArray("a=#1;\r\n/\r\nb=#2;\r\n") << "a:0:1";
    QTest::newRow("slash inside a key ends the file")
        << QByteArray("a=#1;\r\nb/c=#2;\r\n/\r\n") << "a:0:1";
    QTest::newRow("slash inside a value is text")
        << QByteArray("palfile=\"/usr/share/p.pal\"\r\n/\r\n") << "palfile:1:/usr/share/p.pal";
    QTest::newRow("no end mark") << QByteArray("a=#1;\r\nb=\"x\"\r\n") << "a:0:1|b:1:x";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("file ends in a key") << QByteArray("a=#1;\r\npalf") << "a:0:1";
    QTest::newRow("file ends after =") << QByteArray("a=#1;\r\nb=") << "a:0:1";
    QTest::newRow("file ends before ;") << QByteArray("a=#1;\r\nb=#12") << "a:0:1";
    QTest::newRow("file ends before the quote") << QByteArray("a=#1;\r\nb=\"abc") << "a:0:1";
    QTest::newRow("unknown value marker stops")
        << QByteArray("a=#1;\r\nb=5;\r\nc=#2;\r\n/\r\n") << "a:0:1";
    QTest::newRow("non-numeric number") << QByteArray("a=#on;\r\nb=#;\r\n/\r\n") << "a:0:0|b:0:0";
    QTest::newRow("leading number only") << QByteArray("a=#12abc;\r\n/\r\n") << "a:0:12";
    QTest::newRow("quoted number") << QByteArray("a=#\"1\";\r\n/\r\n") << "a:0:0";
    QTest::newRow("bytes kept raw") << QByteArray("k =\" v \"\r\n/\r\n") << "k :1: v ";
}

void TestConfig::reading() {
    QFETCH(QByteArray, file);
    QFETCH(QString, table);
    QCOMPARE(describe(ConfigTable::parse(bytesOf(file))), table);
}

void TestConfig::extraEntriesIgnored() {
    QByteArray file;
    QStringList expected;
    for (int i = 0; i < 20; ++i) {
        file += "k" + QByteArray::number(i) + "=#" + QByteArray::number(i) + ";\r\n";
        if (i < ConfigTable::kMaxEntries) expected << QString("k%1:0:%1").arg(i);
    }
    file += "/\r\n";
    ConfigTable t = ConfigTable::parse(bytesOf(file));
    QCOMPARE(int(t.entries().size()), ConfigTable::kMaxEntries);
    QCOMPARE(describe(t), expected.join("|"));
    QVERIFY(!t.find("k16"));
    QVERIFY(!t.setNumber("k19", 5));

    // The table never grows past its room, whoever adds to it.
    t.add(ConfigEntry{"extra", 0, "", 1});
    QCOMPARE(int(t.entries().size()), ConfigTable::kMaxEntries);
    QVERIFY(!t.find("extra"));

    // Exactly 16 entries are all kept and written back unchanged.
    QByteArray sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += "k" + QByteArray::number(i) + "=\"v\"\r\n";
    sixteen += "/\r\n";
    QCOMPARE(fromBytes(ConfigTable::parse(bytesOf(sixteen)).serialize()), sixteen);
}

void TestConfig::numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digit") << "1" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("fraction") << "0.5" << 0.5;
    QTest::newRow("no integer part") << ".25" << 0.25;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("second point") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "2e3" << 2000.0;
    QTest::newRow("signed exponent") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("exponent sign without digits") << "2e+x" << 2.0;
    QTest::newRow("too large") << "1e999" << 0.0;
    QTest::newRow("long digits") << QString(400, '9') << 0.0;
    QTest::newRow("leading blank") << " 7" << 0.0;
    QTest::newRow("inf is not a number") << "inf" << 0.0;
}

void TestConfig::numbers() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(parseConfigNumber(text.toStdString()), value);
}

void TestConfig::formatting_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("negative") << -15.0 << "-15";
    QTest::newRow("large integer") << 123456789.0 << "123456789";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "0";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "0";
}

// The written form reads back as the same number.
void TestConfig::formatting() {
    QFETCH(double, value);
    QFETCH(QString, text);
    const std::string s = formatConfigNumber(value);
    QCOMPARE(QString::fromStdString(s), text);
    if (std::isfinite(value)) QCOMPARE(parseConfigNumber(s), value);
}

void TestConfig::lookups() {
    const ConfigTable t = ConfigTable::parse(
        bytesOf("Palfile=\"upper.pal\"\r\npalanim=\"1.5x\"\r\nn=#2;\r\nn=#3;\r\n/\r\n"));
    // Keys are compared exactly.
    QVERIFY(!t.find("palfile"));
    QVERIFY(!t.text("palfile").has_value());
    QVERIFY(!t.number("palfile").has_value());
    QCOMPARE(t.text("Palfile").value(), std::string("upper.pal"));
    QVERIFY(!t.text("Palfile ").has_value());
    // A value of the other kind is converted as far as it goes.
    QCOMPARE(t.number("palanim").value(), 1.5);
    QCOMPARE(t.number("Palfile").value(), 0.0);
    QCOMPARE(t.text("n").value(), std::string("2")); // the first of two equal keys
    QCOMPARE(t.number("n").value(), 2.0);
}

void TestConfig::setting() {
    const QByteArray file("palanim=#1;\r\npalfile=\"a.pal\"\r\nemufname=\"\"\r\n/\r\n");
    ConfigTable t = ConfigTable::parse(bytesOf(file));

    // A missing key changes nothing, in the table or in what would be written.
    QVERIFY(!t.setText("Palfile", "x.pal"));
    QVERIFY(!t.setNumber("datfile", 1));
    QCOMPARE(fromBytes(t.serialize()), file);

    // Each entry keeps its kind: text into a number is read as a number, and back.
    QVERIFY(t.setText("palanim", "0.5abc"));
    QVERIFY(t.setNumber("palfile", 2));
    QVERIFY(t.setText("emufname", "/opt/emu \"fast\""));
    QCOMPARE(describe(t), QString("palanim:0:0.5|palfile:1:2|emufname:1:/opt/emu fast"));
    const QByteArray written(
        "palanim=#0.5;\r\npalfile=\"2\"\r\nemufname=\"/opt/emu fast\"\r\n/\r\n");
    QCOMPARE(fromBytes(t.serialize()), written);
    QCOMPARE(describe(ConfigTable::parse(t.serialize())), describe(t));

    QVERIFY(t.setNumber("palanim", 0));
    QCOMPARE(t.number("palanim").value(), 0.0);
    QCOMPARE(t.entries()[0].kind, 0);

    // A quote added directly is dropped the same way, so the file stays readable.
    t.add(ConfigEntry{"q", 1, "a\"b", 0});
    QCOMPARE(t.text("q").value(), std::string("ab"));
    QCOMPARE(describe(ConfigTable::parse(t.serialize())), describe(t));
}

// Whatever a file holds, the table read from it is written in a form that reads back to
// the same table and the same bytes: one rewrite never loses or shifts an entry.
void TestConfig::anyFileRewritesStably() {
    QRandomGenerator rng(1234);
    const QByteArray alphabet("ab=#;\"/\r\n.-e1 0");
    for (int round = 0; round < 3000; ++round) {
        QByteArray file;
        const int length = int(rng.bounded(60));
        for (int i = 0; i < length; ++i)
            file += alphabet[int(rng.bounded(alphabet.size()))];
        const ConfigTable first = ConfigTable::parse(bytesOf(file));
        const std::vector<uint8_t> written = first.serialize();
        const ConfigTable second = ConfigTable::parse(written);
        if (describe(second) != describe(first) || second.serialize() != written)
            QFAIL(qPrintable("unstable rewrite of " + file.toPercentEncoding()));
    }
}

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
