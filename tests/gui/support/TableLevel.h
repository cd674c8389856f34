#pragma once

// A small level for the block, structure and tile windows' tests: block, attribute and
// structure tables at known positions, 256 tiles whose pixels are easy to recompute, and
// block type names for every game. Header-only so it cannot clash with other helpers.

#include <QApplication>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/Editor.h"

namespace orvane::tables {

inline constexpr int64_t kBlockTiles = 0x1001; // P(3)
inline constexpr int64_t kBlockAttrs = 0x1401; // P(4)
inline constexpr int64_t kStructures = 0x1501; // P(5)
inline constexpr int64_t kChrOffset = 0x2000;  // tile t at file offset kChrOffset + 16t

// The two bit planes of row r of tile t: every tile and row differ.
inline uint8_t plane0(int t, int r) {
    return static_cast<uint8_t>(t * 7 + r * 13 + 1);
}
inline uint8_t plane1(int t, int r) {
    return static_cast<uint8_t>(t * 11 + r * 5 + 0x3C);
}
inline int tileColour(int t, int r, int c) {
    return 2 * ((plane1(t, r) >> (7 - c)) & 1) + ((plane0(t, r) >> (7 - c)) & 1);
}

inline QString typeName(int mode, int t) {
    return QString("m%1 type %2").arg(mode + 3).arg(t);
}

// Default contents: quarter q of block b holds tile (b + 64q) mod 256; block b's
// attribute is type b / 16, palette b mod 4; quarter q of structure s holds block
// (4s + q) mod 256.
inline void setUpLevel(Editor& ed, int mode) {
    ed.EditMode = mode;
    ed.RomImage.assign(std::vector<uint8_t>(0x4000, 0));
    ResourceData& res = *ed.Res;
    for (int m = 0; m < 3; ++m)
        res.ResIndex[static_cast<size_t>(m)] = static_cast<int16_t>(64 * m);
    res.ResIndex[3] = 192; // all kinds 0
    res.ResData[static_cast<size_t>(64 * mode + 3)] = kBlockTiles;
    res.ResData[static_cast<size_t>(64 * mode + 4)] = kBlockAttrs;
    res.ResData[static_cast<size_t>(64 * mode + 5)] = kStructures;
    ed.RomParams.resolveAbsolute(res);

    // Type names: slot 7 + game holds 16 string indices.
    int next = 1000;
    for (int m = 0; m < 3; ++m) {
        res.ResIndex[static_cast<size_t>(7 + m)] = static_cast<int16_t>(400 + 16 * m);
        for (int t = 0; t < 16; ++t) {
            res.ResData[static_cast<size_t>(400 + 16 * m + t)] = next;
            for (QChar ch : typeName(m, t))
                res.ResData[static_cast<size_t>(next++)] = ch.unicode();
            res.ResData[static_cast<size_t>(next++)] = 255;
        }
    }

    for (int t = 0; t < 256; ++t) {
        ed.TileAddr[static_cast<size_t>(t)] = kChrOffset + 16 * t;
        for (int r = 0; r < 8; ++r) {
            ed.setByte(kChrOffset + 16 * t + r + 1, plane0(t, r));
            ed.setByte(kChrOffset + 16 * t + 8 + r + 1, plane1(t, r));
        }
    }
    for (int b = 0; b < 256; ++b) {
        for (int q = 0; q < 4; ++q)
            ed.setByte(kBlockTiles + 256 * q + b, (b + 64 * q) & 0xFF);
        ed.setByte(kBlockAttrs + b, (b / 16) << 4 | (b % 4));
    }
    for (int s = 0; s < 256; ++s)
        for (int q = 0; q < 4; ++q)
            ed.setByte(kStructures + 4 * s + q, (4 * s + q) & 0xFF);
}

inline int blockTile(const Editor& ed, int block, int quarter) {
    return ed.byte(kBlockTiles + 256 * quarter + block);
}
inline int blockPalette(const Editor& ed, int block) {
    return ed.byte(kBlockAttrs + block) & 0x0F;
}

// Mouse events as the pointer delivers them: a press or release of one button, or a move
// with the buttons held. Positions may lie outside the widget (a drag leaving it).
inline void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                      QPoint at) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
inline void press(QWidget* w, Qt::MouseButton button, QPoint at) {
    sendMouse(w, QEvent::MouseButtonPress, button, button, at);
}
inline void release(QWidget* w, Qt::MouseButton button, QPoint at) {
    sendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
}
inline void dragTo(QWidget* w, Qt::MouseButtons held, QPoint at) {
    sendMouse(w, QEvent::MouseMove, Qt::NoButton, held, at);
}

} // namespace orvane::tables
