// Checks an entry through the favorites file's own writer and reader, so the dialogs can never
// disagree with the loader about what survives a save and a load.
#include "core/dialogs/storablefavorite.h"

#include "core/dialogs/module1.h"

bool IsStorableFavorite(const FavoritesEntry& entry)
{
    for (const QString* field : {&entry.name, &entry.path, &entry.filter}) {
        if (field->contains(u'\t'))
            return false;
    }
    const QString line = ComposeFavoLine(entry);
    if (SplitFavoLines(line) != QStringList{line})
        return false;
    const ParsedFavoLine parsed = ParseFavoLine(line);
    return parsed.outcome == ParsedFavoLine::Entry && parsed.entry == entry;
}

bool AcceptStorableFavorite(Module1& module, const FavoritesEntry& entry)
{
    if (IsStorableFavorite(entry))
        return true;
    module.ShowMessBox(StorableFavoriteText::Prompt.text(module.SwedishLanguage), MsgStyle::OKOnly,
                       StorableFavoriteText::Title.text(module.SwedishLanguage));
    return false;
}
