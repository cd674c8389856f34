#include "gui/render/PictureArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cstring>

#include "core/render/WinBitmap.h"
#include "gui/app/Controls.h"
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
    // right after a click. Moves are reported while a button is held, and with no button
    // too once the owner turns mouse tracking on.
    setFocusPolicy(Qt::StrongFocus);
}

int PictureArea::ShowBitmap(const WinBitmap& bmp) {
    // A picture shown again after an edit under a still pointer (a click that painted a
    // block, stepped a colour) tells what now lies there.
    if (m_hoverText && m_hoverAt && underMouse())
        showHover(m_hoverText(m_hoverAt->x(), m_hoverAt->y()));
    const int W = bmp.width();
    const int H = bmp.height();
    if (m_source != &bmp) m_rgbValid = m_copyValid = false;
    m_source = &bmp;
    if (W <= 0 || H <= 0) {
        m_image = QImage();
        m_rgb = QImage();
        m_rgbValid = m_copyValid = false;
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
        // The same pixels shown again (a colour change) need no new copy.
        if (m_shared || !m_copyValid || m_copiedPixelVersion != bmp.pixelVersion()) {
            copyRows(bmp, W, H);
            m_copiedPixelVersion = bmp.pixelVersion();
            m_copyValid = true;
        }
        m_shared = false;
    }
    m_image.setColorTable(m_colourTable);
    const QRect changed = convert(bmp.pixelVersion());
    if (!changed.isEmpty()) update(changed);
    return H;
}

void PictureArea::copyRows(const WinBitmap& bmp, int W, int H) {
    if (m_shared || m_image.width() != W || m_image.height() != H ||
        m_image.format() != QImage::Format_Indexed8)
        m_image = QImage(W, H, QImage::Format_Indexed8);
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
    const QRect area = event->rect() & m_rgb.rect();
    if (m_rgb.isNull() || area.isEmpty()) return;
    QPainter painter(this);
    painter.drawImage(area.topLeft(), m_rgb, area);
}

// Looking the slots up here is about twice as cheap as handing the painter the indexed
// image, which converts it on a thread pool and then blends it.
QRect PictureArea::convert(uint64_t pixelVersion) {
    const bool sameLayout =
        m_rgbValid && m_rgb.size() == m_image.size() && m_rgbPixelVersion == pixelVersion;
    QRect changedRows;
    if (!sameLayout) {
        convertAll();
        m_slotIndexValid = false;
        m_recolouredSinceDrawn = false;
        changedRows = m_rgb.rect();
    } else {
        const QRgb* table = m_colourTable.constData();
        // Only the slots the pixels use matter: a palette load that rewrites the others
        // (the sprite tiles after a background palette change) leaves the picture as it is.
        bool any = false;
        for (int i = 0; i < 256 && !any; ++i)
            any = m_usedSlots[size_t(i)] && m_rgbTable[i] != table[i];
        if (!any) return {};
        if (!m_slotIndexValid && !m_recolouredSinceDrawn) {
            // The first new colours after a drawing (a screen change reloads the palette
            // right after drawing the screen) are cheaper converted whole than through an
            // index that may never be used again; a second recolouring of the same pixels
            // (a palette animation) builds the index.
            convertAll();
            m_recolouredSinceDrawn = true;
            changedRows = m_rgb.rect();
            m_rgbTable = m_colourTable;
            return changedRows;
        }
        if (!m_slotIndexValid) buildSlotIndex();
        // RGB32 rows hold exactly W pixels, so a position y*W + x addresses the pixels.
        auto* out = reinterpret_cast<QRgb*>(m_rgb.bits());
        const int W = m_rgb.width();
        uint32_t first = UINT32_MAX, last = 0;
        for (int slot = 0; slot < 256; ++slot) {
            if (m_rgbTable[slot] == table[slot]) continue;
            const uint32_t from = m_slotStart[size_t(slot)], to = m_slotStart[size_t(slot) + 1];
            if (from == to) continue;
            for (uint32_t k = from; k < to; ++k)
                out[m_slotPositions[k]] = table[slot];
            first = std::min(first, m_slotPositions[from]);
            last = std::max(last, m_slotPositions[to - 1]);
        }
        if (first <= last) {
            const int top = int(first) / W, bottom = int(last) / W;
            changedRows = QRect(0, top, W, bottom - top + 1);
        }
    }
    m_rgbTable = m_colourTable;
    m_rgbPixelVersion = pixelVersion;
    m_rgbValid = true;
    return changedRows;
}

void PictureArea::convertAll() {
    const int W = m_image.width(), H = m_image.height();
    if (m_rgb.size() != m_image.size()) m_rgb = QImage(m_image.size(), QImage::Format_RGB32);
    const QRgb* table = m_colourTable.constData();
    m_usedSlots.fill(false);
    for (int y = 0; y < H; ++y) {
        const uchar* from = m_image.constScanLine(y);
        auto* to = reinterpret_cast<QRgb*>(m_rgb.scanLine(y));
        for (int x = 0; x < W; ++x) {
            to[x] = table[from[x]];
            m_usedSlots[from[x]] = true;
        }
    }
}

// Pixel positions grouped by slot, each group in increasing order (a counting sort).
void PictureArea::buildSlotIndex() {
    const int W = m_image.width(), H = m_image.height();
    std::array<uint32_t, 256> counts{};
    for (int y = 0; y < H; ++y) {
        const uchar* row = m_image.constScanLine(y);
        for (int x = 0; x < W; ++x)
            ++counts[row[x]];
    }
    m_slotStart[0] = 0;
    for (int s = 0; s < 256; ++s)
        m_slotStart[size_t(s) + 1] = m_slotStart[size_t(s)] + counts[size_t(s)];
    m_slotPositions.resize(size_t(W) * size_t(H));
    std::array<uint32_t, 256> next;
    std::copy_n(m_slotStart.begin(), 256, next.begin());
    for (int y = 0; y < H; ++y) {
        const uchar* row = m_image.constScanLine(y);
        for (int x = 0; x < W; ++x)
            m_slotPositions[next[row[x]]++] = uint32_t(y * W + x);
    }
    m_slotIndexValid = true;
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(buttonMask(event->button()), modifierMask(event->modifiers()), pixelX(event),
                   pixelY(event));
}

void PictureArea::setHoverText(std::function<QString(int, int)> text) {
    m_hoverText = std::move(text);
    setMouseTracking(true);
}

void PictureArea::showHover(const QString& text) {
    if (text == m_hover) return;
    m_hover = text;
    sendStatusTip(this, text);
}

void PictureArea::leaveEvent(QEvent* event) {
    m_hoverAt.reset();
    if (m_hoverText) showHover(QString());
    QWidget::leaveEvent(event);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    if (m_hoverText) {
        m_hoverAt = QPoint(pixelX(event), pixelY(event));
        showHover(m_hoverText(m_hoverAt->x(), m_hoverAt->y()));
    }
    const int held = buttonMask(event->buttons());
    if (held == 0 && !hasMouseTracking()) return;
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
