#pragma once
// The notes on favorites whose folder cannot be reached, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FavoriteCheckText {
inline constexpr Bilingual Missing{u"This folder no longer exists:\n",
                                   u"Den här mappen finns inte längre:\n"};
inline constexpr Bilingual NoAnswer{u"This folder did not answer in time (an unreachable network drive?):\n",
                                    u"Den här mappen svarade inte i tid (en nätverksenhet som inte nås?):\n"};
} // namespace FavoriteCheckText
