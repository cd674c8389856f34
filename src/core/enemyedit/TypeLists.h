#pragma once

#include <string>
#include <vector>

namespace orvane {

struct Editor;

// An item of a list of enemy types: the text shown and the enemy type a click on
// it gives the current enemy.
struct TypeItem {
    int type = 0;
    std::string text;
    bool operator==(const TypeItem&) const = default;
};

// The types that fit the current section's graphics choice.
//  mm3, set g: for each type 0..8F in turn, "type: name" when the type needs a bank
//       and fits g, and, on its own, "type" alone when the type is listed by number
//       under g's Bank 1.
//  mm4, effect e: the types of e's list in order, as "type: name"; none above the
//       highest effect.
//  mm5: none.
std::vector<TypeItem> gfxEnemyItems(const Editor& ed);

// A favourite: "type: name", or the type alone when the type has no name.
TypeItem favouriteItem(const Editor& ed, int type);

} // namespace orvane
