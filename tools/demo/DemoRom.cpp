#include "DemoRom.h"

#include <cstdio>
#include <map>

#include "core/resdata/LayoutParams.h"
#include "core/resdata/ResourceData.h"

namespace orvane::demo {

namespace {

// Literal bytes at a place: the words after it and the rows below.
void writeBytes(RomJob& job, const Entry& part) {
    job.rom.put(job.value(part.word(1)), part.bytes(2), "table at " + part.word(1));
}

// <count> bytes at a place, repeating the pattern that follows.
void writeFill(RomJob& job, const Entry& part) {
    const auto pattern = part.bytes(3);
    if (part.number(2) > 0x2000) throw std::runtime_error("a table larger than a bank");
    std::vector<uint8_t> bytes(part.number(2));
    for (size_t i = 0; i < bytes.size() && !pattern.empty(); ++i)
        bytes[i] = pattern[i % pattern.size()];
    job.rom.put(job.value(part.word(1)), bytes, "table at " + part.word(1));
}

const std::map<std::string, void (*)(RomJob&, const Entry&)> kParts = {
    {"bytes", writeBytes},
    {"fill", writeFill},
    {"sprite-sets", writeSpriteSets},
    {"sprite-banks", writeSpriteBanks},
    {"palette-animations", writePaletteAnimations},
    {"graphics-sets", writeGraphicsSets},
    {"palette-sets", writePaletteSets},
    {"effect-lists", writeEffectLists},
};

} // namespace

int64_t RomJob::raw(int k) const {
    return LayoutParams::raw(res, game.mode, k);
}

int64_t RomJob::P(int k) const {
    const int kind = LayoutParams::kind(res, k);
    return raw(k) + (kind == 1 ? levelBase : kind == 2 ? secondBase : 0);
}

int64_t RomJob::R(int n, int k) const {
    return res.slotValue(n, k);
}

int64_t RomJob::value(const std::string& text) const {
    int n = 0, k = 0;
    char rest = 0;
    if (text.size() < 9 && std::sscanf(text.c_str(), "P%d%c", &k, &rest) == 1) return P(k);
    if (text.size() < 9 && std::sscanf(text.c_str(), "R%d(%d)%c", &n, &k, &rest) == 2)
        return R(n, k);
    return hexNumber(text);
}

std::vector<uint8_t> buildDemoRom(const GameDescription& game, const DemoContent& content,
                                  const ResourceData& res) {
    RomJob job{game, content, res, RomBuilder(game.prgBanks, game.chrBanks), 0, {}, 0, 0};
    job.groupPairs = static_cast<int>(job.value(game.lastGroupPair) + 1);
    const int levels = static_cast<int>(job.raw(0) + 1);
    const PlanLimits limits{static_cast<int>(job.raw(17) + 1), job.groupPairs,
                            static_cast<int>(job.raw(18) + 1)};
    for (int level = 0; level < levels; ++level)
        job.plans.push_back(makeLevelPlan(game.scrollMaps[level % game.scrollMaps.size()], level,
                                          limits, content.kit, content.sprites));

    // Each level's second bank, which the level load reads before anything else.
    if (game.secondBanks >= 0) {
        std::vector<uint8_t> second;
        for (int level = 0; level < levels; ++level)
            second.push_back(static_cast<uint8_t>(game.secondBanks + level));
        job.rom.put(job.P(26), second, "second-bank table");
    }
    // Sprite palettes 0 and 1: the player's colours and the items', in every level.
    const auto& p = content.palettes.playerColours;
    const auto& i = content.sprites.groups[content.sprites.itemGroup].colours;
    job.rom.put(job.P(49), {0x0F, p[0], p[1], p[2], 0x0F, i[0], i[1], i[2]}, "sprite palettes");
    writeSpriteTiles(job);
    forEachEntry(game.parts, [&](const Entry& part) {
        const auto writer = kParts.find(part.keyword());
        if (writer == kParts.end())
            throw std::runtime_error("unknown entry '" + part.keyword() + "'");
        writer->second(job, part);
    });
    for (int level = 0; level < levels; ++level)
        writeLevel(job, level);
    return job.rom.image();
}

} // namespace orvane::demo
