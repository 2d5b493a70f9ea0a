#pragma once
// A list of texts with one selected entry. Setting ListIndex runs Click before it returns.

#include "core/toolkit/control.h"

#include <QStringList>

class ListBox : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    /// Appends, or inserts before `index` when it is 0..ListCount.
    void AddItem(const QString& item, int16_t index = -1);
    /// Appends many at once: a view redraws once, not once per entry.
    void AddItems(const QStringList& items);
    void RemoveItem(int16_t index);
    void Clear();

    /// The entry at `index`; an empty text beyond the ends.
    QString List(int16_t index) const;
    int16_t ListCount() const { return static_cast<int16_t>(m_items.size()); }

    int16_t ListIndex() const { return m_listIndex; }
    /// Selects an entry (-1 for none) and runs Click, even when it was selected already.
    void setListIndex(int16_t index);
    /// Selects an entry without running Click: a highlight the user has not chosen yet.
    void Highlight(int16_t index);

    const QStringList& Items() const { return m_items; }

    /// A note on one entry: an entry with a note is shown dimmed, with the note as its tooltip
    /// (a favorite whose folder is missing). Notes move with their entries; empty clears it.
    void setItemNote(int16_t index, const QString& note);
    QString ItemNote(int16_t index) const;

    /// A picture beside one entry: a theme icon name or an absolute picture file (a program's
    /// icon). Icons move with their entries; empty shows none.
    void setItemIcon(int16_t index, const QString& icon);
    QString ItemIcon(int16_t index) const;

    std::function<void()> Click;
    std::function<void()> DblClick;

    void RaiseDblClick() { raise(DblClick); }

signals:
    void itemsChanged();
    void listIndexChanged();
    void itemNotesChanged();
    void itemIconsChanged();

private:
    QStringList m_items;
    QStringList m_notes; // empty, or as long as m_items
    QStringList m_icons; // empty, or as long as m_items
    int16_t m_listIndex = -1;
};
