#pragma once
// File names as raw bytes inside QString. Linux names are bytes, not text: a name from an old
// USB stick or archive may hold bytes that are not UTF-8. Each such byte travels as one lone
// low surrogate (U+DC80..U+DCFF), which no valid UTF-8 text can produce, so a name read from
// disk and the paths built from it turn back into the very same bytes.

#include <QByteArray>
#include <QString>
#include <string_view>

/// The text form of a name or path from disk: UTF-8, each byte that is not part of a valid
/// UTF-8 sequence kept as U+DC00 + byte.
QString FileNameFromBytes(std::string_view bytes);

/// The bytes on disk of a text from FileNameFromBytes, or of any other text (as UTF-8).
QByteArray FileNameToBytes(const QString& name);

/// Whether a text holds bytes that are not UTF-8 (it cannot be shown or stored as plain text).
bool FileNameHasRawBytes(const QString& name);

/// The name as a person reads it: every byte that is not UTF-8 shown as "\xHH".
QString FileNameForDisplay(const QString& name);

/// What to hand to the desktop opener for a local path: the path itself, or a file: URL with
/// the raw bytes percent-encoded when the path cannot be passed on as text.
QString FileNameForOpener(const QString& path);

/// A path made absolute against the current folder's own bytes, and cleaned of "." and "..".
QString AbsoluteFileName(const QString& path);

/// Whether a path names a folder, or a regular file, following links; built from the path's
/// bytes, so names that are not UTF-8 are found.
bool IsFolderAt(const QString& path);
bool IsFileAt(const QString& path);
