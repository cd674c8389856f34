#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace orvane {

class LevelMapPicture;

// Shows a LevelMapPicture with each cell from 32 to 256 pixels wide (a zoom from 1/8 to
// 1), each cell's top screen in its own colours, empty cells left blank, and a frame round
// the current screen's cell. A left click on a screen reports it; Ctrl+wheel asks for
// another zoom. Each screen is converted and scaled once per change of its pixels, colours
// or the zoom.
class LevelMapCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinCell = 32;  // zoom 1/8
    static constexpr int kMaxCell = 256; // zoom 1

    explicit LevelMapCanvas(const LevelMapPicture& map, QWidget* parent = nullptr);

    int cellPixels() const { return m_cell; }
    void setCellPixels(int side);
    void setCurrentScreen(int screen);
    // The map changed: size and pictures follow, and screens whose bitmaps changed are
    // converted again when next painted.
    void mapChanged();
    // The screen whose cell holds widget point (x, y), or -1.
    int screenAt(int x, int y) const;

signals:
    void screenClicked(int screen);
    void zoomStep(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Shown {
        QImage image;
        uint64_t version = 0;
        int cell = 0;
    };
    const QImage& shownScreen(int screen);

    const LevelMapPicture& m_map;
    std::vector<Shown> m_shown;
    int m_cell = kMaxCell;
    int m_current = 0;
    uint64_t m_generation = 0; // of the map the cached pictures were made from
};

} // namespace orvane
