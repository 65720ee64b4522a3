#include "driver.h"

#include "app/save_state.h"
#include "app/saved_history.h"
#include "app/scores_dialog.h"
#include "app/taps.h"
#include "board/draw.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/notation.h"
#include "game/strings.h"
#include "turns/tap.h"

#include <ostream>
#include <stdexcept>

namespace tarmigo::replay {
namespace {

constexpr int ScreenWidth = 240;
constexpr int ScreenHeight = 320;

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 0xF];
    }
    return s;
}

std::string storedHex(Store& store) {
    auto bytes = store.read();
    return bytes ? hex(*bytes) : "none";
}

int buttonCode(ScoresButton b) {
    switch (b) {
    case ScoresButton::Hidden: return 0;
    case ScoresButton::NewHand: return 1;
    case ScoresButton::NewGame: return 2;
    }
    return 0;
}

} // namespace

Driver::Driver(Store& fileStore, Store& secondStore, std::ostream& out, RenderFunction render,
               int zoom, Store* preferences)
    : fileStore_(fileStore), secondStore_(secondStore), out_(out), render_(std::move(render)),
      zoom_(zoom), preferences_(preferences), lastPaint_(ScreenWidth, ScreenHeight) {}

// One byte, 1 for Expert; anything else (none, damaged) plays by the record.
bool Driver::expertKept() {
    if (!preferences_) return false;
    auto bytes = preferences_->read();
    return bytes && bytes->size() == 1 && (*bytes)[0] == 1;
}

void Driver::keepExpert(bool expert) {
    if (!preferences_ || expertKept() == expert) return;
    const std::uint8_t byte = expert ? 1 : 0;
    preferences_->write(std::span<const std::uint8_t>(&byte, 1));
}

Driver::~Driver() = default;

void Driver::playSound(Sound sound) {
    out_ << "sound " << soundName(sound) << '\n';
}

void Driver::askYesNo(int stringId, std::function<void(bool)> answered) {
    bool yes = false;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    out_ << "ask " << stringId << (yes ? " yes" : " no") << '\n';
    repaintPending_ = true; // the closed box uncovers the board
    answered(yes);
}

void Driver::openScoresDialog(const ScoresContent& content, std::function<void(int)> closed) {
    int close = dialog::Done;
    if (!scoresAnswers_.empty()) {
        close = scoresAnswers_.front();
        scoresAnswers_.pop_front();
    }
    if (close == dialog::NewHand && content.button == ScoresButton::Hidden) close = dialog::Done;
    out_ << "scores";
    for (int i = 0; i < 2 * ScoresContent::Rows; ++i) out_ << ' ' << content.field(i);
    out_ << ' ' << content.resultId << ' ' << buttonCode(content.button);
    out_ << ' ' << close << '\n';
    repaintPending_ = true;
    closed(close);
}

void Driver::postCommand(int commandId) {
    posted_.push_back(commandId);
}

void Driver::postHelpRequest() {
    posted_.push_back(HelpRequest);
}

void Driver::openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) {
    using C = OptionSetting::Control;
    if (options_) {
        for (const OptionSetting& s : options_->settings) {
            bool operated = true;
            switch (s.control) {
            case C::Difficulty: dialog.chooseDifficulty(s.value); break;
            case C::Play: dialog.choosePlay(s.value); break;
            case C::Discard:
                operated = dialog.discardEnabled();
                dialog.chooseDiscard(s.value);
                break;
            case C::Sort: dialog.sortCards = s.value != 0; break;
            case C::Sounds: dialog.playSounds = s.value != 0; break;
            case C::Animation: dialog.setAnimation(s.value != 0); break;
            case C::Playable: dialog.showPlayable = s.value != 0; break;
            case C::Tips: dialog.showTips = s.value != 0; break;
            case C::Speed:
                operated = dialog.sliderVisible();
                dialog.moveSlider(s.value);
                break;
            case C::Reset:
                operated = dialog.resetEnabled();
                dialog.pressResetScores();
                break;
            }
            if (!operated) out_ << "ignored " << s.word << '\n';
        }
    }
    if (options_ && options_->cancel)
        dialog.cancel();
    else
        dialog.done();
    repaintPending_ = true;
    closed();
}

void Driver::startProgram() {
    // A new process: every variable of the game starts from zero.
    history_.remove();
    shell_ = std::make_unique<Shell>(*this, &fileStore_, &secondStore_, &history_);
    undoEnabled_ = false;
    redoEnabled_ = false;
    repaintPending_ = false;
    lastPaint_.clear();
    shell_->start(ScreenWidth, ScreenHeight);
}

void Driver::paint() {
    Session& g = shell_->game();
    // During the computer's turn the paint leaves the hand row as it was, as on the
    // screen: the new paint then goes over the last one instead of replacing it.
    if (!isComputerTurn(g) || g.has(flag::turnHandover)) lastPaint_.clear();
    noteNothingPlayable(g);
    paintWindow(g, lastPaint_);
}

void Driver::finishLine() {
    // What the line showed is taken at once; what it posted runs after that, one at a time.
    for (;;) {
        shell_->presentAtOnce();
        if (posted_.empty()) break;
        const int id = posted_.front();
        posted_.pop_front();
        if (id == HelpRequest)
            out_ << "help\n";
        else
            shell_->handleCommand(id);
    }
    if (repaintPending_) {
        repaintPending_ = false;
        paint();
    }
}

