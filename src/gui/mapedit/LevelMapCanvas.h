#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace orvane {

class LevelMapPicture;

// Shows a LevelMapPicture at a zoom of k/8 (k from 1 to 8), each cell's top screen in its
// own colours, empty cells left blank, and a frame round the current screen's cell. A
// left click on a screen reports it; Ctrl+wheel asks for another zoom. Each screen is
// converted and scaled once per change of its pixels, colours or the zoom.
class LevelMapCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinZoom = 1; // eighths
    static constexpr int kMaxZoom = 8;

    explicit LevelMapCanvas(const LevelMapPicture& map, QWidget* parent = nullptr);

    int zoom() const { return m_zoom; }
    void setZoom(int eighths);
    void setCurrentScreen(int screen);
    // The map changed: size and pictures follow, and screens whose bitmaps changed are
    // converted again when next painted.
    void mapChanged();
    // The screen whose cell holds widget point (x, y), or -1.
    int screenAt(int x, int y) const;
    int cellPixels() const { return 256 * m_zoom / kMaxZoom; }

signals:
    void screenClicked(int screen);
    void zoomStep(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Shown {
        QImage image;
        uint64_t version = 0;
        int zoom = 0;
    };
    const QImage& shownScreen(int screen);

    const LevelMapPicture& m_map;
    std::vector<Shown> m_shown;
    int m_zoom = kMaxZoom;
    int m_current = 0;
    uint64_t m_generation = 0; // of the map the cached pictures were made from
};

} // namespace orvane
