// Relative luminance and contrast ratio of two colours, and the text colour that reads best on a background.
#include "shell/widgets/contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double Luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double Ratio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextOn(const QColor& background)
{
    return Ratio(background, Qt::black) >= Ratio(background, Qt::white) ? QColor(Qt::black)
                                                                        : QColor(Qt::white);
}

} // namespace Contrast
