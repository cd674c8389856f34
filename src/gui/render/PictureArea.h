#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

namespace orvane {

class WinBitmap;

// A picture area that shows a paletted WinBitmap: the first H rows of its buffer through
// its colour table, drawn unscaled at (0, 0). The window that owns it fixes its size
// (W x Hp). Mouse and key events come out in the editor's own terms: buttons 1 left,
// 2 right, 4 middle, shift mask 1 Shift, 2 Ctrl, 4 Alt, coordinates in bitmap pixels.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    // Shows the bitmap through its current colour table and schedules a repaint; returns
    // the number of rows shown. When W is a multiple of 4 the widget paints straight from
    // the bitmap's buffer without copying it, so the bitmap must outlive the widget (the
    // editor's bitmaps live as long as the editor) and pixels drawn afterwards appear at
    // the next paint; windows draw and show in one handler, so in practice that is the
    // next ShowBitmap anyway.
    int ShowBitmap(const WinBitmap& bmp);

    // What the last ShowBitmap set up (for tests and benchmarks).
    const QImage& shownImage() const { return m_image; }
    bool sharesBitmapBuffer() const { return m_shared; }

signals:
    // Press and release report the button that changed; a move reports every button held
    // and is only sent while at least one is.
    void mouseDown(int button, int shift, int x, int y);
    void mouseMove(int button, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);
    void keyDown(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copyRows(const WinBitmap& bmp, int W, int H);

    const WinBitmap* m_source = nullptr;
    QImage m_image;
    bool m_shared = false; // m_image wraps m_source's buffer
    void convert(uint64_t pixelVersion);

    QList<QRgb> m_colourTable;
    uint64_t m_shownPixelVersion = 0; // of the bitmap when shown (copied images)
    // What the last paint drew, slots looked up, with the colours and the pixel version
    // it was made from: a colour-only change rewrites just the pixels whose colour changed.
    QImage m_rgb;
    QList<QRgb> m_rgbTable;
    uint64_t m_rgbPixelVersion = 0;
    bool m_rgbValid = false;
};

} // namespace orvane
