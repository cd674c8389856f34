#include <QSignalSpy>
#include <QtTest>

#include "core/render/TileDrawing.h"
#include "core/render/WinBitmap.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

// Distinct, recognisable colours: slot s shows as (s, 255 - s, s * 7).
void fillColours(WinBitmap& b, int shift = 0) {
    for (int s = 0; s < 256; ++s)
        b.colours()[size_t(s)] = uint32_t((s + shift) & 0xFF) << 16 |
                                 uint32_t(255 - ((s + shift) & 0xFF)) << 8 |
                                 uint32_t(((s + shift) * 7) & 0xFF);
}

QRgb shown(const WinBitmap& b, int x, int y) {
    return 0xFF000000u | (b.colours()[b.pixel(x, y)] & 0xFFFFFFu);
}

// The parent a picture area sits in, recording the keys that reach it.
class KeyRecorder : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << e->key(); }
};

} // namespace

class TestPictureArea : public QObject {
    Q_OBJECT
private slots:
    void showsPixelsThroughColourTable_data();
    void showsPixelsThroughColourTable();
    void colourChangeNeedsNoRedraw();
    void bitmapSetUpAgainAfterShow();
    void repeatedColourAndPixelChanges();
    void mouseMasksAndCoordinates_data();
    void mouseMasksAndCoordinates();
    void movesOnlyWhileAButtonIsHeld();
    void keysAreReportedAndPassedOn();
};

void TestPictureArea::showsPixelsThroughColourTable_data() {
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("W multiple of 4") << 32 << 24 << true;
    QTest::newRow("W not a multiple of 4") << 13 << 7 << false;
    QTest::newRow("buffer shorter than the shown rows") << 2 << 3 << false;
}

void TestPictureArea::showsPixelsThroughColourTable() {
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(bool, inPlace);
    WinBitmap b;
    b.InitBitmap(W, H);
    fillColours(b);
    for (size_t i = 0; i < b.pixels().size(); ++i)
        b.pixels()[i] = uint8_t(i * 13 + 1);
    PictureArea area;
    area.setFixedSize(W, H + 2);
    QCOMPARE(area.ShowBitmap(b), H);
    QCOMPARE(area.sharesBitmapBuffer(), inPlace);
    if (inPlace) QCOMPARE(area.shownImage().constBits(), b.pixels().data());

    const QImage picture = area.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(picture.size(), QSize(W, H + 2));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            QCOMPARE(picture.pixel(x, y), shown(b, x, y)); // pixel() reads 0 past the buffer
}

void TestPictureArea::colourChangeNeedsNoRedraw() {
    WinBitmap b;
    b.InitBitmap(16, 16);
    fillColours(b);
    const std::vector<uint8_t> rom(32, 0xFF); // one tile of colour 3
    DrawTile(b, Rom(rom), 0, 2, 4, 4, 1);
    PictureArea area;
    area.setFixedSize(16, 16);
    area.ShowBitmap(b);
    QCOMPARE(area.grab().toImage().pixel(5, 5), shown(b, 5, 5));

    const std::vector<uint8_t> pixelsBefore = b.pixels();
    fillColours(b, 40);
    area.ShowBitmap(b);
    QCOMPARE(b.pixels(), pixelsBefore);
    const QImage after = area.grab().toImage();
    QCOMPARE(after.pixel(5, 5), shown(b, 5, 5));
    QCOMPARE(after.pixel(0, 0), shown(b, 0, 0));
    QVERIFY(after.pixel(5, 5) != 0xFF000000u + ((11u << 16) | (244u << 8) | 77u)); // old colour 11

    // The picture keeps the colours of the last show until shown again.
    fillColours(b, 90);
    QCOMPARE(area.grab().toImage().pixel(5, 5),
             QRgb(0xFF000000u | (51u << 16) | (204u << 8) | 101u));
}

// Colour-only shows rewrite the pixels whose colour changed (the first one after a
// drawing converts them all); a drawing in between makes the next show convert
// everything again. Every pixel must match either way.
void TestPictureArea::repeatedColourAndPixelChanges() {
    WinBitmap b;
    b.InitBitmap(21, 12); // not a multiple of 4: the copied path
    WinBitmap c;
    c.InitBitmap(16, 16); // the shared path
    const std::vector<uint8_t> rom(32, 0xFF);
    for (WinBitmap* bmp : {&b, &c}) {
        fillColours(*bmp);
        PictureArea area;
        area.setFixedSize(bmp->width(), bmp->height());
        auto matches = [&] {
            const QImage img = area.grab().toImage();
            for (int y = 0; y < bmp->height(); ++y)
                for (int x = 0; x < bmp->width(); ++x)
                    if (img.pixel(x, y) != shown(*bmp, x, y)) return false;
            return true;
        };
        DrawTile(*bmp, Rom(rom), 0, 2, 4, 2, 1);
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        bmp->colours()[11] = 0x123456; // only the tile's slot
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        QCOMPARE(area.grab().toImage().pixel(5, 5), QRgb(0xFF123456));
        FillRect(*bmp, 0, 0, 3, 3, 7);
        bmp->colours()[7] = 0x00FF00;
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        fillColours(*bmp, 3); // every colour at once
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        bmp->colours()[7] = 0x0000FF; // again on the same pixels, as an animation does
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        bmp->colours()[11] = 0xFEDCBA;
        area.ShowBitmap(*bmp);
        QVERIFY(matches());
        area.ShowBitmap(*bmp); // nothing changed
        QVERIFY(matches());
    }
}

