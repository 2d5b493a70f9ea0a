#pragma once
// A one-line text box. Setting Text runs Change when the text changes.

#include "core/toolkit/control.h"

#include <QStringList>

class TextBox : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    const QString& Text() const { return m_text; }
    /// Runs Change when the text differs from the current one.
    void setText(const QString& text);

    /// How many characters from the start the box selects when it shows the text.
    int SelLength() const { return m_selLength; }
    void setSelLength(int length)
    {
        m_selLength = length;
        emit changed();
    }

    /// What the box offers to complete the text typed with; empty for nothing.
    const QStringList& Completions() const { return m_completions; }
    void setCompletions(const QStringList& completions)
    {
        m_completions = completions;
        emit changed();
    }

    bool FontItalic() const { return m_italic; }
    void setFontItalic(bool italic);

    std::function<void()> Change;
    std::function<void()> DblClick;

    void RaiseDblClick() { raise(DblClick); }

private:
    QString m_text;
    bool m_italic = false;
    int m_selLength = -1;
    QStringList m_completions;
};
