#pragma once
// The messages of opening, removing and inserting favorites in the list, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace FavoEditText {

inline constexpr Bilingual DriveErrorTitle{u"Drive Error", u"Diskfel"};
inline constexpr Bilingual DriveNotReady1{u"Drive ", u"Disk "};
inline constexpr Bilingual DriveNotReady2{u" is not ready.", u" är ej redo."};
inline constexpr Bilingual AccessDenied1{u"Access denied to \"", u"Tillgång till \""};
inline constexpr Bilingual AccessDenied2{u"\" .", u"\" nekad."};
inline constexpr Bilingual RemoveOrEdit{
    u"\n\nSelect <Yes> to remove it from the Favorites List\nor <No> to Edit the Favorite.",
    u"\n\nVälj <Ja> om du vill ta bort den från Favoritlistan\neller <Nej> för att redigera Favorit."};

inline constexpr Bilingual RemoveItemErrorTitle{u"Remove Item Error", u"Ta bort post fel"};
inline constexpr Bilingual RemoveItemError{
    u"You can't remove all Folders from the Favorites List.\nThe list must contain at least one Item.",
    u"Du kan inte ta bort alla poster från Favoritlistan.\nListan måste innehålla minst en post."};
inline constexpr Bilingual RemoveItemTitle{u"Remove Item", u"Ta bort post"};
inline constexpr Bilingual RemoveItem1{u"Remove the item \"", u"Ta bort post \""};
inline constexpr Bilingual RemoveItem2{u"\" from the Favorites List ?", u"\" från Favoritlistan ?"};
inline constexpr Bilingual InsertSeparatorTitle{u"Insert Separator", u"Infoga Avgränsare"};
inline constexpr Bilingual InsertSeparator1{u"Insert a separator after the item \"",
                                            u"Infoga en avgränsare efter post \""};
inline constexpr Bilingual InsertSeparator2{u"\" ?", u"\" ?"};

} // namespace FavoEditText
