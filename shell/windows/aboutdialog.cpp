// The About box's window: its widgets where the form put them, the etched rule and the e-mail link.
#include "shell/windows/aboutdialog.h"

#include "core/dialogs/aboutform.h"
#include "core/toolkit/control.h"
#include "shell/widgets/contrast.h"
#include "shell/widgets/eventguard.h"
#include "shell/widgets/formview.h"
#include "shell/widgets/linewidget.h"
#include "shell/widgets/twips.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

AboutDialog::AboutDialog(AboutForm& about, const TwipsScale& scale, QWidget* parent)
    : FormDialog(about, scale, parent), m_about(about)
{
    auto* icon = new QLabel(this);
    icon->setObjectName(about.picIcon.Name());
    const QRect iconRect = scale.geometry(about.picIcon);
    icon->setGeometry(iconRect);
    icon->setPixmap(QIcon(QStringLiteral(":/wayfolder/wayfolder.png")).pixmap(iconRect.size()));
    icon->setAlignment(Qt::AlignCenter);

    // Etched: the form's line in the shadow colour with a light line just below it.
    if (QWidget* line = view().add(about.Line1, *this)) {
        QPalette shadow = line->palette();
        shadow.setColor(QPalette::WindowText, palette().color(QPalette::Mid));
        line->setPalette(shadow);
        auto* light = new LineWidget(this);
        QPalette lightPalette = light->palette();
        lightPalette.setColor(QPalette::WindowText, palette().color(QPalette::Light));
        light->setPalette(lightPalette);
        const int y = scale.toPixels(about.Line1.Y1()) + 1;
        light->setLine(QLine(scale.toPixels(about.Line1.X1()), y, scale.toPixels(about.Line1.X2()), y));
    }

    // The description wraps its long lines within the designed width, as a label of fixed size
    // does; the binding would widen it to its longest line.
    if (auto* description = qobject_cast<QLabel*>(view().add(about.lblDescription, *this))) {
        description->setWordWrap(true);
        const auto fit = [this, description] {
            description->setGeometry(this->scale().geometry(m_about.lblDescription));
        };
        fit();
        connect(&about.lblDescription, &Control::changed, description, fit);
    }

    m_email = view().add(about.lblEmail, *this);
    if (m_email) {
        m_email->setCursor(Qt::PointingHandCursor);
        QFont font = m_email->font();
        font.setUnderline(true);
        m_email->setFont(font);
        QPalette link = m_email->palette();
        // A theme's link colour that would not read on its window colour gives way to its text
        // colour; the underline still marks the link.
        const QColor linkColour = palette().color(QPalette::Link);
        const QColor back = palette().color(QPalette::Window);
        link.setColor(QPalette::WindowText, Contrast::Ratio(linkColour, back) >= Contrast::ReadableRatio
                                                ? linkColour
                                                : palette().color(QPalette::WindowText));
        m_email->setPalette(link);
        m_email->installEventFilter(this);
    }

    view().addRemaining(*this);
    finish();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_email && event->type() == QEvent::MouseButtonRelease) {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        // A click is a release over the link of a press that began there.
        if (mouse.button() == Qt::LeftButton && m_email->rect().contains(mouse.position().toPoint()))
            EventGuard::run("Click", [this] { m_about.lblEmail.RaiseClick(); });
    }
    return FormDialog::eventFilter(watched, event);
}
