// The real host's services that need no window: programs start with an argument list and never
// through a shell, a missing program is reported, settings and the clipboard round-trip, a
// watched file outlasts an atomic save by another program, and one scale turns the forms' twips
// into pixels for any screen and font without narrowing a measured text.

#include "core/system/atomicfile.h"
#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"
#include "shell/widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

using QtInput::waitFor;

TEST(QtHost, StartsProgramsWithAnArgumentListAndReportsMissingOnes)
{
    TempFolder tmp;
    QtHost host;
    EXPECT_FALSE(host.StartProcess(QStringLiteral("wayfolder-no-such-program"), {}));

    // A shell would split this name at the blank and run what follows the semicolon.
    const QString name = tmp.path(QStringLiteral("a b;touch c"));
    ASSERT_TRUE(host.StartProcess(QStringLiteral("touch"), {name}));
    EXPECT_TRUE(waitFor([&] { return QFileInfo::exists(name); }));
    EXPECT_FALSE(QFileInfo::exists(tmp.path(QStringLiteral("c"))));
}

TEST(QtHost, SettingsAndClipboardRoundTrip)
{
    TempFolder tmp;
    {
        QtHost host;
        EXPECT_EQ(host.GetSetting(QStringLiteral("StartPosX"), QStringLiteral("none")),
                  QStringLiteral("none"));
        host.SaveSetting(QStringLiteral("StartPosX"), QStringLiteral("1234"));
        EXPECT_EQ(host.DataFolder(), tmp.dataFolder());
        host.ClipboardSetText(QStringLiteral("/home/user/file.txt"));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("/home/user/file.txt"));
    }
    QtHost again;
    EXPECT_EQ(again.GetSetting(QStringLiteral("StartPosX"), {}), QStringLiteral("1234"));
    EXPECT_TRUE(QFileInfo::exists(tmp.configFile()));
}

TEST(FileWatch, AFileReplacedByRenameIsStillWatched)
{
    TempFolder tmp;
    const QString path = tmp.writeFile(QStringLiteral("FavoDirs.dat"), "one");
    QtHost host;
    int calls = 0;
    host.WatchFile(path, [&] { ++calls; });

    for (const char* content : {"two", "three", "four"}) {
        SCOPED_TRACE(content);
        const int before = calls;
        ASSERT_TRUE(WriteFileLocked(path, content, 1 << 20).ok());
        EXPECT_TRUE(waitFor([&] { return calls > before; }));
    }
    host.WatchFile(path, {});
}

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
