// The About box's window shows what its form holds, nothing clipped, in both languages; the
// e-mail link has a hand pointer and a click on it writes to the author; Enter and Escape close.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/module1.h"
#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/aboutdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class OpenRecordingHost : public QtHost
{
public:
    QStringList shellOpened;
    bool ShellOpen(const QString& target) override
    {
        shellOpened.append(target);
        return true;
    }
};

class AboutDialogTest : public testing::Test
{
protected:
    TempFolder tmp;
    OpenRecordingHost host;
    Module1 module{host};
    AboutForm& about = module.aboutForm();

    std::unique_ptr<AboutDialog> show(bool swedish)
    {
        module.SwedishLanguage = swedish;
        about.Load();
        auto dialog = std::make_unique<AboutDialog>(about, host.scale(), nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
};

} // namespace

TEST_F(AboutDialogTest, ShowsTheFormsTextsAndIconWithNothingClipped)
{
    for (const bool swedish : {false, true}) {
        SCOPED_TRACE(swedish ? "Swedish" : "English");
        auto dialog = show(swedish);
        EXPECT_EQ(dialog->windowTitle(), about.Caption());
        const QRect inside = dialog->rect();
        for (Control* control : about.Controls()) {
            QWidget* widget = dialog->view().widgetFor(control);
            if (control == &about.picIcon)
                widget = dialog->findChild<QLabel*>(about.picIcon.Name());
            ASSERT_NE(widget, nullptr) << control->Name().toStdString();
            EXPECT_TRUE(inside.contains(widget->geometry())) << control->Name().toStdString();
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->pixmap().isNull()) {
                    // The blank lines at the end of the description show nothing.
                    const QString shown = label->text().trimmed();
                    const QSize text =
                        label->wordWrap()
                            ? label->fontMetrics()
                                  .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, shown)
                                  .size()
                            : label->fontMetrics().size(0, shown);
                    EXPECT_LE(text.width(), label->width()) << control->Name().toStdString();
                    EXPECT_LE(text.height(), label->height()) << control->Name().toStdString();
                }
            }
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                EXPECT_EQ(button->text(), static_cast<CommandButton*>(control)->Caption());
                EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());
            }
        }
        auto* description = qobject_cast<QLabel*>(dialog->view().widgetFor(&about.lblDescription));
        ASSERT_NE(description, nullptr);
        EXPECT_EQ(description->text(), about.lblDescription.Caption());
        EXPECT_FALSE(dialog->findChild<QLabel*>(about.picIcon.Name())->pixmap().isNull());
        about.Unload();
    }
}

TEST_F(AboutDialogTest, EmailLinkHasAHandPointerAndAClickWritesToTheAuthor)
{
    auto dialog = show(false);
    QWidget* email = dialog->view().widgetFor(&about.lblEmail);
    ASSERT_NE(email, nullptr);
    EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);

    // A press that is dragged off the link before its release is no click.
    QtInput::press(*email, Qt::LeftButton, QPoint(2, 2));
    QtInput::release(*email, Qt::LeftButton, QPoint(email->width() + 20, 2));
    EXPECT_TRUE(host.shellOpened.isEmpty());

    QtInput::press(*email, Qt::LeftButton, QPoint(2, 2));
    QtInput::release(*email, Qt::LeftButton, QPoint(2, 2));
    EXPECT_EQ(host.shellOpened, QStringList{"mailto:" + AboutForm::AuthorEmail() + "?subject=Wayfolder"});
    EXPECT_TRUE(about.IsLoaded());
}

TEST_F(AboutDialogTest, EnterAndEscapeCloseTheBox)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        auto dialog = show(true);
        auto* close = qobject_cast<QPushButton*>(dialog->view().widgetFor(&about.cmdOK));
        ASSERT_NE(close, nullptr);
        EXPECT_TRUE(close->isDefault());
        ASSERT_TRUE(QtInput::waitFor([&] { return close->hasFocus(); }));
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(about.IsLoaded()) << key;
    }
}
