#pragma once
// The tooltips of every window's buttons, lists and text boxes, in both languages, which are
// also what a screen reader says about them, and the names it reads for controls without a
// caption of their own. Menus carry their own captions and shortcuts, and the message box's
// buttons say all there is to say, so they have no tooltips.

#include <QString>

class FormView;

namespace ToolTipTexts {

/// The tooltip of a form's control; empty when it has none.
QString For(const QString& formName, const QString& controlName, bool swedish);

/// Gives every widget of the view the tooltip, accessible description and name of its control.
void Apply(const FormView& view, bool swedish);

} // namespace ToolTipTexts
