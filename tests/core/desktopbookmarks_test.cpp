// The desktop's bookmark files as GTK and KDE write them: what is imported, what an export adds,
// and that the user's own entries and malformed files are never changed.

#include "core/formats/desktopbookmarks.h"
#include "filesizelimit.h"
#include "tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace DesktopBookmarks;

namespace {

const QByteArray kGtk = "file:///home/u/Documents\n"
                        "file:///home/u/My%20Projects Projects and more\n"
                        "file:///home/u/%C3%A5%C3%A4%C3%B6 \xc3\x85\xc3\x84\xc3\x96\n"
                        "file:///home/u/a%23b\n"
                        "sftp://server/home/x Remote\n"
                        "smb://nas/share\n";

const QByteArray kXbel = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE xbel>
<xbel xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks" xmlns:kdepriv="http://www.kde.org/kdepriv" xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
 <info>
  <metadata owner="http://www.kde.org">
   <kde_places_version>4</kde_places_version>
  </metadata>
 </info>
 <bookmark href="file:///home/u">
  <title>Home</title>
  <info>
   <metadata owner="http://freedesktop.org">
    <bookmark:icon name="user-home"/>
   </metadata>
   <metadata owner="http://www.kde.org">
    <ID>1700000000/0</ID>
    <isSystemItem>true</isSystemItem>
   </metadata>
  </info>
 </bookmark>
 <bookmark href="remote:/">
  <title>Network</title>
 </bookmark>
 <bookmark href="file:///home/u/Mus%C3%AEk%20%26%20%23">
  <title>Musîk &amp; #</title>
 </bookmark>
 <bookmark href="trash:/">
  <title>Trash</title>
 </bookmark>
</xbel>
)";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DesktopBookmarks, FileUrisRoundTripTheWayTheDesktopEncodesThem)
{
    // clang-format off
    struct Row { const char* path; const char* uri; };
    // clang-format on
    const Row rows[] = {
        {"/home/u/My Projects", "file:///home/u/My%20Projects"},
        {"/a#b", "file:///a%23b"},
        {"/åäö", "file:///%C3%A5%C3%A4%C3%B6"},
        {"/100%", "file:///100%25"},
        {"/q?x", "file:///q%3Fx"},
        {"/", "file:///"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(FileUri(QString::fromUtf8(row.path)), QByteArray(row.uri));
        EXPECT_EQ(LocalPath(row.uri), QString::fromUtf8(row.path));
    }
    bool malformed = false;
    bool undecodable = false;
    EXPECT_FALSE(LocalPath("file:///bad%FFname", &malformed, &undecodable));
    EXPECT_TRUE(undecodable);
    EXPECT_FALSE(LocalPath("sftp://server/x", &malformed, &undecodable));
    EXPECT_FALSE(malformed);
    EXPECT_FALSE(LocalPath("file://otherhost/x"));
    EXPECT_EQ(LocalPath("file://localhost/x"), QStringLiteral("/x"));
    EXPECT_FALSE(LocalPath("just words", &malformed));
    EXPECT_TRUE(malformed);
}

TEST(DesktopBookmarks, GtkFileGivesLocalFoldersWithLabelsAndKeepsTheRest)
{
    const BookmarkFile file = ParseGtk(kGtk);
    ASSERT_EQ(file.status, BookmarkFile::Ok);
    const QList<Bookmark> expected{{"/home/u/Documents", "", ""},
                                   {"/home/u/My Projects", "Projects and more", ""},
                                   {"/home/u/åäö", "ÅÄÖ", ""},
                                   {"/home/u/a#b", "", ""}};
    EXPECT_EQ(file.folders, expected);
    EXPECT_EQ(file.otherEntries, 2);
    EXPECT_EQ(file.undecodable, 0);

    EXPECT_EQ(ParseGtk("file:///x%FF label\r\nfile:///ok\r\n").folders, (QList<Bookmark>{{"/ok", "", ""}}));
    EXPECT_EQ(ParseGtk("file:///x%FF label\n").undecodable, 1);
    EXPECT_EQ(ParseGtk("file:///a\nnot a uri\n").status, BookmarkFile::Malformed);
}

TEST(DesktopBookmarks, XbelFileGivesLocalFoldersWithTitlesAndOurFilter)
{
    const BookmarkFile file = ParseXbel(kXbel);
    ASSERT_EQ(file.status, BookmarkFile::Ok) << file.error.toStdString();
    const QList<Bookmark> expected{{"/home/u", "Home", ""}, {"/home/u/Musîk & #", "Musîk & #", ""}};
    EXPECT_EQ(file.folders, expected);
    EXPECT_EQ(file.otherEntries, 2);

    for (const QByteArray& bad : {QByteArray("<xbel><bookmark href=\"file:///a\"><title>A</title></xbel>"),
                                  QByteArray("<other/>"), QByteArray("not xml at all")}) {
        SCOPED_TRACE(bad.toStdString());
        const BookmarkFile parsed = ParseXbel(bad);
        EXPECT_EQ(parsed.status, BookmarkFile::Malformed);
        EXPECT_FALSE(parsed.error.isEmpty());
        EXPECT_TRUE(parsed.folders.isEmpty());
    }
}

TEST(DesktopBookmarks, ExportAppendsOnlyNewFoldersAndAnImportGivesTheFiltersBack)
{
    TempFolder tmp;
    const QString gtk = tmp.writeFile("home/.config/gtk-3.0/bookmarks", kGtk);
    const QString xbel = tmp.writeFile("home/.local/share/user-places.xbel", kXbel);
    EXPECT_EQ(gtk, GtkPath());
    EXPECT_EQ(xbel, XbelPath());
    const QList<Bookmark> favorites{{"/home/u/Documents", "Docs", "*.odt"},
                                    {"/srv/new one#1", "New one", "*.txt;*.md"},
                                    {"/home/u", "Home", ""},
                                    {"/srv/new one#1/", "Same again", ""}};

    const ExportResult toGtk = Export(Format::Gtk, gtk, favorites);
    EXPECT_TRUE(toGtk.error.isEmpty());
    EXPECT_EQ(toGtk.added, 2);
    EXPECT_EQ(toGtk.present, 2);
    EXPECT_EQ(readAll(gtk), kGtk + "file:///srv/new%20one%231 New one\nfile:///home/u Home\n");

    const ExportResult toXbel = Export(Format::Xbel, xbel, favorites);
    EXPECT_TRUE(toXbel.error.isEmpty()) << toXbel.error.toStdString();
    EXPECT_EQ(toXbel.added, 2);
    const BookmarkFile after = ParseXbel(readAll(xbel));
    ASSERT_EQ(after.status, BookmarkFile::Ok) << after.error.toStdString();
    const QList<Bookmark> expected{{"/home/u", "Home", ""},
                                   {"/home/u/Musîk & #", "Musîk & #", ""},
                                   {"/home/u/Documents", "Docs", "*.odt"},
                                   {"/srv/new one#1", "New one", "*.txt;*.md"}};
    EXPECT_EQ(after.folders, expected);
    EXPECT_EQ(after.otherEntries, 2);
    // KDE's own metadata stays with its bookmark.
    EXPECT_TRUE(readAll(xbel).contains("<bookmark:icon name=\"user-home\"/>"));

    // The XBEL file is written whole: the user's own version is kept once, before the first
    // rewrite, and a later export never writes over that copy.
    EXPECT_TRUE(toXbel.backup);
    EXPECT_EQ(readAll(xbel + ".bak"), kXbel);
    const ExportResult later = Export(Format::Xbel, xbel, {{"/srv/later", "Later", ""}});
    EXPECT_EQ(later.added, 1);
    EXPECT_FALSE(later.backup);
    EXPECT_EQ(readAll(xbel + ".bak"), kXbel);

    // A second export finds everything there and writes nothing.
    const QByteArray once = readAll(xbel);
    EXPECT_EQ(Export(Format::Xbel, xbel, favorites).added, 0);
    EXPECT_EQ(readAll(xbel), once);
}

TEST(DesktopBookmarks, MalformedUnreadableOrUnwritableFilesAreLeftAsTheyWere)
{
    TempFolder tmp;
    const QList<Bookmark> favorites{{"/x", "X", ""}};
    const QByteArray badGtk = "file:///a\n::garbage::\n";
    const QByteArray badXbel = "<xbel><bookmark href=\"file:///a\">";
    const QString gtk = tmp.writeFile("home/.config/gtk-3.0/bookmarks", badGtk);
    const QString xbel = tmp.writeFile("home/.local/share/user-places.xbel", badXbel);
    EXPECT_EQ(Export(Format::Gtk, gtk, favorites).status, BookmarkFile::Malformed);
    EXPECT_EQ(Export(Format::Xbel, xbel, favorites).status, BookmarkFile::Malformed);
    EXPECT_EQ(readAll(gtk), badGtk);
    EXPECT_EQ(readAll(xbel), badXbel);

    // A write that fails part way never leaves a partial file.
    tmp.writeFile("home/.local/share/user-places.xbel", kXbel);
    ExportResult result;
    {
        FileSizeLimit limit(rlim_t(kXbel.size() + 10));
        result = Export(Format::Xbel, xbel, favorites);
    }
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(readAll(xbel), kXbel);
}

TEST(DesktopBookmarks, AFileWithUndecodableEntriesIsCopiedBeforeItIsAddedTo)
{
    TempFolder tmp;
    const QByteArray bytes = "file:///x%FF\nfile:///ok \xff\xfe\n";
    const QString gtk = tmp.writeFile("home/.config/gtk-3.0/bookmarks", bytes);
    const ExportResult result = Export(Format::Gtk, gtk, {{"/new", "New", ""}});
    EXPECT_TRUE(result.backup);
    EXPECT_EQ(readAll(gtk + ".bak"), bytes);
    EXPECT_EQ(readAll(gtk), bytes + "file:///new New\n");
}
