// The Change Drive window, whose Escape presses the Cancel button.
#include "shell/windows/changedrivedialog.h"

#include "core/dialogs/changedriveform.h"
#include "shell/widgets/formview.h"

#include <QKeyEvent>
#include <QPushButton>

ChangeDriveDialog::ChangeDriveDialog(ChangeDriveForm& form, const TwipsScale& scale, QWidget* parent)
    : FormDialog(form, scale, parent), m_form(form)
{
    view().addRemaining(*this);
    finish();
}

void ChangeDriveDialog::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    auto* cancel = qobject_cast<QPushButton*>(view().widgetFor(&m_form.Command_Cancel));
    if (event->key() == Qt::Key_Escape && plain && cancel && cancel->isEnabled() && cancel->isVisible()) {
        cancel->click();
        return;
    }
    FormDialog::keyPressEvent(event);
}
