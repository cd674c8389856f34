#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

// The eleven paletted bitmaps of the editor's picture areas.
enum BitmapId {
    kBmpPalEdPal = 0,    // PalEd PalPic
    kBmpPalEdPal2 = 1,   // PalEd PalPic2
    kBmpTileTable = 2,   // TileTable pic1
    kBmpTsa = 3,         // TSATable tsapic
    kBmpTsaPal = 4,      // TSATable PalPic
    kBmpStrTable = 5,    // StrTable StrPic
    kBmpScreenEd = 6,    // ScreenEd ScreenPic
    kBmpEnemEd = 7,      // EnemEd ScreenPic (shown)
    kBmpEnemEdClean = 8, // EnemEd background under the sprites, never shown
    kBmpEnemEdTiles = 9, // EnemEd TilePic
    kBmpEnemEdPal = 10,  // EnemEd PalPic
    kBitmapCount = 11
};

// An 8-bit paletted bitmap: a 40-byte bitmap header, a 256-entry colour table of
// 0x00RRGGBB values and a pixel buffer of colour-slot numbers. Pixel (x, y) is byte
// W*y + x; the buffer holds (2W - 2)(H - 1) bytes, of which the first H rows are shown.
class WinBitmap {
public:
    static constexpr int kHeaderSize = 40;

    // Sets up the header from the picture area's overall width W, client height H and
    // overall height Hp (the line routines clip to W*Hp), and a zeroed buffer. The
    // colour table is left as it is (Update_Global_Pal keeps entries 0..127 current).
    void InitBitmap(int W, int H, int overallHeight = -1);

    bool isSet() const { return m_width > 0; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int overallHeight() const { return m_overallHeight; }

    // The header's fields in order, little-endian, as the platform's bitmap copy takes them.
    std::array<uint8_t, kHeaderSize> header() const;

    std::vector<uint8_t>& pixels() { return m_pixels; }
    const std::vector<uint8_t>& pixels() const { return m_pixels; }
    uint8_t pixel(int x, int y) const; // 0 outside the buffer
    std::array<uint32_t, 256>& colours() { return m_colours; }
    const std::array<uint32_t, 256>& colours() const { return m_colours; }

    // Bumped whenever pixels or colours are changed through the routines, so a view
    // knows it must copy again.
    uint64_t version() const { return m_version; }
    void touch() { ++m_version; }
    // Bumped only when pixels change (drawing routines, set-up), so a view can tell a
    // colour-only change, which needs no pixel walk for unchanged colours, from a redraw.
    uint64_t pixelVersion() const { return m_pixelVersion; }
    void touchPixels() {
        ++m_pixelVersion;
        ++m_version;
    }

private:
    int m_width = 0;
    int m_height = 0;
    int m_overallHeight = 0;
    std::vector<uint8_t> m_pixels;
    std::array<uint32_t, 256> m_colours{};
    uint64_t m_version = 0;
    uint64_t m_pixelVersion = 0;
};

} // namespace orvane
