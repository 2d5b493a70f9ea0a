// The settings file's text: finding a key's value, decoding what the older store wrote, changing one line.
#include "core/system/settingstext.h"

#include <vector>

namespace SettingsText {

namespace {

struct Line
{
    qsizetype start = 0;
    qsizetype contentEnd = 0; ///< before the line end
    qsizetype end = 0;        ///< after the line end
};

// CR LF, LF and CR alone each end a line, as any editor may have left them.
std::vector<Line> splitLines(const QByteArray& file)
{
    std::vector<Line> lines;
    const qsizetype n = file.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype i = start;
        while (i < n && file[i] != '\n' && file[i] != '\r')
            ++i;
        Line line{start, i, i};
        if (i < n) {
            line.end = (file[i] == '\r' && i + 1 < n && file[i + 1] == '\n') ? i + 2 : i + 1;
        }
        lines.push_back(line);
        start = line.end;
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

// What one line is: a section header, a key line, or anything else (kept, never read).
struct Parsed
{
    enum Kind
    {
        Other,
        Section,
        Key,
    };
    Kind kind = Other;
    QString name;          ///< the section's or key's name
    qsizetype valueAt = 0; ///< key line: offset in the file of the value text
};

Parsed parseLine(const QByteArray& file, const Line& line)
{
    Parsed parsed;
    const QByteArrayView content = QByteArrayView(file).sliced(line.start, line.contentEnd - line.start);
    const QByteArrayView text = trimBlanks(content);
    if (text.isEmpty() || text[0] == ';' || text[0] == '#')
        return parsed;
    if (text[0] == '[') {
        qsizetype close = text.indexOf(']');
        if (close < 0)
            close = text.size();
        parsed.kind = Parsed::Section;
        parsed.name = QString::fromUtf8(trimBlanks(text.sliced(1, close - 1)));
        return parsed;
    }
    const qsizetype eq = content.indexOf('=');
    if (eq < 0)
        return parsed;
    parsed.kind = Parsed::Key;
    parsed.name = QString::fromUtf8(trimBlanks(content.first(eq)));
    qsizetype valueAt = eq + 1;
    while (valueAt < content.size() && isBlank(content[valueAt]))
        ++valueAt;
    parsed.valueAt = line.start + valueAt;
    return parsed;
}

struct Location
{
    const Line* keyLine = nullptr; ///< the last line of the key in the section
    qsizetype keyValueAt = 0;
    const Line* sectionEnd = nullptr; ///< the last section's header or its last key line
};

Location locate(const QByteArray& file, const std::vector<Line>& lines, const QString& section,
                const QString& key)
{
    Location found;
    bool inSection = false;
    for (const Line& line : lines) {
        const Parsed parsed = parseLine(file, line);
        if (parsed.kind == Parsed::Section) {
            inSection = parsed.name == section;
            if (inSection)
                found.sectionEnd = &line;
        } else if (parsed.kind == Parsed::Key && inSection) {
            found.sectionEnd = &line;
            if (parsed.name == key) {
                found.keyLine = &line;
                found.keyValueAt = parsed.valueAt;
            }
        }
    }
    return found;
}

bool isHexDigit(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

void appendCode(QString& out, char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    const char32_t one[1] = {code};
    out += QString::fromUcs4(one, 1);
}

// The escapes QSettings writes; any other backslash is an ordinary character.
QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\\' || i + 1 >= n) {
            out += QChar(c);
            continue;
        }
        const char16_t e = text[i + 1].unicode();
        char16_t simple = 0;
        switch (e) {
        case u'a':
            simple = u'\a';
            break;
        case u'b':
            simple = u'\b';
            break;
        case u'f':
            simple = u'\f';
            break;
        case u'n':
            simple = u'\n';
            break;
        case u'r':
            simple = u'\r';
            break;
        case u't':
            simple = u'\t';
            break;
        case u'v':
            simple = u'\v';
            break;
        case u'"':
        case u'\'':
        case u'?':
        case u'\\':
            simple = e;
            break;
        default:
            break;
        }
        if (simple != 0) {
            out += QChar(simple);
            ++i;
        } else if (e == u'x' && i + 2 < n && hexValue(text[i + 2].unicode()) >= 0) {
            char32_t code = 0;
            qsizetype j = i + 2;
            for (; j < n && hexValue(text[j].unicode()) >= 0; ++j)
                code = code > 0x10FFFF ? code : code * 16 + char32_t(hexValue(text[j].unicode()));
            appendCode(out, code);
            i = j - 1;
        } else if (e >= u'0' && e <= u'7') {
            char32_t code = 0;
            qsizetype j = i + 1;
            for (; j < n && j < i + 4 && text[j] >= u'0' && text[j] <= u'7'; ++j)
                code = code * 8 + char32_t(text[j].unicode() - u'0');
            appendCode(out, code);
            i = j - 1;
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// The inside of a value in double quotes, when the whole text is one quoted string.
std::optional<QStringView> quotedInside(QStringView text)
{
    if (text.size() < 2 || text.front() != u'"')
        return std::nullopt;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == u'"') {
            if (i != text.size() - 1)
                return std::nullopt;
            return text.sliced(1, i - 1);
        }
    }
    return std::nullopt;
}

QByteArray lineEndOf(const QByteArray& file, const std::vector<Line>& lines)
{
    for (const Line& line : lines) {
        if (line.end > line.contentEnd)
            return file.sliced(line.contentEnd, line.end - line.contentEnd);
    }
    return QByteArrayLiteral("\n");
}

} // namespace

QString DecodeValue(QByteArrayView text)
{
    const QString whole = QString::fromUtf8(trimBlanks(text));
    const std::optional<QStringView> inside = quotedInside(whole);
    QString value = unescape(inside ? *inside : QStringView(whole));
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);
    else if (value.startsWith(QLatin1String("@String(")) && value.endsWith(u')'))
        value = value.sliced(8, value.size() - 9);
    return value;
}

