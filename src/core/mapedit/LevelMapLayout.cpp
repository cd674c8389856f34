#include "core/mapedit/LevelMapLayout.h"

#include <algorithm>
#include <memory>

#include "core/mapedit/ScrollMap.h"

namespace orvane {

LevelMapLayout::LevelMapLayout(const ScreenLists& lists) {
    const int total = std::clamp(lists.ScreenTotal, 0, ScreenLists::kCapacity);
    m_cells.reserve(static_cast<size_t>(total));
    MapCell at;
    MapCell lowest;
    MapCell highest;
    for (int s = 0; s < total; ++s) {
        if (s > 0) {
            switch (lists.dir(s - 1)) {
            case kDirUp:
                --at.row;
                break;
            case kDirDown:
                ++at.row;
                break;
            default:
                ++at.column;
                break;
            }
        }
        m_cells.push_back(at);
        lowest = {std::min(lowest.column, at.column), std::min(lowest.row, at.row)};
        highest = {std::max(highest.column, at.column), std::max(highest.row, at.row)};
    }
    if (m_cells.empty()) return;
    m_columns = highest.column - lowest.column + 1;
    m_rows = highest.row - lowest.row + 1;
    m_shown.assign(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows), -1);
    for (int s = 0; s < total; ++s) {
        MapCell& c = m_cells[static_cast<size_t>(s)];
        c = {c.column - lowest.column, c.row - lowest.row};
        m_shown[static_cast<size_t>(c.row) * static_cast<size_t>(m_columns) +
                static_cast<size_t>(c.column)] = s;
    }
}

MapCell LevelMapLayout::cellOf(int screen) const {
    if (screen < 0 || screen >= screens()) return {};
    return m_cells[static_cast<size_t>(screen)];
}

int LevelMapLayout::screenAt(MapCell cell) const {
    if (cell.column < 0 || cell.column >= m_columns || cell.row < 0 || cell.row >= m_rows)
        return -1;
    return m_shown[static_cast<size_t>(cell.row) * static_cast<size_t>(m_columns) +
                   static_cast<size_t>(cell.column)];
}

LevelMapLayout levelMapLayout(const Editor& ed) {
    // A fresh decode, so split marks or directions of an earlier one cannot leak in. The
    // lists are a few kilobytes: on the heap.
    const auto lists = std::make_unique<ScreenLists>();
    ScrollMapDecode(ed, *lists);
    return LevelMapLayout(*lists);
}

} // namespace orvane
