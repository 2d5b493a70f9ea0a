// Names that are not UTF-8, as on old USB sticks and archives: they list with a visible mark,
// open, can be entered, copied and kept as favorites, all from their very bytes.

#include "appfixture.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/system/filename.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A file and a folder whose names hold Latin-1 bytes, made from the raw bytes.
struct RawNames : AppFixture
{
    QString work = tmp.makeFolder("home/work");
    QByteArray workBytes = QFile::encodeName(work);

    RawNames()
    {
        EXPECT_EQ(mkdir((workBytes + "/dir\xff").constData(), 0700), 0);
        tmp.touch("home/work/caf\xe9.txt");
        tmp.touch("home/work/dir\xff/inner\xe4.txt");
        writeFavoFile("Enter below: header\r\nWork*" + workBytes);
        start();
    }
};

} // namespace

TEST(FileName, BytesSurviveTheRoundTripAndShowAMark)
{
    // clang-format off
    struct Row { const char* bytes; const char* shown; };
    // clang-format on
    const Row rows[] = {
        {"plain.txt", "plain.txt"},
        {"\xc3\x85tg\xc3\xa4rd", "\xc3\x85tg\xc3\xa4rd"},
        {"caf\xe9.txt", "caf\\xE9.txt"},
        {"\xff\xfe", "\\xFF\\xFE"},
        {"over\xc0\xaflong", "over\\xC0\\xAFlong"},
        {"surrogate\xed\xa0\x80", "surrogate\\xED\\xA0\\x80"},
        {"cut\xe2\x82", "cut\\xE2\\x82"},
        {"beyond\xf4\x90\x80\x80", "beyond\\xF4\\x90\\x80\\x80"},
        {"emoji\xf0\x9f\x98\x80\xe9", "emoji\xf0\x9f\x98\x80\\xE9"},
        {"lone\x80 continuation", "lone\\x80 continuation"},
        // A U+FEFF between raw bytes is a character of the name, not a byte-order mark.
        {"\xe2\xef\xbb\xbf\x82", "\\xE2\xef\xbb\xbf\\x82"},
    };
    for (const auto& row : rows) {
        const QByteArray bytes(row.bytes);
        const QString text = FileNameFromBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
        EXPECT_EQ(FileNameToBytes(text), bytes) << row.bytes;
        EXPECT_EQ(FileNameForDisplay(text), QString::fromUtf8(row.shown)) << row.bytes;
        EXPECT_EQ(FileNameHasRawBytes(text), QByteArray(row.bytes) != QByteArray(row.shown)) << row.bytes;
    }
}

TEST(RawNameFiles, AreListedCopiedOpenedAndEnteredFromTheirBytes)
{
    RawNames app;
    const QString cafe = FileNameFromBytes("caf\xe9.txt");
    ASSERT_EQ(app.files(), QStringList({cafe}));
    ASSERT_TRUE(app.selectFile(cafe));
    app.onDialog<AddFilterForm>("AddFilterForm", [](AddFilterForm& d) { d.Command_CopyPath_Click(); });
    app.form.FileList_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(FileNameToBytes(app.host.clipboard), app.workBytes + "/caf\xe9.txt");
    app.form.FileList_DblClick();
    EXPECT_TRUE(app.host.messages.empty());
    ASSERT_EQ(app.host.shellOpened.size(), 1u);
    EXPECT_EQ(app.host.shellOpened.back(), "file://" + app.work + "/caf%E9.txt");

    // The folder named with a stray byte opens, and so does the file inside it.
    ASSERT_EQ(app.form.DirList.ListCount(), 1);
    app.form.DirList.setListIndex(0);
    int16_t enter = 13;
    app.form.DirList_KeyPress(enter);
    EXPECT_EQ(FileNameToBytes(app.form.DirList.Path()), app.workBytes + "/dir\xff");
    EXPECT_EQ(app.files(), QStringList({FileNameFromBytes("inner\xe4.txt")}));

    // Open with the file manager hands it the very folder.
    app.form.Command_UpOneLevel_Click();
    app.form.DirList.setListIndex(0);
    app.form.Command_OpenExplorer_Click();
    EXPECT_TRUE(app.host.messages.empty());
    EXPECT_EQ(app.host.shellOpened.back(), "file://" + app.work + "/dir%FF");
}

TEST(RawNameFiles, AFolderAddedAsFavoriteOpensAgainAfterARestart)
{
    RawNames app;
    const QByteArray folder = app.workBytes + "/dir\xff";
    app.form.DirList.setPath(FileNameFromBytes(std::string_view(folder.constData(), size_t(folder.size()))));
    app.onDialog<AddDirForm>("AddDirForm", [](AddDirForm& d) {
        d.Text_FavoName.setText("Old stick");
        d.Command_Save_Click();
    });
    app.form.Menu_AddDir_Click();
    app.form.Menu_SaveFavoFile_Click();
    EXPECT_TRUE(app.host.messages.empty());
    app.exit();
    EXPECT_TRUE(app.readFavoFile().contains("Old stick*" + folder));

    AppRun again;
    again.start();
    ASSERT_EQ(again.form.FavoDirList.ListCount(), 2);
    again.form.FavoDirList.setListIndex(1);
    EXPECT_TRUE(again.host.messages.empty());
    EXPECT_EQ(FileNameToBytes(again.form.DirList.Path()), folder);
}
