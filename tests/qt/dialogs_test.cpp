// Every window of the program as a newcomer and a screen reader meet it: its size beside
// the board at each zoom, what it tells a reader, where the focus goes once it closes.
#include "app/commands.h"
#include "board/places.h"
#include "game/strings.h"
#include "game/version.h"
#include "qt/command_line.h"
#include "qt/dialogs/help_page.h"
#include "qt/dialogs/move_list.h"
#include "qt/network/network_dialogs.h"
#include "qt/window_fixture.h"

namespace tarmigo::testing {
namespace {

const QString ProgramFolder = QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path();

class DialogsTest : public WindowFixture {
  protected:
    // The modal dialog that open() shows, handed to act while open, then closed.
    void through(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
        onNextModal([&](QWidget* dialog) {
            act(dialog);
            dialog->close();
        });
        open();
        settle();
    }
};

TEST_F(DialogsTest, EveryWindowGrowsWithTheZoomAndNoneIsWiderThanTheBoard) {
    start();
    activate();
    // Each window by its kind: shown (modal ones through `through`), then closed.
    const auto menuEntry = [&](int id) { return [this, id] { window->host().command(id); }; };
    const std::pair<const char*, std::function<void()>> modal[] = {
        {"Scores", menuEntry(command::Scores)},
        {"Options", menuEntry(command::Options)},
        {"About", menuEntry(command::About)},
        {"Statistics", [this] { window->showStatistics(); }},
        {"Host",
         [this] {
             (new HostDialog(47470, "K7QX3D", {"::1"}, board().zoom(), window.get()))->open();
         }},
        {"Join", [this] { (new JoinDialog({}, {}, board().zoom(), window.get()))->open(); }},
    };
    std::map<std::string, std::pair<int, int>> before; // name: font pixels, height
    const auto measure = [&](const std::string& name, QWidget* shown, int zoom) {
        shown->adjustSize();
        const int pixels =
            QFontInfo(shown->findChild<QPushButton*>() ? shown->findChild<QPushButton*>()->font()
                                                       : shown->font())
                .pixelSize();
        // At 1 the window is smaller than the desktop's own dialogs: those keep their size.
        EXPECT_LE(shown->frameGeometry().width(), zoom > 1 ? 240 * zoom : 9999) << name << zoom;
        EXPECT_TRUE(shown->windowTitle().contains("Tarmigo") || qobject_cast<QMenu*>(shown))
            << name;
        if (zoom == 3) {
            EXPECT_GT(pixels, before[name].first) << name << ": its text does not grow";
            EXPECT_GT(shown->height(), before[name].second) << name;
        }
        if (zoom == 1) before[name] = {pixels, shown->height()};
    };
    for (int zoom = 1; zoom <= 3; ++zoom) {
        window->setZoom(zoom);
        settle();
        for (const auto& [name, open] : modal)
            through(open, [&, name = name](QWidget* dialog) { measure(name, dialog, zoom); });
        window->showMoves();
        measure("Moves", window->movesWindow(), zoom);
        window->movesWindow()->close();
        QMenu* network = bar().menu(CommandBar::Menu::New)->findChild<QMenu*>("networkMenu");
        ASSERT_NE(network, nullptr);
        measure("Network Game", network, zoom);
        QWidget* help = showHelpWindow(QUrl::fromLocalFile(findHelpPage(ProgramFolder)), zoom);
        measure("Help", help, zoom);
        EXPECT_EQ(help->windowTitle(), "Help - Tarmigo");
        help->close();
    }
}

TEST_F(DialogsTest, TheFocusComesBackToTheBoardAfterEachDialogWithItsPlaceNamed) {
    start();
    activate();
    EXPECT_EQ(QApplication::focusWidget(), &board()); // from the start
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"Options", [this] { window->host().command(command::Options); }},
        {"Scores", [this] { window->host().command(command::Scores); }},
        {"About", [this] { window->host().command(command::About); }},
        {"Statistics", [this] { window->showStatistics(); }},
        {"forfeit", [this] { window->host().command(command::OnePlayerGame); }},
    };
    for (const auto& [name, open] : rows) {
        bar().findChildren<QToolButton*>()[1]->setFocus(
            Qt::TabFocusReason); // View, as the menu leaves it
        through(open, [](QWidget*) {});
        EXPECT_EQ(window->focusWidget(), &board()) << name;
    }
}

