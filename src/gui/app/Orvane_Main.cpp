// The main window: construction, menus, keys and the tool-window set. Start-up, the
// file commands and the refresh chain live in the Orvane_Main_*.cpp files beside this.
#include "gui/app/Orvane_Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/EditGestures.h"
#include "gui/app/EditorStatusBar.h"
#include "gui/app/KeyCodes.h"
#include "gui/app/ToolWindow.h"
#include "gui/app/WindowFactory.h"
#include "gui/app/WindowOrder.h"

namespace orvane {

namespace {

QFont logFont() {
    QFont font("Lucida Console");
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

} // namespace

Orvane_Main::Orvane_Main(StartupOptions options, QWidget* parent)
    : QMainWindow(parent), m_options(std::move(options)) {
    setObjectName("Orvane_Main");
    // The mark shows while the image differs from the file last saved or loaded.
    setWindowTitle("Orvane - version 0.3[*]");
    setFocusPolicy(Qt::StrongFocus);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_log = new QPlainTextEdit(central);
    m_log->setObjectName("Log");
    m_log->setReadOnly(true);
    m_log->setFont(logFont());
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Keys belong to the window (Global_KeyDown), not to the log or the button.
    m_log->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_log);
    m_dumpResButton = new QPushButton("DumpRes", central);
    m_dumpResButton->setObjectName("Command1");
    m_dumpResButton->setFocusPolicy(Qt::NoFocus);
    connect(m_dumpResButton, &QPushButton::clicked, this, &Orvane_Main::showDumpRes);
    layout->addWidget(m_dumpResButton, 0, Qt::AlignLeft);
    setCentralWidget(central);
    resize(560, 420);

    m_palAnimT = new QTimer(this);
    m_palAnimT->setObjectName("PalAnimT");
    m_palAnimT->setInterval(15);
    connect(m_palAnimT, &QTimer::timeout, this, &Orvane_Main::paletteAnimationTick);

    m_messageSink = [this](const QString& text) { QMessageBox::information(this, "Orvane", text); };
    m_questionSink = [this](const QString& question) {
        return QMessageBox::question(this, "Orvane", question,
                                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                     QMessageBox::Save);
    };

