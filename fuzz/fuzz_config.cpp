// The configuration reader on arbitrary file contents. Whatever it reads, the table it
// writes back reads as the same table, and a value the Config window stores (any text,
// here the input itself) is what the next start reads.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/ConfigTable.h"
#include "support/FuzzCheck.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigTable table = ConfigTable::parse(std::vector<uint8_t>(data, data + size));
    const std::vector<uint8_t> written = table.serialize();
    fuzz::check(ConfigTable::parse(written).serialize() == written,
                "a configuration written and read back is written the same");

    const std::string value(reinterpret_cast<const char*>(data), size);
    for (const ConfigEntry& e : std::vector<ConfigEntry>(table.entries())) {
        table.setText(e.name, value);
        const ConfigTable reread = ConfigTable::parse(table.serialize());
        fuzz::check(reread.entries().size() == table.entries().size() &&
                        reread.text(e.name) == table.text(e.name),
                    "a stored value reads back as stored, the other entries kept");
    }
    return 0;
}
