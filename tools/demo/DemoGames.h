#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "SpriteArt.h"

namespace orvane {
struct Editor;
struct ResourceData;
} // namespace orvane

namespace orvane::demo {

// Each writer builds its game's demo ROM from the assembled resource data and returns
// the image; it throws std::runtime_error when the data and the content disagree.
std::vector<uint8_t> buildMM3(const ResourceData& res, const SpriteLibrary& sprites);
std::vector<uint8_t> buildMM4(const ResourceData& res, const SpriteLibrary& sprites);
std::vector<uint8_t> buildMM5(const ResourceData& res, const SpriteLibrary& sprites);

// Sets up `ed` for game `mode` with its own copy of the resource data and the absolute
// parameters resolved, as the editor's start-up does.
void prepareEditor(Editor& ed, int mode, const ResourceData& res);

// Loads each level's addresses in turn (as the editor's level load does) and calls
// `body` with the level number. The tables the level load itself reads (the second-bank
// table) must be in the image before.
void forEachLevel(Editor& ed, const std::function<void(int)>& body);

class RomBuilder;

// Writes each sprite group's tiles into the 1 KB CHR bank `chrBankOf` gives it (the
// games with CHR memory).
void writeSpriteArtToChr(RomBuilder& rb, const SpriteLibrary& lib, int (*chrBankOf)(Group),
                         const char* what);

// Scroll maps (without the end byte), two shapes per game taken in turn by level.
std::vector<uint8_t> scrollTemplate(int mode, int level);

} // namespace orvane::demo
