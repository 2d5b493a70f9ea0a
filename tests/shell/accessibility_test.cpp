// A screen reader's view of the main window and every dialog, and a weak eye's: each element a
// reader can reach or act on has a name in the window's language, what is hidden cannot take the
// focus, and every label, text box, list and button keeps a contrast of at least 4.5:1 against
// what is drawn behind it, in a light and a dark palette.

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
#include "shell/widgets/contrast.h"
#include "shownwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <functional>
#include <map>
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

QPalette darkPalette()
{
    // A dark palette as dark themes set one: the shades derived from the window colour.
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// The colours a widget's text is drawn in and on: boxes on their base, buttons on the button
// colour, anything else on the nearest filled panel.
std::pair<QColor, QColor> colours(const QWidget& widget)
{
    const QPalette& p = widget.palette();
    if (qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget))
        return {p.color(QPalette::Active, QPalette::Text), p.color(QPalette::Active, QPalette::Base)};
    if (qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget))
        return {p.color(QPalette::Active, QPalette::ButtonText), p.color(QPalette::Active, QPalette::Button)};
    const QWidget* panel = &widget;
    while (!panel->autoFillBackground() && !panel->isWindow())
        panel = panel->parentWidget();
    return {p.color(QPalette::Active, QPalette::WindowText),
            panel->palette().color(QPalette::Active, QPalette::Window)};
}

// The strongest contrast any pixel of the label's drawn text has with the label's most common
// colour: a label whose text vanished into its background has none.
double drawnContrast(const QImage& window, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[window.pixel(x, y)];
    }
    const QRgb common = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                            return a.second < b.second;
                        })->first;
    double best = 1;
    for (const auto& [rgb, count] : counts)
        best = std::max(best, Contrast::Ratio(QColor(common), QColor(rgb)));
    return best;
}

void expectReadable(QWidget& window, const std::string& where)
{
    const QImage image = window.grab().toImage();
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool hasText = qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QListView*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget);
        // Disabled controls are exempt, as the guidelines have it.
        if (!hasText || !widget->isVisibleTo(&window) || !widget->isEnabled())
            continue;
        ++checked;
        const auto [text, behind] = colours(*widget);
        EXPECT_GE(Contrast::Ratio(text, behind), 4.5) << where << ": " << widget->objectName().toStdString();
        auto* label = qobject_cast<QLabel*>(widget);
        if (label && !label->text().trimmed().isEmpty()) {
            const QRect area(label->mapTo(&window, QPoint(0, 0)), label->size());
            EXPECT_GE(drawnContrast(image, area.intersected(image.rect())), 4.5)
                << where << ": drawn " << widget->objectName().toStdString();
        }
    }
    EXPECT_GT(checked, 0) << where;
}

// English on a light palette, Swedish on a dark one.
struct Accessibility : MainWindowWorld, testing::TestWithParam<bool>
{
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();

    void SetUp() override
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(GetParam() ? darkPalette() : QApplication::style()->standardPalette());
        module.SwedishLanguage = GetParam();
        host.setSwedishLanguage([this] { return module.SwedishLanguage; });
        form.SetCaptions();
    }
    void TearDown() override
    {
        QApplication::setStyle(QStyleFactory::create(style));
        QApplication::setPalette(palette);
    }
};

} // namespace

TEST_P(Accessibility, EveryElementOfTheMainWindowAndEachDialogHasANameAndReadableText)
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
    form.FileFind.setText(QStringLiteral("*.txt"));
    form.FavoDirList.AddItem(QStringLiteral("Home"));
    form.FavoDirPath.AddItem(tmp.home());
    form.FavoFileFilter.AddItem(QString());
    form.FavoDirList.setListIndex(0);
    form.FileList.setPattern(QStringLiteral("*.*"));
    form.FileList.setPath(tmp.home());
    form.FileList.setListIndex(0);
    expectReadable(window, "main window");
    module.MessPrompt = QStringLiteral("A prompt that must stay readable");
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
    for (const auto& entry : dialogs) {
        const char* name = entry.first; // captured below, which a structured binding may not be
        SCOPED_TRACE(name);
        const std::unique_ptr<Form> dialog = entry.second();
        std::string faults;
        ASSERT_TRUE(Modal::Inspect([&] { dialog->ShowModal(); },
                                   [&](FormDialog& shown) {
                                       EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown));
                                       faults = faultsOf(shown);
                                       expectReadable(shown, name);
                                   }));
        EXPECT_EQ(faults, "");
    }
    form.Unload();
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndPalettes, Accessibility, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "SwedishDark" : "EnglishLight";
                         });
