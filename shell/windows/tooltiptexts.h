#pragma once
// The tooltips of every window's buttons, lists and text boxes, in both languages. Menus carry
// their own captions and shortcuts, and the message box's buttons say all there is to say, so
// they have none.

#include <QString>

class FormView;

namespace ToolTipTexts {

/// The tooltip of a form's control; empty when it has none.
QString For(const QString& formName, const QString& controlName, bool swedish);

/// Gives every widget of the view the tooltip of its control.
void Apply(const FormView& view, bool swedish);

} // namespace ToolTipTexts
