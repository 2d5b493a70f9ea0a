// Outside text made safe to show in a message: control characters and bidirectional controls left out.
#include "core/toolkit/plaintext.h"

namespace {

bool isBidiControl(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
           c == 0x061C;
}

} // namespace

QString PlainText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || isBidiControl(c.unicode()))
            continue;
        plain += c;
    }
    return plain;
}
