#pragma once
// Converts the forms' twips to pixels and back. The forms were designed for 15 twips a pixel
// with a font whose lines are 13 pixels high and whose letters are 6 pixels wide on average; a
// larger or wider font or a higher screen resolution scales every form by one factor, so that
// no text is clipped and the designed proportions hold.

#include <QPoint>
#include <QRect>
#include <QSize>

class Control;

class TwipsScale
{
public:
    /// The line height, in pixels, that the forms' geometry was designed for.
    static constexpr double DesignLineSpacing = 13.0;
    /// The average letter width, in pixels, that the forms' geometry was designed for.
    static constexpr double DesignCharWidth = 6.0;
    static constexpr double TwipsPerPixel = 15.0;

    /// Scale for a screen of `logicalDpi` and a window font whose lines are `lineSpacing` high
    /// and whose letters are `charWidth` wide on average (0: not known).
    TwipsScale(double logicalDpi, int lineSpacing, double charWidth = 0);
    /// Scale for the primary screen and the application's font.
    static TwipsScale fromApplication();

    double factor() const { return m_factor; }

    int toPixels(int twips) const;
    /// The pixel rectangle of a twips rectangle; adjacent rectangles stay adjacent.
    QRect toPixels(int left, int top, int width, int height) const;
    QRect geometry(const Control& control) const;

    int toTwips(int pixels) const;
    /// Rounds up, so that a text measured in twips never comes out narrower than it is.
    int toTwipsCeil(int pixels) const;
    QPoint toTwips(QPoint pixels) const { return {toTwips(pixels.x()), toTwips(pixels.y())}; }

private:
    double m_factor;
};
