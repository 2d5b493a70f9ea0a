#pragma once
// Type-ahead in a list of names: the letters typed in quick succession find the next name that
// starts with them, ignoring case. Repeating one letter steps through the names starting with it.

#include <QString>
#include <QStringList>
#include <functional>

class TypeAhead
{
public:
    /// Letters further apart than this start a new search.
    static constexpr qint64 PauseMs = 1000;

    /// The entry to highlight after typing `c` at `nowMs` with `current` highlighted; -1 when no
    /// name fits. `skip` leaves entries out (separators).
    int next(const QStringList& names, int current, QChar c, qint64 nowMs,
             const std::function<bool(int)>& skip = {});

    void reset() { m_typed.clear(); }
    const QString& typed() const { return m_typed; }

private:
    QString m_typed;
    qint64 m_lastMs = 0;
};
