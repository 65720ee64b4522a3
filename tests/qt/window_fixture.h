#pragma once
// A real main window on the off-screen platform, with its stores in a temporary
// folder, and helpers that tap the board and answer the dialogs it opens.
#include "app/shell.h"
#include "app/store.h"
#include "game/game.h"
#include "qt/board_view.h"
#include "qt/command_bar.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"
#include "qt/settings_store.h"
#include "qt/sound_player.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarmigo::testing {

class RecordingSounds : public Sounds {
  public:
    std::vector<std::string> played;
    void play(std::string_view name) override { played.emplace_back(name); }
};

// Lets the queued work of the window (posted commands, the repaint) run.
inline void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

// Calls act on the next modal dialog or box that is not `skip`, once it is open.
// The dialog may open deep inside a tap: the timer keeps looking until it appears.
inline void onNextModal(std::function<void(QWidget*)> act, QWidget* skip = nullptr) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, skip, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != skip && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no dialog opened";
        }
    });
    timer->start(10);
}

template <class T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        fileStore = std::make_unique<FileStore>(folder.filePath("tarmigt").toStdString());
        secondStore = std::make_unique<SettingsStore>(folder.filePath("second.ini"));
        preferences =
            std::make_unique<QSettings>(folder.filePath("desktop.ini"), QSettings::IniFormat);
    }
    void TearDown() override {
        window.reset();
        settle();
    }

    WindowSetup setup() {
        WindowSetup s;
        s.fileStore = fileStore.get();
        s.secondStore = secondStore.get();
        s.preferences = preferences.get();
        s.sounds = &sounds;
        s.openHelp = [this] { ++helpOpened; };
        return s;
    }

    // Starts the program: a new window over the same stores, as a new process would.
    MainWindow& start(bool animate = false) {
        window.reset();
        window = std::make_unique<MainWindow>(setup());
        window->start();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game().round.set(flag::animate, animate);
        settle();
        return *window;
    }

    Session& game() { return window->shell().game(); }
    BoardView& board() { return window->board(); }

    // The widget position of a board pixel's centre.
    QPoint at(int x, int y) {
        const QRectF area = board().boardArea();
        const double scale = area.width() / 240;
        return QPoint(int(area.left() + (x + 0.5) * scale), int(area.top() + (y + 0.5) * scale));
    }
    void click(int x, int y) {
        QTest::mouseClick(&board(), Qt::LeftButton, {}, at(x, y));
        settle();
    }
    QPoint slotCentre(int s) { return {23 * s - 9, game().layout.handY + 18}; }
    void clickSlot(int s) { click(slotCentre(s).x(), slotCentre(s).y()); }
    void command(int id) {
        window->host().command(id);
        settle();
    }
    bool undoEnabled() { return window->commandBar().action(command::Undo)->isEnabled(); }

    std::vector<std::uint8_t> stored() {
        return fileStore->read().value_or(std::vector<std::uint8_t>{});
    }

    QTemporaryDir folder;
    std::unique_ptr<FileStore> fileStore;
    std::unique_ptr<SettingsStore> secondStore;
    std::unique_ptr<QSettings> preferences;
    RecordingSounds sounds;
    int helpOpened = 0;
    std::unique_ptr<MainWindow> window;
};

} // namespace tarmigo::testing
