// How long the drawing hot loops take: a full 32 x 32 screen of tiles at scale 1 and 2,
// the same number of bytes moved by plain memcpy for comparison, and a screen drawn and
// shown on a picture area (offscreen platform, repaint forced). Prints microseconds per
// repetition, wall clock and process CPU time, each the best of several runs.
#include <QApplication>

#include <algorithm>
#include <chrono>
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

struct Timing {
    double wall; // microseconds per repetition, wall clock
    double cpu;  // the same in CPU time of the whole process: Qt converts images on a
                 // thread pool, so the drawing thread alone would undercount
};

double processCpuMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

// The best of several runs keeps other work on a shared machine out of the figures as far
// as it can.
Timing measure(int reps, const std::function<void()>& body) {
    Timing best{1e300, 1e300};
    for (int run = 0; run < 7; ++run) {
        const auto wall0 = std::chrono::steady_clock::now();
        const double cpu0 = processCpuMicroseconds();
        for (int i = 0; i < reps; ++i)
            body();
        const double cpu = (processCpuMicroseconds() - cpu0) / reps;
        const std::chrono::duration<double, std::micro> wall =
            std::chrono::steady_clock::now() - wall0;
        best.wall = std::min(best.wall, wall.count() / reps);
        best.cpu = std::min(best.cpu, cpu);
    }
    return best;
}

void report(const char* what, Timing t) {
    std::printf("%-38s %9.1f us wall %9.1f us cpu\n", what, t.wall, t.cpu);
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

    report("1024 tiles, scale 1, 256x256", measure(200, [&] { drawScreen(small, rom, 1); }));
    report("1024 tiles, scale 2, 512x512", measure(100, [&] { drawScreen(large, rom, 2); }));
    report("1024 sprite tiles, flipped, scale 1", measure(200, [&] { drawSprites(small, rom); }));

    std::vector<uint8_t> from(512 * 512, 1), to(512 * 512);
    volatile uint8_t sink = 0;
    report("memcpy 65536 bytes", measure(2000, [&] {
               std::memcpy(to.data(), from.data(), 256 * 256);
               sink = sink + to[static_cast<size_t>(sink) & 0xFF];
           }));
    report("memcpy 262144 bytes", measure(1000, [&] {
               std::memcpy(to.data(), from.data(), 512 * 512);
               sink = sink + to[static_cast<size_t>(sink) & 0xFF];
           }));

    PictureArea area;
    area.setFixedSize(256, 256);
    area.show();
    QApplication::processEvents();
    report("ShowBitmap + repaint 256x256", measure(200, [&] {
               area.ShowBitmap(small);
               area.repaint();
           }));
    report("screen drawn, shown and painted", measure(200, [&] {
               drawScreen(small, rom, 1);
               area.ShowBitmap(small);
               area.repaint();
           }));
    return 0;
}
