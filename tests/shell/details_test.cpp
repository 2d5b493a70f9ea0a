// The details view in the real window: the key shows the columns, the rows on screen fill in
// from the workers while rows far below stay unread, and a header click sorts.

#include "shell/widgets/filedetailscolumns.h"
#include "shownwindow.h"

#include <QHeaderView>
#include <QLineEdit>

namespace {
struct DetailsView : ShownWindow
{};
} // namespace

TEST_F(DetailsView, TheDetailsKeyShowsColumnsThatFillInForTheRowsOnScreenAndSortOnAHeaderClick)
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
    EXPECT_EQ(header.model()->headerData(1, Qt::Horizontal).toString(), "Size");
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
