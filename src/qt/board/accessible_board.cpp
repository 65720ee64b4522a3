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
#include <QTimer>
#include <QWidget>

#include <array>
#include <utility>

namespace tarmigo {
namespace {

class AccessibleBoard;

// What each described board keeps beside its widget.
struct Described {
    BoardSource source;
    int focused = target::Nothing; // the place the keyboard's ring is on
    // The sentences shown in the status line, and where the next one goes.
    std::array<QString, place::SentencesKept> sentences;
    int nextSentence = 0;
    // A key or tap of the player's was taken and no sentence has answered it yet: the
    // status line it leaves is said even when unchanged (a card refused again).
    bool keyed = false;
    QString fresh;    // the sentence shown last since the board's names were last told
    int marked = 0;   // the hand slot marked by a first tap, when the names were last told
    bool told = true; // the changes are told; false while a look is due
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

QString playerPlaceName(const SeatView& view, Place at) {
    const int player = place::playerOf(at);
    const PlayerView& p = view.players[player];
    const QString side = sideName(view, player);
    switch (at.target - player) {
    case target::BattlePile: return said(place_label::BattlePile).arg(side, battleName(p.battle));
    case target::SpeedPile: return said(place_label::SpeedPile).arg(side, speedName(p.speed));
    case target::DistanceArea:
        return said(place_label::Distance).arg(side).arg(p.miles).arg(view.raceLength);
    case target::SafetyArea: return said(place_label::Safeties).arg(side, safetiesName(p));
    default:
        return said(place_label::Score).arg(side).arg(p.handScore).arg(p.gameScore).arg(p.gamesWon);
    }
}

// Whether a tap on the seat's own cards and piles does something now.
bool seatMoves(const SeatView& view) {
    return view.handShown && view.isOwnTurn() && !view.handOver && !view.decisionPending;
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
            for (int i = 0; i < place::Accessible; ++i) known_[i] = placeName(v, place::Read[i]);
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
    void raiseFocus(int target);
    // Says the status line when it changed, or answers the player's key.
    void sayStatus(const SeatView& v);
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
        return d && widget()->hasFocus() ? child(place::childOf({d->focused})) : nullptr;
    }

    // A place's rectangle on the screen, at the zoom.
    QRect screenRect(Place place) const {
        const auto* view = static_cast<const BoardView*>(widget());
        const Rect r = place::box(layout(), place);
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
    PlaceInterface(AccessibleBoard* board, Place place) : board_(board), place_(place) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int index) const override {
        return isStatus() ? board_->sentence(index) : nullptr;
    }
    int childCount() const override { return isStatus() ? place::SentencesKept : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return isStatus() ? board_->indexOfSentence(child) : -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return placeName(board_->view(), place_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_->screenRect(place_); }
    QAccessible::Role role() const override {
        if (isStatus()) return QAccessible::StatusBar;
        if (target::isHandSlot(place_.target) || place_.target == target::DrawPile ||
            place_.target == target::ScorePanel)
            return QAccessible::Button;
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const Described* d = board_->source();
        s.focusable = place::visitIndex(place_.target) >= 0;
        s.focused = d && d->focused == place_.target && s.focusable && board_->hasFocus();
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
        const int t = place_.target;
        if (target::isHandSlot(t)) return {QKeySequence(Qt::Key_1 + t - 1).toString()};
        if (t == target::DrawPile) return {QKeySequence(Qt::Key_D).toString()};
        if (t == target::StatusLine) return {QKeySequence(Qt::Key_Space).toString()};
        return {};
    }

  private:
    bool isStatus() const { return place_.target == target::StatusLine; }
    Point tapPoint() const { return placeTap(board_->view(), board_->layout(), place_); }

    AccessibleBoard* board_;
    Place place_;
};

// A sentence shown in the status line: a notification named by the sentence. A reader
// speaks it from its show event, whatever its state; none is visible, since a reader
// that reads the status bar (focused) reads its visible children too, and would say
// again a sentence shown just before its own event was taken.
class SentenceInterface : public QAccessibleInterface {
  public:
    SentenceInterface(AccessibleBoard* board, int index) : board_(board), index_(index) {}

