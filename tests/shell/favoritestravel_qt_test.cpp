// The favorites beyond one file in the real program: the command line of the built binary with
// no display at all, type-ahead keys in the favorites widget, the shortcut of Find Favorite and
// the check boxes of the import list.

#include "core/toolkit/checklist.h"
#include "core/toolkit/form.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shownwindow.h"

#include <QListWidget>
#include <QProcess>

TEST(FavoritesCommandLine, TheBinaryListsFindsAndAddsWithoutADisplay)
{
    TempFolder tmp;
    const QString work = tmp.makeFolder("home/Work Stuff");
    tmp.writeFile("home/.local/share/Wayfolder/FavoDirs.dat", "Enter below\r\nHome*" + tmp.home().toUtf8());
    const auto run = [&](const QStringList& args, QString* out = nullptr) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        env.insert("HOME", tmp.home());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(WAYFOLDER_PROGRAM), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        if (out)
            *out = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitCode();
    };
    QString out;
    EXPECT_EQ(run({"--add", work, "--filter", "*.md"}), 0);
    EXPECT_EQ(run({"--list"}, &out), 0);
    EXPECT_EQ(out, "Home\t" + tmp.home() + "\t\nWork Stuff\t" + work + "\t*.md\n");
    EXPECT_EQ(run({"--path", "work"}, &out), 0);
    EXPECT_EQ(out, work + "\n");
    EXPECT_EQ(run({"--path", "nothing"}, &out), 1);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(ShownWindow, FavoritesTypeAheadHighlightsWithoutOpeningAndEnterOpens)
{
    const QString a = tmp.makeFolder("home/alpha");
    const QString b = tmp.makeFolder("home/beta");
    for (const auto& [name, path] : {std::pair{"Alpha", a}, std::pair{"Beta", b}, std::pair{"Bravo", a}}) {
        form.FavoDirList.AddItem(QString::fromLatin1(name));
        form.FavoDirPath.AddItem(path);
        form.FavoFileFilter.AddItem(QString());
    }
    form.FavoDirList.setListIndex(0);
    ASSERT_EQ(form.DirList.Path(), a);
    QListView* view = &list(form.FavoDirList);
    view->setFocus();

    QTest::keyClicks(view, "br");
    EXPECT_EQ(form.FavoDirList.ListIndex(), 2);
    EXPECT_EQ(view->currentIndex().row(), 2);
    EXPECT_EQ(form.DirList.Path(), a); // shown, not opened
    // Escape ends the typing; "b" then moves on from Bravo, round to Beta.
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_B);
    EXPECT_EQ(form.DirList.Path(), a);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(form.FavoDirList.ListIndex(), 1);
    EXPECT_EQ(form.DirList.Path(), b);

    // The menu shows the shortcut of Find Favorite.
    EXPECT_EQ(action(QStringLiteral("Menu_FindFavorite")).shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+F")));
}

TEST(CheckListWidget, ACheckBoxClickReachesTheModelAndTheModelIsShown)
{
    QtHost host;
    Form form(host, QStringLiteral("Check"));
    CheckList list(form, QStringLiteral("List"));
    list.Move(0, 0, 3000, 2000);
    list.AddItem(QStringLiteral("one"), true);
    list.AddItem(QStringLiteral("two"), false);
    std::vector<int> checks;
    list.ItemCheck = [&](int i) { checks.push_back(i); };
    QWidget parent;
    FormView view(form, host.scale(), &parent);
    auto* widget = qobject_cast<QListWidget*>(view.add(list, parent));
    ASSERT_NE(widget, nullptr);
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(0)->checkState(), Qt::Checked);
    widget->item(1)->setCheckState(Qt::Checked); // what a click on the box does
    EXPECT_TRUE(list.Checked(1));
    EXPECT_EQ(checks, std::vector<int>{1});
    list.setChecked(0, false);
    EXPECT_EQ(widget->item(0)->checkState(), Qt::Unchecked);
}
