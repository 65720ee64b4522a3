// The window at any size and from the keyboard: the fitting zoom, focus, titles and help.
#include "app/commands.h"
#include "game/strings.h"
#include "qt/dialogs/help_page.h"
#include "qt/dialogs/help_window.h"
#include "qt/window_fixture.h"

namespace tarmigo::testing {
namespace {
const QString ProgramFolder = QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path();

class FitWindowTest : public WindowFixture {
  protected:
    void start() {
        WindowFixture::start();
        activate();
    }
    // Runs open, and act on the modal dialog it opens, once open (maybe inside a command).
    void throughDialog(const std::function<void()>& open,
                       const std::function<void(QWidget*)>& act) {
        onNextModal(act);
        open();
        settle();
    }
    void throughDialog(int id, const std::function<void(QWidget*)>& act) {
        throughDialog([&] { window->host().command(id); }, act);
    }
};

TEST_F(FitWindowTest, TheBoardTakesTheLargestWholeZoomThatFitsCentred) {
    start();
    window->setZoom(1);
    const std::pair<std::function<void()>, int> rows[] = {
        {[] {}, 1},
        {[&] { window->resize(240 * 3 - 1, 320 * 3 + 9); }, 2}, // a pixel short of 3
        {[&] { window->showMaximized(); }, 3},                  // on a 1920 x 1200 screen
        {[&] { window->showFullScreen(); }, 3},
    };
    for (const auto& [enlarge, zoom] : rows) {
        enlarge();
        EXPECT_TRUE(QTest::qWaitFor([&, zoom = zoom] { return board().zoom() == zoom; })) << zoom;
        EXPECT_EQ(window->chosenZoom(), 1);
        EXPECT_EQ(bar().height(), 26 * zoom);
        const QRectF area = board().boardArea();
        EXPECT_EQ(area.size(), QSizeF(240 * zoom, 294 * zoom));
        EXPECT_LE(std::abs(2 * area.left() + area.width() - board().width()), 1);
        EXPECT_LE(std::abs(2 * area.top() + area.height() - board().height()), 1);
        // The room around the board carries on its edges' colours.
        const QImage shown = board().grab().toImage();
        const int l = int(area.left()), t = int(area.top()), r = int(area.right()) - 1;
        for (int y : {t, t + 30 * zoom, t + 147 * zoom, int(area.bottom()) - 1}) {
            EXPECT_EQ(shown.pixel(0, y), shown.pixel(l, y)) << y;
            EXPECT_EQ(shown.pixel(shown.width() - 1, y), shown.pixel(r, y)) << y;
        }
        for (int x : {0, l, (l + r) / 2, r})
            EXPECT_EQ(shown.pixel(x, 0), shown.pixel(std::max(x, l), t)) << x;
    }
    // A tap lands where the larger board shows the card.
    game().players[0].hand[0] = Go;
    const QPointF card = board().boardArea().topLeft() + QPointF(14, game().layout.handY + 18) * 3;
    QTest::mouseClick(&board(), Qt::LeftButton, {}, card.toPoint());
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    // The zoom chosen meanwhile is the normal window's, once it is back, and kept.
    window->setZoom(2);
    EXPECT_EQ(board().zoom(), 3);
    window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(480, 640); }));
    EXPECT_EQ(board().zoom(), 2);
    start();
    EXPECT_EQ(board().zoom(), 2);
    EXPECT_EQ(board().toBoard({board().boardArea().left() - 1, 0}).x(), -1); // rounded down
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 3);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(board().zoom(), 2);
}

