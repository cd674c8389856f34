#include "core/mapedit/MapEdits.h"

#include "core/level/Document.h"

namespace orvane {

Change paintBlockTile(Document& doc, int block, int quarter, int tile) {
    setBlockTile(doc, block, quarter, tile);
    return Change::block(block);
}

Change setBlockPalette(Document& doc, int block, int palette) {
    setBlockAttribute(doc, block, (doc.tables().blockAttribute(block) & 0xF0) + palette);
    return Change::block(block);
}

Change setBlockType(Document& doc, int block, int type) {
    setBlockAttribute(doc, block, 16 * type + doc.tables().blockPalette(block));
    return Change::nothing();
}

Change paintStructureQuarter(Document& doc, int str, int quarter, int block) {
    setStructureQuarter(doc, str, quarter, block);
    return Change::structureQuarter(str, quarter);
}

Change paintScreenCell(Document& doc, int screen, int row, int col, int str) {
    setScreenCell(doc, screen, row, col, str);
    return Change::screenCell(row, col);
}

} // namespace orvane
