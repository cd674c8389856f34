// Changing the length of an mm4 palette animation: records behind it move within the
// area below 0xBD2C and their pointers follow; the free space is checked first.
#include <QDir>
#include <QtTest>

#include "core/render/AnimationArea.h"
#include "core/render/AnimationEdits.h"
#include "support/TestLevel.h"

using namespace orvane;
using namespace orvane::testing;

namespace {

constexpr int64_t kColourSets = 0x200;
constexpr int64_t kAreaStart = 0xBD1C; // where a case's bytes begin

Editor areaEditor(int mode) {
    Editor ed = bareEditor(mode, 0x2000); // page 0: address A at position A - 0xA000 + 17
    setParam(ed, 53, 0x100);
    setParam(ed, 54, 0x140);
    setParam(ed, 55, 0);
    setParam(ed, 56, kColourSets);
    return ed;
}

// A case file: one line per key, the key and its words; # starts a comment.
QMap<QString, QStringList> readCase(const QString& path) {
    QFile file(path);
    QMap<QString, QStringList> out;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return out;
    for (const QString& line : QString(file.readAll()).split('\n')) {
        QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (!words.isEmpty() && !line.startsWith('#')) out[words.takeFirst()] = words;
    }
    return out;
}

// Hexadecimal words as numbers, filled up to `size` with 0xBD2C (the pointers not listed).
QList<int> hex(const QStringList& words, int size = 0) {
    QList<int> out;
    for (const QString& w : words)
        out << w.toInt(nullptr, 16);
    while (out.size() < size)
        out << kAreaLimit;
    return out;
}

} // namespace

class TestAnimationArea : public QObject {
    Q_OBJECT
private slots:
    void setFrameCount_data() {
        QTest::addColumn<QString>("path");
        const QDir cases(ORVANE_SOURCE_DIR "/tests/data/frame-count");
        for (const QFileInfo& f : cases.entryInfoList(QDir::Files))
            QTest::newRow(qPrintable(f.baseName())) << f.filePath();
        QVERIFY(!cases.isEmpty());
    }
    void setFrameCount() {
        QFETCH(QString, path);
        const auto c = readCase(path);
        Editor ed = areaEditor(kMM4);
        const QList<int> start = hex(c["pointers"], kAreaAnimations), bytes = hex(c["area"]);
        for (int a = 0; a < kAreaAnimations; ++a)
            setAnimationAddress(ed, a, start[a]);
        const auto at = [&](int i) { return animationBankPosition(ed, kAreaStart + i); };
        for (int i = 0; i < bytes.size(); ++i)
            ed.setByte(at(i), bytes[i]);

        const int64_t record = animationBankPosition(ed, start[hex(c["animation"]).value(0)]);
        const FrameCountResult result = SetFrameCount(ed, record, hex(c["last"]).value(0));
        const QStringList results{"unchanged", "changed", "nospace"};
        QCOMPARE(results.value(int(result)), c["result"].value(0));
        QList<int> area, pointers;
        for (int i = 0; i < bytes.size(); ++i)
            area << ed.byte(at(i));
        for (int a = 0; a < kAreaAnimations; ++a)
            pointers << int(animationAddress(ed, a));
        QCOMPARE(area, hex(c["after"]));
        QCOMPARE(pointers, hex(c["moved"], kAreaAnimations));
    }

    // mm5's animation wraps colour set offsets at 256; the panel shows the bytes after.
    void panelColourSetsDoNotWrap() {
        Editor ed = areaEditor(kMM5);
        QCOMPARE(panelColourPosition(ed, 87, 2), kColourSets + 263);
        setSetColour(ed, 87, 2, 0xFF); // typed: low six bits
        QCOMPARE(int(ed.byte(kColourSets + 263)), 0x3F);
    }
};

QTEST_APPLESS_MAIN(TestAnimationArea)
#include "test_animation_area.moc"
