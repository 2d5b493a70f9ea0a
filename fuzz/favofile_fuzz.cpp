// The favorites reader under libFuzzer: any bytes are decoded, split and parsed as the loader
// does; the list read is saved and loaded again. The entries must come back equal and a second
// save must give the same bytes, whatever the input was.

#include "core/formats/favofile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedFavoFile loaded = ParseFavoFile(input);

    const QByteArray saved = ComposeFavoFile(loaded.swedish, loaded.entries);
    const ParsedFavoFile reloaded = ParseFavoFile(saved);
    if (reloaded.stop != ParsedFavoEntries::None || reloaded.swedish != loaded.swedish ||
        reloaded.entries != loaded.entries) {
        std::fprintf(stderr, "the saved list does not read back as loaded\n");
        std::abort();
    }
    if (ComposeFavoFile(reloaded.swedish, reloaded.entries) != saved) {
        std::fprintf(stderr, "a second save wrote other bytes\n");
        std::abort();
    }
    return 0;
}
