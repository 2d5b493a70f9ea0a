// What the lists look like: rows of one height whatever their characters, long names shortened
// in the middle with the whole name as tooltip, names that are not UTF-8 with a mark (and their
// bytes on the clipboard), icons by the name's type from the theme, a tooltip in both languages
// for every button and every control without a menu, and the details view: the key shows the
// columns, the rows on screen fill in from the workers while rows far below stay unread, and a
// header click sorts.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/renamedirform.h"
#include "core/system/filename.h"
#include "shell/widgets/commandbuttonbinding.h"
#include "shell/widgets/filedetailscolumns.h"
#include "shell/widgets/fileicons.h"
#include "shell/widgets/rowdelegate.h"
#include "shell/windows/tooltiptexts.h"
#include "shownwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
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
    for (Form* checked : std::initializer_list<Form*>{&form, &module.addDirForm(), &module.renameDirForm(),
                                                      &module.addFilterForm(), &module.aboutForm(),
                                                      &module.changeDriveForm()}) {
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

TEST_F(ListsTest, TheDetailsKeyShowsColumnsThatFillInForTheRowsOnScreenAndSortOnAHeaderClick)
{
    tmp.makeFolder("home/many");
    for (int i = 0; i < 500; ++i)
        tmp.writeFile(QStringLiteral("home/many/%1.txt").arg(i, 3, 10, QLatin1Char('0')),
                      QByteArray(qsizetype(i) * 3, 'x'));
    form.FileList.setPath(tmp.path("home/many"));
    QListView& view = list(form.FileList);
    auto& header = *view.findChild<QHeaderView*>(QStringLiteral("FileListHeader"));
    const auto size = [&view](int row) {
        return view.model()->index(row, 0).data(FileDetailsDelegate::SizeRole).toString();
    };
    EXPECT_FALSE(header.isVisible());

    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(form.Menu_Details.Checked());
    EXPECT_TRUE(header.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return size(1) == "3 bytes"; }, 5000));
    EXPECT_EQ(size(499), "");
    // Scrolled to the end, the rows there come.
    view.scrollToBottom();
    EXPECT_TRUE(QTest::qWaitFor([&] { return size(499) == "1.5 kB"; }, 5000));

    // Size, then again: the largest first. A click on a row's size selects that row.
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(1) + 5, header.height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.FileList.List(0) == "499.txt"; }, 5000));
    view.scrollToTop();
    const QRect first = view.visualRect(view.model()->index(0, 0));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(1) + 5, first.center().y()));
    EXPECT_EQ(form.FileList.ListIndex(), 0);
    // Renaming in place leaves the size and date in sight.
    QTest::keyClick(&view, Qt::Key_F2);
    auto* editor = view.viewport()->findChild<QLineEdit*>(QStringLiteral("RowEditor"));
    ASSERT_NE(editor, nullptr);
    EXPECT_LT(editor->geometry().right(), header.sectionViewportPosition(1));
    QTest::keyClick(editor, Qt::Key_Escape);

    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(header.isVisible());
    EXPECT_EQ(form.FileList.List(0), "000.txt");
}

TEST_F(ListsTest, ARawNameShowsAMarkAndReachesTheClipboardAsItsBytes)
{
    const QString work = tmp.makeFolder("home/work");
    const QByteArray file = tmp.touch("home/work/caf\xe9.txt");
    form.DirList.setPath(work);
    QListView& view = list(form.FileList);
    ASSERT_EQ(view.model()->rowCount(), 1);
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), "caf\\xE9.txt");

    host.ClipboardSetText(FileNameFromBytes(std::string_view(file.constData(), size_t(file.size()))));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("text/plain"), file);
    EXPECT_EQ(data->data("text/uri-list"), "file://" + QFile::encodeName(work) + "/caf%E9.txt\r\n");
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
