#pragma once
// The main window driven as a player would, off screen over stores in a temporary folder:
// the fixture and helpers the window's tests share.
#include "app/save_state.h"
#include "app/shell.h"
#include "app/store.h"
#include "qt/board/board_view.h"
#include "qt/command_bar.h"
#include "qt/main_window.h"
#include "qt/platform/settings_store.h"
#include "qt/qt_host.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tarmigo::testing {
using Bytes = std::vector<std::uint8_t>;

inline int waitingActions = 0; // onNextModal's actions still waiting for their dialog

// Runs the window's queued work and lets the waiting actions work the dialogs it opened.
inline void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    for (int i = 0; i < 1000 && waitingActions > 0; ++i) QTest::qWait(5);
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
}

// Lets the presentation of the last tap play to its end (a few seconds at most).
inline void finishPresentation(const QtHost& host) {
    for (int i = 0; i < 5000 && host.presenting(); ++i) QTest::qWait(1);
    settle();
}

// Calls act on the next open modal dialog but `skip` (a timer looks: it may open mid-tap).
inline void onNextModal(const std::function<void(QWidget*)>& act, QWidget* skip = nullptr) {
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    ++waitingActions;
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool open = modal && modal != skip && modal->isVisible();
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

// Answers the next question box with `button`; a non-empty `text` is the question due.
inline void answerNext(QMessageBox::StandardButton button, const QString& text = {},
                       QWidget* skip = nullptr) {
    onNextModal(
        [=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(text.isEmpty() || box->text() == text) << box->text().toStdString();
            box->button(button)->click();
        },
        skip);
}

template <class T = QCheckBox> T* find(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class WindowFixture : public ::testing::Test {
  protected:
    // Starts the program: a new window over the same stores, as a new process would.
    void start(bool animate = false, Sounds* sounds = nullptr,
               const std::function<void()>& openHelp = {}) {
        window.reset();
        window = std::make_unique<MainWindow>(
            WindowSetup{&fileStore, &secondStore, &preferences, sounds, openHelp});
        window->start();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game().round.set(flag::animate, animate);
        settle();
    }
    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    Session& game() { return window->shell().game(); }
    BoardView& board() { return window->board(); }
    CommandBar& bar() { return window->commandBar(); }
    // The widget position of a board pixel's centre.
    QPoint at(int x, int y) {
        const QRectF area = board().boardArea();
        const double scale = area.width() / 240;
        return QPoint(int(area.left() + (x + 0.5) * scale), int(area.top() + (y + 0.5) * scale));
    }
    QPoint slot(int s) { return at(23 * s - 9, game().layout.handY + 18); }
    void clickSlot(int s) {
        QTest::mouseClick(&board(), Qt::LeftButton, {}, slot(s));
        settle();
    }
    // A key to the open menu, or else to the widget with the focus.
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* to = QApplication::activePopupWidget();
        if (!to) to = QApplication::focusWidget();
        QTest::keyClick(to ? to : window.get(), Qt::Key(k), modifiers);
        settle();
    }
    void command(int id) {
        window->host().command(id);
        settle();
    }
    Bytes stored() { return fileStore.read().value_or(Bytes{}); }
    Bytes current() {
        buildSaveRecord(game());
        return Bytes(game().recordBuffer.begin(), game().recordBuffer.end());
    }
    QTemporaryDir folder;
    FileStore fileStore{folder.filePath("tarmigt").toStdString()};
    SettingsStore secondStore{folder.filePath("second.ini")};
    QSettings preferences{folder.filePath("desktop.ini"), QSettings::IniFormat};
    std::unique_ptr<MainWindow> window;
};
} // namespace tarmigo::testing
