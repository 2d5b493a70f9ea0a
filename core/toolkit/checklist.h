#pragma once
// A list of texts, each with a check box. Setting a check mark runs ItemCheck before it returns.

#include "core/toolkit/control.h"

#include <QStringList>
#include <vector>

class CheckList : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    void AddItem(const QString& item, bool checked);
    /// Appends many at once: a view redraws once, not once per entry.
    void AddItems(const QStringList& items, const std::vector<bool>& checked);
    void Clear();

    QString List(int index) const;
    int ListCount() const { return int(m_items.size()); }

    bool Checked(int index) const;
    /// Sets or clears the check mark of an entry and runs ItemCheck(index) when it changed.
    void setChecked(int index, bool checked);

    std::function<void(int index)> ItemCheck;

signals:
    void itemsChanged();
    void checkChanged(int index);

private:
    QStringList m_items;
    std::vector<bool> m_checked;
};
