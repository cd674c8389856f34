#pragma once

#include <QImage>
#include <QList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

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

    // Shows the bitmap through its current colour table and repaints what changed;
    // returns the number of rows shown. The picture keeps showing these pixels and colours
    // until the next show. When W is a multiple of 4, shownImage() wraps the bitmap's own
    // buffer, so the bitmap must outlive the widget (the editor's bitmaps live as long as
    // the editor).
    int ShowBitmap(const WinBitmap& bmp);

    // The text that tells what lies under bitmap pixel (x, y), sent as a status tip while
    // the pointer moves over the picture (mouse tracking goes on, so mouseMove then comes
    // with button 0 too).
    void setHoverText(std::function<QString(int x, int y)> text);

    // What the last ShowBitmap set up (for tests and benchmarks).
    const QImage& shownImage() const { return m_image; }
    bool sharesBitmapBuffer() const { return m_shared; }

signals:
    // Press and release report the button that changed; a move reports every button held
    // and is only sent while at least one is, unless mouse tracking is on (button 0).
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
    void leaveEvent(QEvent* event) override;

private:
    void showHover(const QString& text);
    std::function<QString(int, int)> m_hoverText;
    QString m_hover;
    std::optional<QPoint> m_hoverAt; // the bitmap pixel the pointer is over, once it moved

    void copyRows(const WinBitmap& bmp, int W, int H);
    // Brings m_rgb up to the shown pixels and colours; returns the rows that changed.
    QRect convert(uint64_t pixelVersion);
    void convertAll();
    void buildSlotIndex();

    const WinBitmap* m_source = nullptr;
    QImage m_image;        // the shown pixels as slot numbers, through m_colourTable
    bool m_shared = false; // m_image wraps m_source's buffer
    // Otherwise m_image is a copy of the pixels of this version of m_source.
    uint64_t m_copiedPixelVersion = 0;
    bool m_copyValid = false;
    QList<QRgb> m_colourTable;

    // What the picture paints: the slots looked up when the bitmap was shown, so it keeps
    // showing them until the next show. Made with m_rgbTable from pixel version
    // m_rgbPixelVersion; a colour-only show rewrites just the pixels whose colour changed,
    // found through the slot index (pixel positions grouped by slot), built on the first
    // colour-only show after a redraw.
    QImage m_rgb;
    QList<QRgb> m_rgbTable;
    std::array<bool, 256> m_usedSlots{}; // the slots m_rgb's pixels were made from
    uint64_t m_rgbPixelVersion = 0;
    bool m_rgbValid = false;
    std::vector<uint32_t> m_slotPositions;
    std::array<uint32_t, 257> m_slotStart{};
    bool m_slotIndexValid = false;
    bool m_recolouredSinceDrawn = false;
};

} // namespace orvane
