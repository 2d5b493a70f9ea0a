// The check-box list model: adding and clearing items, and check marks that raise ItemCheck.
#include "core/toolkit/checklist.h"

void CheckList::AddItem(const QString& item, bool checked)
{
    m_items.append(item);
    m_checked.push_back(checked);
    emit itemsChanged();
}

void CheckList::AddItems(const QStringList& items, const std::vector<bool>& checked)
{
    m_items.append(items);
    m_checked.insert(m_checked.end(), checked.begin(), checked.end());
    m_checked.resize(size_t(m_items.size()), false);
    emit itemsChanged();
}

void CheckList::Clear()
{
    m_items.clear();
    m_checked.clear();
    emit itemsChanged();
}

QString CheckList::List(int index) const
{
    return index >= 0 && index < ListCount() ? m_items.at(index) : QString();
}

bool CheckList::Checked(int index) const
{
    return index >= 0 && index < ListCount() && m_checked[size_t(index)];
}

void CheckList::setChecked(int index, bool checked)
{
    if (index < 0 || index >= ListCount() || m_checked[size_t(index)] == checked)
        return;
    m_checked[size_t(index)] = checked;
    emit checkChanged(index);
    if (ItemCheck)
        ItemCheck(index);
}
