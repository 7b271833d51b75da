#include "imaging/rgbcolor.h"

#include <array>
#include <utility>

namespace iconsmith {

namespace {

struct NamedColor
{
    const char16_t *name;
    RgbColor color;
};

constexpr std::array namedColors{
    NamedColor{u"white", {255, 255, 255}}, NamedColor{u"black", {0, 0, 0}},        NamedColor{u"red", {255, 0, 0}},
    NamedColor{u"green", {0, 128, 0}},     NamedColor{u"blue", {0, 0, 255}},       NamedColor{u"gray", {128, 128, 128}},
    NamedColor{u"grey", {128, 128, 128}},  NamedColor{u"silver", {192, 192, 192}}, NamedColor{u"yellow", {255, 255, 0}},
    NamedColor{u"orange", {255, 165, 0}},
};

std::optional<RgbColor> fromHex(QStringView hex)
{
    bool ok = false;
    const uint value = hex.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    if (hex.size() == 6)
        return RgbColor{std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
    // #rgb doubles each digit: #f80 is #ff8800.
    const auto digit = [value](int shift) { return std::uint8_t(((value >> shift) & 0xf) * 0x11); };
    return RgbColor{digit(8), digit(4), digit(0)};
}

} // namespace

std::optional<RgbColor> RgbColor::fromText(const QString &text)
{
    const QString trimmed = text.trimmed().toLower();
    if (trimmed.startsWith(u'#')) {
        const QStringView hex = QStringView(trimmed).mid(1);
        if (hex.size() != 3 && hex.size() != 6)
            return std::nullopt;
        for (const QChar c : hex) {
            if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
                return std::nullopt;
        }
        return fromHex(hex);
    }
    for (const auto &named : namedColors) {
        if (trimmed == QStringView(named.name))
            return named.color;
    }
    return std::nullopt;
}

QString RgbColor::name() const
{
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'));
}

} // namespace iconsmith
