// The real watch behind Host::WatchFile: an atomic save by another program replaces the file, and
// the watch must outlast that.

#include "core/system/atomicfile.h"
#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/qthost.h"

#include <gtest/gtest.h>

using QtInput::waitFor;

TEST(FileWatch, AFileReplacedByRenameIsStillWatched)
{
    TempFolder tmp;
    const QString path = tmp.writeFile(QStringLiteral("FavoDirs.dat"), "one");
    QtHost host;
    int calls = 0;
    host.WatchFile(path, [&] { ++calls; });

    for (const char* content : {"two", "three", "four"}) {
        SCOPED_TRACE(content);
        const int before = calls;
        ASSERT_TRUE(WriteFileLocked(path, content, 1 << 20).ok());
        EXPECT_TRUE(waitFor([&] { return calls > before; }));
    }
    host.WatchFile(path, {});
}