void Driver::dump() {
    Session& g = shell_->game();
    buildSaveRecord(g);
    out_ << "record " << hex(g.recordBuffer) << '\n';
    // The screen's seat's own: what the status line shows.
    const SeatState& shown = g.seats[screenSeat(g)];
    out_ << "status \"" << englishText(shown.status) << "\"\n";
    out_ << "undo " << (undoEnabled_ ? 1 : 0) << '\n';
    out_ << "armed " << (shown.discardArmed ? 1 : 0) << '\n';
    out_ << "stored " << storedHex(fileStore_) << ' ' << storedHex(secondStore_) << '\n';
}

// The game becomes the position as a start leaves it after restoring a saved copy that
// holds it, without a restart: the window, the driver's queues and the Expert choice
// kept beside the record stay. Then it is saved, as after a tap.
std::string Driver::restorePosition(const std::string& text) {
    Session position(*this);
    notation::startPosition(position);
    try {
        notation::setPosition(position, text);
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    buildSaveRecord(position); // the kept bytes 206 to 247 are zero, as in a new record
    if (!isSoundRecord(position.recordBuffer)) return "no saved copy can hold this position";

    Session& g = shell_->game();
    // What a start sets beside the record: nothing armed, pressed or to undo, and the
    // prompt of the new hand it deals first, under the defaults that show tips.
    for (SeatState& seat : g.seats) {
        seat.discardArmed = false;
        seat.lastStatusId = 0;
    }
    g.penDown = false;
    g.undo = {};
    g.redoable = false;
    g.round.set(flag::hideTips, false);
    undoEnabled_ = false;
    redoEnabled_ = false;
    setStatus(g, AllSeats, text::TapToPlay, Refresh::Yes);
    g.recordBuffer = position.recordBuffer;
    applySaveRecord(g, g.recordBuffer);
    restartHistory(g); // the moves from here are the position's
    saveState(g);
    g.expert = expertKept();
    if (g.has(flag::turnHandover))
        setStatusNumber(g, g.currentPlayer, text::EndOfTurn, g.currentPlayer + 1, Refresh::Yes);
    invalidateBoard(g);
    lastPaint_.clear(); // the paint after the line is a whole new one, as after a start
    return {};
}

void Driver::say(const Sentence& sentence) {
    if (reviewing_) out_ << "said \"" << sentenceText(sentence) << "\"\n";
}

void Driver::review(const Review& line) {
    using S = Review::Step;
    reviewing_ = true;
    switch (line.step) {
    case S::Hand: shell_->watchHand(std::size_t(line.hand - 1)); break;
    case S::Next: shell_->handleCommand(command::NextMove); break;
    case S::Back: shell_->handleCommand(command::PreviousMove); break;
    case S::End: shell_->handleCommand(command::EndWatch); break;
    }
}

void Driver::reviewShown() {
    reviewing_ = false;
    const HandReview& r = shell_->review();
    if (r.active())
        out_ << "review " << r.step() << ' ' << r.steps() << '\n';
    else
        out_ << "review off\n";
}

void Driver::describePosition() {
    const std::string words = notation::describeAll(shell_->game());
    out_ << "position" << (words.empty() ? "" : " ") << words << '\n';
}

const Game* Driver::game() const {
    return shell_ ? &shell_->game() : nullptr;
}

std::string Driver::run(const Line& line) {
    if (!shell_ && !allowedBeforeStart(line))
        return std::string(lineWord(line)) + " may not come before start";
    std::string error;
    std::visit(
        [&](const auto& l) {
            using T = std::decay_t<decltype(l)>;
            if constexpr (std::is_same_v<T, Clock>) {
                ticks_ = l.ticks;
            } else if constexpr (std::is_same_v<T, Answer>) {
                answers_.push_back(l.yes);
            } else if constexpr (std::is_same_v<T, ScoresAnswer>) {
                scoresAnswers_.push_back(l.closeId);
            } else if constexpr (std::is_same_v<T, Start>) {
                if (shell_) {
                    error = "start may stand only once";
                    return;
                }
                startProgram();
            } else if constexpr (std::is_same_v<T, Restart>) {
                startProgram();
            } else if constexpr (std::is_same_v<T, Tap>) {
                shell_->penDown();
                shell_->penUp(l.x, l.y);
            } else if constexpr (std::is_same_v<T, Command>) {
                // A disabled button cannot be pressed.
                if (l.id == command::Undo && !undoEnabled_) return;
                if (l.id == command::Redo && !redoEnabled_) return;
                shell_->handleCommand(l.id);
            } else if constexpr (std::is_same_v<T, Options>) {
                options_ = &l;
                shell_->handleCommand(command::Options);
                options_ = nullptr;
            } else if constexpr (std::is_same_v<T, Dump>) {
                dump();
            } else if constexpr (std::is_same_v<T, Render>) {
                if (!render_ || !render_(lastPaint_, zoom_, l.path))
                    error = "cannot write " + l.path;
            } else if constexpr (std::is_same_v<T, Corrupt>) {
                Store& s = store(l.store);
                auto bytes = s.read();
                if (bytes && std::size_t(l.offset) < bytes->size()) {
                    (*bytes)[l.offset] = std::uint8_t(~(*bytes)[l.offset]);
                    s.write(*bytes);
                }
            } else if constexpr (std::is_same_v<T, Remove>) {
                store(l.store).remove();
            } else if constexpr (std::is_same_v<T, Put>) {
                store(l.store).write(l.bytes);
            } else if constexpr (std::is_same_v<T, SetPosition>) {
                shell_->handleCommand(command::EndWatch); // the game itself is set
                error = restorePosition(l.notation);
            } else if constexpr (std::is_same_v<T, Describe>) {
                describePosition();
            } else if constexpr (std::is_same_v<T, Review>) {
                review(l);
            }
        },
        line);
    if (error.empty() && shell_) finishLine();
    if (reviewing_) reviewShown();
    return error;
}

} // namespace tarmigo::replay