QByteArray EncodeValue(const QString& value)
{
    QString text = value;
    if (text.contains(QChar(u'\0')))
        text = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');

    QByteArray out;
    out.reserve(text.size() + 8);
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        // "\x1" followed by "f" would read as "\x1f".
        if (escapeNextIfHex && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(uint(c), 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case u'\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(uint(c), 16);
                escapeNextIfHex = true;
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
                out += text.sliced(i, 2).toUtf8();
                ++i;
            } else {
                out += QStringView(text).sliced(i, 1).toUtf8();
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

std::optional<QString> Value(const QByteArray& file, const QString& section, const QString& key)
{
    const std::vector<Line> lines = splitLines(file);
    const Location found = locate(file, lines, section, key);
    if (!found.keyLine)
        return std::nullopt;
    return DecodeValue(
        QByteArrayView(file).sliced(found.keyValueAt, found.keyLine->contentEnd - found.keyValueAt));
}

QByteArray WithValue(const QByteArray& file, const QString& section, const QString& key, const QString& value)
{
    const std::vector<Line> lines = splitLines(file);
    const Location found = locate(file, lines, section, key);
    const QByteArray encoded = EncodeValue(value);
    QByteArray out = file;
    if (found.keyLine) {
        out.replace(found.keyValueAt, found.keyLine->contentEnd - found.keyValueAt, encoded);
        return out;
    }
    // A new line ends as the line before it does, so that a CR never meets an LF that follows
    // and the two become one line end.
    const auto endOf = [&](const Line& line) {
        return line.end > line.contentEnd ? file.sliced(line.contentEnd, line.end - line.contentEnd)
                                          : lineEndOf(file, lines);
    };
    const QByteArray keyText = key.toUtf8() + '=' + encoded;
    if (found.sectionEnd) {
        const Line& after = *found.sectionEnd;
        const QByteArray lineEnd = endOf(after);
        // The section's last line may end the file without a line end.
        const QByteArray before = after.end == after.contentEnd ? lineEnd : QByteArray();
        out.insert(after.end, before + keyText + lineEnd);
        return out;
    }
    QByteArray lineEnd = lineEndOf(file, lines);
    if (!lines.empty()) {
        lineEnd = endOf(lines.back());
        if (lines.back().end == lines.back().contentEnd)
            out += lineEnd;
        out += lineEnd;
    }
    out += '[' + section.toUtf8() + ']' + lineEnd + keyText + lineEnd;
    return out;
}

} // namespace SettingsText