    m_status = new EditorStatusBar(this);
    setStatusBar(m_status);
    buildMenus();
    m_gestures = std::make_unique<EditGestures>(
        this, m_ed.RomImage, [this] { Edit_Undo(); }, [this] { Edit_Redo(); });
}

Orvane_Main::~Orvane_Main() {
    m_gestures.reset();
    closeToolWindows();
}

void Orvane_Main::buildMenus() {
    // Function keys are listed in the captions but handled by Global_KeyDown, so that
    // they act the same in the main window and in every forwarding tool window.
    auto add = [this](QMenu* menu, const QString& name, const QString& caption, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("Menu_File");
    add(file, "File_Save", "Save\tF5", [this] { File_Save(); });
    add(file, "File_Back", "Load Backup\tF8", [this] { File_Back(); });
    add(file, "File_CreatePatch", "Create Patch...", [this] { File_CreatePatch(); });
    add(file, "File_ApplyPatch", "Apply Patch...", [this] { File_ApplyPatch(); });
    add(file, "File_ExportMap", "Export Level Map as PNG...", [this] { File_ExportMap(); });
    add(file, "File_Exit", "Exit", [this] { File_Exit(); });

    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z are taken by the gesture filter in every window.
    QMenu* edit = menuBar()->addMenu("Edit");
    edit->setObjectName("Menu_Edit");
    m_undoAction = add(edit, "Edit_Undo", "Undo\tCtrl+Z", [this] { Edit_Undo(); });
    m_redoAction = add(edit, "Edit_Redo", "Redo\tCtrl+Y", [this] { Edit_Redo(); });
    historyChanged();

    QMenu* level = menuBar()->addMenu("Level");
    level->setObjectName("Menu_View");
    for (const auto& v : windowOrder::kLevelMenu) {
        const WindowId id = v.id;
        QString caption = v.caption;
        if (v.shiftKey != 0) caption += QString("\tShift+") + v.shiftKey;
        QAction* a = add(level, v.name, caption, [this, id] { openWindow(id); });
        a->setEnabled(windowIsBuilt(id));
    }
    level->addSeparator();
    add(level, "Level_Next", "Next\tF7", [this] { Level_Next(); });
    add(level, "Level_Previous", "Previous\tF6", [this] { Level_Previous(); });

    QMenu* tools = menuBar()->addMenu("Tools");
    tools->setObjectName("Menu_Tools");
    add(tools, "Tools_Test", "Test!\tF9", [this] { Tools_Test(); });

    // A menu-bar entry without a submenu: a plain action on the bar.
    QAction* config = menuBar()->addAction("Config");
    config->setObjectName("Menu_Config");
    connect(config, &QAction::triggered, this, [this] { openWindow(WindowId::Config); });
}

void Orvane_Main::log(const QString& line) {
    m_log->appendPlainText(line);
}

QStringList Orvane_Main::logLines() const {
    return m_log->toPlainText().split('\n', Qt::SkipEmptyParts);
}

void Orvane_Main::message(const QString& text) {
    if (m_messageSink) m_messageSink(text);
}

void Orvane_Main::showHover(const QString& text) {
    m_status->showHover(text);
}

// ---- keys --------------------------------------------------------------------

void Orvane_Main::keyPressEvent(QKeyEvent* event) {
    Global_KeyDown(keyCodeOf(event), shiftMaskOf(event));
    QMainWindow::keyPressEvent(event);
}

void Orvane_Main::Global_KeyDown(int keyCode, int shift) {
    // Independent tests, in this order; the key is not consumed.
    if (keyCode == kKeyF7) Level_Next();
    if (keyCode == kKeyF6) Level_Previous();
    if (keyCode == kKeyF5) File_Save();
    if (keyCode == kKeyF8) File_Back();
    if (keyCode == kKeyF9) Tools_Test();
    if (shift != kShift) return; // Shift alone: not with Ctrl or Alt
    for (const auto& v : windowOrder::kLevelMenu)
        if (v.shiftKey != 0 && keyCode == v.shiftKey) openWindow(v.id);
}

// ---- level navigation --------------------------------------------------------

void Orvane_Main::Level_Next() {
    if (m_ed.CurLevel == m_ed.lastLevel()) {
        m_status->announce("Last level");
        return;
    }
    ++m_ed.CurLevel;
    Update_Level();
}

void Orvane_Main::Level_Previous() {
    if (m_ed.CurLevel == 0) {
        m_status->announce("First level");
        return;
    }
    --m_ed.CurLevel;
    Update_Level();
}

// ---- tool windows --------------------------------------------------------------

bool Orvane_Main::windowIsBuilt(WindowId id) {
    return toolWindowIsBuilt(id);
}

ToolWindow* Orvane_Main::makeWindow(WindowId id) {
    return createToolWindow(id, *this, this);
}

ToolWindow* Orvane_Main::createWindow(WindowId id) {
    ToolWindow* w = makeWindow(id);
    if (!w) return nullptr;
    QList<QRect> shownFrames;
    for (const auto& other : m_windows)
        if (other && other->isVisible()) shownFrames << other->frameGeometry();
    m_places.placeToolWindow(id, w, shownFrames);
    w->installEventFilter(this);
    m_windows[static_cast<size_t>(id)] = w;
    return w;
}

void Orvane_Main::showDumpRes() {
    // The dump window is shown as it is, without a refresh.
    ToolWindow* w = existingWindow(WindowId::DumpRes);
    if (!w) w = createWindow(WindowId::DumpRes);
    w->show();
    w->raise();
    w->activateWindow();
}

void Orvane_Main::showWithWindows() {
    m_places.placeMainWindow();
    show();
    activateWindow();
    for (int i = 0; i < kWindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (!m_places.wasOpen(id)) continue;
        if (id == WindowId::DumpRes)
            showDumpRes();
        else
            openWindow(id);
    }
}

bool Orvane_Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close)
        for (int i = 0; i < kWindowCount; ++i)
            if (m_windows[size_t(i)] == watched)
                m_places.keep(static_cast<WindowId>(i), m_windows[size_t(i)], false);
    return QMainWindow::eventFilter(watched, event);
}

void Orvane_Main::keepWindowPlacesAtExit() {
    m_places.keepMainWindow();
    for (int i = 0; i < kWindowCount; ++i) {
        const ToolWindow* w = m_windows[size_t(i)];
        m_places.keep(static_cast<WindowId>(i), w, w && w->isVisible());
    }
}

ToolWindow* Orvane_Main::existingWindow(WindowId id) {
    return m_windows[static_cast<size_t>(id)].data();
}

ToolWindow* Orvane_Main::shownWindow(WindowId id) {
    ToolWindow* w = existingWindow(id);
    return (w && w->isVisible()) ? w : nullptr;
}

void Orvane_Main::openWindow(WindowId id) {
    ToolWindow* w = existingWindow(id);
    if (!w) w = createWindow(id);
    if (!w) return; // not part of this build
    w->Update();
    w->show();
    w->raise();
    w->activateWindow();
}

// ---- exit ----------------------------------------------------------------------

void Orvane_Main::closeToolWindows() {
    for (WindowId id : windowOrder::kClosing) {
        if (ToolWindow* w = existingWindow(id)) {
            m_windows[static_cast<size_t>(id)] = nullptr;
            delete w;
        }
    }
}

void Orvane_Main::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    m_palAnimT->stop();
    keepWindowPlacesAtExit();
    closeToolWindows();
    QMainWindow::closeEvent(event);
}

void Orvane_Main::File_Exit() {
    close();
}

} // namespace orvane
