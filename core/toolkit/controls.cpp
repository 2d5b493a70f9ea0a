// The simple control models: list box, text box, label, command button and menu item.

#include "core/system/host.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/form.h"
#include "core/toolkit/label.h"
#include "core/toolkit/listbox.h"
#include "core/toolkit/menuitem.h"
#include "core/toolkit/textbox.h"

void ListBox::AddItem(const QString& item, int16_t index)
{
    if (index < 0 || index >= ListCount()) {
        m_items.append(item);
        if (!m_notes.isEmpty())
            m_notes.append(QString());
        if (!m_icons.isEmpty())
            m_icons.append(QString());
    } else {
        m_items.insert(index, item);
        if (!m_notes.isEmpty())
            m_notes.insert(index, QString());
        if (!m_icons.isEmpty())
            m_icons.insert(index, QString());
        // The selection stays on the entry it was on.
        if (m_listIndex >= index)
            ++m_listIndex;
    }
    emit itemsChanged();
}

void ListBox::AddItems(const QStringList& items)
{
    m_items.append(items);
    if (!m_notes.isEmpty())
        m_notes.resize(m_items.size());
    emit itemsChanged();
}

void ListBox::RemoveItem(int16_t index)
{
    if (index < 0 || index >= ListCount())
        return;
    m_items.removeAt(index);
    if (!m_notes.isEmpty())
        m_notes.removeAt(index);
    if (!m_icons.isEmpty())
        m_icons.removeAt(index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    emit itemsChanged();
}

void ListBox::Clear()
{
    m_items.clear();
    m_notes.clear();
    m_icons.clear();
    m_listIndex = -1;
    emit itemsChanged();
}

QString ListBox::List(int16_t index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    return m_items.at(index);
}

void ListBox::setItemNote(int16_t index, const QString& note)
{
    if (index < 0 || index >= ListCount() || ItemNote(index) == note)
        return;
    if (m_notes.isEmpty())
        m_notes.resize(m_items.size());
    m_notes[index] = note;
    emit itemNotesChanged();
}

QString ListBox::ItemNote(int16_t index) const
{
    return index >= 0 && index < m_notes.size() ? m_notes.at(index) : QString();
}

void ListBox::setItemIcon(int16_t index, const QString& icon)
{
    if (index < 0 || index >= ListCount() || ItemIcon(index) == icon)
        return;
    if (m_icons.isEmpty())
        m_icons.resize(m_items.size());
    m_icons[index] = icon;
    emit itemIconsChanged();
}

QString ListBox::ItemIcon(int16_t index) const
{
    return index >= 0 && index < m_icons.size() ? m_icons.at(index) : QString();
}

void ListBox::setListIndex(int16_t index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : int16_t(-1);
    emit listIndexChanged();
    raise(Click);
}

void ListBox::Highlight(int16_t index)
{
    m_listIndex = (index >= 0 && index < ListCount()) ? index : int16_t(-1);
    emit listIndexChanged();
}

void TextBox::setText(const QString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    emit changed();
    raise(Change);
}

void TextBox::setFontItalic(bool italic)
{
    if (m_italic == italic)
        return;
    m_italic = italic;
    emit changed();
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    if (m_autoSize)
        fitToText();
    emit changed();
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        fitToText();
}

void Label::fitToText()
{
    const QSize size = Parent().host().MeasureText(m_caption);
    setWidth(size.width());
    setHeight(size.height());
}

void CommandButton::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

void CommandButton::setPicture(const QString& picture)
{
    m_picture = picture;
    emit changed();
}

MenuItem::MenuItem(const QString& name, const QString& caption) : m_name(name), m_caption(caption)
{
    setObjectName(name);
}

void MenuItem::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

void MenuItem::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    emit changed();
}

void MenuItem::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit changed();
}

void MenuItem::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit changed();
}
