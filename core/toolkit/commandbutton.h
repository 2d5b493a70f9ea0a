#pragma once
// A push button with a caption or a picture.

#include "core/toolkit/control.h"

class CommandButton : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    /// The button shows a picture of this name instead of a caption.
    const QString& Picture() const { return m_picture; }
    void setPicture(const QString& picture);

    bool Default() const { return m_default; }
    void setDefault(bool isDefault) { m_default = isDefault; }
    bool Cancel() const { return m_cancel; }
    void setCancel(bool isCancel) { m_cancel = isCancel; }

    std::function<void()> Click;
    void RaiseClick() { raise(Click); }

private:
    QString m_caption;
    QString m_picture;
    bool m_default = false;
    bool m_cancel = false;
};
