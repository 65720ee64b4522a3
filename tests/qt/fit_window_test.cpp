// The window at any size and from the keyboard: the board's zoom that fits a resized,
// maximised or full-screen window, the dialogs and menus beside a large board, the
// window's keys and the bar's focus, the dialogs' titles and the ties of the Options'
// labels, and help that opens whatever the desktop's viewer does.
#include "app/commands.h"
#include "app/shell.h"
#include "app/store.h"
#include "game/strings.h"
#include "qt/board_view.h"
#include "qt/command_bar.h"
#include "qt/help_page.h"
#include "qt/help_window.h"
#include "qt/kept_statistics.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"
#include "qt/settings_store.h"
#include "qt/statistics_window.h"
#include "qt/translation.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace tarmigo::testing {
namespace {

const QString ProgramFolder = QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path();

// The actions of onNextModal still waiting for their dialog.
int waitingActions = 0;

// Lets the window's queued work run, and the dialogs it opened be worked through.
void settle() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    for (int i = 0; i < 1000 && waitingActions > 0; ++i) QTest::qWait(5);
    QTest::qWait(20);
}

// Calls act on the next modal dialog once it is open (it may open inside a command).
void onNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    ++waitingActions;
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool open = modal && modal->isVisible();
        if (!open && ++*tries <= 500) return;
        timer->stop();
        timer->deleteLater();
        --waitingActions;
        if (open)
            act(modal);
        else
            ADD_FAILURE() << "no dialog opened";
    });
    timer->start(10);
}

// The program's own help windows on the screen.
QList<HelpWindow*> helpWindows() {
    QList<HelpWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = dynamic_cast<HelpWindow*>(w); help && help->isVisible()) found << help;
    return found;
}

void closeHelpWindows() {
    for (HelpWindow* help : helpWindows()) help->close();
    settle();
}

// Until the desktop's viewer has had its say: it has been started (it noted its
// argument) and as many help windows as expected are open, then a little longer.
void waitForViewer(int expectedWindows, const QString& noted = {}) {
    for (int i = 0; i < 300; ++i) {
        if (helpWindows().size() >= expectedWindows && (noted.isEmpty() || QFile::exists(noted)))
            break;
        QTest::qWait(10);
    }
    QTest::qWait(200); // and no more than expected
}

// An xdg-open of the test's own, first on PATH: it notes its argument and ends with
// the status given (a desktop without a browser ends with 3).
class StubViewer {
  public:
    explicit StubViewer(const char* body) : path_(qgetenv("PATH")) {
        QFile stub(folder_.filePath("xdg-open"));
        EXPECT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write(QByteArray("#!/bin/sh\necho \"$1\" > '") + argumentFile().toLocal8Bit() + "'\n" +
                   body + "\n");
        stub.close();
        stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ExeOwner);
        if (*body)
            qputenv("PATH", folder_.path().toLocal8Bit() + ':' + path_);
        else
            qputenv("PATH", QByteArray("/nonexistent")); // no xdg-open at all
    }
    ~StubViewer() { qputenv("PATH", path_); }
    QString argumentFile() const { return folder_.filePath("argument"); }
    QString argument() const {
        QFile f(argumentFile());
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).trimmed()
                                           : QString();
    }

  private:
    QTemporaryDir folder_;
    QByteArray path_;
};

class FitWindowTest : public ::testing::Test {
  protected:
    void start(std::function<void()> openHelp = {}) {
        window.reset();
        window = std::make_unique<MainWindow>(
            WindowSetup{&fileStore, &secondStore, &preferences, nullptr, std::move(openHelp)});
        window->start();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game().round.set(flag::animate, false);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        settle();
    }
    Session& game() { return window->shell().game(); }
    BoardView& board() { return window->board(); }
    CommandBar& bar() { return window->commandBar(); }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* to = QApplication::activePopupWidget();
        if (!to) to = QApplication::focusWidget();
        QTest::keyClick(to ? to : window.get(), Qt::Key(k), modifiers);
        settle();
    }
    QString focused() {
        QWidget* w = QApplication::focusWidget();
        if (w == &board()) return QStringLiteral("board");
        return w ? w->objectName() : QString();
    }
    // Waits until the window system has given the window its new size.
    void waitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) QTest::qWait(10);
        settle();
    }

    QTemporaryDir folder;
    FileStore fileStore{folder.filePath("tarmigt").toStdString()};
    SettingsStore secondStore{folder.filePath("second.ini")};
    QSettings preferences{folder.filePath("desktop.ini"), QSettings::IniFormat};
    std::unique_ptr<MainWindow> window;
};

