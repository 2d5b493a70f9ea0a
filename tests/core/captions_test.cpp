// Every form's captions in both languages: each changes with the language unless it is the same
// word in both or shows data, an English load after a Swedish one shows the English captions
// again, and the language switch of the main window.

#include "appfixture.h"
#include "core/dialogs/aboutform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/findfavoriteform.h"
#include "core/dialogs/importbookmarksform.h"
#include "core/dialogs/openwithform.h"
#include "core/toolkit/commandbutton.h"
#include "core/toolkit/frame.h"
#include "core/toolkit/label.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Captions = std::map<QString, QString>;

void collect(Captions& out, const MenuItem& item)
{
    out[item.Name()] = item.Caption();
    for (const MenuItem* child : item.Items())
        collect(out, *child);
}

Captions captionsOf(const Form& form)
{
    Captions out{{QStringLiteral("caption"), form.Caption()}};
    for (const Control* control : form.Controls()) {
        if (const auto* label = dynamic_cast<const Label*>(control))
            out[control->Name()] = label->Caption();
        else if (const auto* button = dynamic_cast<const CommandButton*>(control))
            out[control->Name()] = button->Caption();
        else if (const auto* frame = dynamic_cast<const Frame*>(control))
            out[control->Name()] = frame->Caption();
    }
    if (const auto* main = dynamic_cast<const MainForm*>(&form))
        for (const MenuItem* item : main->MenuBar())
            collect(out, *item);
    return out;
}

// A favorite with a file in its folder, selected, so that every dialog has something to show.
struct Captioned : AppFixture
{
    QString work = tmp.makeFolder("home/work");

    Captioned()
    {
        tmp.writeFile("home/work/report.txt", "x");
        writeFavoFile("Enter below: header\r\nWork*" + work.toUtf8());
        start();
        form.FileList.setListIndex(0);
    }
    template <class D> void show(Module1& module, auto... arguments)
    {
        D dialog(module, arguments...);
        dialog.ShowModal();
    }
};

} // namespace

TEST(Captions, EveryFormFollowsTheLanguageAtEachLoad)
{
    struct Row
    {
        const char* form; // nullptr: the main window
        std::function<void(Captioned&)> open;
        QStringList same; // the same in both languages, or data
    };
    const QStringList fileMenus{"Menu_FF1", "Menu_FF2", "Menu_FF3", "Menu_FF4", "Menu_FF5"};
    // clang-format off
    const Row rows[] = {
        // The language switch decides from its own caption: clicked until the language is the row's.
        {nullptr, [](Captioned& app) { const bool sv = app.module.SwedishLanguage; app.form.Menu_Language.RaiseClick(); if (app.module.SwedishLanguage != sv) app.form.Menu_Language.RaiseClick(); }, fileMenus + QStringList{"Menu_Exit", "Command_Exit"}},
        {"AddDirForm", [](Captioned& app) { app.form.Menu_AddDir_Click(); }, {"Label_Path"}},
        {"RenameDirForm", [](Captioned& app) { app.form.Menu_RenameFolder_Click(); },
         {"Label_FavoName", "Label_FavoPath", "Command_Save"}},
        {"RenameDirForm", [](Captioned& app) { app.form.FileFind_MouseDown(2, 0, 0, 0); },
         {"Label_FavoName", "Label_FavoPath", "Command_Save"}},
        {"AddFilterForm", [](Captioned& app) { app.form.FileList_MouseDown(2, 0, 0, 0); }, {"Label_FileName"}},
        {"AboutForm", [](Captioned& app) { app.form.Menu_About.RaiseClick(); }, {"lblTitle", "lblVersion", "lblEmail"}},
        {"ChangeDriveForm", [](Captioned& app) { app.module.changeDriveForm().ShowModal(); }, {"Command_OK"}},
        {"FindFavoriteForm", [](Captioned& app) { app.show<FindFavoriteForm>(app.module); }, {}},
        {"ImportBookmarksForm", [](Captioned& app) { app.show<ImportBookmarksForm>(app.module); }, {}},
        {"OpenWithForm", [](Captioned& app) { app.show<OpenWithForm>(app.module, app.work); }, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.form ? row.form : "MainForm");
        Captioned app;
        std::vector<Captions> seen;
        for (const bool swedish : {false, true, false}) {
            app.module.SwedishLanguage = swedish;
            if (row.form)
                app.host.onModal(row.form, [&](Form& form) {
                    seen.push_back(captionsOf(form));
                    form.Unload();
                });
            row.open(app);
            if (!row.form)
                seen.push_back(captionsOf(app.form));
        }
        ASSERT_EQ(seen.size(), 3u);
        EXPECT_EQ(seen[2], seen[0]) << "an English load after a Swedish one";
        for (const auto& [name, english] : seen[0]) {
            if (english.isEmpty() || english == QLatin1String("-")) // data not loaded, or a separator
                continue;
            EXPECT_EQ(seen[1].at(name) == english, row.same.contains(name))
                << name.toStdString() << ": " << english.toStdString();
        }
    }
}
