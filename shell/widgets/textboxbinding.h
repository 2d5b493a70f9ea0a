#pragma once
// A TextBox shown as a QLineEdit: typing sets Text, which runs Change; a text set by the program
// is shown without being raised again. A double click raises DblClick, a right press MouseDown.

#include "shell/widgets/controlbinding.h"

class QCompleter;
class QLineEdit;
class QStringListModel;
class TextBox;

class TextBoxBinding : public ControlBinding
{
    Q_OBJECT

public:
    TextBoxBinding(TextBox& textBox, QLineEdit& edit, const TwipsScale& scale);

protected:
    void update() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextBox& m_textBox;
    QLineEdit& m_edit;
    int m_selLength = -1;
    // Made when the box first offers completions.
    QCompleter* m_completer = nullptr;
    QStringListModel* m_completions = nullptr;
};