TEST_F(FitWindowTest, TheBoardTakesTheLargestWholeZoomThatFitsCentredInItsOwnColours) {
    start();
    window->setZoom(1);
    waitFor([&] { return window->width() == 240; });
    // Rows: how the window is made larger, the zoom then shown.
    const std::pair<std::function<void()>, int> rows[] = {
        {[&] { window->resize(240 * 2 + 37, 320 * 2 + 50); }, 2},
        {[&] { window->resize(240 * 3 - 1, 320 * 3 + 9); }, 2}, // a pixel short of 3
        {[&] { window->showMaximized(); }, 3},                  // on a 1920 x 1200 screen
        {[&] { window->showFullScreen(); }, 3},
    };
    for (const auto& [enlarge, zoom] : rows) {
        enlarge();
        waitFor([&, zoom = zoom] { return board().zoom() == zoom; });
        EXPECT_EQ(board().zoom(), zoom);
        EXPECT_EQ(window->chosenZoom(), 1);
        EXPECT_EQ(bar().height(), 26 * zoom);
        const QRectF area = board().boardArea();
        EXPECT_EQ(area.size(), QSizeF(240 * zoom, 294 * zoom));
        EXPECT_LE(std::abs(2 * area.left() + area.width() - board().width()), 1);
        EXPECT_LE(std::abs(2 * area.top() + area.height() - board().height()), 1);
        // The room around the board carries on its edges' colours.
        const QImage shown = board().grab().toImage();
        const int l = int(area.left()), t = int(area.top());
        const int r = int(area.right()) - 1, b = int(area.bottom()) - 1;
        for (int y : {t, t + 30 * zoom, (t + b) / 2, b}) {
            EXPECT_EQ(shown.pixel(0, y), shown.pixel(l, y)) << y;
            EXPECT_EQ(shown.pixel(shown.width() - 1, y), shown.pixel(r, y)) << y;
        }
        for (int x : {l, (l + r) / 2, r}) {
            EXPECT_EQ(shown.pixel(x, 0), shown.pixel(x, t)) << x;
        }
        EXPECT_EQ(shown.pixel(0, 0), shown.pixel(l, t));
    }
    // A tap lands where the larger board shows the card.
    game().players[0].hand[0] = Go;
    const QRectF area = board().boardArea();
    const int z = board().zoom();
    QTest::mouseClick(
        &board(), Qt::LeftButton, {},
        QPoint(int(area.left()) + 14 * z, int(area.top()) + (game().layout.handY + 18) * z));
    settle();
    EXPECT_NE(game().players[0].battle(), BattleEmpty);

    // The zoom chosen meanwhile is the normal window's, once it is back.
    window->setZoom(2);
    EXPECT_EQ(board().zoom(), 3);
    window->showNormal();
    waitFor([&] { return window->width() == 480; });
    EXPECT_EQ(window->size(), QSize(480, 640));
    EXPECT_EQ(board().zoom(), 2);
    start();
    EXPECT_EQ(board().zoom(), 2);
}

