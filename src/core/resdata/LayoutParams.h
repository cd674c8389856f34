#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane {

struct ResourceData;

// The 59 ROM layout parameters of each game, resolved for the current level.
// Raw values come from resource slots 0..2 (one per game), their kinds from slot 3:
// 0 absolute, 1 relative to the level's bank, 2 relative to its second bank.
class LayoutParams {
public:
    static constexpr int kGames = 3;
    static constexpr int kCount = 59;

    // RomParams(m, k); 0 for indices outside the table.
    int64_t get(int game, int k) const {
        if (game < 0 || game >= kGames || k < 0 || k >= kCount) return 0;
        return m_values[static_cast<size_t>(game)][static_cast<size_t>(k)];
    }

    // Start-up: every kind-0 parameter of every game takes its raw value.
    void resolveAbsolute(const ResourceData& res);
    // Level load: kind-1 parameters become levelBase + raw, kind-2 levelBase2 + raw,
    // for all three games (only the current game's column is ever read).
    void resolveRelative(const ResourceData& res, int kind, int64_t base);

    static int32_t raw(const ResourceData& res, int game, int k);
    static int32_t kind(const ResourceData& res, int k);

private:
    std::array<std::array<int64_t, kCount>, kGames> m_values{};
};

} // namespace orvane
