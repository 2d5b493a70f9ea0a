// Type-ahead in a list of names: which name the letters typed so far lead to.
#include "core/mainform/typeahead.h"

namespace {

int findFrom(const QStringList& names, int start, const QString& prefix, const std::function<bool(int)>& skip)
{
    const int count = int(names.size());
    for (int step = 0; step < count; ++step) {
        const int i = (start + step) % count;
        if (skip && skip(i))
            continue;
        if (names.at(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace

int TypeAhead::next(const QStringList& names, int current, QChar c, qint64 nowMs,
                    const std::function<bool(int)>& skip)
{
    if (m_typed.isEmpty() || nowMs - m_lastMs > PauseMs || nowMs < m_lastMs)
        m_typed.clear();
    m_lastMs = nowMs;
    m_typed += c;
    if (names.isEmpty())
        return -1;
    const int start = current < 0 ? 0 : current;
    // A longer prefix may still fit the highlighted name; a first letter moves on from it.
    if (m_typed.size() > 1) {
        const int found = findFrom(names, start, m_typed, skip);
        if (found >= 0)
            return found;
        // "ww" with no name starting so: step to the next name starting with "w".
        if (m_typed.count(m_typed.front()) != m_typed.size())
            return -1;
        m_typed = QString(c);
    }
    return findFrom(names, current < 0 ? 0 : start + 1, m_typed, skip);
}
