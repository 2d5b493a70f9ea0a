#pragma once
// The status line under the file list: how many files the folder holds, how many the filter
// lets through, and the filter. Computed from counts the listing has anyway, so it costs nothing.

#include <QString>

namespace FileStatus {

/// "340 files", "12 of 340 files shown (filter: *rep*)", "Empty folder", or nothing when no
/// folder is listed; in Swedish when `swedish`. `filtered` is whether a pattern is in force.
QString Text(bool listed, int shown, int total, bool filtered, const QString& pattern, bool swedish);

/// What the status line says while a folder is read in the background, or after that read.
enum class ReadNote
{
    Reading,
    NotAnswering,
    Failed,
    Stopped,
};
/// "Reading… 1,234 files", "/mnt/nas is not answering", and so on; in Swedish when `swedish`.
QString ReadText(ReadNote note, int files, const QString& folder, bool swedish);

} // namespace FileStatus