TEST_F(FitWindowTest, DialogsMenusAndQuestionsGrowWithTheBoardFromZoomThreeOn) {
    KeptStatistics kept(&preferences);
    const auto widthAt = [&](int zoom) {
        StatisticsWindow w(kept, zoom);
        return w.sizeHint().width();
    };
    int before = widthAt(2);
    for (int zoom = 3; zoom <= 8; ++zoom) {
        const int now = widthAt(zoom);
        EXPECT_GT(now, before) << zoom;
        before = now;
    }
    EXPECT_GE(widthAt(6), 2.5 * widthAt(1)); // not tiny beside a 6x board

    // Beside a full-screen board at 3, the controls grow with their text: check boxes,
    // the menus' entries, the question box.
    start();
    const QCheckBox plain;
    const int indicator = plain.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &plain);
    const int menuText = QFontInfo(QApplication::font("QMenu")).pixelSize();
    window->setZoom(1);
    for (int zoom : {1, 3}) {
        SCOPED_TRACE(zoom);
        if (zoom == 3) window->showFullScreen();
        waitFor([&] { return board().zoom() == zoom; });
        QMenu* view = bar().menu(CommandBar::Menu::View);
        EXPECT_GE(QFontInfo(view->font()).pixelSize(), menuText * (zoom == 3 ? 1.4 : 1.0));
        bool seen = false;
        onNextModal([&](QWidget* dialog) {
            const auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("sortCards"));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box),
                      zoom == 3 ? std::lround(indicator * 1.5) : indicator);
            seen = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        window->host().command(command::Options);
        settle();
        EXPECT_TRUE(seen);
    }
}

TEST_F(FitWindowTest, CtrlNAsksAsNewDoesF11TogglesFullScreenAndViewQuits) {
    start();
    const auto hand = game().players[0].hand; // a hand in progress
    bool asked = false;
    onNextModal([&](QWidget* box) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(),
                  QString::fromUtf8(stringText(text::ForfeitGame)));
        asked = true;
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    key(Qt::Key_N, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(asked);
    EXPECT_EQ(game().players[0].hand, hand);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    const bool maximised = window->isMaximized();
    key(Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    key(Qt::Key_F11);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_EQ(window->isMaximized(), maximised);

    QAction* quit = window->findChild<QAction*>(QStringLiteral("quit"));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), "Quit");
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(bar().menu(CommandBar::Menu::View)->actions().contains(quit));
    key(Qt::Key_Q, Qt::ControlModifier); // the window's own key, not clashing with the entry
    EXPECT_FALSE(window->isVisible());
    start();
    window->findChild<QAction*>(QStringLiteral("quit"))->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FitWindowTest, TabReachesTheBarWhoseKeysMoveBetweenItsButtonsAndMenus) {
    start();
    const auto name = [](QToolButton* b, const char* n) { b->setObjectName(QLatin1String(n)); };
    const QList<QToolButton*> buttons = bar().findChildren<QToolButton*>(); // Undo disabled
    ASSERT_EQ(buttons.size(), 4);
    name(buttons[0], "new");
    name(buttons[1], "view");
    name(buttons[2], "undo");
    name(buttons[3], "help");
    board().setFocus();
    QStringList path;
    // Keys, and the focus after each: Undo is passed over, being disabled.
    const std::pair<int, const char*> steps[] = {
        {Qt::Key_Tab, "new"},   {Qt::Key_Right, "view"}, {Qt::Key_Right, "help"},
        {Qt::Key_Right, "new"}, {Qt::Key_Left, "help"},  {Qt::Key_Tab, "board"},
        {Qt::Key_Tab, "new"},
    };
    for (const auto& [k, expected] : steps) {
        key(k);
        EXPECT_EQ(focused(), expected) << path.join(' ').toStdString();
        path << focused();
    }
    // Space opens the focused menu (it does not tap the status line); Right goes to the
    // next menu with the focus, Left back, Escape closes it.
    const StatusMessage status = game().status;
    key(Qt::Key_Space);
    EXPECT_EQ(QApplication::activePopupWidget(), bar().menu(CommandBar::Menu::New));
    key(Qt::Key_Right);
    EXPECT_EQ(QApplication::activePopupWidget(), bar().menu(CommandBar::Menu::View));
    EXPECT_EQ(window->focusWidget()->objectName(), "view");
    key(Qt::Key_Left);
    EXPECT_EQ(QApplication::activePopupWidget(), bar().menu(CommandBar::Menu::New));
    key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(focused(), "new");
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), bar().menu(CommandBar::Menu::View));
    key(Qt::Key_Escape);
    EXPECT_EQ(game().status, status);
    // The number keys keep playing the hand from the bar.
    game().players[0].hand[0] = Go;
    game().round.set(flag::sortHand, false);
    key(Qt::Key_1);
    EXPECT_NE(game().players[0].battle(), BattleEmpty);
}

