#pragma once

#include <optional>
#include <vector>

namespace orvane {

struct Editor;

// How an enemy type looks, found through the game's own sprite tables: a list of 8 x 8
// sprite pieces placed around the enemy's position, or, for the types the games draw no
// sprite for (mm4 and mm5 objects and effect sprites), a labelled box.

struct SpritePiece {
    int tile = 0;      // sprite tile number 0..255 (TileAddr entry 256 + tile)
    int attribute = 0; // bit 7 flips top to bottom, bit 6 left to right, bits 0..1 palette
    int dx = 0;        // offset of the piece's top-left corner from the enemy's position
    int dy = 0;

    int palette() const { return attribute & 3; }
    bool vflip() const { return (attribute & 0x80) != 0; }
    bool hflip() const { return (attribute & 0x40) != 0; }
};

// mm5 sprite records name the 1 KB CHR bank their tiles come from. Drawing one loads that
// bank as sprite tiles firstTile..firstTile + 63 (firstTile 0, 128 or 192); for firstTile
// 128 the next bank fills tiles 192..255 as well.
struct SpriteTileBank {
    int firstTile = 0;
    int bank = 0;
};

struct EnemySprite {
    bool box = false;
    int boxColour = 0; // colour slot of the box outline
    std::vector<SpritePiece> pieces;
    std::optional<SpriteTileBank> tileBank;
};

// The sprite of `type` in the current game and level. Reads only through the ROM door,
// so positions that damaged tables send outside the image read as 0.
EnemySprite enemySprite(const Editor& ed, int type);

// Loads an mm5 record's tile bank into TileAddr. The change stays in force for the
// enemies drawn after it, until a level load or graphics-set change sets the sprite
// tiles again.
void loadSpriteTileBank(Editor& ed, const SpriteTileBank& bank);

} // namespace orvane
