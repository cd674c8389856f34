// The resource data: the assembler on every source in tests/data/assembler (each file a
// source, then "--- expected" and what it must assemble to: log lines, the section count,
// every value written, every slot bound elsewhere than 0, and the orvane.pad bytes when
// a "pad" line asks), its limits, the dump page text, HexVal and ResString.
#include <QtTest>

#include "core/resdata/Assembler.h"
#include "core/resdata/DumpPage.h"
#include "core/resdata/HexVal.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResString.h"
#include "core/resdata/ResourceData.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

struct Assembled {
    std::unique_ptr<ResourceData> res = std::make_unique<ResourceData>();
    AssemblyResult result;
    QStringList lines; // in the words of a case file
};

Assembled assemble(const QByteArray& source) {
    Assembled a;
    a.result = assembleSource(bytesOf(source), *a.res, [&a](const std::string& line) {
        a.lines << "log " + QString::fromStdString(line);
    });
    const ResourceData& r = *a.res;
    if (!a.result.ok) {
        a.lines << QString("error %1 (line %2)").arg(a.result.error.c_str()).arg(a.result.line);
        return a;
    }
    a.lines << QString("sections %1").arg(r.ResSectionCount) << "values";
    for (int i = 0; i < r.ResDataCount; ++i)
        a.lines.last() += " " + QString::number(r.value(i));
    for (int n = 0; n < ResourceData::kSlots; ++n)
        if (r.ResIndex[size_t(n)])
            a.lines << QString("slot %1 %2").arg(n).arg(r.ResIndex[size_t(n)]);
    a.lines << "pad " + fromBytes(padFileBytes(r)).toHex();
    return a;
}

} // namespace

class TestResData : public QObject {
    Q_OBJECT
private slots:
    void sources_data() {
        QTest::addColumn<QString>("file");
        for (const QString& f : dataFiles("assembler"))
            QTest::newRow(qPrintable(QFileInfo(f).baseName())) << f;
    }
    void sources() {
        QFETCH(QString, file);
        const auto [source, expected] = splitCase(readFile(file), "--- expected");
        Assembled a = assemble(source);
        QStringList want = QString::fromLatin1(expected).trimmed().split('\n');
        if (!want.last().startsWith("pad "))
            a.lines.removeIf([](const QString& l) { return l.startsWith("pad "); });
        else
            want.last() = want.last().left(4) + want.last().mid(4).remove(' '); // fields apart
        QCOMPARE(a.lines, want);
        if (a.result.ok) // nothing is written past the count
            QVERIFY(std::all_of(a.res->ResData.begin() + a.res->ResDataCount, a.res->ResData.end(),
                                [](int32_t v) { return v == 0; }));
    }
    // Limits reached by long generated sources: the error and its line.
    void limits() {
        const QByteArray x32767(32767, 'x'), s = "{s }\n";
        const std::tuple<QByteArray, const char*, int> cases[] = {
            {s.repeated(256), "255 sections", 256},
            {s.repeated(254) + "{t &\n}", "255 sections", 256}, // the index section is 256th
            {"{a }\n\"" + QByteArray(65537, 'x'), "65536 values", 2},
            {QByteArray("!1\n").repeated(65537), "65536 values", 65537},
            {"\"" + x32767 + "\"\n{big }", "above value 32767", 2},
            {"{t &\n\"" + x32767 + "\"\n}", "above value 32767", 3},
            {"\"" + x32767 + "\"\n/ end /\n", "32767 values", 2},
            {"!" + QByteArray(100000, 'F'), "above 7FFFFFFF", 1}};
        for (const auto& [source, error, line] : cases) {
            const Assembled a = assemble(source);
            QVERIFY2(!a.result.ok && QString(a.result.error.c_str()).contains(error),
                     a.result.error.c_str());
            QCOMPARE(a.result.line, line);
        }
    }
    // Everything at its limit at once still assembles, and the dump holds every slot.
    void largestAcceptedSource() {
        const QByteArray source = "{a\n" + QByteArray(256, '&') + "}\n" +
                                  QByteArray("{s }\n").repeated(253) + "%255=a&index\n\"" +
                                  QByteArray(32767 - 256 - 1, 'x') + "\"";
        const Assembled a = assemble(source);
        QVERIFY2(a.result.ok, a.result.error.c_str());
        QCOMPARE(std::make_pair(a.res->ResSectionCount, a.res->ResDataCount),
                 std::make_pair(255, 32767));
        const std::vector<uint8_t> pad = padFileBytes(*a.res);
        QCOMPARE(pad.size(), size_t(1 + 2 * 256 + 2 + 4 * 32768));
        QCOMPARE(int(pad[1 + 2 * 256]) | int(pad[2 + 2 * 256]) << 8, 32767);
        QVERIFY(!assemble(source + "{one_more }").result.ok && !assemble(source + "!1").result.ok);
    }
    // The hexadecimal fields' reader: the rows of tests/data/tables/hexval.txt.
    void hexVal() {
        for (const auto& [text, value] : quotedRows("tables/hexval.txt"))
            QCOMPARE(HexVal(text.toStdString()), int(value.toUInt(nullptr, 16)));
        QCOMPARE(HexVal(std::string(1000, 'F') + "00000010"), 0x10);
    }
    // A string runs up to a value of 255 or more, or the end of the values; a negative
    // value gives its low byte.
    void resString() {
        auto res = std::make_unique<ResourceData>();
        const int at[] = {10, 11, 12, 13, 14, 15, 65534, 65535},
                  v[] = {'A', 254, -191, 255, 'B', 256, 'Y', 'Z'};
        for (int i = 0; i < 8; ++i)
            res->ResData[size_t(at[i])] = v[i];
        const auto text = [&](int64_t i) { return QByteArray::fromStdString(ResString(*res, i)); };
        QCOMPARE(text(10) + "|" + text(14) + "|" + text(13) + "|" + text(65534) + "|" +
                     text(65536) + "|" + text(-1),
                 QByteArray("A\376A|B||YZ||"));
    }
    void dumpPages() {
        auto res = std::make_unique<ResourceData>();
        for (const auto& [i, v] : {std::pair{0, 0x1F}, {1, -16}, {7, 0x7FFFFFFF}, {8, 65}})
            res->ResData[size_t(i)] = v;
        const auto hex = dumpPageText(*res, 0, DumpMode::Hex);
        QCOMPARE(int(hex.size()), 18);
        QCOMPARE(hex[0] + "|" + hex[1] + "|" + hex[2] + "|" + hex[3] + "|" + hex[17].substr(0, 5),
                 std::string("Page:0||$0: $1F $FFFFFFF0 $0 $0 $0 $0 $0 $7FFFFFFF   /|"
                             "$8: $41 $0 $0 $0 $0 $0 $0 $0   /|$78: "));
        const int last = 128 * 0x1FF; // the last page
        for (const auto& [i, v] : {std::pair{0, int('A')}, {1, 255}, {2, 256}, {3, -191}})
            res->ResData[size_t(last + i)] = v;
        const auto chars = dumpPageText(*res, 0x1FF, DumpMode::Chars);
        QCOMPARE(chars[0] + "|" + chars[2],
                 "Page:1FF|$FF80: A [E] A " + std::string("\0 \0 \0 \0 ", 8) + "  /");
    }
};

QTEST_APPLESS_MAIN(TestResData)
#include "test_resdata.moc"