TEST_F(FitWindowTest, TheDialogsHaveTheirOwnTitlesInTheLanguage) {
    const struct {
        const char* language;
        int commandId;
        const char* title;
    } rows[] = {
        {"en", command::Options, "Options - Tarmigo"},
        {"en", command::Scores, "Scores - Tarmigo"},
        {"en", command::About, "About Tarmigo"},
        {"en", 0, "Statistics - Tarmigo"},
        {"de", command::Options, "Optionen - Tarmigo"},
        {"de", command::Scores, "Punktestand - Tarmigo"},
        {"fr", 0, "Statistiques - Tarmigo"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title);
        useLanguage(QLatin1String(row.language), findTranslations(ProgramFolder));
        start();
        QString title;
        onNextModal([&](QWidget* dialog) {
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        if (row.commandId)
            window->host().command(row.commandId);
        else
            window->showStatistics();
        settle();
        EXPECT_EQ(title, QString::fromUtf8(row.title));
    }
    useLanguage(QStringLiteral("en"), QString());
}

TEST_F(FitWindowTest, OptionsTieEachLabelToItsControlAndTabFollowsTheLayout) {
    start();
    game().round.set(flag::animate, true); // the slider shown
    game().players[1].gamesWon1P = 1;      // Reset Scores enabled
    QStringList order;
    QStringList unnamed;
    onNextModal([&](QWidget* dialog) {
        auto* first = dialog->findChild<QComboBox*>(QStringLiteral("difficulty"));
        ASSERT_NE(first, nullptr);
        for (QWidget* w = first; w && order.size() < 12; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible()) continue;
            if (!order.isEmpty() && w == first) break;
            order << w->objectName();
            // Every control has a name: its own text, or its label's.
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
            QString named = w->accessibleName();
            if (const auto* box = qobject_cast<QComboBox*>(w)) {
                bool labelled = false;
                for (const auto& [other, relation] : control->relations(QAccessible::Label))
                    labelled = labelled || other->text(QAccessible::Name) == named;
                if (!labelled) unnamed << w->objectName() + " (no label)";
                if (named.isEmpty() || named == box->currentText()) unnamed << w->objectName();
            } else if (control->text(QAccessible::Name).isEmpty()) {
                unnamed << w->objectName();
            }
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window->host().command(command::Options);
    settle();
    EXPECT_EQ(order.join(' ').toStdString(),
              "difficulty toPlay toDiscard sortCards playSounds animation speed "
              "showPlayable showTips resetScores done");
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(' ').toStdString();
}

TEST_F(FitWindowTest, HelpOpensItsOwnWindowWheneverTheDesktopsViewerFails) {
    const QString page = findHelpPage(ProgramFolder);
    ASSERT_FALSE(page.isEmpty());
    const struct {
        const char* viewer; // the stub's last line; empty: no xdg-open on PATH
        bool ownWindow;
    } rows[] = {
        {"exit 0", false}, {"echo 'xdg-open: no method available' >&2; exit 3", true},
        {"exit 4", true},  {"kill -9 $$", true},
        {"", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.viewer);
        StubViewer stub(row.viewer);
        openHelpPage(page);
        waitForViewer(row.ownWindow ? 1 : 0, *row.viewer ? stub.argumentFile() : QString());
        EXPECT_EQ(helpWindows().size(), row.ownWindow ? 1 : 0);
        if (*row.viewer) {
            EXPECT_EQ(stub.argument(), page);
        }
        closeHelpWindows();
    }

    // F1 and the help button, wired as the program wires them, with a viewer that fails.
    StubViewer failing("exit 3");
    start([page] { openHelpPage(page); });
    key(Qt::Key_F1);
    waitForViewer(1);
    EXPECT_EQ(helpWindows().size(), 1);
    bar().helpButton()->click();
    waitForViewer(2);
    EXPECT_EQ(helpWindows().size(), 2);
    closeHelpWindows();
}

} // namespace
} // namespace tarmigo::testing
