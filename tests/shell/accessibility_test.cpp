// A screen reader's view of the main window and every dialog: each element it can reach or act
// on has a name in the window's language, and what is hidden cannot take the focus.

#include "core/dialogs/aboutform.h"
#include "core/dialogs/adddirform.h"
#include "core/dialogs/addfilterform.h"
#include "core/dialogs/changedriveform.h"
#include "core/dialogs/findfavoriteform.h"
#include "core/dialogs/importbookmarksform.h"
#include "core/dialogs/messbox.h"
#include "core/dialogs/openwithform.h"
#include "core/dialogs/renamedirform.h"
#include "modal.h"
#include "shownwindow.h"

#include <QAccessible>
#include <QSet>
#include <functional>
#include <memory>

namespace {

// What a reader offers to act on: these roles, and anything that takes the focus.
bool interactive(const QAccessibleInterface& element)
{
    static const QSet<QAccessible::Role> roles{
        QAccessible::Button,       QAccessible::CheckBox, QAccessible::ComboBox,
        QAccessible::List,         QAccessible::Tree,     QAccessible::Table,
        QAccessible::EditableText, QAccessible::MenuItem, QAccessible::Link};
    return roles.contains(element.role()) || element.state().focusable;
}

// "role objectName" of every element under `element` that a reader reaches without a name, or
// that is hidden and still takes the focus. Rows and cells of a list are named by their text.
void findFaults(QAccessibleInterface* element, QStringList& faults)
{
    if (!element || element->role() == QAccessible::Cell || element->role() == QAccessible::Row ||
        element->role() == QAccessible::ListItem || element->role() == QAccessible::TreeItem)
        return;
    const QAccessible::State state = element->state();
    const QString what = QString::number(element->role(), 16) + u' ' +
                         (element->object() ? element->object()->objectName() : QString());
    // A closed combo box's drop-down list is Qt's own, unnamed, and opens with the box.
    if (state.invisible) {
        if (state.focusable && element->object() && !element->object()->objectName().isEmpty())
            faults << QStringLiteral("hidden but focusable: ") + what;
        return;
    }
    if (interactive(*element) && element->text(QAccessible::Name).trimmed().isEmpty())
        faults << QStringLiteral("no name: ") + what;
    for (int i = 0; i < element->childCount(); ++i)
        findFaults(element->child(i), faults);
}

std::string faultsOf(QWidget& window)
{
    QStringList faults;
    findFaults(QAccessible::queryAccessibleInterface(&window), faults);
    return faults.join(u'\n').toStdString();
}

struct Accessibility : MainWindowWorld, testing::TestWithParam<bool>
{
    void SetUp() override
    {
        module.SwedishLanguage = GetParam();
        host.setSwedishLanguage([this] { return module.SwedishLanguage; });
        form.SetCaptions();
    }
};

} // namespace

TEST_P(Accessibility, EveryElementOfTheMainWindowAndEachDialogHasAName)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(faultsOf(window), "");
    // The lists are named by the labels over them, in the window's language, also after a switch.
    for (int switched = 0; switched < 2; ++switched) {
        for (const auto& [list, label] :
             {std::pair<const Control*, const Label*>{&form.FavoDirList, &form.Label1},
              {&form.DirList, &form.Label2}}) {
            QString caption = label->Caption();
            caption.remove(u'&').remove(u':');
            EXPECT_EQ(window.view().widgetFor(list)->accessibleName(), caption.trimmed());
        }
        form.Menu_Language.RaiseClick();
    }

    // The edit dialog edits the selected favorite, the filter dialog takes the selected file.
    tmp.writeFile("home/a.txt", "");
    form.FavoDirList.AddItem(QStringLiteral("Home"));
    form.FavoDirPath.AddItem(tmp.home());
    form.FavoFileFilter.AddItem(QString());
    form.FavoDirList.setListIndex(0);
    form.FileList.setPattern(QStringLiteral("*.*"));
    form.FileList.setPath(tmp.home());
    form.FileList.setListIndex(0);
    const std::pair<const char*, std::function<std::unique_ptr<Form>()>> dialogs[] = {
        {"AddFilterForm", [this] { return std::make_unique<AddFilterForm>(module); }},
        {"AddDirForm", [this] { return std::make_unique<AddDirForm>(module); }},
        {"RenameDirForm", [this] { return std::make_unique<RenameDirForm>(module); }},
        {"ChangeDriveForm", [this] { return std::make_unique<ChangeDriveForm>(module); }},
        {"AboutForm", [this] { return std::make_unique<AboutForm>(module); }},
        {"MessBox", [this] { return std::make_unique<MessBox>(module); }},
        {"FindFavoriteForm", [this] { return std::make_unique<FindFavoriteForm>(module); }},
        {"ImportBookmarksForm", [this] { return std::make_unique<ImportBookmarksForm>(module); }},
        {"OpenWithForm",
         [this] { return std::make_unique<OpenWithForm>(module, tmp.path("home/a.unknown")); }},
    };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        const std::unique_ptr<Form> dialog = make();
        std::string faults;
        ASSERT_TRUE(Modal::Inspect([&] { dialog->ShowModal(); },
                                   [&](FormDialog& shown) {
                                       EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown));
                                       faults = faultsOf(shown);
                                   }));
        EXPECT_EQ(faults, "");
    }
    form.Unload();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Accessibility, testing::Bool());
