#pragma once
// The two kinds of label in the favorites dialogs: a read-only display field, and the caption to
// the left of a field. The captions were laid out to end just before their field; a font wider
// than the design's grows them to the left, so they never run into the field.

#include "core/toolkit/label.h"
#include "shell/widgets/formview.h"
#include "shell/widgets/twips.h"

#include <QLabel>
#include <algorithm>

/// A sunken frame on the window background, the text centred vertically inside it.
inline QLabel* addDisplayField(FormView& view, Label& label, QWidget& parent)
{
    auto* field = qobject_cast<QLabel*>(view.add(label, parent));
    if (field) {
        field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->setIndent(3);
    }
    return field;
}

/// A caption whose text ends where the designed label ends.
inline QLabel* addFieldCaption(FormView& view, Label& label, QWidget& parent)
{
    auto* caption = qobject_cast<QLabel*>(view.add(label, parent));
    if (!caption)
        return nullptr;
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const TwipsScale& scale = view.scale();
    auto place = [caption, &label, &scale] {
        const QRect design = scale.geometry(label);
        const QSize text = caption->fontMetrics().size(0, label.Caption());
        const int width = std::max(design.width(), text.width());
        caption->setGeometry(std::max(0, design.right() + 1 - width), design.top(), width,
                             std::max(design.height(), text.height()));
    };
    place();
    // After the binding, which places the label by its left edge.
    QObject::connect(&label, &Control::changed, caption, place);
    return caption;
}
