// Takes the pictures of the README under an X server (Xvfb will do):
//   tarmigo-screenshots OUTPUT_FOLDER [ZOOM [LANG]]      (zoom 2 unless given)
// writes screenshot-board.png (the start of a game), screenshot-options.png (the
// Options dialog over the board), screenshot-scores.png (the Scores dialog at the
// end of a hand, played out by the computer's own choices for both players),
// screenshot-statistics.png (the Statistics window after a few such hands),
// screenshot-help.png (the program's own help window), screenshot-keys.png (the focus
// ring on the board, with the move list beside it after a few moves), screenshot-host.png
// and screenshot-join.png (the network game's dialogs, with example addresses rather
// than the machine's own). With a language (de, fr) the names end in -LANG
// (screenshot-board-de.png).
#include "ai/choose_card.h"
#include "app/shell.h"
#include "app/store.h"
#include "app/taps.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/strings.h"
#include "game/targets.h"
#include "qt/board/board_view.h"
#include "qt/dialogs/help_page.h"
#include "qt/dialogs/move_list.h"
#include "qt/dialogs/scores_window.h"
#include "qt/main_window.h"
#include "qt/network/network_dialogs.h"
#include "qt/platform/settings_store.h"
#include "qt/platform/translation.h"
#include "qt/qt_host.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using namespace tarmigo;

QString outputFolder;
QString suffix; // "-de" for the German pictures

bool save(const QRect& area, const char* name) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QString file = QString::fromLatin1(name);
    file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
    const QString path = QDir(outputFolder).filePath(file);
    const bool ok = shot.save(path, "PNG");
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

QRect frame(QWidget* w) {
    return w->frameGeometry();
}

// Runs act on the next modal widget once it has been painted.
void onModal(const std::function<void(QWidget*)>& act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(300, modal, [modal, act] { act(modal); });
    });
    timer->start(20);
}

// One move of player 0 chosen by the computer's own rules, made by tapping.
void playOneMove(MainWindow& window) {
    Session& g = window.shell().game();
    QtHost& host = window.host();
    const Layout& l = g.layout;
    const int target = chooseCard(g, ChooseMode::Select);
    const int slot = g.own().selectedSlot();
    if (target == target::DiscardPile && slot != 0) {
        host.tap(l.drawPileTap().x,
                 l.drawPileTap().y); // a tap on the deck discards the selected card
    } else if (slot != 0) {
        host.tap(l.slotTap(slot).x, l.slotTap(slot).y);
    } else {
        host.tap(l.statusTap().x, l.statusTap().y);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ZOOM [LANG]]\n", argv[0]);
        return 2;
    }
    const int zoom = argc >= 3 ? std::atoi(argv[2]) : 2;
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (argc == 4) {
        useLanguage(QString::fromLatin1(argv[3]), findTranslations(programFolder));
        if (currentLanguage() != QLatin1String("en")) suffix = QLatin1Char('-') + currentLanguage();
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder;
    FileStore fileStore(folder.filePath("tarmigt").toStdString());
    SettingsStore secondStore(folder.filePath("second.ini"));
    QSettings preferences(folder.filePath("desktop.ini"), QSettings::IniFormat);
    WindowSetup setup;
    setup.fileStore = &fileStore;
    setup.secondStore = &secondStore;
    setup.preferences = &preferences;
    MainWindow window(setup);
    window.setZoom(zoom);
    window.start();
    // A hand whose first move is there to be made looks better than one to discard from.
    Session& g = window.shell().game();
    for (int deal = 0; deal < 50 && g.seats[0].status.id != text::TapToPlay; ++deal) {
        beginHand(g, 1, GameScores::Reset);
        window.host().skipPictures();
        window.host().play();
    }
    window.host().repaintBoard();
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QTest::qWait(500);
    bool ok = save(frame(&window), "screenshot-board.png");

    // A few moves, then the ring on the hand's first card and the move list beside it.
    for (int moves = 0; moves < 3 && !g.has(flag::handOver); ++moves) {
        playOneMove(window);
        while (window.host().presenting()) QTest::qWait(20);
    }
    window.showMoves();
    MoveListWindow* list = window.movesWindow();
    list->move(frame(&window).right() + 8, 0);
    window.activateWindow();
    window.board().setFocus();
    window.board().setFocusPlace(1); // hand slot 1
    QTest::qWait(500);
    ok = save(frame(&window).united(frame(list)), "screenshot-keys.png") && ok;
    list->close();

    onModal([&](QWidget* dialog) {
        ok = save(frame(&window).united(frame(dialog)), "screenshot-options.png") && ok;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.host().command(command::Options);

    // Play a few hands out quickly; answer the extension question with No, and take
    // the Scores dialog of the first hand.
    g.round.set(flag::animate, false);
    bool shot = false;
    std::function<void()> watch = [&] {
        onModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->button(QMessageBox::No)->click();
            } else if (dynamic_cast<ScoresWindow*>(modal)) {
                if (!shot)
                    ok = save(frame(&window).united(frame(modal)), "screenshot-scores.png") && ok;
                shot = true;
                modal->findChild<QPushButton*>(QStringLiteral("done"))->click();
            } else {
                return; // the Statistics window, taken below
            }
            watch();
        });
    };
    // The watcher starts once the Options dialog has gone, so that it sees the game's boxes.
    for (int i = 0; i < 200 && QApplication::activeModalWidget(); ++i) QTest::qWait(20);
    watch();
    for (int hand = 0; hand < 4; ++hand) {
        if (hand > 0) window.host().command(command::OnePlayerGame); // the next hand
        // Each move waits for the computer's answer and the boxes the watcher closes.
        const auto busy = [&window] {
            return window.host().presenting() || QApplication::activeModalWidget() != nullptr;
        };
        for (int moves = 0; moves < 1000 && !g.has(flag::handOver); ++moves) {
            playOneMove(window);
            for (int i = 0; i < 400 && busy(); ++i) QTest::qWait(5);
        }
        for (int i = 0; i < 200 && busy(); ++i) QTest::qWait(20);
    }

    bool counted = false;
    onModal([&](QWidget* dialog) {
        ok = save(frame(dialog), "screenshot-statistics.png") && ok;
        counted = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.findChild<QAction*>(QStringLiteral("statistics"))->trigger();
    QTest::qWait(200);

    // The network game's dialogs.
    HostDialog hostDialog(StandardPort, QStringLiteral("HK7QMX"),
                          {"myhost", "192.168.1.20", "2001:db8::20"}, zoom);
    hostDialog.show();
    if (!QTest::qWaitForWindowExposed(&hostDialog)) return 1;
    hostDialog.move(0, 0);
    QTest::qWait(300);
    ok = save(frame(&hostDialog), "screenshot-host.png") && ok;
    hostDialog.hide();
    JoinDialog joinDialog(QStringLiteral("192.168.1.20"), QStringLiteral("HK7QMX"), zoom);
    joinDialog.show();
    if (!QTest::qWaitForWindowExposed(&joinDialog)) return 1;
    joinDialog.move(0, 0);
    QTest::qWait(300);
    ok = save(frame(&joinDialog), "screenshot-join.png") && ok;
    joinDialog.hide();

    const QString page = findHelpPage(programFolder, currentLanguage());
    if (page.isEmpty()) return 1;
    QWidget* help = showHelpWindow(QUrl::fromLocalFile(page));
    if (!QTest::qWaitForWindowExposed(help)) return 1;
    help->move(0, 0);
    QTest::qWait(500);
    ok = save(frame(help), "screenshot-help.png") && ok;
    delete help;
    return ok && shot && counted ? 0 : 1;
}
