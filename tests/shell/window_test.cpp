// The main window paints before the first activation lists the start folder, and resizes: the
// designed layout is its default size, the lists grow with it, the controls keep their places in
// their columns, and it always fits on its screen, as do dialogs. One scale turns the forms'
// twips into pixels for any screen and font without narrowing a measured text.

#include "core/formats/favofile.h"
#include "modal.h"
#include "qtinput.h"
#include "shell/widgets/twips.h"
#include "shell/windows/startup.h"
#include "shownwindow.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>

namespace {

// Geometry in pixels as the form designed it, and the controls the window shows.
struct WindowTest : ShownWindow
{
    QRect designed(const Control& control) { return host.scale().geometry(control); }
    std::vector<const Control*> shown()
    {
        std::vector<const Control*> controls;
        for (const Control* control : form.Controls()) {
            if (control->Visible() && window.view().widgetFor(control))
                controls.push_back(control);
        }
        return controls;
    }
};

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

TEST_F(WindowTest, TheDesignIsTheDefaultSizeAResizeGrowsTheListsInTheirColumnsAMaximiseIsNotStored)
{
    const TwipsScale& scale = host.scale();
    EXPECT_EQ(window.clientArea().size(),
              QSize(scale.toPixels(MainForm::ClientWidth), scale.toPixels(MainForm::ClientHeight)));
    for (const Control* control : std::initializer_list<const Control*>{
             &form.FavoDirList, &form.DirList, &form.FileList, &form.FileFind, &form.Command_Exit,
             &form.Command_UpOneLevel}) {
        SCOPED_TRACE(control->Name().toStdString());
        EXPECT_EQ(widget(*control).geometry(), designed(*control));
    }
    const QRect favorites = widget(form.FavoDirList).geometry();
    const QRect tree = widget(form.DirList).geometry();
    const QRect files = widget(form.FileList).geometry();
    const QRect exit = widget(form.Command_Exit).geometry();
    const QRect up = widget(form.Command_UpOneLevel).geometry();

    window.resize(window.size() + QSize(400, 200));
    ASSERT_TRUE(QtInput::waitFor([&] { return widget(form.FileList).height() == files.height() + 200; }));

    const double ratio = double(window.clientArea().width()) / (window.clientArea().width() - 400);
    EXPECT_NEAR(widget(form.FavoDirList).width(), favorites.width() * ratio, 2);
    EXPECT_NEAR(widget(form.DirList).width(), tree.width() * ratio, 2);
    EXPECT_GT(widget(form.FileList).width(), files.width());
    // The exit button stays at the right end of the file column, Up at its place in the tree's.
    EXPECT_EQ(widget(form.FileList).geometry().right() - widget(form.Command_Exit).geometry().right(),
              files.right() - exit.right());
    EXPECT_EQ(widget(form.Command_UpOneLevel).x() - widget(form.DirList).x(), up.x() - tree.x());
    EXPECT_EQ(widget(form.FileFind).geometry().top() - widget(form.FileList).geometry().bottom(),
              designed(form.FileFind).top() - designed(form.FileList).bottom());

    // The form learns the size, so that it can be stored at exit.
    EXPECT_NEAR(host.scale().toPixels(form.Width() - MainForm::FrameWidth), window.clientArea().width(), 1);
    // A maximised window leaves the stored size alone.
    const int width = form.Width();
    window.showMaximized();
    ASSERT_TRUE(QtInput::waitFor([&] { return window.isMaximized(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Width(), width);
}

TEST_F(WindowTest, AtTheMinimumSizeNoTwoControlsOverlapAndAllLieInside)
{
    window.resize(100, 100);
    ASSERT_TRUE(
        QtInput::waitFor([&] { return window.clientArea().size() == window.clientArea().minimumSize(); }));
    const QRect client = window.clientArea().rect();
    const auto controls = shown();
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect a = widget(*controls[i]).geometry();
        EXPECT_TRUE(client.contains(a)) << controls[i]->Name().toStdString();
        EXPECT_GE(a.width(), designed(*controls[i]).width() / 3) << controls[i]->Name().toStdString();
        for (size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(a.intersects(widget(*controls[j]).geometry()))
                << controls[i]->Name().toStdString() << " overlaps " << controls[j]->Name().toStdString();
        }
    }
}

// Run by CTest with QT_SCALE_FACTOR=2 on a 1920x1080 screen; on any screen the window must fit.
TEST(ScaledScreen, TheWholeMainWindowAndADialogLieOnTheScreen)
{
    TempFolder tmp;
    QtHost host;
    Module1 module{host};
    MainForm& form = module.mainForm();
    form.Load();
    MainWindow window{form, host.scale()};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The first activation loads the favorites and retitles the window, as at a real start.
    form.Activate();
    // At twice the scale a window manager's border of one device pixel is half a logical pixel,
    // which Qt's frame geometry rounds up to a whole one.
    const int rounding = window.devicePixelRatio() > 1 ? 1 : 0;
    const QRect available =
        window.screen()->availableGeometry().adjusted(-rounding, -rounding, rounding, rounding);
    RecordProperty("devicePixelRatio", std::to_string(window.devicePixelRatio()));
    ASSERT_TRUE(QtInput::waitFor([&] { return available.contains(window.frameGeometry()); }))
        << "frame " << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on "
        << available.width() << "x" << available.height();
    for (QWidget* shownWidget :
         {static_cast<QWidget*>(&window.menuBar()), window.view().widgetFor(&form.Command_Exit),
          window.view().widgetFor(&form.FileFind)}) {
        const QRect global(shownWidget->mapToGlobal(QPoint(0, 0)), shownWidget->size());
        EXPECT_TRUE(available.contains(global)) << shownWidget->objectName().toStdString();
    }
    // A dialog over a window in the screen's corner stays on the screen too.
    window.move(available.bottomRight() - QPoint(50, 50));
    QRect dialogFrame;
    const bool seen =
        Modal::Inspect([&] { form.Menu_About_Click(); },
                       [&](FormDialog& dialog) {
                           QtInput::waitFor([&] { return available.contains(dialog.frameGeometry()); });
                           dialogFrame = dialog.frameGeometry();
                       });
    ASSERT_TRUE(seen);
    EXPECT_TRUE(available.contains(dialogFrame));
    form.Unload();
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
