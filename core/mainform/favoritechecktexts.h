#pragma once
// The notes on favorites whose folder cannot be reached, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FavoriteCheckText {
inline constexpr Bilingual Missing{u"This folder no longer exists:\n",
                                   u"Den här mappen finns inte längre:\n"};
inline constexpr Bilingual NoAnswer{u"This folder did not answer in time (an unreachable network drive?):\n",
                                    u"Den här mappen svarade inte i tid (en nätverksenhet som inte nås?):\n"};
// Asked before opening a favorite whose folder did not answer; the folder's path goes between.
inline constexpr Bilingual AskOpen1{u"The folder ", u"Mappen "};
inline constexpr Bilingual AskOpen2{
    u" did not answer when it was last checked.\n\nTry to open it anyway? It is read in the background.",
    u" svarade inte när den senast kontrollerades.\n\nFörsöka öppna den ändå? Den läses i bakgrunden."};
inline constexpr Bilingual AskOpenTitle{u"Folder not answering", u"Mappen svarar inte"};
} // namespace FavoriteCheckText
