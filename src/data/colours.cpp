#include "colours.h"

#include <algorithm>
#include <cmath>

namespace {

// The relative luminance of a colour (sRGB).
double Luminance(const Rgb& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

}  // namespace

QString Rgb::name() const {
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'));
}

double ContrastRatio(const Rgb& a, const Rgb& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString WarningStyle() {
    return QStringLiteral("color: %1;").arg(Palette::WarningText.name());
}
