#pragma once

#include <QSize>

#include <cstdint>
#include <vector>

namespace iconsmith {

/** An 8-bit sRGB picture as it goes into a PNG file: RGB, or RGBA with straight (unpremultiplied) alpha. */
class Bitmap
{
public:
    Bitmap() = default;
    Bitmap(QSize size, int channels)
        : m_size(size), m_channels(channels),
          m_bytes(std::size_t(size.width()) * std::size_t(size.height()) * std::size_t(channels))
    {}

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] int width() const { return m_size.width(); }
    [[nodiscard]] int height() const { return m_size.height(); }
    /** 3 for RGB, 4 for RGBA. */
    [[nodiscard]] int channels() const { return m_channels; }
    [[nodiscard]] bool hasAlpha() const { return m_channels == 4; }
    [[nodiscard]] std::size_t bytesPerRow() const { return std::size_t(m_size.width()) * std::size_t(m_channels); }
    [[nodiscard]] bool isNull() const { return m_bytes.empty(); }

    [[nodiscard]] std::uint8_t *row(int y) { return m_bytes.data() + std::size_t(y) * bytesPerRow(); }
    [[nodiscard]] const std::uint8_t *row(int y) const { return m_bytes.data() + std::size_t(y) * bytesPerRow(); }

    /** The same picture without its alpha channel; only sensible when every pixel is opaque. */
    [[nodiscard]] Bitmap withoutAlpha() const;

private:
    QSize m_size;
    int m_channels = 4;
    std::vector<std::uint8_t> m_bytes;
};

} // namespace iconsmith
