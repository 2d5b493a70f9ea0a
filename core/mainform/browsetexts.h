#pragma once
// The messages of the folder and file panes, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace BrowseText {

inline constexpr Bilingual FilterWarningTitle{u"Filter WARNING", u"Filter VARNING"};
inline constexpr Bilingual FilterWarning{u"Be aware of that you have an active file filter entry !\n"
                                         u"Do you want to keep it ?\n"
                                         u"\n"
                                         u"This message is shown only once for each filter setting.",
                                         u"Notera att du har ett aktivt filfilter !\n"
                                         u"Vill du behålla det ?\n"
                                         u"\n"
                                         u"Detta meddelande visas endast en gång per filtertext."};

inline constexpr Bilingual OpenFolderErrorTitle{u"Open Folder Error", u"Öppna Folder Fel"};
inline constexpr Bilingual FolderMissing1{u"The folder \"", u"Foldern \""};
inline constexpr Bilingual FolderMissing2{u"\" does not exist.\n\nDo you want to refresh the list ?",
                                          u"\" finns inte.\n\nVill du uppdatera listan ?"};
inline constexpr Bilingual OpenFileErrorTitle{u"Open File Error", u"Öppna Fil Fel"};
inline constexpr Bilingual FileMissing1{u"The file \"", u"Filen \""};
inline constexpr Bilingual FileMissing2{u"\" does not exist.\n\nDo you want to refresh the list ?",
                                        u"\" finns inte.\n\nVill du uppdatera listan ?"};

// A refresh of a folder deleted since it was opened: its path, then the folder shown instead.
inline constexpr Bilingual FolderGoneTitle{u"Folder Missing", u"Folder saknas"};
inline constexpr Bilingual FolderGone1{u"The folder ", u"Foldern "};
inline constexpr Bilingual FolderGone2{u" no longer exists.\nShowing ", u" finns inte längre.\nVisar "};
inline constexpr Bilingual FolderGone3{u" instead.", u" i stället."};

// Below the subfolders of a folder whose read has brought nothing for a while.
inline constexpr Bilingual NotAnswering{u"not answering", u"svarar inte"};

} // namespace BrowseText
