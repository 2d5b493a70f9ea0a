// The message box window renders the layout its form computed, and its keys and close control
// answer as the form's handlers decide.

#include "core/dialogs/messbox.h"
#include "core/dialogs/module1.h"
#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"
#include "shell/widgets/formview.h"
#include "shell/windows/messboxdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace QtInput;

namespace {

class MessBoxDialogTest : public testing::Test
{
protected:
    TempFolder tmp;
    QtHost host;
    Module1 module{host};

    /// Shows a message through the real modal path; `respond` acts on the open box once its
    /// focus is on the button `focusIndex`. A box still open after the deadline is closed.
    int16_t showAndRespond(int16_t style, int16_t focusIndex,
                           const std::function<void(QWidget& dialog)>& respond)
    {
        bool responded = false;
        QTimer poll;
        const QDeadlineTimer deadline(5000);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible() || responded)
                return;
            auto* box = qobject_cast<MessBoxDialog*>(dialog);
            const bool focused =
                box && box->focusWidget() &&
                box->focusWidget() == box->view().widgetFor(&module.messBox().Button(focusIndex));
            if (focused) {
                responded = true;
                respond(*dialog);
            } else if (deadline.hasExpired()) {
                ADD_FAILURE() << "the focus never reached Button(" << focusIndex << ")";
                responded = true;
                dialog->close();
            }
        });
        poll.start(5);
        return module.ShowMessBox(QStringLiteral("Go on?"), style, QStringLiteral("Question"));
    }
};

} // namespace

TEST_F(MessBoxDialogTest, RendersTheFormsComputedGeometryWithNothingClipped)
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
    const char* captions[] = {"Avbryt", "Nej", "Ja"};
    for (int16_t i = 0; i < 3; ++i) {
        auto* button = qobject_cast<QPushButton*>(dialog.view().widgetFor(&box.Button(i)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), scale.geometry(box.Button(i))) << "Button(" << i << ")";
        EXPECT_EQ(button->text(), QString::fromUtf8(captions[i]));
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

TEST_F(MessBoxDialogTest, KeysAndTheCloseControlAnswerThroughTheFormsHandlers)
{
    struct Row
    {
        const char* name;
        int16_t style;
        int16_t focusIndex;
        Qt::Key key; // on the focused button; Qt::Key_unknown: the window's close control
        int16_t answer;
    };
    // clang-format off
    const Row rows[] = {
        {"Escape on OK/Cancel", MsgStyle::OKCancel, 0, Qt::Key_Escape, MsgAnswer::Cancel},
        {"Escape with the focus on the middle", MsgStyle::YesNoCancel + 256, 1, Qt::Key_Escape, MsgAnswer::No},
        {"Space on the focused button", MsgStyle::YesNo + 256, 1, Qt::Key_Space, MsgAnswer::Yes},
        {"Enter on the focused button", MsgStyle::OKCancel, 0, Qt::Key_Return, MsgAnswer::Cancel},
        {"window close on Yes/No/Cancel", MsgStyle::YesNoCancel, 0, Qt::Key_unknown, MsgAnswer::Cancel},
    };
    // clang-format on
    for (const Row& row : rows) {
        module.MessAnswer = 0;
        const int16_t answer = showAndRespond(row.style, row.focusIndex, [&](QWidget& dialog) {
            if (row.key == Qt::Key_unknown)
                dialog.close();
            else
                QTest::keyClick(dialog.focusWidget(), row.key);
        });
        EXPECT_EQ(answer, row.answer) << row.name;
        EXPECT_FALSE(module.messBox().IsLoaded()) << row.name;
    }
}
