// Every window as a newcomer and a screen reader meet it: its size beside the board at
// each zoom, what it tells a reader, where the focus goes once it closes.
#include "app/commands.h"
#include "game/version.h"
#include "qt/dialogs/help_page.h"
#include "qt/dialogs/move_list.h"
#include "qt/dialogs/question_box.h"
#include "qt/network/network_dialogs.h"
#include "qt/network/network_labels.h"
#include "qt/platform/translation.h"
#include "qt/window_fixture.h"

namespace tarmigo::testing {
namespace {
class DialogsTest : public WindowFixture {
  protected:
    void SetUp() override {
        start();
        activate();
    }
    void through(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
        onNextModal([&](QWidget* dialog) {
            act(dialog);
            dialog->close();
        });
        open();
        settle();
    }
    std::function<void()> entry(int id) {
        return [this, id] { window->host().command(id); };
    }
};

TEST_F(DialogsTest, EveryWindowGrowsWithTheZoomAndFitsInTheGamesWindow) {
    const std::pair<const char*, std::function<void()>> modal[] = {
        {"Scores", entry(command::Scores)},
        {"Options", entry(command::Options)},
        {"About", entry(command::About)},
        {"Statistics", [this] { window->showStatistics(); }},
        {"Host",
         [this] { (new HostDialog(47470, "K7QX3D", {}, board().zoom(), window.get()))->open(); }},
        {"Join", [this] { (new JoinDialog({}, {}, board().zoom(), window.get()))->open(); }},
        {"forfeit", entry(command::OnePlayerGame)},
        {"rematch", [this] {
             (new QuestionBox(shownText(network_label::RematchAsked), Enter::Yes, board().zoom(),
                              window.get()))
                 ->open();
         }}};
    std::map<std::string, int> atOne; // the text's pixels at zoom 1
    const auto measure = [&](const std::string& name, QWidget* shown, int zoom) {
        shown->adjustSize();
        const auto* button = shown->findChild<QPushButton*>();
        const int pixels = QFontInfo(button ? button->font() : shown->font()).pixelSize();
        EXPECT_LE(shown->frameGeometry().width(), 240 * zoom) << name << zoom;
        EXPECT_LE(shown->frameGeometry().height(), 320 * zoom) << name << zoom;
        EXPECT_TRUE(shown->windowTitle().contains(" Tarmigo") || shown->inherits("QMenu") ||
                    shown->inherits("QMessageBox"))
            << name;
        if (zoom == 1) atOne[name] = pixels;
        EXPECT_GT(pixels, zoom == 3 ? atOne[name] : 0) << name << ": its text does not grow";
    };
    for (int zoom = 1; zoom <= 3; ++zoom) {
        window->setZoom(zoom);
        for (const auto& [name, open] : modal)
            through(open, [&, name = name](QWidget* dialog) { measure(name, dialog, zoom); });
        window->showMoves();
        measure("Moves", window->movesWindow(), zoom);
        window->movesWindow()->close();
        measure("Network", bar().menu(CommandBar::Menu::New)->findChild<QMenu*>("networkMenu"),
                zoom);
        const QString page = findHelpPage(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());
        QWidget* help = showHelpWindow(QUrl::fromLocalFile(page), zoom);
        measure("Help", help, zoom); // "Help - Tarmigo", not "Help"
        help->close();
    }
}

TEST_F(DialogsTest, TheFocusIsBackOnTheBoardAfterEachDialogAndTheForfeitDefaultsToNo) {
    EXPECT_EQ(QApplication::focusWidget(), &board()); // from the start
    const auto hand = game().players[0].hand;         // a hand in progress
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"Options", entry(command::Options)},
        {"Scores", entry(command::Scores)},
        {"About", entry(command::About)},
        {"Statistics", [this] { window->showStatistics(); }},
        {"forfeit", entry(command::OnePlayerGame)}};
    for (const auto& [name, open] : rows) {
        bar().findChildren<QToolButton*>()[1]->setFocus(
            Qt::TabFocusReason); // View, as a menu leaves it
        through(open, [](QWidget* dialog) {
            if (auto* question = qobject_cast<QMessageBox*>(dialog))
                QTest::keyClick(question, Qt::Key_Return); // No: the game stays
        });
        EXPECT_EQ(window->focusWidget(), &board()) << name;
    }
    EXPECT_EQ(game().players[0].hand, hand);
}

TEST_F(DialogsTest, AReaderHearsTheListsValuesAndWhatAboutSays) {
    through(entry(command::Options), [&](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>("difficulty");
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(read->textInterface(), nullptr);
        EXPECT_EQ(read->text(QAccessible::Name), "Difficulty");
        for (int item : {1, 2, 0}) {
            list->setCurrentIndex(item);
            int span[2] = {-1, -1}; // the value, all of it selected
            read->textInterface()->selection(0, &span[0], &span[1]);
            EXPECT_EQ(read->textInterface()->text(span[0], span[1]), list->itemText(item));
        }
    });
    through(entry(command::About), [&](QWidget* dialog) {
        EXPECT_EQ(dialog->accessibleDescription(),
                  QStringLiteral("Tarmigo, Version ") + QLatin1String(ProgramVersion));
    });
}
} // namespace
} // namespace tarmigo::testing
