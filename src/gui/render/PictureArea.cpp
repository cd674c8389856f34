#include "gui/render/PictureArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cstring>

#include "core/render/WinBitmap.h"
#include "gui/app/KeyCodes.h"

namespace orvane {

namespace {

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= 1;
    if (buttons & Qt::RightButton) mask |= 2;
    if (buttons & Qt::MiddleButton) mask |= 4;
    return mask;
}

int modifierMask(Qt::KeyboardModifiers m) {
    int mask = 0;
    if (m & Qt::ShiftModifier) mask |= kShift;
    if (m & Qt::ControlModifier) mask |= kCtrl;
    if (m & Qt::AltModifier) mask |= kAlt;
    return mask;
}

int pixelX(const QMouseEvent* e) {
    return qFloor(e->position().x());
}
int pixelY(const QMouseEvent* e) {
    return qFloor(e->position().y());
}

} // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent), m_colourTable(256) {
    // Clicking a picture gives it the keyboard, so arrow keys and the shared keys work
    // right after a click; moves are only wanted while a button is held (no tracking).
    setFocusPolicy(Qt::StrongFocus);
}

int PictureArea::ShowBitmap(const WinBitmap& bmp) {
    const int W = bmp.width();
    const int H = bmp.height();
    if (m_source != &bmp) m_rgbValid = false;
    m_source = &bmp;
    if (W <= 0 || H <= 0) {
        m_image = QImage();
        m_shared = false;
        update();
        return 0;
    }
    for (int i = 0; i < 256; ++i)
        m_colourTable[i] = 0xFF000000u | (bmp.colours()[static_cast<size_t>(i)] & 0xFFFFFFu);

    // Painting reads 32-bit aligned rows, so only a buffer with W a multiple of 4 that
    // holds all H rows can be painted in place; anything else is copied into an image of
    // our own, padded per row.
    const auto needed = static_cast<qsizetype>(W) * H;
    const std::vector<uint8_t>& px = bmp.pixels();
    if (W % 4 == 0 && static_cast<qsizetype>(px.size()) >= needed) {
        // The non-const constructor matters: an image over read-only data would copy
        // itself as soon as the colour table is set.
        m_image = QImage(const_cast<uchar*>(px.data()), W, H, W, QImage::Format_Indexed8);
        m_shared = true;
    } else {
        copyRows(bmp, W, H);
        m_shared = false;
    }
    m_image.setColorTable(m_colourTable);
    m_shownPixelVersion = bmp.pixelVersion();
    update();
    return H;
}

void PictureArea::copyRows(const WinBitmap& bmp, int W, int H) {
    if (m_shared || m_image.width() != W || m_image.height() != H ||
        m_image.format() != QImage::Format_Indexed8)
        m_image = QImage(W, H, QImage::Format_Indexed8);
    m_rgbValid = false;
    const std::vector<uint8_t>& px = bmp.pixels();
    const auto size = static_cast<qsizetype>(px.size());
    for (int y = 0; y < H; ++y) {
        uchar* line = m_image.scanLine(y);
        const qsizetype start = static_cast<qsizetype>(y) * W;
        const qsizetype have = std::clamp<qsizetype>(size - start, 0, W);
        if (have > 0) std::memcpy(line, px.data() + start, static_cast<size_t>(have));
        std::memset(line + have, 0, static_cast<size_t>(m_image.bytesPerLine() - have));
    }
}

void PictureArea::paintEvent(QPaintEvent* event) {
    if (m_image.isNull()) return;
    // A bitmap set up again since it was shown may have moved its buffer; the image
    // would then point at freed memory, so wait for the next ShowBitmap.
    if (m_shared && (!m_source || m_source->pixels().data() != m_image.constBits() ||
                     static_cast<qsizetype>(m_source->pixels().size()) < m_image.sizeInBytes()))
        return;
    const QRect area = event->rect() & m_image.rect();
    if (area.isEmpty()) return;
    // A shared buffer may have been drawn into since the show; a copy is as it was then.
    convert(m_shared ? m_source->pixelVersion() : m_shownPixelVersion);
    QPainter painter(this);
    painter.drawImage(area.topLeft(), m_rgb, area);
}

// Looks the slots up into the 32-bit image the paint draws. Doing it here is about twice
// as cheap as handing the painter the indexed image, which converts it on a thread pool
// and then blends it. When only colours changed since the last conversion (the palette
// animation), only the pixels whose slot changed colour are rewritten.
void PictureArea::convert(uint64_t pixelVersion) {
    const int W = m_image.width(), H = m_image.height();
    const QRgb* table = m_colourTable.constData();
    const bool sameLayout =
        m_rgbValid && m_rgb.size() == m_image.size() && m_rgbPixelVersion == pixelVersion;
    if (sameLayout) {
        bool changed[256];
        bool any = false;
        for (int i = 0; i < 256; ++i)
            any |= (changed[i] = m_rgbTable[i] != table[i]);
        if (!any) return;
        for (int y = 0; y < H; ++y) {
            const uchar* from = m_image.constScanLine(y);
            auto* to = reinterpret_cast<QRgb*>(m_rgb.scanLine(y));
            for (int x = 0; x < W; ++x)
                if (changed[from[x]]) to[x] = table[from[x]];
        }
    } else {
        if (m_rgb.size() != m_image.size()) m_rgb = QImage(m_image.size(), QImage::Format_RGB32);
        for (int y = 0; y < H; ++y) {
            const uchar* from = m_image.constScanLine(y);
            auto* to = reinterpret_cast<QRgb*>(m_rgb.scanLine(y));
            for (int x = 0; x < W; ++x)
                to[x] = table[from[x]];
        }
    }
    m_rgbTable = m_colourTable;
    m_rgbPixelVersion = pixelVersion;
    m_rgbValid = true;
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(buttonMask(event->button()), modifierMask(event->modifiers()), pixelX(event),
                   pixelY(event));
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    const int held = buttonMask(event->buttons());
    if (held == 0) return;
    emit mouseMove(held, modifierMask(event->modifiers()), pixelX(event), pixelY(event));
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(buttonMask(event->button()), modifierMask(event->modifiers()), pixelX(event),
                 pixelY(event));
}

void PictureArea::keyPressEvent(QKeyEvent* event) {
    emit keyDown(keyCodeOf(event), shiftMaskOf(event));
    // Left unaccepted, the key goes on to the tool window, which hands the shared keys
    // (F5..F9, Shift+letter) to the main window.
    event->ignore();
}

} // namespace orvane
