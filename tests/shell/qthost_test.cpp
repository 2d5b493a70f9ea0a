// The real host's services that need no window: programs start with an argument list and never
// through a shell, a missing program is reported, settings and the clipboard round-trip.

#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
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
