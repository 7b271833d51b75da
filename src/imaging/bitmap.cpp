#include "imaging/bitmap.h"

#include <algorithm>

namespace iconsmith {

Bitmap::Bitmap(QSize size, int channels)
    : m_size(size), m_channels(channels),
      m_bytes(size.isEmpty() ? nullptr : std::make_unique_for_overwrite<std::uint8_t[]>(byteCount()))
{}

Bitmap::Bitmap(const Bitmap &other) : Bitmap(other.m_size, other.m_channels)
{
    if (other.m_bytes)
        std::copy_n(other.m_bytes.get(), byteCount(), m_bytes.get());
}

Bitmap &Bitmap::operator=(const Bitmap &other)
{
    if (this != &other)
        *this = Bitmap(other);
    return *this;
}

void Bitmap::dropAlpha()
{
    if (m_channels == 3 || !m_bytes)
        return;
    // Front to back: each RGB triple lands at or before the RGBA pixel it comes from.
    std::uint8_t *to = m_bytes.get();
    const std::uint8_t *from = m_bytes.get();
    const std::size_t pixels = std::size_t(m_size.width()) * std::size_t(m_size.height());
    for (std::size_t i = 0; i < pixels; ++i, from += 4, to += 3) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
    }
    m_channels = 3;
}

} // namespace iconsmith
