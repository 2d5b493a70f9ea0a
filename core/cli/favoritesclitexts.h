#pragma once
// Every text that the favorites command line prints, in English and Swedish. The language is the
// one of the favorites file's header, as in the window.

#include "core/toolkit/bilingual.h"

namespace FavoritesCliText {
inline constexpr Bilingual OneCommand{u"Give only one of --list, --path and --add.",
                                      u"Ange bara en av --list, --path och --add."};
inline constexpr Bilingual BadSet{u"--set takes a favorites file number from 1 to 5.",
                                  u"--set tar ett favoritfilsnummer från 1 till 5."};
inline constexpr Bilingual AddOnly{u"--name and --filter belong to --add.",
                                   u"--name och --filter hör till --add."};
inline constexpr Bilingual Unreadable{u"The favorites file cannot be read: ",
                                      u"Favoritfilen kan inte läsas: "};
inline constexpr Bilingual Faulty1{u"The favorites file ", u"Favoritfilen "};
inline constexpr Bilingual Faulty2{u" has a faulty line ", u" har en felaktig rad "};
inline constexpr Bilingual FaultyList{u"; only the favorites before it are listed.",
                                      u"; endast favoriterna före den visas."};
inline constexpr Bilingual FaultyAdd{u"; open it in Wayfolder and correct it before adding to it.",
                                     u"; öppna den i Wayfolder och rätta den innan du lägger till något."};
inline constexpr Bilingual NoMatch{u"No favorite is named ", u"Ingen favorit heter "};
inline constexpr Bilingual SeveralMatch{u"Several favorites start with ", u"Flera favoriter börjar med "};
inline constexpr Bilingual NotFolder1{u"The folder \"", u"Foldern \""};
inline constexpr Bilingual NotFolder2{u"\" does not exist.", u"\" finns inte."};
inline constexpr Bilingual EmptyName{u"The favorite's name is empty; give one with --name.",
                                     u"Favoritens namn är tomt; ange ett med --name."};
inline constexpr Bilingual SaveFailed{u"The favorites file could not be saved: ",
                                      u"Favoritfilen kunde inte sparas: "};
inline constexpr Bilingual Added1{u"Added \"", u"Lade till \""};
inline constexpr Bilingual Added2{u"\" to ", u"\" i "};
} // namespace FavoritesCliText
