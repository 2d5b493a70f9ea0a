// The window paints before the first activation lists the start folder, and names that are not
// UTF-8 reach the screen with a mark and the clipboard with their bytes.

#include "core/dialogs/module1.h"
#include "core/formats/favofile.h"
#include "core/mainform/mainform.h"
#include "core/system/filename.h"
#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/mainwindow.h"
#include "shell/windows/startup.h"
#include "shownwindow.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

// Notes what the form had done when the window first painted.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget& window, MainForm& form) : m_form(form) { window.installEventFilter(this); }
    bool painted = false;
    bool filesListedAtPaint = true;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            filesListedAtPaint = !m_form.FileList.Path().isEmpty();
        }
        return false;
    }

private:
    MainForm& m_form;
};

} // namespace

TEST(StartPaint, TheWindowPaintsBeforeTheStartFolderIsListedThenListsIt)
{
    TempFolder tmp;
    const QString start = tmp.makeFolder("home/start");
    tmp.writeFile("home/start/a.txt", {});
    tmp.writeFile("home/.local/share/Wayfolder/FavoDirs.dat", DefaultFavoFileBytes(start));
    QtHost host;
    Module1 module(host);
    MainForm& form = module.mainForm();
    form.Load();
    MainWindow window(form, host.scale());
    FirstPaint paint(window, form);
    ShowThenActivate(window, form);
    ASSERT_TRUE(QtInput::waitFor([&] { return paint.painted; }, 10000));
    EXPECT_FALSE(paint.filesListedAtPaint);
    ASSERT_TRUE(QtInput::waitFor([&] { return form.FileList.ListCount() == 1; }, 10000));
    EXPECT_EQ(form.DirList.Path(), start);
}

TEST(RawNamesOnScreen, TheListShowsAMarkAndTheClipboardGetsTheBytes)
{
    MainWindowWorld world;
    const QString work = world.tmp.makeFolder("home/work");
    const QByteArray file = world.tmp.touch("home/work/caf\xe9.txt");
    world.form.DirList.setPath(work);
    QListView& view = world.list(world.form.FileList);
    ASSERT_EQ(view.model()->rowCount(), 1);
    EXPECT_EQ(view.model()->index(0, 0).data().toString(), "caf\\xE9.txt");

    world.host.ClipboardSetText(FileNameFromBytes(std::string_view(file.constData(), size_t(file.size()))));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("text/plain"), file);
    EXPECT_EQ(data->data("text/uri-list"), "file://" + QFile::encodeName(work) + "/caf%E9.txt\r\n");

    world.host.ClipboardSetText("plain");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "plain");
}
