#pragma once
// A menu, submenu, command or separator ("-"), with caption, check mark and enabled state.
// A menu's Click runs when it is about to open; a command's when it is chosen.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class MenuItem : public QObject
{
    Q_OBJECT

public:
    explicit MenuItem(const QString& name, const QString& caption = {});

    const QString& Name() const { return m_name; }

    /// "&" marks the access key, "&&" shows one "&"; "-" makes a separator line.
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool IsSeparator() const { return m_caption == QLatin1String("-"); }

    bool Checked() const { return m_checked; }
    void setChecked(bool checked);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    /// Sub-items in menu order; empty for a command.
    const std::vector<MenuItem*>& Items() const { return m_items; }
    void addItem(MenuItem& item) { m_items.push_back(&item); }

    std::function<void()> Click;
    void RaiseClick()
    {
        if (Click)
            Click();
    }

signals:
    void changed();

private:
    QString m_name;
    QString m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    bool m_visible = true;
    std::vector<MenuItem*> m_items;
};
