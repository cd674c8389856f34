#include <QtTest>

#include <memory>

#include "core/resdata/Assembler.h"
#include "core/resdata/PadFile.h"
#include "core/resdata/ResourceData.h"

using namespace orvane;

namespace {

std::unique_ptr<ResourceData> assembled(const char* text) {
    auto res = std::make_unique<ResourceData>();
    const std::string source(text);
    const AssemblyResult result =
        assembleSource(std::vector<uint8_t>(source.begin(), source.end()), *res);
    return result.ok ? std::move(res) : nullptr;
}

QByteArray asBytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

class TestPadFile : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void dumpTwiceIsIdentical();
};

void TestPadFile::layout_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("bytes");

    // Two sections (a and its index section), slots 1 and 2 bound, five values written.
    QTest::newRow("sections, slots and a negative value")
        << QByteArray("!5 {a !1 !-2 & } %1=a&index %2=a ")
        << QByteArray::fromHex("02" // N
                               "0000"
                               "0300"
                               "0100" // slots 0..N
                               "0400" // M
                               "05000000"
                               "01000000"
                               "FEFFFFFF" // values 0..M
                               "03000000"
                               "00000000");
    QTest::newRow("empty source") << QByteArray("")
                                  << QByteArray::fromHex("00"
                                                         "0000"
                                                         "0000"
                                                         "00000000");
    QTest::newRow("section still open") << QByteArray("!12345678 !-1 {open !7FFFFFFF")
                                        << QByteArray::fromHex("00"
                                                               "0000"
                                                               "0300"
                                                               "78563412"
                                                               "FFFFFFFF"
                                                               "FFFFFF7F"
                                                               "00000000");
    QTest::newRow("slot 0 is written even when unbound") << QByteArray("{x } %1=x")
                                                         << QByteArray::fromHex("01"
                                                                                "0000"
                                                                                "0000"
                                                                                "0000"
                                                                                "00000000");
}

void TestPadFile::layout() {
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, bytes);

    const auto res = assembled(source.constData());
    QVERIFY(res);
    QCOMPARE(asBytes(padFileBytes(*res)).toHex(' '), bytes.toHex(' '));
}

void TestPadFile::dumpTwiceIsIdentical() {
    const char* source = "{mm3 !1 !2 & !3 } {kinds !0 !1 !2 } %0=mm3 %3=kinds %4=mm3&index "
                         "{names & \"Air Man\" & \"Wood Man\" } %18=names&index";
    const auto first = assembled(source);
    const auto second = assembled(source);
    QVERIFY(first && second);
    const std::vector<uint8_t> dump = padFileBytes(*first);
    QCOMPARE(padFileBytes(*first), dump);
    QCOMPARE(padFileBytes(*second), dump);
    QCOMPARE(dump.size(),
             size_t(1 + 2 * (first->ResSectionCount + 1) + 2 + 4 * (first->ResDataCount + 1)));
}

QTEST_APPLESS_MAIN(TestPadFile)
#include "test_padfile.moc"
