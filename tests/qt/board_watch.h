#pragma once
// Watching a window's board through its games: the board at rest against the view it
// shows, and each slide's frames against the boards at rest on either side.
#include "board/bitmaps.h"
#include "board/draw.h"
#include "game/cards.h"
#include "game/view.h"
#include "qt/board/board_view.h"
#include "qt/board/qt_surface.h"
#include "qt/dialogs/scores_window.h"
#include "qt/main_window.h"
#include "qt/qt_host.h"

#include <QtTest>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <bitset>
#include <cstring>

namespace tarmigo::testing {

// Closes every dialog a move opens: the question answered Yes, a rematch declined, the
// Scores dialog Done.
struct DialogCloser {
    DialogCloser() {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(box->objectName() == "rematchQuestion" ? QMessageBox::No
                                                                   : QMessageBox::Yes)
                    ->click();
            else if (auto* scores = dynamic_cast<ScoresWindow*>(modal))
                scores->reject();
        });
        timer_.start(5);
    }
    QTimer timer_;
};

// A view painted afresh as the window draws it: by its options, on its side of the board.
inline QImage painted(MainWindow& window, SeatView v) {
    const Session& shown = std::as_const(window.host()).game();
    const QImage& board = window.board().surface().image();
    const int zoom = window.board().surface().zoom();
    v.showPlayable = shown.has(flag::showPlayable);
    v.hideTips = shown.has(flag::hideTips);
    QtSurface fresh(board.width() / zoom, board.height() / zoom, zoom);
    const Layout& l = window.shownLayout();
    paintView(Board{v, l, fresh});
    QImage image = fresh.image();
    const QRect row(0, (l.handY + 1) * zoom, l.deckX * zoom, (l.statusY - l.handY - 1) * zoom);
    if (!v.isOwnTurn() && l.ownSeat < 0) // the computer's turn: the row keeps its last picture
        QPainter(&image).drawImage(row.topLeft(), board.copy(row));
    return image;
}

// Looked at again and again: at rest, the board is the view shown painted afresh; in a
// slide, a frame differs from both boards at rest around it only in the moving card's box
// (and the status line, which a slide clears as it starts). Counts the kinds of move slid.
class BoardWatch {
  public:
    enum Kind { Drawn, Distance, Hazard, Remedy, Limit, EndOfLimit, Safety, Discard, Kinds };
    explicit BoardWatch(MainWindow& w) : w_(w) {}
    void look() {
        const QImage& board = w_.board().surface().image();
        if (w_.presenting()) {
            if (frames_.size() < 40 && (frames_.empty() || frames_.back() != board))
                frames_.push_back(board);
            return;
        }
        const int zoom = w_.board().surface().zoom();
        ASSERT_TRUE(QTest::qWaitFor([&] { return painted(w_, w_.shownView()) == board; }, 500))
            << "zoom " << zoom;
        const SeatView v = w_.shownView();
        // One move: a presentation may show more, each then on the board left by the last.
        if (!frames_.empty() && before_.size() == board.size() && v.handOver == view_.handOver &&
            kindsOf(view_, v) == 1 && checksFrames) {
            for (const QImage& frame : frames_) expectOneCardMoves(frame, board, zoom);
            framesChecked += int(frames_.size());
        }
        frames_.clear();
        before_ = board;
        view_ = v;
    }
    std::bitset<Kinds> seen;
    bool checksFrames = true; // not where a reply can undo what the move showed
    int framesChecked = 0;    // frames of a single move's slides

  private:
    void expectOneCardMoves(const QImage& frame, const QImage& after, int zoom) {
        const Layout& l = w_.shownLayout();
        QRect moved;
        for (int y = 0; y < frame.height(); ++y) {
            if (y < Layout::HeaderBottom * zoom ||
                (y >= (l.statusY + 1) * zoom && y < (l.boardBottom() + 1) * zoom))
                continue; // the headers as the turn passes, the status line a slide clears
            const uchar* f = frame.constScanLine(y);
            const uchar* b = before_.constScanLine(y);
            const uchar* a = after.constScanLine(y);
            const int from = y > l.handY * zoom && y < l.statusY * zoom ? l.deckX * zoom : 0;
            for (int x = from; x < frame.width(); ++x) // the hand row aside: a slot emptied
                if (std::memcmp(f + 3 * x, b + 3 * x, 3) != 0 &&
                    std::memcmp(f + 3 * x, a + 3 * x, 3) != 0)
                    moved |= QRect(x, y, 1, 1);
        }
        EXPECT_TRUE(moved.width() <= CardWidth * zoom && moved.height() <= CardHeight * zoom)
            << "zoom " << zoom << ": " << moved.width() << " x " << moved.height();
    }
    // Notes the kinds of move from one view to the next as seen; how many changes it made.
    int kindsOf(const SeatView& b, const SeatView& a) {
        std::bitset<Kinds> now;
        now[Drawn] = a.cardsLeft < b.cardsLeft;
        now[Discard] = a.discardTop != b.discardTop && isCard(a.discardTop);
        int changes = now[Drawn] + (a.discardTop != b.discardTop);
        for (int p = 0; p < 2; ++p) {
            const PlayerView &was = b.players[p], &is = a.players[p];
            const bool safety = is.safeties != was.safeties;
            const bool battle = is.battle != was.battle && !safety;
            const bool speed = is.speed != was.speed && !safety;
            changes += (is.miles != was.miles) + safety + battle + speed;
            now[Distance] = now[Distance] || is.miles > was.miles;
            now[Safety] = now[Safety] || safety;
            now[Limit] = now[Limit] || (speed && is.speed == SpeedLimited);
            now[EndOfLimit] = now[EndOfLimit] || (speed && is.speed == SpeedEnded);
            now[Hazard] = now[Hazard] || (battle && isHazardBattle(is.battle));
            now[Remedy] = now[Remedy] || (battle && !isHazardBattle(is.battle));
        }
        seen |= now;
        return changes;
    }
    MainWindow& w_;
    QImage before_;
    SeatView view_;
    std::vector<QImage> frames_;
};

} // namespace tarmigo::testing
