// Lossless conversion between file-name bytes and text, in the manner of Python's
// "surrogateescape": QFile::encodeName and decodeName turn a stray byte into U+FFFD for good.

#include "core/system/filename.h"

#include <QDir>
#include <QStringDecoder>
#include <filesystem>
#include <sys/stat.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscape(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

// Length of the valid UTF-8 sequence at `at`, or 0 when the byte there does not start one.
size_t utf8SequenceLength(std::string_view bytes, size_t at, char32_t& codePoint)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    size_t length;
    char32_t min;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(at + i);
        if ((c & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (c & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and code points beyond Unicode are not valid UTF-8.
    if (codePoint < min || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString FileNameFromBytes(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (size_t at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const size_t length = utf8SequenceLength(bytes, at, codePoint);
        if (length == 0) {
            text.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[at]))));
            ++at;
            continue;
        }
        // Appended by hand: QString::fromUcs4 would drop a U+FEFF as a byte-order mark.
        if (QChar::requiresSurrogates(codePoint)) {
            text.append(QChar(QChar::highSurrogate(codePoint)));
            text.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            text.append(QChar(char16_t(codePoint)));
        }
        at += length;
    }
    return text;
}

bool FileNameHasRawBytes(const QString& name)
{
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            ++i;
            continue;
        }
        if (isEscape(c))
            return true;
    }
    return false;
}

QByteArray FileNameToBytes(const QString& name)
{
    if (!FileNameHasRawBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 2);
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            bytes.append(name.mid(i, 2).toUtf8());
            ++i;
        } else if (isEscape(c)) {
            bytes.append(static_cast<char>(c - kEscapeBase));
        } else {
            bytes.append(QString(QChar(c)).toUtf8());
        }
    }
    return bytes;
}

QString FileNameForDisplay(const QString& name)
{
    if (!FileNameHasRawBytes(name))
        return name;
    QString shown;
    shown.reserve(name.size() + 8);
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            shown.append(name.mid(i, 2));
            ++i;
        } else if (isEscape(c)) {
            shown.append(QStringLiteral("\\x%1").arg(QString::number(c - kEscapeBase, 16).toUpper()));
        } else {
            shown.append(QChar(c));
        }
    }
    return shown;
}

QString FileNameForOpener(const QString& path)
{
    if (!FileNameHasRawBytes(path))
        return path;
    // Percent-encoded bytes: the opener turns them back into the very bytes of the path.
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray url = "file://";
    for (const char byte : FileNameToBytes(path)) {
        const auto c = static_cast<unsigned char>(byte);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            url.append(byte);
        } else {
            url.append('%').append(kHex[c >> 4]).append(kHex[c & 15]);
        }
    }
    return QString::fromLatin1(url);
}

bool IsFolderAt(const QString& path)
{
    struct stat st;
    return stat(FileNameToBytes(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFileAt(const QString& path)
{
    struct stat st;
    return stat(FileNameToBytes(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString AbsoluteFileName(const QString& path)
{
    if (path.startsWith(u'/'))
        return QDir::cleanPath(path);
    // QDir::currentPath() would turn the bytes of a folder name that is not UTF-8 into U+FFFD.
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).native();
    return QDir::cleanPath(FileNameFromBytes(current) + u'/' + path);
}
