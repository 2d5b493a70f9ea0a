// The end of the session saves as Exit does, once, even when it comes while Exit is saving.

#include "appfixture.h"
#include "core/dialogs/messbox.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct SessionEndTest : AppFixture, ::testing::Test
{};

TEST_F(SessionEndTest, SavesTheChangedFavoritesAndSettingsAndUnloads)
{
    start();
    addEntry({QStringLiteral("B"), tmp.home(), QStringLiteral("*.txt")});
    module.FavoListChanged = true;
    form.Menu_StartPosition_Click();
    form.SessionEnd();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(readFavoFile().endsWith("\r\nB*" + tmp.home().toUtf8() + "**" + "*.txt"));
    EXPECT_TRUE(tmp.readFile(QStringLiteral("home/.config/Wayfolder/Wayfolder.ini"))
                    .contains("UseSavedStartPosition=True"));
}

TEST_F(SessionEndTest, ComingWhileExitShowsAFailureSavesNothingTwice)
{
    tmp.makeFolder(QStringLiteral("home/.config/Wayfolder"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tmp.configFile()).constData(), 0600), 0);
    host.answer(QStringLiteral("OK"));
    start();
    form.Menu_StartPosition_Click();
    // Exit's save fails and says so; the session ends while the message is up.
    host.onModal(QStringLiteral("MessBox"), [this](Form& box) {
        form.SessionEnd();
        static_cast<MessBox&>(box).Button_Click(0);
    });
    exit();
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(host.scriptsDone());
    EXPECT_FALSE(form.IsLoaded());
}

} // namespace
