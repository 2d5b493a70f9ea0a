#pragma once
// A plain panel that groups other controls; the controls it holds place themselves relative to it.

#include "core/toolkit/control.h"

#include <cstdint>

class Frame : public Control
{
    Q_OBJECT

public:
    using Control::Control;

    /// Background as 0xRRGGBB; the view paints it over the whole panel.
    uint32_t BackColor() const { return m_backColor; }
    void setBackColor(uint32_t rgb)
    {
        if (m_backColor == rgb)
            return;
        m_backColor = rgb;
        emit changed();
    }

    /// A frame without a caption shows no title text.
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption)
    {
        if (m_caption == caption)
            return;
        m_caption = caption;
        emit changed();
    }

    /// 0 no border, 1 a single line around the panel.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t style)
    {
        if (m_borderStyle == style)
            return;
        m_borderStyle = style;
        emit changed();
    }

private:
    uint32_t m_backColor = 0xFFFFFF;
    QString m_caption;
    int16_t m_borderStyle = 0;
};
