#include "qt/board/accessible_board.h"

#include "board/bitmaps.h"
#include "board/draw.h"
#include "board/sentence.h"
#include "game/strings.h"
#include "qt/board/board_view.h"
#include "qt/board/place_labels.h"
#include "qt/platform/translation.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QKeySequence>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

namespace tarmigo {
namespace {

class AccessibleBoard;

// What each described board keeps beside its widget.
struct Described {
    BoardSource source;
    int focused = -1;
    // The sentences shown in the status line, and where the next one goes.
    std::array<QString, place::SentencesKept> sentences;
    int nextSentence = 0;
    AccessibleBoard* tree = nullptr; // made when a client asks
};

QHash<const QObject*, Described>& described() {
    static QHash<const QObject*, Described> boards;
    return boards;
}

Described* find(const QObject* board) {
    auto it = described().find(board);
    return it == described().end() ? nullptr : &*it;
}

QString said(const char* english) {
    return shownText(english);
}

// A card's name from the string table, where the sentences of the moves find it too.
QString cardText(int card) {
    return isCard(card) ? said(stringText(cardName(Card(card)))) : said(place_label::Empty);
}

QString sideName(const SeatView& view, int player) {
    if (view.playerCount == 2) return said(stringText(player == 0 ? text::Player1 : text::Player2));
    return said(player == 0 ? label::You : label::Computer);
}

QString battleName(int battle) {
    // Go or a remedy (1..4) and the hazards (6..9) lie 106 below their card codes.
    const bool shown = (battle >= BattleGo && battle <= 4) || isHazardBattle(battle);
    return cardText(shown ? battle + 106 : 0);
}

QString speedName(int speed) {
    if (speed == SpeedLimited) return cardText(SpeedLimit);
    if (speed == SpeedEnded) return cardText(EndOfLimit);
    return cardText(0);
}

QString safetiesName(const PlayerView& player) {
    QStringList laid;
    for (int bit = 0; bit < 4; ++bit) {
        if (!((player.safeties >> bit) & 1)) continue;
        const QString name = cardText(RightOfWay + bit);
        laid << (((player.coupFourre >> bit) & 1) ? said(place_label::CoupFourre).arg(name) : name);
    }
    return laid.isEmpty() ? said(place_label::None) : laid.join(QStringLiteral(", "));
}

QString statusName(const SeatView& view) {
    const char* format = view.status.id != 0 ? stringText(view.status.id) : nullptr;
    if (format == nullptr) return said(place_label::NoMessage);
    const QString shown =
        QString::fromStdString(messageText(shownText(format).toStdString(), view.status));
    return shown.trimmed().isEmpty() ? said(place_label::NoMessage) : shown;
}

QString playerPlaceName(const SeatView& view, int player, int which) {
    const PlayerView& p = view.players[player];
    const QString side = sideName(view, player);
    switch (which) {
    case place::Battle: return said(place_label::BattlePile).arg(side, battleName(p.battle));
    case place::Speed: return said(place_label::SpeedPile).arg(side, speedName(p.speed));
    case place::Distance:
        return said(place_label::Distance).arg(side).arg(p.miles).arg(view.raceLength);
    case place::Safeties: return said(place_label::Safeties).arg(side, safetiesName(p));
    default:
        return said(place_label::Score).arg(side).arg(p.handScore).arg(p.gameScore).arg(p.gamesWon);
    }
}

// Whether a tap on the seat's own cards and piles does something now.
bool seatMoves(const SeatView& view) {
    return view.handShown && view.isOwnTurn() && !view.handOver && !view.decisionPending;
}

Rect cardRect(Point at) {
    return {at.x, at.y, at.x + CardWidth, at.y + CardHeight};
}

class PlaceInterface;
class SentenceInterface;

// The board widget with one child per place.
class AccessibleBoard : public QAccessibleWidget {
  public:
    explicit AccessibleBoard(QWidget* board) : QAccessibleWidget(board, QAccessible::Client) {
        if (Described* d = find(board)) {
            d->tree = this;
            const SeatView v = view();
            for (int i = 0; i < place::Accessible; ++i) known_[i] = placeName(v, i);
        }
    }
    ~AccessibleBoard() override;

