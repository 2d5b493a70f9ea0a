// Every text stays readable in a light and a dark palette: each label, text box, list and button
// of every window keeps a contrast of at least 4.5:1 against what is drawn behind it.

#include "core/dialogs/messbox.h"
#include "modal.h"
#include "shell/widgets/contrast.h"
#include "shownwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <map>

namespace {

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

struct ContrastTest : testing::TestWithParam<bool>
{};

} // namespace

TEST_P(ContrastTest, EveryTextOfEveryWindowIsReadable)
{
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(GetParam() ? darkPalette() : QApplication::style()->standardPalette());
    MainWindowWorld world;
    MainForm& form = world.form;
    world.tmp.makeFolder("home/folder");
    world.tmp.writeFile("home/file.txt", "x");
    form.Load();
    world.window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&world.window));
    form.Activate();
    form.FileFind.setText(QStringLiteral("*.txt"));
    expectReadable(world.window, "main window");

    form.FavoDirList.setListIndex(0);
    form.FavoDirList.SetFocus();
    // clang-format off
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"About", [&] { form.Menu_About_Click(); }},
        {"Add favorite", [&] { form.DirList.SetFocus(); form.Menu_AddDir_Click(); }},
        {"Edit favorite", [&] { form.FavoDirList.SetFocus(); form.Menu_RenameFolder_Click(); }},
        {"Change drive", [&] { form.Menu_ChangeDrive_Click(); }},
        {"Message box", [&] { world.module.ShowMessBox(QStringLiteral("A prompt that must stay readable"), 3, QStringLiteral("Title")); }},
    };
    // clang-format on
    for (const auto& [name, open] : dialogs) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Modal::Inspect(open, [&](FormDialog& shown) { expectReadable(shown, name); }));
    }
    form.Unload();
    QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(palette);
}

INSTANTIATE_TEST_SUITE_P(Palettes, ContrastTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Dark" : "Light";
                         });
