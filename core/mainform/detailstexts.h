#pragma once
// The details view's menu item, in English and Swedish (the column texts are the file list's).

#include "core/toolkit/bilingual.h"

namespace DetailsText {

inline constexpr Bilingual Menu{u"Show Detail&s", u"Visa detalj&er"};

} // namespace DetailsText
