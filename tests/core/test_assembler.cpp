#include <QtTest>

#include <algorithm>
#include <memory>
#include <random>
#include <set>

#include "core/resdata/Assembler.h"
#include "core/resdata/HexVal.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResString.h"
#include "core/resdata/ResourceData.h"

using namespace orvane;

namespace {

struct Assembled {
    std::unique_ptr<ResourceData> res = std::make_unique<ResourceData>();
    AssemblyResult result;
    QStringList log;
};

std::vector<uint8_t> bytesOf(const QByteArray& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

Assembled assemble(const QByteArray& source) {
    Assembled a;
    a.result = assembleSource(bytesOf(source), *a.res, [&a](const std::string& line) {
        a.log << QString::fromStdString(line);
    });
    return a;
}

QByteArray repeated(const QByteArray& piece, int times) {
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

void tokenRow(const char* name, const QByteArray& source, const QStringList& log,
              const QList<int>& data) {
    QTest::newRow(name) << source << log << data;
}

} // namespace

class TestAssembler : public QObject {
    Q_OBJECT

private slots:
    void tokens_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QList<int>>("data"); // every value written, in order
        tokenRow("section with values", "{mm3 !1 !2 }", {"$0: mm3"}, {1, 2});
        tokenRow("empty section", "{abc }", {"$0: abc"}, {});
        tokenRow("empty section after data", "!1 !2\n{abc }", {"$2: abc"}, {1, 2});
        tokenRow("brace ends name and is consumed", "{abc}", {}, {});
        tokenRow("brace after consumed brace closes", "{abc} }", {"$0: abc"}, {});
        tokenRow("labels make an index section", "{tbl !1 & !2 & !3 }",
                 {"$0: tbl", "$3: tbl&index"}, {1, 2, 3, 1, 2});
        tokenRow("labels counted per section", "{a & & } {b & !9 }",
                 {"$0: a", "$0: a&index", "$2: b", "$3: b&index"}, {0, 0, 9, 2});
        tokenRow("start in hex", repeated("! ", 26) + "{late_1 }", {"$1A: late_1"},
                 QList<int>(26, 0));
        tokenRow("brace after number is consumed", "{x !5}", {}, {5});
        tokenRow("bang after name is consumed", "{x!5}", {"$0: x"}, {});
        tokenRow("capital ends the name", "{Names }", {"$0: "}, {});
        tokenRow("string", "\"AB\"", {}, {65, 66, 255});
        tokenRow("string keeps every byte", "\"{!/\n\xff\"", {}, {'{', '!', '/', '\n', 255, 255});
        tokenRow("unterminated string", "\"AB", {}, {65, 66});
        tokenRow("comment with braces", "/ any text, even { or } / {c !7 }", {"$0: c"}, {7});
        tokenRow("unterminated comment", "!1 / {x !2 }", {}, {1});
        tokenRow("hex number", "!1F", {}, {31});
        tokenRow("negative", "!-10 ", {}, {-16});
        tokenRow("bits", "!#..# ", {}, {0x1001});
        tokenRow("bang then blank", "! !3", {}, {0, 3});
        tokenRow("bang at end", "!", {}, {0});
        tokenRow("minus at end", "!-", {}, {0});
        tokenRow("chained numbers", "!1!2!-3!", {}, {1, 2, -3, 0});
        tokenRow("minus ends a number", "!5-3 ", {}, {5});
        tokenRow("double bang", "!!5 ", {}, {0, 5});
        tokenRow("lower case ends number", "!1f 2", {}, {1});
        tokenRow("largest number", "!7FFFFFFF !-7FFFFFFF !00000000007FFFFFFF", {},
                 {0x7FFFFFFF, -0x7FFFFFFF, 0x7FFFFFFF});
        tokenRow("stray close", "!1 }", {"$0: "}, {1});
        tokenRow("reopened section", "{a !1 {b !2 }", {"$1: ab"}, {1, 2});
        tokenRow("filler between tokens", "abc XYZ 123 = - # .\r\n{s !2 }", {"$0: s"}, {2});
    }
    void tokens() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, log);
        QFETCH(QList<int>, data);
        const Assembled a = assemble(source);
        QVERIFY(a.result.ok);
        QCOMPARE(a.log, log);
        QCOMPARE(a.res->ResSectionCount, log.size());
        QCOMPARE(a.res->ResDataCount, data.size());
        QList<int> written;
        for (int i = 0; i <= data.size(); ++i)
            written << a.res->value(i);
        QCOMPARE(written, data + QList<int>{0});
    }
    void numberAddsToCursorValue_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("after");
        QTest::newRow("added") << 3 << QByteArray("!5") << 8;
        QTest::newRow("sum negated") << 3 << QByteArray("!-5") << -8;
        QTest::newRow("wraps to 32 bits") << 0x7FFFFFFF << QByteArray("!1") << int(0x80000000);
        QTest::newRow("negating the lowest")
            << int(0x80000000) << QByteArray("!-0") << int(0x80000000);
        QTest::newRow("string replaces") << 3 << QByteArray("\"A\"") << 65;
    }
    void numberAddsToCursorValue() {
        QFETCH(int, before);
        QFETCH(QByteArray, source);
        QFETCH(int, after);
        auto res = std::make_unique<ResourceData>();
        res->ResData[0] = before;
        QVERIFY(assembleSource(bytesOf(source), *res).ok);
        QCOMPARE(res->ResData[0], after);
    }
    void indexDirective_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("expected");
        QTest::newRow("after the section")
            << QByteArray("!9 !9 {kinds !0 !1 } %3=kinds ") << 3 << 2;
        QTest::newRow("before the section")
            << QByteArray("%3=kinds !9 !9 {kinds !0 !1 } ") << 3 << 0;
        QTest::newRow("unknown name, section open") << QByteArray("!1 {a !2 %5=zz }") << 5 << 1;
        QTest::newRow("unknown name, none open") << QByteArray("!1 {a !2 } %5=zz ") << 5 << 0;
        QTest::newRow("index section by name") << QByteArray("!1 {t & !2 } %7=t&index ") << 7 << 2;
        QTest::newRow("first of equal names") << QByteArray("{d !1 } {d !2 } %4=d ") << 4 << 0;
        QTest::newRow("blanks around the number")
            << QByteArray("{x !1 } !2 {y } % 12 =y ") << 12 << 2;
        QTest::newRow("highest slot") << QByteArray("!1 {z } %255=z") << 255 << 1;
        QTest::newRow("no number is slot 0") << QByteArray("!1 {z } %=z") << 0 << 1;
        QTest::newRow("name ends at capital") << QByteArray("!1 {ab } %6=abC") << 6 << 1;
        QTest::newRow("name byte consumed") << QByteArray("{a !1 } {b !2 } %8=b}%9=a") << 8 << 1;
    }
    void indexDirective() {
        QFETCH(QByteArray, source);
        QFETCH(int, slot);
        QFETCH(int, expected);
        const Assembled a = assemble(source);
        QVERIFY(a.result.ok);
        QCOMPARE(int(a.res->ResIndex[size_t(slot)]), expected);
        for (int n = 0; n < ResourceData::kSlots; ++n)
            if (n != slot) QCOMPARE(int(a.res->ResIndex[size_t(n)]), 0);
    }
    void limits_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("line");
        QTest::newRow("256 sections") << repeated("{s }\n", 256) << "more than 255 sections" << 256;
        QTest::newRow("index section is the 256th")
            << QByteArray(repeated("{s }\n", 254) + "{t &\n}") << "more than 255 sections" << 256;
        QTest::newRow("257 labels") << QByteArray("{a\n" + repeated("&\n", 257))
                                    << "more than 256 labels in one section" << 258;
        QTest::newRow("labels before any section")
            << QByteArray(repeated("& ", 257)) << "more than 256 labels in one section" << 1;
        QTest::newRow("65537 values") << QByteArray("{a }\n\"" + QByteArray(65537, 'x'))
                                      << "more than 65536 values written" << 2;
        QTest::newRow("65537 numbers")
            << QByteArray(repeated("!1\n", 65537)) << "more than 65536 values written" << 65537;
        QTest::newRow("section start")
            << QByteArray("\"" + QByteArray(32767, 'x') + "\"\n{big }") << "above value 32767" << 2;
        QTest::newRow("index section start")
            << QByteArray("{t &\n\"" + QByteArray(32767, 'x') + "\"\n}") << "above value 32767"
            << 3;
        QTest::newRow("final cursor") << QByteArray("\"" + QByteArray(32767, 'x') + "\"\n/ end /\n")
                                      << "more than 32767 values" << 2;
        QTest::newRow("slot 256") << QByteArray("{a }\n%256=a ") << "slot number above 255" << 2;
        QTest::newRow("huge slot")
            << QByteArray("\n\n%99999999999999999999=a ") << "slot number above 255" << 3;
        QTest::newRow("negative slot") << QByteArray("%-1=a") << "negative slot number" << 1;
        QTest::newRow("number above 7FFFFFFF")
            << QByteArray("{a\n\n!80000000 }") << "number above 7FFFFFFF" << 3;
        QTest::newRow("nine significant digits")
            << QByteArray("!123456789") << "number above 7FFFFFFF" << 1;
        QTest::newRow("negative too large")
            << QByteArray("!-80000000") << "number above 7FFFFFFF" << 1;
        QTest::newRow("long run of digits")
            << QByteArray("!" + QByteArray(100000, 'F')) << "number above 7FFFFFFF" << 1;
    }
    void limits() {
        QFETCH(QByteArray, source);
        QFETCH(QString, error);
        QFETCH(int, line);
        const Assembled a = assemble(source);
        QVERIFY(!a.result.ok);
        QVERIFY2(QString::fromStdString(a.result.error).contains(error), a.result.error.c_str());
        QCOMPARE(a.result.line, line);
        QVERIFY(a.res->ResSectionCount <= 255);
    }
    // Everything at its limit at once still assembles, and the dump holds every slot.
    void largestAcceptedSource() {
        QByteArray source = "{a\n" + repeated("&", 256) + "}\n"; // sections 0 and 1
        source += repeated("{s }\n", 253);                       // up to 255 sections
        source += "%255=a&index\n";
        source += "\"" + QByteArray(32767 - 256 - 1, 'x') + "\""; // exactly 32767 values
        const Assembled a = assemble(source);
        QVERIFY2(a.result.ok, a.result.error.c_str());
        QCOMPARE(a.res->ResSectionCount, 255);
        QCOMPARE(a.res->ResDataCount, 32767);
        QCOMPARE(a.res->ResIndex[255], int16_t(0));
        QCOMPARE(a.res->value(32766), 255);
        const std::vector<uint8_t> pad = padFileBytes(*a.res);
        QCOMPARE(pad.size(), size_t(1 + 2 * 256 + 2 + 4 * 32768));
        QCOMPARE(int(pad[0]), 255);
        QCOMPARE(int(pad[1 + 2 * 256]) | int(pad[2 + 2 * 256]) << 8, 32767);
        QVERIFY(!assemble(source + "{one_more }").result.ok);
        QVERIFY(!assemble(source + "!1").result.ok);
        QVERIFY(assemble(QByteArray("\"" + QByteArray(32766, 'x') + "\"{last }")).result.ok);
    }
    // Random sources, mostly of meaningful bytes: no access outside the arrays (the
    // sanitizer build checks), deterministic and self-consistent results.
    void fuzz() {
        static const char kAlphabet[] = "{}!\"&%/=-#.\n _abz09AFG";
        static const char* const kPieces[] = {"",  "",    "",           "&",     "{ }",
                                              "!", "!# ", "!FFFFFFFFF", "%999=", "x"};
        std::set<std::string> errors;
        const QRegularExpression logLine("^\\$[0-9A-F]+: [_a-z0-9&]*$");
        std::mt19937 random(20240611);
        int accepted = 0;
        for (int round = 0; round < 2000; ++round) {
            QByteArray source;
            const int length = int(random() % 300);
            for (int i = 0; i < length; ++i) {
                if (random() % 8 == 0)
                    source += char(random() % 256);
                else
                    source += kAlphabet[random() % (sizeof kAlphabet - 1)];
            }
            // Now and then a long run of one piece, so the limits are reached too.
            if (random() % 6 == 0) {
                QByteArray piece = kPieces[random() % std::size(kPieces)];
                if (piece.isEmpty())
                    for (int i = int(random() % 3); i >= 0; --i)
                        piece += kAlphabet[random() % (sizeof kAlphabet - 1)];
                source += repeated(piece, int(20000 + random() % 70000) / int(piece.size()));
                if (random() % 2 == 0) source += "{z }";
            }
            const Assembled a = assemble(source);
            if (round % 8 == 0) {
                const Assembled again = assemble(source);
                QCOMPARE(again.result.ok, a.result.ok);
                QCOMPARE(again.log, a.log);
                QVERIFY(again.res->ResData == a.res->ResData);
                QVERIFY(again.res->ResIndex == a.res->ResIndex);
            }
            QVERIFY(a.res->ResSectionCount >= 0 && a.res->ResSectionCount <= 255);
            if (!a.result.ok) {
                errors.insert(a.result.error);
                QVERIFY(a.result.line >= 1 && a.result.line <= source.count('\n') + 1);
                continue;
            }
            ++accepted;
            QCOMPARE(a.log.size(), a.res->ResSectionCount);
            for (const QString& line : a.log)
                QVERIFY2(logLine.match(line).hasMatch(), qPrintable(line));
            const int m = a.res->ResDataCount;
            QVERIFY(m >= 0 && m <= 32767);
            QVERIFY2(std::all_of(a.res->ResData.begin() + m, a.res->ResData.end(),
                                 [](int32_t v) { return v == 0; }),
                     "a value written beyond the data count");
            const std::vector<uint8_t> pad = padFileBytes(*a.res);
            QCOMPARE(pad.size(), size_t(1 + 2 * (a.res->ResSectionCount + 1) + 2 + 4 * (m + 1)));
        }
        QVERIFY(accepted > 1000); // both outcomes exercised, or the sources have gone stale
        QCOMPARE(errors.size(), size_t(8)); // every limit was reached at least once
    }
    void hexDigitValue_data() {
        QTest::addColumn<char>("c");
        QTest::addColumn<int>("value"); // -1: not a digit
        const char* digits = "0123456789ABCDEF";
        for (int i = 0; i < 16; ++i) {
            QTest::addRow("%c", digits[i]) << digits[i] << i;
            QTest::addRow("lower %c", digits[i])
                << char(QChar(digits[i]).toLower().toLatin1()) << i;
        }
        for (char c : {'/', ':', '@', 'G', '`', 'g', ' ', '\0', '-', char(0xC1)})
            QTest::addRow("not %d", int(uint8_t(c))) << c << -1;
    }
    void hexDigitValue() {
        QFETCH(char, c);
        QFETCH(int, value);
        QCOMPARE(HexDigitValue(c).value_or(-1), value);
    }
    void hexVal_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("1F") << QByteArray("1F") << 0x1F;
        QTest::newRow("lower case") << QByteArray("1f") << 0x1F;
        QTest::newRow("mixed case") << QByteArray("aBcDeF") << 0xABCDEF;
        QTest::newRow("non-digit takes a position") << QByteArray("1G") << 0x10;
        QTest::newRow("only non-digits") << QByteArray("xyz") << 0;
        QTest::newRow("blank before") << QByteArray(" 1") << 1;
        QTest::newRow("blank after") << QByteArray("1 ") << 0x10;
        QTest::newRow("minus is a non-digit") << QByteArray("-1") << 1;
        QTest::newRow("largest positive") << QByteArray("7FFFFFFF") << 0x7FFFFFFF;
        QTest::newRow("wraps negative") << QByteArray("80000000") << int(0x80000000);
        QTest::newRow("all ones") << QByteArray("FFFFFFFF") << -1;
        QTest::newRow("nine digits") << QByteArray("123456789") << 0x23456789;
        QTest::newRow("ten digits") << QByteArray("FFFFFFFFF1") << -15;
        QTest::newRow("long text") << QByteArray(QByteArray(1000, 'F') + "00000010") << 0x10;
    }
    void hexVal() {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        QCOMPARE(HexVal(std::string_view(text.constData(), size_t(text.size()))), value);
    }
    // What the dump and the fields print, HexVal must read back unchanged.
    void hexString() {
        const std::pair<qint64, const char*> fixed[] = {{0, "0"},
                                                        {15, "F"},
                                                        {0x100, "100"},
                                                        {0x7FFFFFFF, "7FFFFFFF"},
                                                        {-1, "FFFFFFFF"},
                                                        {-16, "FFFFFFF0"},
                                                        {INT32_MIN, "80000000"},
                                                        {0x123456789, "123456789"}};
        for (const auto& [value, text] : fixed)
            QCOMPARE(orvane::hexString(value), std::string(text));
        std::mt19937 random(7);
        for (int i = 0; i < 10000; ++i) {
            const int32_t v = int32_t(random());
            const std::string text = orvane::hexString(v);
            QCOMPARE(HexVal(text), v);
            QVERIFY(text.size() == 1 || text[0] != '0');
        }
    }
    void resString_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<QByteArray>("text");
        using L = QList<int>;
        QTest::newRow("end mark") << 10 << L{65, 66, 255, 67} << qint64(10) << QByteArray("AB");
        QTest::newRow("from the middle") << 10 << L{65, 66, 255} << qint64(11) << QByteArray("B");
        QTest::newRow("empty") << 10 << L{255, 65} << qint64(10) << QByteArray("");
        QTest::newRow("above 255 ends") << 0 << L{72, 73, 256} << qint64(0) << QByteArray("HI");
        QTest::newRow("254 is a character") << 0 << L{254, 1000} << qint64(0) << QByteArray("\xfe");
        QTest::newRow("negative gives its low byte")
            << 0 << L{-191, -1, 300} << qint64(0) << QByteArray("A\xff");
        QTest::newRow("zero is a character")
            << 0 << L{0, 65, 255} << qint64(0) << QByteArray("\0A", 2);
        QTest::newRow("stops at the end of the values")
            << 65534 << L{89, 90} << qint64(65534) << QByteArray("YZ");
        QTest::newRow("index past the end") << 0 << L{65, 255} << qint64(65536) << QByteArray("");
        QTest::newRow("negative index") << 0 << L{65, 255} << qint64(-1) << QByteArray("");
    }
    void resString() {
        QFETCH(int, at);
        QFETCH(QList<int>, stored);
        QFETCH(qint64, index);
        QFETCH(QByteArray, text);
        auto res = std::make_unique<ResourceData>();
        for (int i = 0; i < stored.size(); ++i)
            res->ResData[size_t(at + i)] = stored[i];
        const std::string got = ResString(*res, index);
        QCOMPARE(QByteArray(got.data(), qsizetype(got.size())), text);
    }
};

QTEST_APPLESS_MAIN(TestAssembler)
#include "test_assembler.moc"
