// Showing a TextBox as a QLineEdit: typing sets Text; double click and right press raise their events.
#include "shell/widgets/textboxbinding.h"

#include "core/toolkit/textbox.h"
#include "shell/widgets/eventguard.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>

TextBoxBinding::TextBoxBinding(TextBox& textBox, QLineEdit& edit, const TwipsScale& scale)
    : ControlBinding(textBox, edit, scale), m_textBox(textBox), m_edit(edit)
{
    // The right button belongs to the program's MouseDown handler, not to an edit menu.
    edit.setContextMenuPolicy(Qt::NoContextMenu);
    connect(&edit, &QLineEdit::textEdited, this,
            [this](const QString& text) { EventGuard::run("Change", [&] { m_textBox.setText(text); }); });
    refresh();
}

void TextBoxBinding::update()
{
    ControlBinding::update();
    if (m_edit.text() != m_textBox.Text())
        m_edit.setText(m_textBox.Text());
    if (!m_completer && !m_textBox.Completions().isEmpty()) {
        m_completions = new QStringListModel(this);
        m_completer = new QCompleter(m_completions, this);
        m_completer->setCaseSensitivity(Qt::CaseInsensitive);
        m_completer->setWidget(&m_edit);
        connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this,
                [this](const QString& text) {
                    m_edit.setText(text);
                    EventGuard::run("Change", [&] { m_textBox.setText(text); });
                });
    }
    if (m_completer && m_completions->stringList() != m_textBox.Completions()) {
        m_completions->setStringList(m_textBox.Completions());
        if (m_textBox.Completions().isEmpty() || !m_edit.hasFocus()) {
            m_completer->popup()->hide();
        } else {
            m_completer->setCompletionPrefix(m_textBox.Text());
            m_completer->complete();
        }
    }
    // Once per proposal: typing must not bring the selection back.
    if (m_textBox.SelLength() != m_selLength) {
        m_selLength = m_textBox.SelLength();
        if (m_selLength >= 0)
            m_edit.setSelection(0, m_selLength);
    }
    if (m_edit.font().italic() != m_textBox.FontItalic()) {
        QFont font = m_edit.font();
        font.setItalic(m_textBox.FontItalic());
        m_edit.setFont(font);
    }
}

bool TextBoxBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_edit && event->type() == QEvent::MouseButtonDblClick)
        EventGuard::run("DblClick", [this] { m_textBox.RaiseDblClick(); });
    return ControlBinding::eventFilter(watched, event);
}
