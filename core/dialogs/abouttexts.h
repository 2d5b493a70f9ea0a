#pragma once
// Every text that the About box and the update check show, in English and Swedish.

#include "core/toolkit/bilingual.h"

namespace AboutFormText {

// Captions the form is designed with; a load replaces those of the form and the labels.
inline constexpr QStringView DesignCaption = u"About MyApp";
inline constexpr QStringView DesignTitle = u"Application Title";
inline constexpr QStringView DesignVersion = u"Version";
inline constexpr QStringView DesignDescription = u"App Description";

inline constexpr Bilingual CaptionPrefix{u"About ", u"Om "};
inline constexpr QStringView VersionPrefix = u"Version ";
inline constexpr Bilingual CheckUpdate{u"Check for Updates", u"Sök efter Uppdateringar"};
inline constexpr Bilingual Close{u"Close", u"Stäng"};

inline constexpr Bilingual Description{
    u"This is a simple file manager which allows you to save Favorite folders as shortcuts in a list.\n"
    u"\n"
    u"Features:\n"
    u"    You can have up to 5 different Favorites Lists.\n"
    u"    A filter can be entered so only selected files are shown in the Files list.\n"
    u"    Any selected folder in the Folders list can be opened with Windows Explorer.\n"
    u"    Any file in the Files list can be opened as usual by a double click.\n"
    u"    Any change of Favorite List is saved at Exit.\n"
    u"\n"
    u"Some of the Menu items are:\n"
    u"   Save Path and Filter as default, either current or last opened before Exit.\n"
    u"   Select Language (English or Swedish).\n"
    u"   Save any open Folder including Filter setting as a Favorite.\n"
    u"   Edit the Favorites list.\n"
    u"   Edit the Favorites data file.\n"
    u"   Undo changes.\n"
    u"\n",
    u"Detta är en enkel filhanterare som låter dej spara Favoritfoldrar som genvägar i en lista.\n"
    u"\n"
    u"Funktioner:\n"
    u"    Du kan ha upp till 5 olika Favoritlistor.\n"
    u"    Ett filter kan anges så att endast valda filer visas i Fil-listan.\n"
    u"    En markerad folder i Folderlistan kan öppnas med Windows Explorer.\n"
    u"    Alla filer i Fillistan kan öppnas som vanligt med dubbelclick.\n"
    u"    Alla ändringar i Favoritlistan sparas när programmet stängs.\n"
    u"\n"
    u"Några Menufunktioner är:\n"
    u"   Spara sökväg och filter att visas vid nästa start, antingen nuvarande eller senaste vid Exit.\n"
    u"   Byt språk (Engelska eller Svenska).\n"
    u"   Spara en öppen folder inklusive Filter som en Favorit.\n"
    u"   Redigera Favoritlista.\n"
    u"   Redigera Favoritdatafil.\n"
    u"   Ångra gjorda ändringar.\n"
    u"\n"};

// The update check.
inline constexpr QStringView VersionFilePath = u"/dl/swv.txt";
inline constexpr QStringView HomePagePath = u"/dl/Wayfolder.htm";
inline constexpr QStringView VersionFileName = u"versions.txt";

inline constexpr Bilingual TitlePrefix{u"Current Version: ", u"Nuvarande version: "};
inline constexpr Bilingual GotoHomePage{u"Goto the Program Homepage for info ?",
                                        u"Gå till programmets hemsida för info ?"};
inline constexpr Bilingual WebFileNotFound{u"Web Datafile not found.", u"Web datafil kunde inte hittas."};
// The local copy's path and the system's reason stand between and after these two.
inline constexpr Bilingual LocalCopyNotWritten1{u"The local copy of the Web Datafile ",
                                                u"Den lokala kopian av web datafilen "};
inline constexpr Bilingual LocalCopyNotWritten2{u" could not be written:\n", u" kunde inte skrivas:\n"};
inline constexpr Bilingual DownloadedFileNotFound{u"Downloaded Datafile not foud.",
                                                  u"Den nedladdade datafilen kunde inte hittas."};
inline constexpr Bilingual ProgramDataNotFound{u"Data for this program not found.",
                                               u"Data för detta program saknas."};
inline constexpr Bilingual LatestVersion{u"This is the latest version.", u"Detta är den senaste versionen."};
// The newest version's text stands between these two.
inline constexpr Bilingual NewerVersionBefore{u"A newer version  ( ", u"En ny version  ( "};
inline constexpr Bilingual NewerVersionAfter{u" )  is available.", u" )  finns."};

} // namespace AboutFormText
