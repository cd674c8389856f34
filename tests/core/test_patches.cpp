// IPS and BPS patches: round trips over generated file pairs, and the hand-assembled
// patches under tests/data/patches, each a folder with source.bin, patch.ips or patch.bps,
// and expected.bin (the result) or message.txt (words the refusal must contain).
#include <QDir>
#include <QtTest>

#include "core/app/Crc32.h"
#include "core/app/FileIO.h"
#include "core/app/PatchFiles.h"
#include "core/app/PatchFormat.h"
#include "core/level/Rom.h"

using namespace orvane;

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes noise(size_t n, uint32_t seed) {
    Bytes v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    return v;
}

Bytes changed(Bytes v, size_t at, size_t count, uint8_t value) {
    for (size_t i = at; i < at + count && i < v.size(); ++i)
        v[i] = value;
    return v;
}

Bytes read(const QString& path) {
    return readWholeFile(path.toStdString()).value_or(Bytes{});
}

} // namespace

class TestPatches : public QObject {
    Q_OBJECT
private slots:
    void roundTrips_data() {
        QTest::addColumn<Bytes>("source");
        QTest::addColumn<Bytes>("target");
        const Bytes rom = noise(40000, 7), big = noise(5 << 20, 3);
        Bytes scattered = rom, longer = rom;
        for (size_t i = 3; i + 1 < scattered.size(); i += 11)
            scattered[i + (i % 97 == 0)] ^= 0x5A; // gaps shorter and longer than a header
        longer.resize(rom.size() + 70000, 0);     // zeros past the end must be written too
        longer.back() = 1;
        QTest::newRow("equal") << rom << rom;
        QTest::newRow("first and last") << rom << changed(changed(rom, 0, 1, 1), 39999, 1, 2);
        QTest::newRow("runs") << rom << changed(changed(rom, 100, 9, 0xAB), 5000, 30000, 0xFF);
        QTest::newRow("scattered") << rom << scattered;
        QTest::newRow("all different") << noise(150000, 1) << noise(150000, 2);
        // 0x454F46 reads as "EOF": no record may start there.
        QTest::newRow("EOF offset") << big << changed(big, 0x454F46, 1, 0x77);
        QTest::newRow("EOF offset run") << big << changed(big, 0x454F46, 200, 0x77);
        QTest::newRow("EOF offset after run")
            << big << changed(changed(big, 0x454F3D, 9, 0x77), 0x454F46, 1, 0x12);
        QTest::newRow("shorter") << rom << Bytes(rom.begin(), rom.begin() + 1000);
        QTest::newRow("shorter to nothing") << rom << Bytes{};
        QTest::newRow("longer") << rom << longer;
        QTest::newRow("from nothing") << Bytes{} << noise(300, 1);
    }
    void roundTrips() {
        QFETCH(Bytes, source);
        QFETCH(Bytes, target);
        for (PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
            const PatchResult patch = makePatch(format, source, target);
            const PatchResult applied = applyPatch(patch.bytes, source);
            QVERIFY2(patch.ok() && applied.ok(), (patch.detail + applied.detail).c_str());
            QVERIFY(applied.bytes == target);
            if (format == PatchFormat::Ips && source == target) QCOMPARE(patch.bytes.size(), 8u);
        }
        // Long runs become run records, none over its 2-byte size.
        const Bytes runs = changed(source, 10, 300000, 0x42);
        QVERIFY(makePatch(PatchFormat::Ips, source, runs).bytes.size() < 100);
    }

    // What the IPS writer writes, byte for byte: literal records below nine equal bytes,
    // run records from nine, none longer than 65,535, and the length a shorter target
    // is cut to after the end mark.
    void ipsWriterBytes_data() {
        QTest::addColumn<Bytes>("source");
        QTest::addColumn<Bytes>("target");
        QTest::addColumn<QByteArray>("patch"); // after "PATCH", in hexadecimal ("EOF" 454F46)
        const Bytes zeros(64, 0);
        QTest::newRow("eight equal bytes") << zeros << changed(zeros, 0x10, 8, 0xAB)
                                           << QByteArray("000010 0008 ABABABABABABABAB 454F46");
        QTest::newRow("nine equal bytes")
            << zeros << changed(zeros, 0x10, 9, 0xAB) << QByteArray("000010 0000 0009 AB 454F46");
        QTest::newRow("shorter target") << zeros << Bytes(32, 0) << QByteArray("454F46 000020");
        QTest::newRow("run over 65535")
            << Bytes(70000, 0) << Bytes(70000, 1)
            << QByteArray("000000 0000 FFFF 01 00FFFF 0000 1171 01 454F46");
    }
    void ipsWriterBytes() {
        QFETCH(Bytes, source);
        QFETCH(Bytes, target);
        QFETCH(QByteArray, patch);
        const QByteArray expected = "PATCH" + QByteArray::fromHex(patch.replace(' ', ""));
        const Bytes made = makePatch(PatchFormat::Ips, source, target).bytes;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(made.data()), qsizetype(made.size())),
                 expected);
    }

    void theFormatsFilesAndTheirExpectedResults() {
        const QDir root(QString(ORVANE_SOURCE_DIR) + "/tests/data/patches");
        const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(cases.size() >= 10);
        for (const QString& name : cases) {
            const QDir dir(root.filePath(name));
            const QString patchPath = dir.filePath(dir.entryList({"patch.*"}).value(0));
            const Bytes source = read(dir.filePath("source.bin"));
            const Bytes expected = read(dir.filePath("expected.bin"));
            const bool good = dir.exists("expected.bin");
            const PatchResult result = applyPatch(read(patchPath), source);
            QVERIFY2(result.ok() == good, qPrintable(name + ": " + result.detail.c_str()));
            if (good) QVERIFY2(result.bytes == expected, qPrintable(name));

            // The editor's command: the image takes the result when it has the image's
            // length; otherwise a message names the file and the image stays as it was.
            Rom image(source);
            const PatchOutcome outcome = applyPatchToImage(image, patchPath.toStdString());
            const bool fits = good && expected.size() == source.size();
            const QString message = QString::fromStdString(outcome.message);
            QVERIFY2(outcome.ok == fits && message.contains(patchPath), qPrintable(message));
            QVERIFY(image.bytes() == (fits ? expected : source));
            QFile why(dir.filePath("message.txt"));
            QVERIFY2(good || (why.open(QIODevice::ReadOnly) &&
                              message.contains(QString::fromUtf8(why.readAll()).trimmed())),
                     qPrintable(message));
        }
    }

    // No cut makes a reader read or write outside its buffers (the sanitizer build
    // watches) or take the rest for a whole patch.
    void damagedPatchesAreRefused() {
        const Bytes source = noise(3000, 9);
        const Bytes target = changed(changed(source, 10, 40, 0), 2000, 1, 1);
        for (PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
            const Bytes patch = makePatch(format, source, target).bytes;
            for (size_t cut = 0; cut < patch.size(); ++cut)
                QVERIFY(!applyPatch(Bytes(patch.begin(), patch.begin() + cut), source).ok());
        }
        QCOMPARE(crc32(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
    }
};

QTEST_GUILESS_MAIN(TestPatches)
#include "test_patches.moc"
