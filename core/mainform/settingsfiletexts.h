#pragma once
// The messages about the settings file, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace SettingsFileText {

inline constexpr Bilingual Title{u"Settings File Error", u"Inställningsfil Fel"};
inline constexpr Bilingual NotRead1{u"The settings file ", u"Inställningsfilen "};
inline constexpr Bilingual NotRead2{u" could not be read:\n", u" kunde inte läsas:\n"};
inline constexpr Bilingual NotRead3{u"\nThe default settings are used, and the file is not written over.",
                                    u"\nStandardinställningarna används, och filen skrivs inte över."};
inline constexpr Bilingual NotSaved1{u"The settings could not be saved to ",
                                     u"Inställningarna kunde inte sparas i "};
inline constexpr Bilingual NotSaved2{u":\n", u":\n"};
inline constexpr Bilingual NotRegularFile{u"It is not a regular file.", u"Den är inte en vanlig fil."};
inline constexpr Bilingual TooLarge1{u"It is larger than ", u"Den är större än "};
inline constexpr Bilingual TooLarge2{u" bytes.", u" byte."};

} // namespace SettingsFileText
