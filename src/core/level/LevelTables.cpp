#include "core/level/LevelTables.h"

#include "core/level/Document.h"

namespace orvane {

namespace {
// Effect lists and mm4 animation records are found through CPU addresses in
// 0xA000..0xBFFF; a page number places that window in the file, and 17 steps over the
// iNES header into 1-based positions.
int64_t bankWindowPosition(int low, int high, int64_t page) {
    return 256 * (high - 160 + page) + low + 17;
}
} // namespace

int64_t LevelTables::sectionSettingPosition(int section, int which) const {
    const int64_t settings = param(Param::SectionSettings);
    switch (m_game) {
    case kMM3:
        return settings + 2 * int64_t{section} + (which == 0 ? 0 : 1);
    case kMM4:
        return which == 0 ? settings + section : param(Param::SectionEffects) + section;
    default:
        return which == 0 ? settings + section : 0;
    }
}

int LevelTables::sectionPalette(int section) const {
    switch (m_game) {
    case kMM3:
        return sectionSetting(section, 1);
    case kMM4:
        return sectionSetting(section, 0);
    default:
        return 0;
    }
}

int64_t LevelTables::animationBankPosition(int64_t address) const {
    return bankWindowPosition(static_cast<int>(address & 0xFF), static_cast<int>(address >> 8),
                              param(Param::AnimBankPage));
}

int64_t LevelTables::animationRecordPosition(int a) const {
    switch (m_game) {
    case kMM3:
        return kMM3AnimRecords + byte(kMM3AnimOffsets + a);
    case kMM4:
        return animationBankPosition(animationAddress(a));
    default:
        return param(Param::AnimPointersHigh) + byte(param(Param::AnimPointersLow) + a);
    }
}

int64_t LevelTables::animationColourSetOffset(int set) const {
    const int64_t o = 3 * int64_t{set};
    return m_game == kMM4 ? o : o % 256;
}

int64_t LevelTables::levelEffectListPosition(int level) const {
    return bankWindowPosition(byte(further(Further::MM4LevelEffectsLow) + level),
                              byte(further(Further::MM4LevelEffectsHigh) + level),
                              further(Further::MM4LevelEffectsPage));
}

int64_t LevelTables::sectionEffectListPosition(int section) const {
    const int x = sectionEffect(section);
    return bankWindowPosition(byte(further(Further::MM4SectionEffectsLow) + x),
                              byte(further(Further::MM4SectionEffectsHigh) + x),
                              further(Further::MM4SectionEffectsPage));
}

void setBlockTile(Document& doc, int block, int quarter, int tile) {
    doc.setByte(doc.tables().blockTilePosition(block, quarter), tile);
}

void setBlockAttribute(Document& doc, int block, int value) {
    doc.setByte(doc.tables().blockAttributePosition(block), value);
}

void setStructureQuarter(Document& doc, int str, int quarter, int block) {
    doc.setByte(doc.tables().structureQuarterPosition(str, quarter), block);
}

void setScreenPreset(Document& doc, int screen, int layout) {
    doc.setByte(doc.tables().screenPresetPosition(screen), layout);
}

void setScreenCell(Document& doc, int screen, int row, int col, int str) {
    doc.setByte(doc.tables().screenCellPosition(screen, row, col), str);
}

void setScrollEntry(Document& doc, int section, int value) {
    doc.setByte(doc.tables().scrollEntryPosition(section), value);
}

void setSectionSetting(Document& doc, int section, int which, int value) {
    doc.setByte(doc.tables().sectionSettingPosition(section, which), value);
}

void setPaletteRecordByte(Document& doc, int record, int k, int value) {
    doc.setByte(doc.tables().paletteRecordPosition(record, k), value);
}

void setColourSetByte(Document& doc, int set, int k, int value) {
    doc.setByte(doc.tables().colourSetPosition(set, k), value);
}

void setGraphicsSetBank(Document& doc, int g, int which, int bank) {
    doc.setByte(doc.tables().graphicsSetBankPosition(g, which), bank);
}

void setObjectPaletteSlot(Document& doc, int q, int value) {
    doc.setByte(doc.tables().objectPaletteSlotPosition(q), value);
}

void setObjectKind(Document& doc, int q, int value) {
    doc.setByte(doc.tables().objectKindPosition(q), value);
}

void setFourColourPaletteByte(Document& doc, int m, int j, int value) {
    doc.setByte(doc.tables().fourColourPalettePosition(m, j), value);
}

} // namespace orvane
