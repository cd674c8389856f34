#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace orvane {

// The dump's text area: prints its lines from the top, one per row, each byte shown as
// its Latin-1 character, so a value that is a line-feed code stays on its own line.
class DumpText : public QWidget {
    Q_OBJECT
public:
    explicit DumpText(QWidget* parent = nullptr);
    void setLines(const std::vector<std::string>& lines);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QString> m_lines;
};

} // namespace orvane
