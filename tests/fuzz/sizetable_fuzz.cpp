// Bytes of a size table, XML or binary, as a user's --size-table could hold them.
#include <cstddef>
#include <cstdint>

#include "catalog/sizetable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const iconsmith::Result<iconsmith::SizeTable> table = iconsmith::SizeTable::fromData(bytes, QStringLiteral("fuzz"));
    if (table) {
        // Every row kept has a name and a size a file can be made of.
        for (const auto idiom :
             {iconsmith::SizeTable::IPhone, iconsmith::SizeTable::IPad, iconsmith::SizeTable::Watch}) {
            for (const iconsmith::SizeEntry &entry : table->dictionary(idiom).entries) {
                if (entry.name.isEmpty() || entry.dimensions.isEmpty())
                    __builtin_trap();
            }
        }
    }
    return 0;
}
