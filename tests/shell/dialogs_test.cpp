// The dialog windows render what their forms hold, nothing clipped, in both languages, and their
// keys and close control answer as the forms' handlers decide: the About box (whose e-mail link
// has a hand pointer and writes to the author) and the message box.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/module1.h"
#include "core/tempfolder.h"
#include "modal.h"
#include "qtinput.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/aboutdialog.h"
#include "shell/windows/messboxdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
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

// The real host and forms, with the desktop's opener recorded.
class DialogTest : public testing::Test
{
protected:
    TempFolder tmp;
    OpenRecordingHost host;
    Module1 module{host};
};

class AboutDialogTest : public DialogTest
{
protected:
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

TEST_F(DialogTest, MessBoxRendersTheFormsComputedGeometryWithNothingClipped)
{
    module.SwedishLanguage = true;
    module.MessPrompt = QStringLiteral("Första raden\nAndra raden, som är lite längre än den första");
    module.MessButtons = MsgStyle::YesNoCancel;
    module.MessTitle = QStringLiteral("Title");
    MessBox& box = module.messBox();
    box.Load();
    const TwipsScale& scale = host.scale();
    MessBoxDialog dialog(box, scale, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.windowTitle(), box.Caption());
    EXPECT_EQ(dialog.size(), QSize(scale.toPixels(box.Width() - Form::FrameWidth),
                                   scale.toPixels(box.Height() - Form::FrameHeight)));
    for (int16_t i = 0; i < 3; ++i) {
        auto* button = qobject_cast<QPushButton*>(dialog.view().widgetFor(&box.Button(i)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), scale.geometry(box.Button(i))) << "Button(" << i << ")";
        EXPECT_EQ(button->text(), box.Button(i).Caption());
        EXPECT_TRUE(button->isVisible());
        EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "Enter belongs to the focused button";
        EXPECT_TRUE(dialog.rect().contains(button->geometry())) << "Button(" << i << ") is clipped";
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin)
            << "caption of Button(" << i << ") is clipped";
    }

    QWidget* panel = dialog.view().widgetFor(&box.Frame_Msg);
    EXPECT_EQ(panel->geometry(), scale.geometry(box.Frame_Msg));
    auto* label = qobject_cast<QLabel*>(dialog.view().widgetFor(&box.Label_Msg));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), panel);
    // The prompt stands where the form put it, never smaller than its text.
    EXPECT_EQ(label->pos(), scale.geometry(box.Label_Msg).topLeft());
    const QSize text = label->fontMetrics().size(0, label->text());
    EXPECT_GE(label->width(), text.width());
    EXPECT_GE(label->height(), text.height());
    EXPECT_TRUE(panel->rect().contains(label->geometry())) << "the prompt reaches out of its panel";
    EXPECT_LE(panel->geometry().bottom(), dialog.view().widgetFor(&box.Button(0))->geometry().top());
}

TEST_F(DialogTest, MessBoxKeysAndTheCloseControlAnswerThroughTheFormsHandlers)
{
    // The key goes to the focused button; Qt::Key_unknown stands for the window's close control.
    // clang-format off
    struct Row { const char* name; int16_t style; int16_t focusIndex; Qt::Key key; int16_t answer; };
    const Row rows[] = {
        {"Escape on OK/Cancel", MsgStyle::OKCancel, 0, Qt::Key_Escape, MsgAnswer::Cancel},
        {"Escape with the focus on the middle", MsgStyle::YesNoCancel + 256, 1, Qt::Key_Escape, MsgAnswer::No},
        {"Space on the focused button", MsgStyle::YesNo + 256, 1, Qt::Key_Space, MsgAnswer::Yes},
        {"Enter on the focused button", MsgStyle::OKCancel, 0, Qt::Key_Return, MsgAnswer::Cancel},
        {"window close on Yes/No/Cancel", MsgStyle::YesNoCancel, 0, Qt::Key_unknown, MsgAnswer::Cancel},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        module.MessAnswer = 0;
        int16_t answer = 0;
        const auto open = [&] { answer = module.ShowMessBox("Go on?", row.style, "Question"); };
        EXPECT_TRUE(Modal::Inspect(open, [&](FormDialog& dialog) {
            QWidget* focused = dialog.view().widgetFor(&module.messBox().Button(row.focusIndex));
            ASSERT_TRUE(QtInput::waitFor([&] { return dialog.focusWidget() == focused; }));
            if (row.key == Qt::Key_unknown)
                dialog.close();
            else
                QTest::keyClick(focused, row.key);
            EXPECT_TRUE(QtInput::waitFor([&] { return !module.messBox().IsLoaded(); }));
        }));
        EXPECT_EQ(answer, row.answer);
    }
}
