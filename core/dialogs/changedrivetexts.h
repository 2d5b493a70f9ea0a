#pragma once
// Every text of the change-drive dialog, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace ChangeDriveText {
inline constexpr Bilingual Caption{u"Change Drive", u"Byt Disk"};
inline constexpr QStringView OK = u"&OK";
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};
inline constexpr Bilingual DiskErrorTitle{u"Disk Error", u"Diskfel"};
inline constexpr Bilingual NotReady1{u"Drive ", u"Disk "};
inline constexpr Bilingual NotReady2{u" is not ready !", u" är ej redo !"};
inline constexpr Bilingual NotAnswering{u"not answering", u"svarar inte"};
/// A volume's free space and size; %1 and %2 are sizes such as "12.3 GB".
inline constexpr Bilingual Space{u"%1 free of %2", u"%1 ledigt av %2"};
} // namespace ChangeDriveText
