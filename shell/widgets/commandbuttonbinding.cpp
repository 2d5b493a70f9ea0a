// Showing a CommandButton as a QPushButton: caption or picture, and clicks, Space and Enter as Click.
#include "shell/widgets/commandbuttonbinding.h"

#include "core/toolkit/commandbutton.h"
#include "shell/widgets/eventguard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

CommandButtonBinding::CommandButtonBinding(CommandButton& button, QPushButton& widget,
                                           const TwipsScale& scale)
    : ControlBinding(button, widget, scale), m_button(button), m_widget(widget)
{
    widget.setAutoDefault(false);
    connect(&widget, &QPushButton::clicked, this,
            [this] { EventGuard::run("Click", [this] { m_button.RaiseClick(); }); });
    refresh();
}

QString CommandButtonBinding::picturePath(const QString& picture)
{
    return QStringLiteral(":/wayfolder/") + picture + QStringLiteral(".png");
}

QString CommandButtonBinding::themeIconName(const QString& picture)
{
    if (picture == QLatin1String("uponelevel"))
        return QStringLiteral("go-up");
    return {};
}

void CommandButtonBinding::update()
{
    if (m_button.Picture().isEmpty()) {
        m_widget.setIcon({});
        m_widget.setText(m_button.Caption());
    } else {
        const QIcon bundled(picturePath(m_button.Picture()));
        const QString themeName = themeIconName(m_button.Picture());
        // The theme draws its icon sharp at any scale; the bundled picture blurs when scaled.
        const bool themed = !themeName.isEmpty() && QIcon::hasThemeIcon(themeName);
        m_widget.setIcon(themed ? QIcon::fromTheme(themeName) : bundled);
        m_widget.setIconSize(bundled.availableSizes().value(0, QSize(16, 16)));
        m_widget.setText({});
    }
    m_widget.setDefault(m_button.Default());
    ControlBinding::update();
}

QRect CommandButtonBinding::pixelGeometry() const
{
    QRect rect = ControlBinding::pixelGeometry();
    if (m_button.Picture().isEmpty()) {
        const int frame = m_widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_widget);
        QString text = m_button.Caption();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QChar(1), QLatin1Char('&'));
        const int needed = m_widget.fontMetrics().horizontalAdvance(text) + 2 * (frame + 2);
        if (needed > rect.width())
            rect.adjust(-(needed - rect.width()) / 2, 0, (needed - rect.width() + 1) / 2, 0);
    }
    return rect;
}

bool CommandButtonBinding::eventFilter(QObject* watched, QEvent* event)
{
    const bool handled = ControlBinding::eventFilter(watched, event);
    if (watched != &m_widget || event->type() != QEvent::KeyPress)
        return handled;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && plain) {
        // KeyDown may have disabled, hidden or unloaded the button; click only what is still there.
        if (m_widget.isEnabled() && m_widget.isVisible())
            m_widget.click();
        return true;
    }
    return handled;
}
