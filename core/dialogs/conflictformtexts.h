#pragma once
// The question about a name that is taken, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace ConflictFormText {

inline constexpr Bilingual Title{u"Name Already Taken", u"Namnet finns redan"};
inline constexpr Bilingual Prompt1{u"\"", u"\""};
inline constexpr Bilingual FilePrompt2{u"\" already exists in \"", u"\" finns redan i \""};
inline constexpr Bilingual FilePrompt3{u"\".\nReplace it, skip this one, or keep both?",
                                       u"\".\nVill du ersätta den, hoppa över den här eller behålla båda?"};
inline constexpr Bilingual FolderPrompt3{
    u"\".\nReplace merges the two folders, files of the same name being replaced.",
    u"\".\nErsätt slår ihop de två mapparna, och filer med samma namn ersätts."};
inline constexpr Bilingual ApplyToAll1{u"Do the same for the rest (", u"Gör likadant för resten ("};
inline constexpr Bilingual ApplyToAll2{u" more)", u" till)"};
inline constexpr Bilingual Replace{u"&Replace", u"&Ersätt"};
inline constexpr Bilingual Skip{u"&Skip", u"&Hoppa över"};
inline constexpr Bilingual KeepBoth{u"&Keep Both", u"&Behåll båda"};
inline constexpr Bilingual Cancel{u"Cancel", u"Avbryt"};

} // namespace ConflictFormText
