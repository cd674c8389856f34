// How long the drawing hot loops take: a full 32 x 32 screen of tiles at scale 1 and 2,
// the same number of bytes moved by plain memcpy for comparison, and a screen drawn and
// shown on a picture area (offscreen platform, repaint forced). Prints microseconds per
// repetition (CPU time of the drawing thread), the best of several runs.
#include <QApplication>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

#include "core/level/Rom.h"
#include "core/render/TileDrawing.h"
#include "core/render/WinBitmap.h"
#include "gui/render/PictureArea.h"

using namespace orvane;

namespace {

double bestMicroseconds(int reps, const std::function<void()>& body) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < reps; ++i)
            body();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / reps);
    }
    return best;
}

Rom makeRom() {
    std::vector<uint8_t> bytes(256 * 1024 + 16);
    uint32_t s = 12345;
    for (auto& b : bytes) {
        s = s * 1103515245u + 12345u;
        b = uint8_t(s >> 16);
    }
    return Rom(std::move(bytes));
}

void drawScreen(WinBitmap& bmp, const Rom& rom, int scale) {
    for (int t = 0; t < 1024; ++t)
        DrawTile(bmp, rom, 16.0 + 16.0 * t, t & 3, 8 * scale * (t % 32), 8 * scale * (t / 32),
                 scale);
}

void drawSprites(WinBitmap& bmp, const Rom& rom) {
    for (int t = 0; t < 1024; ++t)
        DrawSprTile(bmp, rom, 16.0 + 16.0 * t, 16 + (t & 3), 8 * (t % 32), 8 * (t / 32), 1, t & 1,
                    (t >> 1) & 1);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Rom rom = makeRom();

    WinBitmap small, large;
    small.InitBitmap(256, 256);
    large.InitBitmap(512, 512);
    for (int s = 0; s < 256; ++s)
        small.colours()[size_t(s)] = large.colours()[size_t(s)] = s * 0x010203u;

    const double tiles1 = bestMicroseconds(200, [&] { drawScreen(small, rom, 1); });
    const double tiles2 = bestMicroseconds(100, [&] { drawScreen(large, rom, 2); });
    const double sprites1 = bestMicroseconds(200, [&] { drawSprites(small, rom); });

    std::vector<uint8_t> from(512 * 512, 1), to(512 * 512);
    volatile uint8_t sink = 0;
    const double copy1 = bestMicroseconds(2000, [&] {
        std::memcpy(to.data(), from.data(), 256 * 256);
        sink = sink + to[static_cast<size_t>(sink) & 0xFF];
    });
    const double copy2 = bestMicroseconds(1000, [&] {
        std::memcpy(to.data(), from.data(), 512 * 512);
        sink = sink + to[static_cast<size_t>(sink) & 0xFF];
    });

    PictureArea area;
    area.setFixedSize(256, 256);
    area.show();
    QApplication::processEvents();
    const double showOnly = bestMicroseconds(200, [&] {
        area.ShowBitmap(small);
        area.repaint();
    });
    const double drawAndShow = bestMicroseconds(200, [&] {
        drawScreen(small, rom, 1);
        area.ShowBitmap(small);
        area.repaint();
    });

    std::printf("1024 tiles, scale 1, 256x256:       %8.1f us\n", tiles1);
    std::printf("1024 tiles, scale 2, 512x512:       %8.1f us\n", tiles2);
    std::printf("1024 sprite tiles, flipped, scale 1: %7.1f us\n", sprites1);
    std::printf("memcpy 65536 bytes:                 %8.1f us\n", copy1);
    std::printf("memcpy 262144 bytes:                %8.1f us\n", copy2);
    std::printf("ShowBitmap + repaint 256x256:       %8.1f us\n", showOnly);
    std::printf("full screen drawn + shown + painted:%8.1f us\n", drawAndShow);
    return 0;
}
