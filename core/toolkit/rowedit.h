#pragma once
// Editing the text of one row of a list in place, as a rename does: the list shows an edit box
// over the row with part of the text selected; Enter hands the text to Done, Escape drops it.

#include <QObject>
#include <QString>
#include <functional>

class RowEdit : public QObject
{
    Q_OBJECT

public:
    /// Opens the box over row `index` (the list's own index) with `text`, `selectLength`
    /// characters of it selected from the start.
    void Begin(int index, const QString& text, int selectLength)
    {
        m_index = index;
        m_text = text;
        m_selectLength = selectLength;
        m_active = true;
        emit started();
    }
    /// Enter: closes the box, then runs Done with the text typed.
    void Finish(const QString& text)
    {
        if (!close())
            return;
        m_text = text;
        if (Done)
            Done(m_index, text);
    }
    /// Escape, or the box lost the focus: closes it and nothing happens.
    void Cancel() { close(); }

    bool Active() const { return m_active; }
    int Index() const { return m_index; }
    const QString& Text() const { return m_text; }
    int SelectLength() const { return m_selectLength; }

    std::function<void(int index, const QString& text)> Done;

signals:
    void started();
    void ended();

private:
    bool close()
    {
        if (!m_active)
            return false;
        m_active = false;
        emit ended();
        return true;
    }

    bool m_active = false;
    int m_index = -1;
    QString m_text;
    int m_selectLength = 0;
};
