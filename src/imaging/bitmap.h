#pragma once

#include <QSize>

#include <cstdint>
#include <memory>

namespace iconsmith {

/**
 * An 8-bit sRGB picture as it goes into a PNG file: RGB, or RGBA with straight (unpremultiplied)
 * alpha. A new bitmap's pixels are uninitialised: every producer writes them all, and clearing
 * megabytes first would only cost time.
 */
class Bitmap
{
public:
    Bitmap() = default;
    Bitmap(QSize size, int channels);
    Bitmap(const Bitmap &other);
    Bitmap &operator=(const Bitmap &other);
    Bitmap(Bitmap &&) noexcept = default;
    Bitmap &operator=(Bitmap &&) noexcept = default;
    ~Bitmap() = default;

    [[nodiscard]] QSize size() const { return m_size; }
    [[nodiscard]] int width() const { return m_size.width(); }
    [[nodiscard]] int height() const { return m_size.height(); }
    /** 3 for RGB, 4 for RGBA. */
    [[nodiscard]] int channels() const { return m_channels; }
    [[nodiscard]] bool hasAlpha() const { return m_channels == 4; }
    [[nodiscard]] std::size_t bytesPerRow() const { return std::size_t(m_size.width()) * std::size_t(m_channels); }
    [[nodiscard]] std::size_t byteCount() const { return bytesPerRow() * std::size_t(m_size.height()); }
    [[nodiscard]] bool isNull() const { return !m_bytes; }

    [[nodiscard]] std::uint8_t *row(int y) { return m_bytes.get() + std::size_t(y) * bytesPerRow(); }
    [[nodiscard]] const std::uint8_t *row(int y) const { return m_bytes.get() + std::size_t(y) * bytesPerRow(); }

    /** Drops the alpha channel in place; only sensible when every pixel is opaque. */
    void dropAlpha();

private:
    QSize m_size;
    int m_channels = 4;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

} // namespace iconsmith