TEST_F(FitWindowTest, CtrlNAsksF11TogglesFullScreenAndTabAndArrowsReachTheBarsButtonsAndMenus) {
    start();
    const auto hand = game().players[0].hand; // a hand in progress
    throughDialog([&] { key(Qt::Key_N, Qt::ControlModifier); },
                  [&](QWidget* box) {
                      EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(),
                                stringText(text::ForfeitGame));
                      box->close();
                  });
    EXPECT_EQ(game().players[0].hand, hand);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const bool maximised = window->isMaximized();
    for (bool fullScreen : {true, false}) {
        key(Qt::Key_F11);
        EXPECT_EQ(window->isFullScreen(), fullScreen);
    }
    EXPECT_EQ(window->isMaximized(), maximised); // back as it was
    const QList<QToolButton*> buttons =
        bar().findChildren<QToolButton*>(); // New View Undo Redo Help, then those of watching
    const QMenu* menus[] = {nullptr, bar().menu(CommandBar::Menu::New),
                            bar().menu(CommandBar::Menu::View)};
    ASSERT_EQ(buttons.size(), 8);
    board().setFocus();
    const StatusMessage status = game().seats[0].status;
    // Keys, the focused button (-1: the board), the open menu: Undo and Redo are disabled
    // and passed over, Space and Return open the focused menu, Right and Left move, Escape closes.
    const std::tuple<int, int, int> steps[] = {
        {Qt::Key_Tab, 0, 0},    {Qt::Key_Right, 1, 0},  {Qt::Key_Right, 4, 0},
        {Qt::Key_Right, 0, 0},  {Qt::Key_Left, 4, 0},   {Qt::Key_Tab, -1, 0},
        {Qt::Key_Tab, 0, 0},    {Qt::Key_Space, 0, 1},  {Qt::Key_Right, 1, 2},
        {Qt::Key_Left, 0, 1},   {Qt::Key_Escape, 0, 0}, {Qt::Key_Right, 1, 0},
        {Qt::Key_Return, 1, 2}, {Qt::Key_Escape, 1, 0},
    };
    for (const auto& [k, focus, menu] : steps) {
        key(k);
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup ? window->focusWidget() : QApplication::focusWidget(),
                  focus < 0 ? &board() : static_cast<QWidget*>(buttons[focus]))
            << k;
        EXPECT_EQ(popup, menus[menu]) << k;
    }
    EXPECT_EQ(game().seats[0].status, status);
    // The number keys keep playing from the bar; the View menu's Quit (Ctrl+Q) quits.
    game().players[0].hand[0] = Go;
    game().round.set(flag::sortHand, false);
    key(Qt::Key_1);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
    QAction* quit = window->findChild<QAction*>(QStringLiteral("quit"));
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)); // shown beside the entry
    quit->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FitWindowTest, OptionsTieEachLabelToItsControlAndTabFollowsTheLayout) {
    start();
    game().round.set(flag::animate, true); // the slider shown
    game().players[1].gamesWon1P = 1;      // Reset Scores enabled
    QStringList order, unnamed;
    throughDialog(command::Options, [&](QWidget* dialog) {
        QWidget* first = dialog->findChild<QComboBox*>(QStringLiteral("difficulty"));
        for (QWidget* w = first; w && order.size() < 12; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible()) continue;
            if (!order.isEmpty() && w == first) break;
            order << w->objectName();
            // Every control has a name: its own text, or for a list its label's.
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
            const auto* box = qobject_cast<QComboBox*>(w);
            const QString named = box ? w->accessibleName() : control->text(QAccessible::Name);
            bool labelled = !box;
            for (const auto& [other, relation] : control->relations(QAccessible::Label))
                labelled = labelled || other->text(QAccessible::Name) == named;
            if (!labelled || named.isEmpty() || (box && named == box->currentText()))
                unnamed << w->objectName();
        }
        dialog->close();
    });
    EXPECT_EQ(order.join(' '), "difficulty toPlay toDiscard sortCards playSounds animation speed "
                               "showPlayable showTips resetScores done");
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(' ').toStdString();
}

TEST_F(FitWindowTest, HelpOpensItsOwnWindowWheneverTheDesktopsViewerFails) {
    const QString page = findHelpPage(ProgramFolder), noted = folder.filePath("argument");
    const QByteArray path = qgetenv("PATH");
    const auto shown = [] {
        QWidgetList all = QApplication::topLevelWidgets();
        all.removeIf([](QWidget* w) { return !dynamic_cast<HelpWindow*>(w) || !w->isVisible(); });
        return all;
    };
    // The last line of the test's own xdg-open, alone on PATH, that first notes its argument
    // (empty: no xdg-open at all; with no browser it ends with 3), and whether help opens its own.
    const std::pair<const char*, bool> rows[] = {
        {"exit 0", false},
        {"echo 'no method' >&2; exit 3", true},
        {"kill -9 $$", true},
        {"", true},
    };
    for (const auto& [viewer, ownWindow] : rows) {
        QFile stub(folder.filePath("xdg-open")), argument(noted);
        argument.remove();
        EXPECT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write("#!/bin/sh\necho \"$1\" > '" + noted.toLocal8Bit() + "'\n" + viewer + "\n");
        stub.close();
        stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", *viewer ? folder.path().toLocal8Bit() : QByteArray("/nonexistent"));
        openHelpPage(page);
        (void)QTest::qWaitFor(
            [&] { return shown().size() >= ownWindow && (!*viewer || argument.exists()); });
        QTest::qWait(200); // and no more windows than expected
        EXPECT_EQ(shown().size(), ownWindow ? 1 : 0) << viewer;
        EXPECT_EQ(argument.open(QIODevice::ReadOnly) ? argument.readAll().trimmed() : "",
                  *viewer ? page.toLocal8Bit() : "")
            << viewer;
        for (QWidget* help : shown()) help->close();
    }
    qputenv("PATH", path);
}
} // namespace
} // namespace tarmigo::testing