TEST_F(DialogsTest, QuestionsThatLoseSomethingDefaultToNo) {
    start();
    activate();
    const auto hand = game().players[0].hand; // a hand in progress
    through([this] { window->host().command(command::OnePlayerGame); },
            [](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                ASSERT_NE(question, nullptr);
                EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
                QTest::keyClick(question, Qt::Key_Return);
            });
    EXPECT_EQ(game().players[0].hand, hand);
}

TEST_F(DialogsTest, ReadersHearTheListsValuesAndAbout) {
    start();
    activate();
    const auto name = [](QWidget* w, QAccessible::Text t = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(w)->text(t);
    };
    through([this] { window->host().command(command::Options); },
            [&](QWidget* dialog) {
                auto* list = dialog->findChild<QComboBox*>("difficulty");
                QAccessibleInterface* read = QAccessible::queryAccessibleInterface(list);
                ASSERT_NE(read->textInterface(), nullptr);
                EXPECT_EQ(read->text(QAccessible::Name), "Difficulty");
                for (int item : {1, 2, 0}) {
                    list->setCurrentIndex(item);
                    const QString value =
                        read->textInterface()->text(0, read->textInterface()->characterCount());
                    EXPECT_EQ(value, list->itemText(item));
                    int from = -1, to = -1;
                    read->textInterface()->selection(0, &from, &to);
                    EXPECT_EQ(to - from, value.size()) << "the value is selected whole";
                }
            });
    through([this] { window->host().command(command::About); },
            [&](QWidget* dialog) {
                EXPECT_EQ(name(dialog, QAccessible::Description),
                          QStringLiteral("Tarmigo, Version ") + QLatin1String(ProgramVersion));
                for (QLabel* label : dialog->findChildren<QLabel*>())
                    EXPECT_FALSE(label->text().contains('.') && !label->text().contains("Version"))
                        << "an address: " << label->text().toStdString();
            });
}

TEST_F(DialogsTest, UndoFromTheBarLeavesTheFocusOnTheBoard) {
    start();
    activate();
    game().players[0].hand[0] = Go;
    game().round.set(flag::sortHand, false);
    key(Qt::Key_1);
    finishPresentation(window->host());
    bar().undoButton()->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    finishPresentation(window->host());
    EXPECT_FALSE(bar().undoButton()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), &board());
}

TEST(CommandLine, HelpAndVersionWinAndOnlyKnownOptionsPass) {
    using A = CommandLine::Action;
    const std::tuple<std::vector<std::string_view>, A, const char*> rows[] = {
        {{}, A::Run, ""},
        {{"--lang", "fr"}, A::Run, ""},
        {{"-platform", "offscreen", "--style=fusion", "-reverse"}, A::Run, ""},
        {{"--lang", "de", "--help"}, A::Help, ""},
        {{"--bogus", "--version"}, A::Version, ""},
        {{"--lang"}, A::Refuse, "tarmigo: --lang needs a language code"},
        {{"-style"}, A::Refuse, "tarmigo: -style needs a value"},
        {{"--bogus"}, A::Refuse, "tarmigo: unknown option '--bogus'"},
        {{"-reverse=1"}, A::Refuse, "tarmigo: unknown option '-reverse=1'"},
        {{"game.sav"}, A::Refuse, "tarmigo: unexpected argument 'game.sav'"},
    };
    for (const auto& [arguments, action, error] : rows) {
        const CommandLine line = readCommandLine(arguments);
        EXPECT_EQ(line.action, action) << error;
        EXPECT_TRUE(line.error.starts_with(error)) << line.error;
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace tarmigo::testing
