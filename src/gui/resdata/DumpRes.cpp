#include "gui/resdata/DumpRes.h"

#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/Editor.h"
#include "core/app/FileIO.h"
#include "core/resdata/PadFile.h"
#include "gui/app/Hub.h"
#include "gui/app/KeyCodes.h"
#include "gui/resdata/DumpText.h"

namespace orvane {

DumpRes::DumpRes(Hub& hub, QWidget* parent) : ToolWindow(hub, parent) {
    setObjectName("DumpRes");
    setWindowTitle("Resource Data Dump");
    m_forwardsKeys = false;
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    m_text = new DumpText(this);
    layout->addWidget(m_text, 1);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(frame);
    auto button = [this, frame, row](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, frame);
        b->setObjectName(name);
        b->setFocusPolicy(Qt::NoFocus); // page keys stay with the window
        row->addWidget(b);
        return b;
    };
    connect(button("Hexdo", "Hex"), &QPushButton::clicked, this,
            [this] { setMode(DumpMode::Hex); });
    connect(button("Ascdo", "String"), &QPushButton::clicked, this,
            [this] { setMode(DumpMode::Chars); });
    row->addWidget(new QLabel("[E] = String-End Flag", frame));
    connect(button("Dumpdo", "Dump to orvane.pad"), &QPushButton::clicked, this,
            [this] { dumpToPad(); });
    row->addStretch(1);
    layout->addWidget(frame);

    redraw(); // page 0 in hexadecimal when created
}

void DumpRes::setMode(DumpMode mode) {
    m_mode = mode;
    redraw();
}

void DumpRes::redraw() {
    m_lines = dumpPageText(*m_ed.Res, m_page, m_mode);
    m_text->setLines(m_lines);
}

void DumpRes::keyPressEvent(QKeyEvent* event) {
    switch (keyCodeOf(event)) {
    case kKeyPageUp:
        if (m_page > 0) --m_page, redraw();
        break;
    case kKeyPageDown:
        if (m_page < kDumpPages - 1) ++m_page, redraw();
        break;
    case kKeyHome:
        m_page = 0, redraw();
        break;
    case kKeyEnd:
        m_page = kDumpPages - 1, redraw();
        break;
    default:
        ToolWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DumpRes::dumpToPad() {
    QDir::setCurrent(QString::fromStdString(m_ed.HomeDir));
    const std::string path = resolveInDir(m_ed.HomeDir, "orvane.pad");
    if (!writeFileAtomically(path, padFileBytes(*m_ed.Res)))
        m_hub.message("Cannot write \"" + QString::fromStdString(path) + "\".");
}

} // namespace orvane
