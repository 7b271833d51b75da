#pragma once

#include <QByteArrayView>
#include <QList>

namespace iconsmith {

/**
 * A kind of image chunk that Iconsmith writes into `.icns` files: the set Apple's iconutil writes.
 * Never the legacy icp4/icp5/icp6, whose PNG payloads some Finder versions draw as noise.
 */
struct IcnsType
{
    enum class Payload { Argb, Png };

    /** The four-character chunk type, e.g. "ic07". */
    QByteArrayView name;
    /** Width and height in pixels. */
    int pixels = 0;
    Payload payload = Payload::Png;

    /**
     * Every type, in the order the chunks are written: ascending by name. iconutil's own order is
     * not documented and readers do not depend on it; a fixed one keeps the output identical run to run.
     */
    static const QList<IcnsType> &all();
    /** The type called @p name, or nullptr when Iconsmith does not write it. */
    static const IcnsType *find(QByteArrayView name);
};

} // namespace iconsmith