    Described* source() const { return find(object()); }
    SeatView view() const {
        const Described* d = source();
        return d ? d->source.view() : SeatView{};
    }
    const Layout& layout() const {
        static const Layout none{};
        const Described* d = source();
        return d ? d->source.layout() : none;
    }
    // The places whose names changed since they were last told.
    void raiseNameChanges();
    void raiseFocus(int place);
    bool hasFocus() const { return widget()->hasFocus(); }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? said(place_label::Board) : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const Described* d = source();
        s.busy = d && d->source.busy && d->source.busy();
        return s;
    }
    int childCount() const override { return place::Accessible; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The status line's children: the sentences shown.
    QAccessibleInterface* sentence(int index) const;
    int indexOfSentence(const QAccessibleInterface* sentence) const;
    QAccessibleInterface* focusChild() const override {
        const Described* d = source();
        return d && d->focused >= 0 && widget()->hasFocus() ? child(d->focused) : nullptr;
    }

    // A place's rectangle on the screen, at the zoom.
    QRect screenRect(int place) const {
        const auto* view = static_cast<const BoardView*>(widget());
        const Rect r = placeRect(layout(), place);
        const QRectF area = view->boardArea();
        const double scale = layout().screenWidth > 0 ? area.width() / layout().screenWidth : 1.0;
        const QRectF local(area.left() + r.left * scale, area.top() + r.top * scale,
                           (r.right - r.left) * scale, (r.bottom - r.top) * scale);
        return {widget()->mapToGlobal(local.topLeft().toPoint()), local.size().toSize()};
    }

  private:
    mutable std::array<PlaceInterface*, place::Accessible> children_{};
    mutable std::array<SentenceInterface*, place::SentencesKept> sentences_{};
    std::array<QString, place::Accessible> known_;
    bool busy_ = false;
};

class PlaceInterface : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    PlaceInterface(AccessibleBoard* board, int place) : board_(board), place_(place) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int index) const override {
        return place_ == place::Status ? board_->sentence(index) : nullptr;
    }
    int childCount() const override { return place_ == place::Status ? place::SentencesKept : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return place_ == place::Status ? board_->indexOfSentence(child) : -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return placeName(board_->view(), place_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_->screenRect(place_); }
    QAccessible::Role role() const override {
        if (place_ == place::Status) return QAccessible::StatusBar;
        if (place_ < place::DiscardPile || isScore()) return QAccessible::Button;
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const Described* d = board_->source();
        s.focusable = place_ <= place::DiscardPile || place_ == place::Status;
        s.focused = d && d->focused == place_ && board_->hasFocus();
        s.readOnly = role() == QAccessible::StaticText;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        return tapPoint().x >= 0 ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        const Described* d = board_->source();
        const Point p = tapPoint();
        if (action == pressAction() && p.x >= 0 && d && d->source.tap) d->source.tap(p);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction()) return {};
        if (place_ < place::DrawPile) return {QKeySequence(Qt::Key_1 + place_).toString()};
        if (place_ == place::DrawPile) return {QKeySequence(Qt::Key_D).toString()};
        if (place_ == place::Status) return {QKeySequence(Qt::Key_Space).toString()};
        return {};
    }

  private:
    bool isScore() const {
        return place_ >= place::FirstPlayer && place_ < place::Status &&
               (place_ - place::FirstPlayer) % place::PerPlayer == place::Score;
    }
    Point tapPoint() const { return placeTap(board_->view(), board_->layout(), place_); }

    AccessibleBoard* board_;
    int place_;
};

// A sentence shown in the status line: a notification named by the sentence. Only the
// newest is visible: a reader that reads the status bar reads its visible children too.
class SentenceInterface : public QAccessibleInterface {
  public:
    SentenceInterface(AccessibleBoard* board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_->child(place::Status); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const Described* d = board_->source();
        return t == QAccessible::Name && d ? d->sentences[index_] : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_->screenRect(place::Status); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const Described* d = board_->source();
        const int newest =
            d ? (d->nextSentence + place::SentencesKept - 1) % place::SentencesKept : -1;
        s.invisible = index_ != newest || text(QAccessible::Name).isEmpty();
        s.readOnly = true;
        return s;
    }

  private:
    AccessibleBoard* board_;
    int index_;
};

AccessibleBoard::~AccessibleBoard() {
    for (PlaceInterface* c : children_)
        if (c) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
    for (SentenceInterface* c : sentences_)
        if (c) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
    if (Described* d = find(object())) d->tree = nullptr;
}

QAccessibleInterface* AccessibleBoard::child(int index) const {
    if (index < 0 || index >= place::Accessible) return nullptr;
    PlaceInterface*& c = children_[index];
    if (!c) {
        c = new PlaceInterface(const_cast<AccessibleBoard*>(this), index);
        QAccessible::registerAccessibleInterface(c);
    }
    return c;
}

int AccessibleBoard::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < place::Accessible; ++i)
        if (children_[i] && children_[i] == child) return i;
    return -1;
}

QAccessibleInterface* AccessibleBoard::sentence(int index) const {
    if (index < 0 || index >= place::SentencesKept) return nullptr;
    SentenceInterface*& c = sentences_[index];
    if (!c) {
        c = new SentenceInterface(const_cast<AccessibleBoard*>(this), index);
        QAccessible::registerAccessibleInterface(c);
    }
    return c;
}

int AccessibleBoard::indexOfSentence(const QAccessibleInterface* sentence) const {
    for (int i = 0; i < place::SentencesKept; ++i)
        if (sentences_[i] && sentences_[i] == sentence) return i;
    return -1;
}

QAccessibleInterface* AccessibleBoard::childAt(int x, int y) const {
    for (int i = 0; i < place::Accessible; ++i)
        if (screenRect(i).contains(x, y)) return child(i);
    return nullptr;
}

