#pragma once
// A caption; with AutoSize it takes the size of its text.

#include "core/toolkit/control.h"

class Label : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    const QString& Caption() const { return m_caption; }
    /// With AutoSize the label takes the size of its text, measured by the host.
    void setCaption(const QString& caption);

    void setAutoSize(bool autoSize);

    std::function<void()> Click;
    void RaiseClick() { raise(Click); }

private:
    void fitToText();

    QString m_caption;
    bool m_autoSize = false;
};
