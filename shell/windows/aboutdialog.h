#pragma once
// The About box's window: the program icon, the labels and buttons where the form put them, the
// separator drawn etched, and the e-mail address as a link with a hand pointer whose click goes
// to the form's lblEmail_Click. Close is the default and cancel button, as the form says.

#include "shell/windows/formdialog.h"

class AboutForm;

class AboutDialog : public FormDialog
{
    Q_OBJECT

public:
    AboutDialog(AboutForm& about, const TwipsScale& scale, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AboutForm& m_about;
    QWidget* m_email = nullptr;
};