void AccessibleBoard::raiseNameChanges() {
    Described* d = source();
    if (!d) return;
    const SeatView v = view();
    // Busy while the moves are shown: a key pressed then is dropped.
    if (const bool busy = state().busy; busy != busy_) {
        busy_ = busy;
        QAccessible::State changed;
        changed.busy = true;
        QAccessibleStateChangeEvent event(widget(), changed);
        QAccessible::updateAccessibility(&event);
    }
    for (int i = 0; i < place::Accessible; ++i) {
        QString now = placeName(v, i);
        if (now == known_[i]) continue;
        known_[i] = std::move(now);
        QAccessibleEvent event(child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleBoard::raiseFocus(int place) {
    if (place < 0 || place >= place::Accessible || !widget()->hasFocus()) return;
    QAccessibleEvent event(child(place), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType() || !find(object)) return nullptr;
    return new AccessibleBoard(static_cast<QWidget*>(object));
}

// The board's tree when a client is listening, made now if it asked for none yet.
AccessibleBoard* treeOf(QWidget* board) {
    if (!board || !QAccessible::isActive()) return nullptr;
    Described* d = find(board);
    if (!d) return nullptr;
    if (!d->tree) QAccessible::queryAccessibleInterface(board);
    return d->tree;
}

} // namespace

QString placeName(const SeatView& view, int p) {
    if (p >= place::FirstSlot && p < place::DrawPile) {
        const int slot = p - place::FirstSlot + 1;
        if (!view.handShown) return said(place_label::SlotHidden).arg(slot);
        const Card card = view.hand[slot - 1];
        if (!isCard(card)) return said(place_label::SlotEmpty).arg(slot);
        const char* format =
            view.playable[slot - 1] ? place_label::SlotPlayable : place_label::SlotNotPlayable;
        return said(format).arg(slot).arg(cardText(card));
    }
    if (p == place::DrawPile) {
        const QString pile = said(place_label::DrawPile).arg(view.cardsLeft);
        return view.discardArmed ? pile + QStringLiteral(", ") + said(place_label::DiscardArmed)
                                 : pile;
    }
    if (p == place::DiscardPile)
        return said(place_label::DiscardPile).arg(cardText(view.discardTop));
    if (p == place::Status) return statusName(view);
    if (p < place::FirstPlayer || p > place::Status) return {};
    const int player = (p - place::FirstPlayer) / place::PerPlayer;
    return playerPlaceName(view, player, (p - place::FirstPlayer) % place::PerPlayer);
}

Rect placeRect(const Layout& l, int p) {
    if (p >= place::FirstSlot && p < place::DrawPile) return cardRect(l.slotCard(p + 1));
    if (p == place::DrawPile) return cardRect(l.drawPileCard());
    if (p == place::DiscardPile) return cardRect(l.discardCard());
    if (p == place::Status) return l.statusRect();
    if (p < place::FirstPlayer || p > place::Status) return {};
    const int player = (p - place::FirstPlayer) / place::PerPlayer;
    const int x = l.panelX(player);
    switch ((p - place::FirstPlayer) % place::PerPlayer) {
    case place::Battle: return cardRect(l.battleCard(player));
    case place::Speed: return cardRect(l.speedCard(player));
    case place::Distance: return {x, Layout::PileBottom + 1, x + l.panelWidth, l.handY};
    case place::Safeties:
        return {x, Layout::HeaderBottom + 1, x + l.panelWidth, Layout::SafetyBottom};
    default: return {x, 0, x + l.panelWidth, Layout::HeaderBottom};
    }
}

Point placeTap(const SeatView& view, const Layout& l, int p) {
    constexpr Point none{-1, -1};
    if (p == place::Status) return view.turnHandover ? l.statusTap() : none;
    if (!seatMoves(view)) return none;
    if (p >= place::FirstSlot && p < place::DrawPile)
        return isCard(view.hand[p]) ? l.slotTap(p + 1) : none;
    if (p == place::DrawPile) return l.drawPileTap();
    const int offset = p - place::FirstPlayer;
    if (offset >= 0 && p < place::Status && offset % place::PerPlayer == place::Score) {
        const Rect r = placeRect(l, p);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    return none;
}

void describeBoard(QWidget* board, BoardSource source) {
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    (void)installed;
    described()[board].source = std::move(source);
    QObject::connect(board, &QObject::destroyed, [board] { described().remove(board); });
}

void boardChanged(QWidget* board) {
    if (!QAccessible::isActive()) return;
    if (Described* d = find(board); d && d->tree) d->tree->raiseNameChanges();
}

void boardFocusMoved(QWidget* board, int p) {
    Described* d = find(board);
    if (!d) return;
    d->focused = p >= 0 && p < place::Accessible ? p : -1;
    if (AccessibleBoard* tree = treeOf(board)) tree->raiseFocus(d->focused);
}

void showSentence(QWidget* board, const QString& sentence) {
    AccessibleBoard* tree = treeOf(board);
    if (!tree) return;
    Described* d = find(board);
    const int slot = d->nextSentence;
    d->nextSentence = (slot + 1) % place::SentencesKept;
    d->sentences[slot] = sentence;
    QAccessibleEvent event(tree->sentence(slot), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace tarmigo
