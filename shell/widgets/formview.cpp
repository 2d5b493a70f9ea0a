// The widgets of one form's controls: a binding for each kind, the focus, and the Tab order.
#include "shell/widgets/formview.h"

#include "core/toolkit/checklist.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/drivelist.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "core/toolkit/frame.h"
#include "core/toolkit/label.h"
#include "core/toolkit/line.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/textbox.h"
#include "shell/widgets/checklistbinding.h"
#include "shell/widgets/commandbuttonbinding.h"
#include "shell/widgets/controlbinding.h"
#include "shell/widgets/controllistview.h"
#include "shell/widgets/drivelistbinding.h"
#include "shell/widgets/filelistbinding.h"
#include "shell/widgets/folderlistbinding.h"
#include "shell/widgets/framebinding.h"
#include "shell/widgets/labelbinding.h"
#include "shell/widgets/linebinding.h"
#include "shell/widgets/linewidget.h"
#include "shell/widgets/listboxbinding.h"
#include "shell/widgets/textboxbinding.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

// Creates the widget of type W and binds it with B when the control is a C.
template <class C, class W, class B>
QWidget* bindAs(Control& control, QWidget& parent, const TwipsScale& scale)
{
    auto* model = qobject_cast<C*>(&control);
    if (!model)
        return nullptr;
    auto* widget = new W(&parent);
    new B(*model, *widget, scale);
    return widget;
}

ControlBinding* bindingOf(QWidget* widget)
{
    return widget->findChild<ControlBinding*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

FormView::FormView(Form& form, const TwipsScale& scale, QObject* parent)
    : QObject(parent), m_form(form), m_scale(scale)
{
    connect(&form, &Form::focusChanged, this, [this] { focusActiveControl(); });
}

QWidget* FormView::add(Control& control, QWidget& parent)
{
    QWidget* widget = nullptr;
    for (auto bind :
         {&bindAs<ListBox, ControlListView, ListBoxBinding>,
          &bindAs<FolderList, ControlListView, FolderListBinding>,
          &bindAs<FileList, ControlListView, FileListBinding>, &bindAs<TextBox, QLineEdit, TextBoxBinding>,
          &bindAs<Label, QLabel, LabelBinding>, &bindAs<CommandButton, QPushButton, CommandButtonBinding>,
          &bindAs<Frame, QFrame, FrameBinding>, &bindAs<Line, LineWidget, LineBinding>,
          &bindAs<DriveList, QComboBox, DriveListBinding>,
          &bindAs<CheckList, QListWidget, CheckListBinding>}) {
        widget = bind(control, parent, m_scale);
        if (widget)
            break;
    }
    if (widget) {
        m_widgets[&control] = widget;
        ControlBinding* binding = bindingOf(widget);
        if (m_placement && binding) {
            binding->setPlacement(m_placement);
            binding->place();
        }
    }
    return widget;
}

void FormView::addRemaining(QWidget& parent)
{
    for (Control* control : m_form.Controls()) {
        if (!m_widgets.count(control))
            add(*control, parent);
    }
}

QWidget* FormView::widgetFor(const Control* control) const
{
    const auto found = m_widgets.find(control);
    return found == m_widgets.end() ? nullptr : found->second;
}

void FormView::setPlacement(const ControlPlacement* placement)
{
    m_placement = placement;
    for (const auto& [control, widget] : m_widgets) {
        if (ControlBinding* binding = bindingOf(widget)) {
            binding->setPlacement(placement);
            binding->place();
        }
    }
}

void FormView::relayout()
{
    for (const auto& [control, widget] : m_widgets) {
        if (ControlBinding* binding = bindingOf(widget))
            binding->place();
    }
}

void FormView::applyReadingTabOrder()
{
    std::vector<QWidget*> order;
    for (const auto& [control, widget] : m_widgets) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.push_back(widget);
    }
    // Rows are told apart by their tops in the design; a wider window keeps the same order.
    std::stable_sort(order.begin(), order.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormView::applyTabOrder()
{
    std::vector<std::pair<Control*, QWidget*>> order;
    for (Control* control : m_form.Controls()) {
        QWidget* widget = widgetFor(control);
        if (widget && widget->focusPolicy() != Qt::NoFocus)
            order.emplace_back(control, widget);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first->TabIndex() < b.first->TabIndex(); });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void FormView::focusActiveControl()
{
    QWidget* widget = widgetFor(m_form.ActiveControl());
    if (widget && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}
