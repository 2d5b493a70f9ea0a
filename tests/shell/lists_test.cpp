// What the lists look like: rows of one height whatever their characters, long names shortened
// in the middle with the whole name as tooltip, icons by the name's type from the theme, and a
// tooltip in both languages for every button and every control without a menu.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/renamedirform.h"
#include "shell/widgets/commandbuttonbinding.h"
#include "shell/widgets/fileicons.h"
#include "shell/widgets/rowdelegate.h"
#include "shell/windows/tooltiptexts.h"
#include "shownwindow.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace {

struct ListsTest : ShownWindow
{
    int rowHeight(const Control& control)
    {
        return list(control).visualRect(list(control).model()->index(0, 0)).height();
    }
};

} // namespace

TEST_F(ListsTest, EveryRowOfEveryListIsOneHeightWhateverItsCharacters)
{
    tmp.makeFolder("home/Ågjy (1)");
    tmp.writeFile("home/ab", "x");
    form.DirList.setPath(tmp.home());
    form.FileList.setPath(tmp.home());
    int heights[2] = {};
    for (const QString& first : {QStringLiteral("ab"), QStringLiteral("ÅÄÖ gjpqy 日本")}) {
        form.FavoDirList.Clear();
        form.FavoDirList.AddItem(first);
        heights[first != QStringLiteral("ab")] = rowHeight(form.FavoDirList);
    }
    EXPECT_EQ(heights[0], heights[1]);
    EXPECT_EQ(rowHeight(form.DirList), heights[0]);
    EXPECT_EQ(rowHeight(form.FileList), heights[0]);
}

TEST_F(ListsTest, ALongNameIsShortenedInTheMiddleAndItsTooltipIsTheWholeName)
{
    const QString longName =
        QStringLiteral("report-") + QString(120, QLatin1Char('x')) + QStringLiteral("-final.txt");
    tmp.writeFile("home/" + longName, "x");
    tmp.writeFile("home/short.txt", "x");
    form.FileList.setPath(tmp.home());
    QListView& view = list(form.FileList);
    auto* delegate = qobject_cast<RowDelegate*>(view.itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(view.textElideMode(), Qt::ElideMiddle);
    // Rows span the list, so that the name is shortened rather than scrolled out of sight.
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        const QModelIndex index = view.model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = view.visualRect(index);
        option.decorationSize = view.iconSize();
        option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        option.widget = &view;
        const QString name = index.data().toString();
        EXPECT_EQ(delegate->hiddenText(option, index), name == longName ? longName : QString())
            << name.toStdString();
    }
}

TEST_F(ListsTest, EveryButtonAndControlWithoutAMenuHasATooltipInBothLanguages)
{
    std::vector<Form*> forms = {&form,
                                &module.addDirForm(),
                                &module.renameDirForm(),
                                &module.addFilterForm(),
                                &module.aboutForm(),
                                &module.changeDriveForm()};
    for (Form* checked : forms) {
        for (const Control* control : checked->Controls()) {
            const QString kind = QString::fromLatin1(control->metaObject()->className());
            const bool wanted = control->Visible() && QStringList{"CommandButton", "TextBox",  "ListBox",
                                                                  "FolderList",    "FileList", "DriveList"}
                                                          .contains(kind);
            if (!wanted)
                continue;
            const std::string name = (checked->Name() + "." + control->Name()).toStdString();
            const QString english = ToolTipTexts::For(checked->Name(), control->Name(), false);
            const QString swedish = ToolTipTexts::For(checked->Name(), control->Name(), true);
            EXPECT_FALSE(english.isEmpty()) << name;
            EXPECT_FALSE(swedish.isEmpty()) << name;
            EXPECT_NE(english, swedish) << name;
        }
    }
    // The window shows them in the program's language, and follows a change of it.
    EXPECT_EQ(window.view().widgetFor(&form.Command_Exit)->toolTip(),
              ToolTipTexts::For(QStringLiteral("MainForm"), QStringLiteral("Command_Exit"), false));
    module.SwedishLanguage = true;
    form.setCaption(QStringLiteral("Wayfolder"));
    EXPECT_EQ(window.view().widgetFor(&form.Command_Exit)->toolTip(),
              ToolTipTexts::For(QStringLiteral("MainForm"), QStringLiteral("Command_Exit"), true));
}

TEST(FileIconsTest, IconsComeFromTheThemeByTheNameAloneWithTheStylesPicturesAsFallback)
{
    if (!QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        GTEST_SKIP() << "no icon theme installed";
    const QString themeBefore = QIcon::themeName();
    const QStringList pathsBefore = QIcon::themeSearchPaths();
    // The offscreen platform looks for themes nowhere; a desktop looks in /usr/share/icons.
    QIcon::setThemeSearchPaths({QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    FileIcons themed(*QApplication::style());
    // "notes.png" holds no picture: only its name counts.
    EXPECT_EQ(themed.forFile(QStringLiteral("notes.png")).name(), QStringLiteral("image-x-generic"));
    EXPECT_NE(themed.forFile(QStringLiteral("a.txt")).name(), themed.forFile(QStringLiteral("b.png")).name());
    EXPECT_EQ(themed.forFile(QStringLiteral("c.PNG")).name(), themed.forFile(QStringLiteral("d.PNG")).name());
    EXPECT_EQ(themed.folder().name(), QStringLiteral("folder"));
    EXPECT_TRUE(QIcon::hasThemeIcon(CommandButtonBinding::themeIconName(QStringLiteral("uponelevel"))));

    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    FileIcons fallback(*QApplication::style());
    EXPECT_FALSE(fallback.forFile(QStringLiteral("b.png")).isNull());
    EXPECT_TRUE(fallback.forFile(QStringLiteral("b.png")).name().isEmpty());
    EXPECT_FALSE(fallback.folder().isNull());
    EXPECT_TRUE(fallback.folder().name().isEmpty());
    QIcon::setThemeName(themeBefore);
    QIcon::setThemeSearchPaths(pathsBefore);
}
