// The bar's menus are made on their first opening, with every entry the window gives
// them; the entries' actions work before that.
#include "app/store.h"
#include "qt/command_bar.h"
#include "qt/main_window.h"
#include "qt/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarmigo {
namespace {

QStringList entries(const QMenu* menu) {
    QStringList names;
    for (const QAction* action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("-")
                  : action->menu()      ? action->menu()->objectName()
                                        : action->objectName());
    return names;
}

TEST(LazyMenuTest, AMenuIsMadeOnItsFirstOpeningWithEveryEntry) {
    QTemporaryDir folder;
    FileStore fileStore(folder.filePath("tarmigt").toStdString());
    SettingsStore secondStore(folder.filePath("second.ini"));
    QSettings preferences(folder.filePath("desktop.ini"), QSettings::IniFormat);
    MainWindow window(WindowSetup{&fileStore, &secondStore, &preferences, nullptr, {}});
    window.start();
    EXPECT_TRUE(window.findChildren<QMenu*>().isEmpty()) << "a menu made at the start";

    // Zoom 1 is chosen through its action, the menu still unmade.
    const auto zoomChoices = [&window] {
        QList<QAction*> choices;
        for (QAction* action : window.findChildren<QAction*>())
            if (action->isCheckable() && action->data().toInt() > 0) choices << action;
        return choices;
    };
    ASSERT_GE(zoomChoices().size(), 2);
    for (QAction* choice : zoomChoices())
        if (choice->data().toInt() == 1) choice->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window.zoom(), 1);

    QMenu* view = window.commandBar().menu(CommandBar::Menu::View);
    EXPECT_EQ(window.commandBar().menu(CommandBar::Menu::View), view) << "made twice";
    ASSERT_EQ(view->actions().size(), 7);
    EXPECT_EQ(entries(view).mid(3), QStringList({"statistics", "-", "languageMenu", "zoomMenu"}));
    const QMenu* zoom = view->findChild<QMenu*>(QStringLiteral("zoomMenu"));
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->actions().size(), 3 + zoomChoices().size());
    for (const QAction* choice : zoomChoices())
        EXPECT_EQ(choice->isChecked(), choice->data().toInt() == 1) << choice->data().toInt();
    EXPECT_EQ(window.commandBar().menu(CommandBar::Menu::New)->actions().size(), 2);
}

} // namespace
} // namespace tarmigo
