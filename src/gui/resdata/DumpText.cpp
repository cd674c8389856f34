#include "gui/resdata/DumpText.h"

#include <QPainter>

namespace orvane {

DumpText::DumpText(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void DumpText::setLines(const std::vector<std::string>& lines) {
    m_lines.clear();
    for (const std::string& line : lines)
        m_lines.push_back(QString::fromLatin1(line.data(), qsizetype(line.size())));
    update();
}

QSize DumpText::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QString(70, 'W')) * 3 / 4, fm.lineSpacing() * 19};
}

void DumpText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm(font());
    int y = fm.ascent() + 2;
    for (const QString& line : m_lines) {
        QString shown = line;
        for (QChar& ch : shown)
            if (ch.unicode() < 32 || ch.unicode() == 127)
                ch = QChar(0x00B7); // a visible stand-in for control codes
        painter.drawText(4, y, shown);
        y += fm.lineSpacing();
    }
}

} // namespace orvane
