// The settings reader and writer: a value written reads back equal, writing it again changes
// nothing, and every line but the key's own stays as it was.

#include "core/system/settingstext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdlib>
#include <iterator>

namespace {

const QString Section = QStringLiteral("Settings");

// Line contents without their line ends (CR LF, LF, CR).
QList<QByteArray> linesOf(const QByteArray& file)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = file.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && file[i] != '\n' && file[i] != '\r')
            ++i;
        lines.append(file.sliced(start, i - start));
        if (i < n && file[i] == '\r' && i + 1 < n && file[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The file, then a NUL and the value to write; the key is picked by the value's length.
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = input.lastIndexOf('\0');
    const QByteArray file = nul < 0 ? input : input.first(nul);
    const QString value =
        nul < 0 ? QStringLiteral(" *.jpg;*.png, \"x\" ") : QString::fromUtf8(input.sliced(nul + 1));
    static const QString keys[] = {QStringLiteral("DefaultFilter"), QStringLiteral("DefaultPath"),
                                   QStringLiteral("StartPosX"), QStringLiteral("k")};
    const QString& key = keys[size_t(value.size()) % std::size(keys)];

    // Reading anything at all must not fail.
    (void)SettingsText::Value(file, Section, key);

    const QByteArray written = SettingsText::WithValue(file, Section, key, value);
    check(SettingsText::Value(written, Section, key) == value);
    check(SettingsText::WithValue(written, Section, key, value) == written);

    // Every other line stays: past the common lines at both ends, one line was rewritten, or
    // lines were added that are the key's line, its section's header or a blank line.
    if (written == file)
        return 0;
    QList<QByteArray> before = linesOf(file);
    QList<QByteArray> after = linesOf(written);
    while (!before.isEmpty() && !after.isEmpty() && before.front() == after.front()) {
        before.removeFirst();
        after.removeFirst();
    }
    while (!before.isEmpty() && !after.isEmpty() && before.back() == after.back()) {
        before.removeLast();
        after.removeLast();
    }
    const QByteArray encoded = SettingsText::EncodeValue(value);
    if (before.size() == 1) {
        check(after.size() == 1);
        const qsizetype eq = before.front().indexOf('=');
        check(eq >= 0 && after.front().startsWith(before.front().first(eq + 1)) &&
              after.front().endsWith(encoded));
    } else {
        check(before.isEmpty() && !after.isEmpty() && after.size() <= 3);
        const QByteArray keyLine = key.toUtf8() + '=' + encoded;
        for (const QByteArray& line : after)
            check(line.isEmpty() || line == "[Settings]" || line == keyLine);
    }
    return 0;
}