void TestPictureArea::bitmapSetUpAgainAfterShow() {
    WinBitmap b;
    b.InitBitmap(16, 16);
    fillColours(b);
    std::fill(b.pixels().begin(), b.pixels().end(), uint8_t(7));
    PictureArea area;
    area.setFixedSize(64, 64);
    area.ShowBitmap(b);
    // The buffer moves when the bitmap is set up again; painting before the next show
    // keeps the picture last shown and reads nothing of the freed buffer (the sanitizer
    // build catches it if it does).
    b.InitBitmap(64, 64);
    const QRgb oldColour = 0xFF000000u | (b.colours()[7] & 0xFFFFFFu);
    QCOMPARE(area.grab().toImage().pixel(3, 3), oldColour);
    area.ShowBitmap(b);
    const QImage picture = area.grab().toImage();
    QCOMPARE(picture.pixel(3, 3), shown(b, 3, 3));
    QCOMPARE(picture.pixel(40, 50), shown(b, 40, 50));
    QVERIFY(shown(b, 3, 3) != oldColour);
}

void TestPictureArea::mouseMasksAndCoordinates_data() {
    QTest::addColumn<int>("qtButton");
    QTest::addColumn<int>("qtModifiers");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::newRow("left") << int(Qt::LeftButton) << int(Qt::NoModifier) << 1 << 0;
    QTest::newRow("right, Shift") << int(Qt::RightButton) << int(Qt::ShiftModifier) << 2 << 1;
    QTest::newRow("middle, Ctrl") << int(Qt::MiddleButton) << int(Qt::ControlModifier) << 4 << 2;
    QTest::newRow("left, Shift+Alt")
        << int(Qt::LeftButton) << int(Qt::ShiftModifier | Qt::AltModifier) << 1 << 5;
}

void TestPictureArea::mouseMasksAndCoordinates() {
    QFETCH(int, qtButton);
    QFETCH(int, qtModifiers);
    QFETCH(int, button);
    QFETCH(int, shift);
    const auto qb = Qt::MouseButton(qtButton);
    const auto mods = Qt::KeyboardModifiers(qtModifiers);
    PictureArea area;
    area.setFixedSize(64, 48);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QSignalSpy down(&area, &PictureArea::mouseDown);
    QSignalSpy move(&area, &PictureArea::mouseMove);
    QSignalSpy up(&area, &PictureArea::mouseUp);

    QTest::mousePress(&area, qb, mods, QPoint(5, 3));
    QMouseEvent drag(QEvent::MouseMove, QPointF(17.6, 9.2), area.mapToGlobal(QPointF(17.6, 9.2)),
                     Qt::NoButton, qb, mods);
    QApplication::sendEvent(&area, &drag);
    // A second button pressed during the drag adds to the mask of the moves.
    QMouseEvent both(QEvent::MouseMove, QPointF(20, 11), area.mapToGlobal(QPointF(20, 11)),
                     Qt::NoButton, qb | (qb == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton),
                     mods);
    QApplication::sendEvent(&area, &both);
    QTest::mouseRelease(&area, qb, mods, QPoint(30, 40));

    QCOMPARE(down.count(), 1);
    QCOMPARE(down[0], (QList<QVariant>{button, shift, 5, 3}));
    QCOMPARE(move.count(), 2);
    QCOMPARE(move[0], (QList<QVariant>{button, shift, 17, 9}));
    QCOMPARE(move[1], (QList<QVariant>{button + (button == 1 ? 2 : 1), shift, 20, 11}));
    QCOMPARE(up.count(), 1);
    QCOMPARE(up[0], (QList<QVariant>{button, shift, 30, 40}));
}

void TestPictureArea::movesOnlyWhileAButtonIsHeld() {
    PictureArea area;
    area.setFixedSize(32, 32);
    QSignalSpy move(&area, &PictureArea::mouseMove);
    QMouseEvent hover(QEvent::MouseMove, QPointF(4, 4), area.mapToGlobal(QPointF(4, 4)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&area, &hover);
    QCOMPARE(move.count(), 0);
    // Dragging out past the left edge still reports, with the coordinate it has.
    QMouseEvent outside(QEvent::MouseMove, QPointF(-3.5, 4), area.mapToGlobal(QPointF(-3.5, 4)),
                        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&area, &outside);
    QCOMPARE(move.count(), 1);
    QCOMPARE(move[0], (QList<QVariant>{1, 0, -4, 4}));
}

void TestPictureArea::keysAreReportedAndPassedOn() {
    KeyRecorder window;
    auto* area = new PictureArea(&window);
    area->setFixedSize(16, 16);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(area->focusPolicy(), Qt::StrongFocus);
    QSignalSpy keys(area, &PictureArea::keyDown);
    QTest::keyClick(area, Qt::Key_F5);
    QTest::keyClick(area, Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(area, Qt::Key_Left, Qt::ControlModifier);
    // Modifier keys come through on their own as well, as the shared key handling expects.
    const QList<QList<QVariant>> want{{116, 0}, {16, 1}, {65, 1}, {17, 2}, {37, 2}};
    QCOMPARE(keys.count(), want.count());
    for (int i = 0; i < want.count(); ++i)
        QCOMPARE(keys[i], want[i]);
    QCOMPARE(window.keys,
             (QList<int>{Qt::Key_F5, Qt::Key_Shift, Qt::Key_A, Qt::Key_Control, Qt::Key_Left}));
}

QTEST_MAIN(TestPictureArea)
#include "test_picturearea.moc"
