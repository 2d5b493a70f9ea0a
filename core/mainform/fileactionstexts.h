#pragma once
// The file actions' menu and messages, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FileActionsText {

inline constexpr Bilingual Menu{u"Fi&les", u"Fi&ler"};
inline constexpr Bilingual NewFolder{u"&New Folder...", u"&Ny mapp..."};
inline constexpr Bilingual Rename{u"&Rename...", u"&Byt namn..."};
inline constexpr Bilingual Trash{u"Move to &Trash", u"Flytta till &papperskorgen"};
inline constexpr Bilingual Delete{u"&Delete Permanently...", u"&Radera permanent..."};
inline constexpr Bilingual ShowHidden{u"Show &Hidden Files", u"Visa &dolda filer"};
inline constexpr Bilingual Back{u"B&ack", u"B&akåt"};
inline constexpr Bilingual Forward{u"&Forward", u"&Framåt"};

} // namespace FileActionsText
