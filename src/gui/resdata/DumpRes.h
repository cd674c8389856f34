#pragma once

#include "core/resdata/DumpPage.h"
#include "gui/app/ToolWindow.h"

class QPushButton;

namespace orvane {

class DumpText;

// "Resource Data Dump": pages through the assembled resource data in hexadecimal or as
// characters and writes orvane.pad. A viewer; it keeps its keys to itself.
class DumpRes : public ToolWindow {
    Q_OBJECT
public:
    DumpRes(Hub& hub, QWidget* parent = nullptr);

    int page() const { return m_page; }
    DumpMode mode() const { return m_mode; }
    // The lines currently displayed.
    const std::vector<std::string>& shownLines() const { return m_lines; }

    void setMode(DumpMode mode);
    void dumpToPad();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void redraw();

    int m_page = 0;
    DumpMode m_mode = DumpMode::Hex;
    std::vector<std::string> m_lines;
    DumpText* m_text = nullptr;
};

} // namespace orvane
