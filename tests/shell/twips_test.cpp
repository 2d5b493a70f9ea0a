// One scale turns the forms' twips into pixels for any screen and font; a text measured in
// twips and shown again in pixels is never narrower than the text itself.

#include "core/tempfolder.h"
#include "shell/host/qthost.h"
#include "shell/widgets/twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(TwipsScale, TheLargerOfResolutionAndFontDecidesAndMeasuresSurviveTheRoundTrip)
{
    // clang-format off
    struct Row { const char* name; double dpi; int lineSpacing; double factor; };
    // clang-format on
    const Row rows[] = {
        {"design screen and font", 96, 13, 1.0},
        {"larger font", 96, 17, 17 / 13.0},
        {"high resolution", 144, 13, 1.5},
        {"high resolution, large font", 144, 26, 2.0},
        {"small font never shrinks the forms", 96, 11, 1.0},
    };
    for (const Row& row : rows) {
        const TwipsScale scale(row.dpi, row.lineSpacing);
        EXPECT_DOUBLE_EQ(scale.factor(), row.factor) << row.name;
        // A text of a given pixel width, measured in twips, comes back at least as wide.
        for (int pixels = 0; pixels < 400; ++pixels)
            ASSERT_GE(scale.toPixels(scale.toTwipsCeil(pixels)), pixels)
                << row.name << ", " << pixels << " px";
        // Side by side controls stay side by side: no gap and no overlap from rounding.
        const QRect left = scale.toPixels(120, 600, 1095, 375);
        const QRect right = scale.toPixels(120 + 1095, 600, 1095, 375);
        EXPECT_EQ(left.right() + 1, right.left()) << row.name;
    }
    EXPECT_EQ(TwipsScale(96, 13).toPixels(12810), 854);
}

TEST(TwipsScale, ALineOfTextMeasures195TwipsWhenTheFontSetsTheScale)
{
    TempFolder tmp;
    QtHost host;
    const QFontMetrics metrics(QApplication::font("QLabel"));
    const QSize one = host.MeasureText(QStringLiteral("Favorites"));
    const QSize two = host.MeasureText(QStringLiteral("Favorites\nand a longer second line"));
    if (metrics.lineSpacing() / TwipsScale::DesignLineSpacing >= host.scale().factor()) {
        EXPECT_EQ(one.height(), 195);
    }
    EXPECT_NEAR(two.height(), 2 * one.height(), 1);
    EXPECT_GT(two.width(), one.width());
    EXPECT_GE(host.scale().toPixels(two.width()),
              metrics.horizontalAdvance(QStringLiteral("and a longer second line")));
}
