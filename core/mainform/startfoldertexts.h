#pragma once
// The main window's messages about the startup folder, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace StartFolderText {

inline constexpr Bilingual StartFolderMissing1{u"The Startup folder ", u"StartFolder  "};
inline constexpr Bilingual StartFolderMissing2{u"  can't be found.\nWill start with  ",
                                               u"  kan inte hittas.\nStartar med  "};
inline constexpr Bilingual StartFolderMissing3{u"  instead.", u"  i stället."};

inline constexpr Bilingual StartFolderTitle{u"Startup Folder & Filter", u"StartFolder & Filter"};
inline constexpr Bilingual StartFolderSaved{u"Current Folder and Filter Saved as Startup",
                                            u"Nuvarande folder och filter sparade som StartFolder"};
inline constexpr Bilingual SavedFolderMissing1{u"The saved folder ", u"Sparad folder "};
inline constexpr Bilingual SavedFolderMissing2{u"  can't be found.", u"  kan inte hittas."};

} // namespace StartFolderText
