#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameDescription.h"
#include "LevelKit.h"
#include "LevelPlan.h"
#include "Palettes.h"
#include "RomBuilder.h"
#include "SpriteArt.h"

namespace orvane {
struct ResourceData;
}

namespace orvane::demo {

// What the three demo ROMs share, read from the data folder.
struct DemoContent {
    SpriteLibrary sprites;
    PaletteBook palettes;
    KitSource kit;
};

// One demo ROM being written: the game's description, the shared content, the resource
// data and the image.
struct RomJob {
    const GameDescription& game;
    const DemoContent& content;
    const ResourceData& res;
    RomBuilder rom;
    int groupPairs = 0;           // how many group pairs the sections take turns with
    std::vector<LevelPlan> plans; // per level
    int64_t levelBase = 0, secondBase = 0;

    // Layout parameter k resolved for the level being written, the way the editor's
    // level load resolves it: kind 0 as it is, kind 1 in the level's bank, kind 2 in
    // its second bank.
    int64_t P(int k) const;
    int64_t raw(int k) const;
    int64_t R(int n, int k) const; // element k of resource slot n
    // "P<k>" as P(k), "R<n>(<k>)" as R(n, k) (decimal, as the resource data counts
    // them), anything else as a hex number; throws on what it cannot read.
    int64_t value(const std::string& text) const;
};

// Writes the demo ROM a game description asks for and returns the image; throws
// std::runtime_error when the description, the content and the resource data disagree.
std::vector<uint8_t> buildDemoRom(const GameDescription& game, const DemoContent& content,
                                  const ResourceData& res);

// Writers of the parts a description names, each reading its values from the entry.
void writeSpriteSets(RomJob& job, const Entry& part);        // SpriteTables.cpp
void writeSpriteBanks(RomJob& job, const Entry& part);       // SpriteTables.cpp
void writePaletteAnimations(RomJob& job, const Entry& part); // PaletteAnimations.cpp
void writeGraphicsSets(RomJob& job, const Entry& part);      // GameParts.cpp
void writePaletteSets(RomJob& job, const Entry& part);       // GameParts.cpp
void writeEffectLists(RomJob& job, const Entry& part);       // GameParts.cpp

// The writers every ROM runs.
void writeSpriteTiles(RomJob& job);      // SpriteTables.cpp
void writeLevel(RomJob& job, int level); // LevelWriter.cpp

} // namespace orvane::demo
