// The README and the man page name every key the menus show, so a new shortcut cannot go
// undocumented.

#include "shownwindow.h"

#include <QFile>
#include <QMenu>
#include <QRegularExpression>

namespace {

// The keys an action shows: the text after a tab, or its own shortcut.
void collectKeys(const QList<QAction*>& actions, QStringList& keys)
{
    for (const QAction* action : actions) {
        if (action->menu())
            collectKeys(action->menu()->actions(), keys);
        else if (action->text().contains(u'\t'))
            keys << action->text().section(u'\t', 1);
        else if (!action->shortcut().isEmpty())
            keys << action->shortcut().toString(QKeySequence::NativeText);
    }
}

QString sourceText(const char* relative)
{
    QFile file(QStringLiteral(WAYFOLDER_SOURCE_DIR "/") + QLatin1String(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative;
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(ShortcutDocs, ReadmeAndManPageNameEveryKeyTheMenusShow)
{
    MainWindowWorld world;
    QStringList keys;
    collectKeys(world.window.menuBar().actions(), keys);
    ASSERT_GE(keys.size(), 6);
    const QString readme = sourceText("README.md");
    const QString manPage = sourceText("data/wayfolder.1.in");
    for (const QString& key : keys) {
        // A table row starts with the keys: "| Ctrl+S" in the README, "Ctrl+S<TAB>" in the page.
        const QRegularExpression readmeRow(QStringLiteral("^\\| (.*, )?") + QRegularExpression::escape(key) +
                                               QStringLiteral("[ ,]"),
                                           QRegularExpression::MultilineOption);
        const QRegularExpression manRow(QStringLiteral("^(.*, )?") + QRegularExpression::escape(key) +
                                            QStringLiteral("[\t,]"),
                                        QRegularExpression::MultilineOption);
        EXPECT_TRUE(readme.contains(readmeRow)) << "README.md lacks " << key.toStdString();
        EXPECT_TRUE(manPage.contains(manRow)) << "the man page lacks " << key.toStdString();
    }
    EXPECT_EQ(readme.count(QStringLiteral("\n## Command line\n")), 1);
}
