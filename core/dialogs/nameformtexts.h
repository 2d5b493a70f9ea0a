#pragma once
// The name dialog's buttons, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace NameFormText {

inline constexpr Bilingual OK{u"OK", u"OK"};
inline constexpr Bilingual Cancel{u"Cancel", u"Avbryt"};

} // namespace NameFormText
