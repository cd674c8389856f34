#pragma once

#include "gui/app/ToolWindow.h"

class QLabel;

namespace orvane {

// Values of Editor::PCTarget: the window a pick in the Palette Chart goes to.
enum PCTargetValue { kPCTargetEnemEd = 0, kPCTargetPalEd = 1 };

// "NES Palette Chart (<palette file>)": the 64 NES colours as the palette file gave them
// when the window was made. A press on a colour makes it PCColor and hands it to the
// receiving window (PCTarget) if that window is shown; the chart stays open.
class PalChart : public ToolWindow {
    Q_OBJECT
public:
    explicit PalChart(Hub& hub, QWidget* parent = nullptr);

    QLabel* chartPicture() const { return m_pic; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PalChartPic_MouseDown(int x, int y);

    QLabel* m_pic = nullptr;
};

} // namespace orvane
