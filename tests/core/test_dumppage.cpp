// The text of the resource data dump's pages.
#include <QtTest>

#include "core/resdata/DumpPage.h"
#include "core/resdata/ResourceData.h"

using namespace orvane;

class TestDumpPage : public QObject {
    Q_OBJECT
private slots:
    void hexPage() {
        auto res = std::make_unique<ResourceData>();
        res->ResData[0] = 0x1F;
        res->ResData[1] = -16;
        res->ResData[7] = 0x7FFFFFFF;
        res->ResData[8] = 65;
        const auto lines = dumpPageText(*res, 0, DumpMode::Hex);
        QCOMPARE(int(lines.size()), 18);
        QCOMPARE(lines[0], std::string("Page:0"));
        QCOMPARE(lines[1], std::string());
        QCOMPARE(lines[2], std::string("$0: $1F $FFFFFFF0 $0 $0 $0 $0 $0 $7FFFFFFF   /"));
        QCOMPARE(lines[3], std::string("$8: $41 $0 $0 $0 $0 $0 $0 $0   /"));
        QCOMPARE(lines[17].substr(0, 5), std::string("$78: "));
    }

    void characterPage() {
        auto res = std::make_unique<ResourceData>();
        const int base = 128 * 0x1FF; // the last page
        res->ResData[base + 0] = 'A';
        res->ResData[base + 1] = 'B';
        res->ResData[base + 2] = 255;  // string end
        res->ResData[base + 3] = 256;  // above 255: nothing, not even the blank
        res->ResData[base + 4] = -191; // low byte 0x41
        const auto lines = dumpPageText(*res, 0x1FF, DumpMode::Chars);
        QCOMPARE(lines[0], std::string("Page:1FF"));
        std::string expected = "$FF80: A B [E] A ";
        expected += std::string("\0 \0 \0 ", 6);
        expected += "  /";
        QCOMPARE(lines[2], expected);
    }
};

QTEST_GUILESS_MAIN(TestDumpPage)
#include "test_dumppage.moc"
