#include "codec/icnstype.h"

#include <algorithm>

namespace iconsmith {

const QList<IcnsType> &IcnsType::all()
{
    using enum Payload;
    // ic04 and ic05 hold ARGB: macOS does not show PNG in them inside application bundles. ic05 is
    // the 32-pixel @1x image; the 32-pixel @2x of 16 is ic11.
    static const QList<IcnsType> types = {
        {"ic04", 16, Argb},  {"ic05", 32, Argb}, {"ic07", 128, Png}, {"ic08", 256, Png}, {"ic09", 512, Png},
        {"ic10", 1024, Png}, {"ic11", 32, Png},  {"ic12", 64, Png},  {"ic13", 256, Png}, {"ic14", 512, Png},
    };
    return types;
}

const IcnsType *IcnsType::find(QByteArrayView name)
{
    const QList<IcnsType> &types = all();
    const auto it = std::find_if(types.begin(), types.end(), [&](const IcnsType &type) { return type.name == name; });
    return it == types.end() ? nullptr : &*it;
}

} // namespace iconsmith
