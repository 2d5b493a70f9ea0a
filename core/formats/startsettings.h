#pragma once
// The stored start-up settings: each key's name, its default, and how a stored text is read.
// A stored value outside its meaning reads as the default.

#include <QString>
#include <cstdint>
#include <optional>

class Host;

namespace StartSettings {

inline const QString UseSavedStartPosition = QStringLiteral("UseSavedStartPosition");
inline const QString StartPosX = QStringLiteral("StartPosX");
inline const QString StartPosY = QStringLiteral("StartPosY");
inline const QString UseDefaultPath = QStringLiteral("UseDefaultPath");
inline const QString DefaultPath = QStringLiteral("DefaultPath");
inline const QString DefaultFilter = QStringLiteral("DefaultFilter");
inline const QString DefaultFavoFile = QStringLiteral("DefaultFavoFile");
inline const QString StartWidth = QStringLiteral("StartWidth");
inline const QString StartHeight = QStringLiteral("StartHeight");
/// The copy a session end kept when it merged the list with another program's change; told and
/// cleared at the next start.
inline const QString MergedFavoritesCopy = QStringLiteral("MergedFavoritesCopy");

/// Whether the file list and the tree show names starting with "."; hidden by default.
inline const QString ShowHiddenFiles = QStringLiteral("ShowHiddenFiles");
/// Whether the file list shows the size and date columns; names only by default.
inline const QString ShowDetails = QStringLiteral("ShowDetails");

/// "True" or "False" (any case), or a number (non-zero is true); anything else is false.
bool ReadFlag(Host& host, const QString& key);
bool ReadUseSavedStartPosition(Host& host);
/// A window edge in twips, 0 when missing or without a number; nothing when outside 16 bits.
std::optional<int16_t> ReadPosition(Host& host, const QString& key);
/// A window's outer width or height in twips; nothing when missing, not a positive whole number,
/// or larger than any screen could hold.
std::optional<int> ReadSize(Host& host, const QString& key);
/// 0, 1 or 2; anything else is 0.
int16_t ReadStartFolderMode(Host& host);
QString ReadText(Host& host, const QString& key);
/// 1 to 5; anything else is 1.
int16_t ReadFavoFile(Host& host);

QString FlagText(bool value);
QString IntText(int value);

} // namespace StartSettings
