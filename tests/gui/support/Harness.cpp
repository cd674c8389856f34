#include "gui/support/Harness.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTimer>

#include "gui/app/Orvane_Main.h"

namespace orvane {

namespace {
// "name", "name(a)" or "name(a,b)".
QString call(const QString& name, int a, int b) {
    return a < 0   ? name
           : b < 0 ? QString("%1(%2)").arg(name).arg(a)
                   : QString("%1(%2,%3)").arg(name).arg(a).arg(b);
}
} // namespace

void FakeHub::rec(const QString& name, int a, int b) {
    calls << call(name, a, b);
    if (onCall) onCall(calls.last());
}

void RecordingWindow::rec(const QString& what, int a, int b) {
    m_log << m_name + "." + call(what, a, b);
}

QString windowName(WindowId id) {
    static const char* const kNames[] = {"PalEd",    "TileTable", "TSATable", "StrTable",
                                         "ScreenEd", "EnemEd",    "MiscEd",   "Config",
                                         "DumpRes",  "PalChart",  "LevelMap"};
    return kNames[int(id)];
}

DemoHome::DemoHome(const QString& mode) : m_mode(mode) {
    for (const QString& name :
         {QString("orvane.cfg"), QString("orvane.dat"), QString("nes.pal"), mode + "-demo.nes"})
        write(name, testing::readFile(ORVANE_DEMO_DIR "/" + name));
}

StartupOptions DemoHome::options() const {
    StartupOptions o;
    o.mode = m_mode;
    o.rom = romPath();
    o.home = m_dir.path();
    return o;
}

QByteArray DemoHome::read(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DemoHome::write(const QString& name, const QByteArray& bytes) {
    QFile f(path(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

StartedMain::StartedMain(const QString& mode,
                         const std::function<void(DemoHome&, StartupOptions&)>& prepare)
    : home(mode) {
    StartupOptions options = home.options();
    if (prepare) prepare(home, options);
    main = std::make_unique<Orvane_Main>(options);
    main->setMessageSink([this](const QString& text) { messages << text; });
    const bool started = main->startUp();
    animating = main->paletteTimer()->isActive();
    main->paletteTimer()->stop();
    exitCode = main->exitCode();
    if (!started) main.reset();
}

StartedMain::~StartedMain() = default;

namespace {
void send(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

void press(QWidget* w, Qt::MouseButton button, QPoint at) {
    send(w, QEvent::MouseButtonPress, button, button, at);
}

void release(QWidget* w, Qt::MouseButton button, QPoint at) {
    send(w, QEvent::MouseButtonRelease, button, Qt::NoButton, at);
}

void dragTo(QWidget* w, Qt::MouseButtons held, QPoint at) {
    send(w, QEvent::MouseMove, Qt::NoButton, held, at);
}

} // namespace orvane
