#pragma once

// What the benchmark programs share: timing helpers and the real main window started on a
// private copy of one game's demo bundle, with the palette animation stopped so only the
// work measured runs.

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <memory>

#include "gui/app/Orvane_Main.h"
#include "gui/app/ToolWindow.h"

namespace orvane::bench {

// Microseconds per repetition of `body`, the best of `runs` runs: the best run keeps other
// work on a shared machine out of the figure as far as it can.
inline double bestMicroseconds(int reps, const std::function<void()>& body, int runs = 5) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < reps; ++i)
            body();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / reps);
    }
    return best;
}

// CPU time of the whole process: Qt converts images on a thread pool, so the calling
// thread alone would undercount.
inline double cpuMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

// The same in CPU time of the whole process, which other programs on a busy machine
// disturb far less than the clock.
inline double bestCpuMicroseconds(int reps, const std::function<void()>& body, int runs = 5) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const double start = cpuMicroseconds();
        for (int i = 0; i < reps; ++i)
            body();
        best = std::min(best, (cpuMicroseconds() - start) / reps);
    }
    return best;
}

// Runs the offscreen platform unless another one is asked for.
inline void useOffscreenByDefault() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

class DemoSession {
public:
    // Starts the editor on `mode`'s demo ROM; false (with a message on stderr) on failure.
    bool start(const QString& mode) {
        const QString bundle = ORVANE_DEMO_DIR;
        for (const QString& name : {QString("orvane.cfg"), QString("orvane.dat"),
                                    QString("nes.pal"), mode + "-demo.nes"}) {
            if (!QFile::copy(bundle + "/" + name, m_home.filePath(name))) {
                std::fprintf(stderr, "cannot copy %s from %s\n", qPrintable(name),
                             qPrintable(bundle));
                return false;
            }
            QFile::setPermissions(m_home.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        }
        StartupOptions options;
        options.mode = mode;
        options.rom = m_home.filePath(mode + "-demo.nes");
        options.home = m_home.path();
        m_main = std::make_unique<Orvane_Main>(options);
        m_main->setMessageSink(
            [](const QString& t) { std::fprintf(stderr, "message: %s\n", qPrintable(t)); });
        // The edits a benchmark makes are thrown away when it closes the window.
        m_main->setQuestionSink([](const QString&) { return QMessageBox::Discard; });
        if (!m_main->startUp()) return false;
        m_main->paletteTimer()->stop();
        m_main->show();
        return true;
    }

    // Opens those of `ids` this build has; returns the captions of the windows now shown.
    QStringList open(std::initializer_list<WindowId> ids) {
        QStringList shown;
        for (WindowId id : ids) {
            if (!Orvane_Main::windowIsBuilt(id)) continue;
            m_main->openWindow(id);
            if (ToolWindow* w = m_main->shownWindow(id)) shown << w->windowTitle();
        }
        QApplication::processEvents();
        return shown;
    }

    Orvane_Main& main() { return *m_main; }

private:
    QTemporaryDir m_home;
    std::unique_ptr<Orvane_Main> m_main;
};

} // namespace orvane::bench
