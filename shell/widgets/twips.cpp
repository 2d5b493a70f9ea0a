// Converting the forms' twips to pixels and back, scaled to the screen's resolution and font.
#include "shell/widgets/twips.h"

#include "core/toolkit/control.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

TwipsScale::TwipsScale(double logicalDpi, int lineSpacing, double charWidth)
    : m_factor(
          std::max({logicalDpi / 96.0, lineSpacing / DesignLineSpacing, charWidth / DesignCharWidth, 1e-3}))
{}

TwipsScale TwipsScale::fromApplication()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const QFontMetricsF metrics(QGuiApplication::font());
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return TwipsScale(dpi, QFontMetrics(QGuiApplication::font()).lineSpacing(),
                      metrics.horizontalAdvance(letters) / double(letters.size()));
}

int TwipsScale::toPixels(int twips) const
{
    return int(std::lround(twips / TwipsPerPixel * m_factor));
}

QRect TwipsScale::toPixels(int left, int top, int width, int height) const
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

QRect TwipsScale::geometry(const Control& control) const
{
    return toPixels(control.Left(), control.Top(), control.Width(), control.Height());
}

int TwipsScale::toTwips(int pixels) const
{
    return int(std::lround(pixels * TwipsPerPixel / m_factor));
}

int TwipsScale::toTwipsCeil(int pixels) const
{
    // A tiny allowance keeps an exact product from rounding up by one twip.
    return int(std::ceil(pixels * TwipsPerPixel / m_factor - 1e-9));
}
