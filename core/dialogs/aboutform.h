#pragma once
// The About box: the program's title, version and description in the current language, an
// e-mail link to the author, and the check for a newer version on the program's web server.

#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/line.h"

#include <QString>

class Module1;

class AboutForm : public Form
{
    Q_OBJECT

public:
    explicit AboutForm(Module1& module);

    /// Client area in twips; Width and Height of the form add the window frame.
    static constexpr int ClientWidth = 8325;
    static constexpr int ClientHeight = 5730;

    /// The program icon; the view draws it in this place.
    Control picIcon;
    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
    /// The author's address; a click writes an e-mail to it.
    Label lblEmail;
    /// The etched separator above the buttons.
    Line Line1;
    CommandButton CheckUpdate;
    /// The default and cancel button: Enter and Escape close the box too.
    CommandButton cmdOK;

    /// The program's web server and the author's address, as set when the program was built.
    static QString BuiltInWebServer();
    static QString AuthorEmail();
    /// The server that the update check asks; the built-in one unless changed.
    QString WebServer = BuiltInWebServer();

    void cmdOK_Click();
    void lblEmail_Click();
    void CheckUpdate_Click();

    /// Opens a new e-mail message in the desktop's mail program; false when none could start.
    bool OpenEmail(const QString& EmailAddress, const QString& Subject = {}, const QString& Body = {});
    /// The mailto address: one "mailto:" prefix whatever the case of one already there, then
    /// "?subject=" and "?"/"&" + "body=" for the parts that are not empty. Nothing is escaped.
    static QString MailtoAddress(const QString& EmailAddress, const QString& Subject, const QString& Body);

protected:
    void Form_Load() override;

private:
    void restoreDesignState();
    /// Shows a message that ends with the offer to open the home page, and opens it unless the
    /// answer is No.
    void offerHomePage(const QString& message, const QString& title, const QString& homePage);

    Module1& m_module;
};