    bool isValid() const override { return board_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return board_->child(place::childOf({target::StatusLine}));
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const Described* d = board_->source();
        return t == QAccessible::Name && d ? d->sentences[index_] : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return board_->screenRect({target::StatusLine}); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
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
        c = new PlaceInterface(const_cast<AccessibleBoard*>(this), place::Read[index]);
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
        if (screenRect(place::Read[i]).contains(x, y)) return child(i);
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
    // The status line is told once the moves are shown: what it says meanwhile (a deal's
    // first picture, say) is not what a player sees.
    const int status = place::childOf({target::StatusLine});
    if (!busy_) sayStatus(v);
    for (int i = 0; i < place::Accessible; ++i) {
        if (busy_ && i == status) continue;
        QString now = placeName(v, place::Read[i]);
        if (now == known_[i]) continue;
        known_[i] = std::move(now);
        QAccessibleEvent event(child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleBoard::sayStatus(const SeatView& v) {
    // What the status line shows is heard as a sighted player sees it change, before the
    // places' names; and again after a key it answers (a refusal repeated). A reader
    // cannot say a name change of the place it is on, and says none of the others.
    Described* d = source();
    const bool keyed = std::exchange(d->keyed, false);
    const QString fresh = std::exchange(d->fresh, QString());
    const QString& before = known_[place::childOf({target::StatusLine})];
    const QString now = placeName(v, {target::StatusLine});
    // A key that marked a card, or took the mark off, is answered by that card's name.
    const int marked = v.handShown ? v.markedSlot : 0;
    const int was = std::exchange(d->marked, marked);
    const int markChanged = keyed && marked != was ? std::max(marked, was) : 0;
    // Not twice: a sentence just said may also stand in the status line ("Undone").
    if (v.status.id != 0 && (now != before || (keyed && !markChanged)) && !fresh.startsWith(now))
        showSentence(widget(), now);
    if (markChanged) showSentence(widget(), placeName(v, {markChanged}));
    d->fresh.clear();
}

void AccessibleBoard::raiseFocus(int target) {
    const int index = place::childOf({target});
    if (index < 0 || !widget()->hasFocus()) return;
    QAccessibleEvent event(child(index), QAccessible::Focus);
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

QString placeName(const SeatView& view, Place p) {
    const int t = p.target;
    if (target::isHandSlot(t)) {
        if (!view.handShown) return said(place_label::SlotHidden).arg(t);
        const Card card = view.hand[t - 1];
        if (!isCard(card)) return said(place_label::SlotEmpty).arg(t);
        const char* format =
            view.playable[t - 1] ? place_label::SlotPlayable : place_label::SlotNotPlayable;
        const QString slot = said(format).arg(t).arg(cardText(card));
        return view.markedSlot == t ? said(place_label::SlotMarked).arg(slot) : slot;
    }
    if (t == target::DrawPile) {
        const QString pile = said(place_label::DrawPile).arg(view.cardsLeft);
        return view.discardArmed ? pile + QStringLiteral(", ") + said(place_label::DiscardArmed)
                                 : pile;
    }
    if (t == target::DiscardPile)
        return said(place_label::DiscardPile).arg(cardText(view.discardTop));
    if (t == target::StatusLine) return statusName(view);
    if ((t >= target::SafetyArea && t < target::DrawPile) || t == target::ScorePanel)
        return playerPlaceName(view, p);
    return {};
}

Point placeTap(const SeatView& view, const Layout& l, Place p) {
    constexpr Point none{-1, -1};
    const int t = p.target;
    if (t == target::StatusLine) return view.turnHandover ? place::tapPoint(l, p) : none;
    if (!seatMoves(view)) return none;
    if (target::isHandSlot(t)) return isCard(view.hand[t - 1]) ? place::tapPoint(l, p) : none;
    if (t == target::DrawPile || t == target::ScorePanel) return place::tapPoint(l, p);
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
    Described* d = find(board);
    if (!d || !d->tree || !std::exchange(d->told, false)) return;
    // Told once the event that changed the board is handled: a status line that stood
    // only in its midst, never drawn ("Tap a card to play it" just before the hand's
    // drawing finds none playable), is not said.
    QTimer::singleShot(0, board, [board] {
        Described* now = find(board);
        if (!now) return;
        now->told = true;
        if (now->tree) now->tree->raiseNameChanges();
    });
}

void boardFocusMoved(QWidget* board, int target) {
    Described* d = find(board);
    if (!d) return;
    d->focused = target;
    if (AccessibleBoard* tree = treeOf(board)) tree->raiseFocus(d->focused);
}

void boardKeyed(QWidget* board) {
    if (Described* d = find(board)) d->keyed = true;
}

void showSentence(QWidget* board, const QString& sentence) {
    AccessibleBoard* tree = treeOf(board);
    if (!tree) return;
    Described* d = find(board);
    d->keyed = false; // the key is answered
    d->fresh = sentence;
    const int slot = d->nextSentence;
    d->nextSentence = (slot + 1) % place::SentencesKept;
    d->sentences[slot] = sentence;
    QAccessibleEvent event(tree->sentence(slot), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace tarmigo
