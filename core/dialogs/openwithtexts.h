#pragma once
// Every text of the "Open With…" offer and dialog, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace OpenWithText {
inline constexpr Bilingual FailedTitle{u"Cannot Open", u"Kan inte öppna"};
inline constexpr Bilingual Failed1{u"The desktop could not open\n", u"Skrivbordet kunde inte öppna\n"};
inline constexpr Bilingual Failed2{
    u"\nThere may be no program for this kind of file, or it could not start."
    u"\n\nChoose a program to open it with ?",
    u"\nDet kanske saknas ett program för den här sortens fil, eller så kunde det "
    u"inte starta.\n\nVälja ett program att öppna den med ?"};
inline constexpr Bilingual Caption{u"Open With…", u"Öppna med…"};
inline constexpr Bilingual Prompt{u"Programs that can open ", u"Program som kan öppna "};
inline constexpr Bilingual NoPrograms{u"No program is set up for ", u"Inget program är inställt för "};
inline constexpr Bilingual NoProgramsEnd{u"\"; all programs:", u"\"; alla program:"};
inline constexpr Bilingual CommandLabel{u"Or a command (%f is the file, %u its address):",
                                        u"Eller ett kommando (%f är filen, %u dess adress):"};
inline constexpr Bilingual Open{u"&Open", u"&Öppna"};
inline constexpr Bilingual Cancel{u"&Cancel", u"&Avbryt"};
inline constexpr Bilingual ErrorTitle{u"Open With", u"Öppna med"};
inline constexpr Bilingual Unsafe{
    u"The command puts the file's name inside a quoted argument, where the program could run it "
    u"as code.\nGive %f or %u as an argument of its own.",
    u"Kommandot lägger filens namn inuti ett citerat argument, där programmet kan köra det som "
    u"kod.\nAnge %f eller %u som ett eget argument."};
inline constexpr Bilingual NotFound1{u"The program \"", u"Programmet \""};
inline constexpr Bilingual NotFound2{u"\" cannot be found.", u"\" hittas inte."};
inline constexpr Bilingual NotStarted1{u"The program \"", u"Programmet \""};
inline constexpr Bilingual NotStarted2{u"\" could not be started.", u"\" kunde inte startas."};
} // namespace OpenWithText
