// The picture area: a paletted bitmap shown through its colour table, where a colour-only
// show rewrites just the recoloured pixels and must still match a full conversion; and
// the mouse in the editor's own terms (its keys are seen through the windows' cases).
#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>

#include "core/render/TileDrawing.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

// Distinct colours: slot s shows as (s + shift, 255 - s - shift, 7 (s + shift)).
void fillColours(WinBitmap& b, int shift = 0) {
    for (int s = 0; s < 256; ++s) {
        const uint32_t v = uint32_t(s + shift) & 0xFF;
        b.colours()[size_t(s)] = v << 16 | (255 - v) << 8 | ((v * 7) & 0xFF);
    }
}

// True when the widget shows every shown pixel of the bitmap through its colour table.
bool showsBitmap(PictureArea& area, const WinBitmap& b) {
    const QImage img = area.grab().toImage();
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (img.pixel(x, y) != (0xFF000000u | b.colours()[b.pixel(x, y)])) return false;
    return true;
}

} // namespace

class TestPictureArea : public QObject {
    Q_OBJECT
private slots:
    // Widths that are a multiple of 4 are shown from the bitmap's own buffer, others from a
    // copy; colour-only shows between drawings must match a full conversion; the picture
    // keeps the last shown colours until shown again.
    void colourOnlyShowsMatchAFullConversion() {
        const std::vector<uint8_t> tile(32, 0xFF); // colour 3 everywhere
        for (const auto& [W, H, shared] :
             {std::tuple{32, 24, true}, {13, 7, false}, {2, 3, false}}) {
            WinBitmap b;
            b.InitBitmap(W, H);
            fillColours(b);
            for (size_t i = 0; i < b.pixels().size(); ++i)
                b.pixels()[i] = uint8_t(i * 13 + 1);
            PictureArea area;
            area.setFixedSize(W, H + 2);
            QVERIFY(area.ShowBitmap(b) == H && area.sharesBitmapBuffer() == shared);
            QVERIFY(showsBitmap(area, b));
            for (int step = 0; step < 6; ++step) {
                if (step == 0) b.colours()[14] = 0x123456;
                if (step == 1) DrawTile(b, Rom(tile), 0, 2, 1, 1, 1);
                if (step == 1) b.colours()[11] = 0xFF;
                if (step == 2) fillColours(b, 3);
                // colour-only shows in a row on the same pixels, as an animation makes them
                if (step == 3) b.colours()[14] = 0x0000FF;
                if (step == 4) b.colours()[27] = 0xFEDCBA;
                area.ShowBitmap(b);
                QVERIFY(showsBitmap(area, b));
            }
            const QImage before = area.grab().toImage();
            fillColours(b, 90);
            QCOMPARE(area.grab().toImage(), before);
        }
    }
    // On screen (not only in a grab), a colour-only show repaints every row whose colour
    // changed.
    void colourOnlyShowRepaintsTheChangedRows() {
        WinBitmap b;
        b.InitBitmap(16, 16);
        fillColours(b);
        FillRect(b, 0, 0, 15, 15, 1);
        FillRect(b, 0, 3, 15, 3, 2); // slot 2 in rows 3 and 12 only
        FillRect(b, 0, 12, 15, 12, 2);
        PictureArea area;
        area.setFixedSize(16, 16);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.ShowBitmap(b);
        QCoreApplication::processEvents();
        struct PaintSpy : QObject {
            QRegion painted;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } spy;
        area.installEventFilter(&spy);
        b.colours()[2] = 0x123456;
        area.ShowBitmap(b);
        QCoreApplication::processEvents();
        QVERIFY(spy.painted.contains(QPoint(5, 3)) && spy.painted.contains(QPoint(5, 12)));
    }
    // A bitmap set up again moves its buffer: painting before the next show keeps the old
    // picture and reads nothing freed (the sanitizer build would catch it).
    void bitmapSetUpAgainAfterShow() {
        WinBitmap b;
        b.InitBitmap(16, 16);
        fillColours(b);
        std::fill(b.pixels().begin(), b.pixels().end(), uint8_t(7));
        PictureArea area;
        area.setFixedSize(64, 64);
        area.ShowBitmap(b);
        b.InitBitmap(64, 64);
        QCOMPARE(area.grab().toImage().pixel(3, 3), 0xFF000000u | b.colours()[7]);
        area.ShowBitmap(b);
        QVERIFY(showsBitmap(area, b));
    }
    // Buttons 1 left, 2 right, 4 middle (summed on moves), shift 1 Shift, 2 Ctrl, 4 Alt,
    // positions rounded down.
    void mouseInTheEditorsTerms() {
        PictureArea area;
        QSignalSpy down(&area, &PictureArea::mouseDown), move(&area, &PictureArea::mouseMove);
        const auto send = [&](QEvent::Type t, QPointF at, Qt::MouseButtons held,
                              Qt::KeyboardModifiers m) {
            QMouseEvent e(t, at, area.mapToGlobal(at),
                          t == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton(int(held)), held,
                          m);
            QApplication::sendEvent(&area, &e);
        };
        send(QEvent::MouseButtonPress, {5, 3}, Qt::MiddleButton, Qt::ControlModifier);
        send(QEvent::MouseMove, {17.6, -3.2}, Qt::LeftButton | Qt::RightButton,
             Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(down.value(0), (QList<QVariant>{4, 2, 5, 3}));
        QCOMPARE(move.value(0), (QList<QVariant>{3, 5, 17, -4}));
    }
};

QTEST_MAIN(TestPictureArea)
#include "test_picturearea.moc"
