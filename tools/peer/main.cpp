// tarmigo-peer: hosts or joins a network game without a window, playing random inputs
// that the game takes (or, with --level, by the computer's rules), for the tests and for
// people trying a connection.
//
//   tarmigo-peer host [--port N] [--bind ADDRESS] [--code CODE] [--games N] [--seed S]
//                     [--level easy|hard] [--log FILE] [--data-dir DIR] [--new]
//                     [--wait SECONDS] [--pace MS]
//   tarmigo-peer join HOST:PORT --code CODE [--games N] [--seed S] [--level easy|hard]
//                     [--log FILE] [--data-dir DIR] [--wait SECONDS] [--pace MS] [--stats]
//   tarmigo-peer flood HOST:PORT [--connections N]
//   tarmigo-peer check [--data-dir DIR]
//
// --stats has the guest print "first view after MS ms" when it is first admitted (from
// the start of its first connection), and at its end the time from each input it sent to the first
// message of its answer (the median and the 99th percentile) and the bytes of the game
// each way. flood makes N connections (10000 by default) to a host on the loopback
// address, each a wrong code or a malformed frame, one after another: the load test.
//
// --pace waits that long before each of its own inputs, for people watching (and for
// the tests that stop a program in the middle of a hand). The host keeps its game in
// --data-dir (by default $XDG_DATA_HOME/tarmigo-peer): started again, it resumes it with
// its code and its guest's seat key unless --new is given. A line "free" on the host's
// standard input frees Player 2's seat for a guest without the key ("seat freed"). The
// guest keeps the seat key it is given in its own --data-dir (guest-seat, beside the
// code it is for) and joins with it again. check reads the host's saved
// game in that folder as hosting again would, writing nothing, and prints "sound: ..."
// when it would resume a game the rules allow.
//
// The host prints "listening PORT CODE" first; each side prints "game over SCORE1 SCORE2"
// at the end of every game. Exit status: 0 the games were played, 1 the port could not
// be had, 2 a bad argument, 3 refused (wrong code, lockout, versions, the seat taken or
// freed), 4 the guest could not get through (six tries in a row), 5 the other side left before the
// games were played, 6 the other side stayed away for --wait seconds, 7 the saved game is missing,
// damaged or wrong, 8 nothing listens at the host's address and port.
#include "app/network_host.h"
#include "app/save_state.h"
#include "app/sealed_lines.h"
#include "app/store.h"
#include "game/targets.h"
#include "game/version.h"
#include "level_play.h"
#include "net/address.h"
#include "net/autoplay.h"
#include "net/join_code.h"
#include "net/line.h"
#include "peer_log.h"
#include "qt/network/transport.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

using namespace tarmigo;
namespace fs = std::filesystem;

namespace {

constexpr const char* Usage =
    "usage: tarmigo-peer host [--port N] [--bind ADDRESS] [--code CODE] [--games N] [--seed S]\n"
    "                         [--level easy|hard] [--log FILE] [--data-dir DIR] [--new]\n"
    "                         [--wait SECONDS] [--pace MS]\n"
    "       tarmigo-peer join HOST:PORT --code CODE [--games N] [--seed S] [--level easy|hard]\n"
    "                         [--log FILE] [--data-dir DIR] [--wait SECONDS] [--pace MS]\n"
    "                         [--stats]\n"
    "       tarmigo-peer flood HOST:PORT [--connections N]\n"
    "       tarmigo-peer check [--data-dir DIR]\n"
    "       tarmigo-peer --help | --version\n"
    "\n"
    "  --port N          the host's port (0: any free one; 47470 by default)\n"
    "  --bind ADDRESS    the one address the host listens on (by default all of them)\n"
    "  --code CODE       the join code of six characters (the host makes one if none)\n"
    "  --games N         the games to play (1 by default)\n"
    "  --seed S          the seed of the random inputs\n"
    "  --level easy|hard play by the computer's rules instead of random inputs\n"
    "  --log FILE        add each message received, as a line of JSON, to FILE\n"
    "  --data-dir DIR    where the host keeps its game (by default\n"
    "                    $XDG_DATA_HOME/tarmigo-peer)\n"
    "  --new             start a new game instead of resuming the kept one\n"
    "  --wait SECONDS    how long to wait for the other side (60 by default)\n"
    "  --pace MS         wait that long before each of its own inputs\n"
    "  --stats           at the end, the times from input to answer and the bytes sent\n"
    "  --connections N   flood: the connections to make (10000 by default), each a wrong\n"
    "                    code or a malformed frame, to a host on the loopback address\n"
    "\n"
    "check reads the host's saved network game in DIR as hosting again would, changing\n"
    "nothing, and prints \"sound: ...\" (the scores, the miles, the join code, and any\n"
    "copy that does not load); exit 7 when no copy loads or the game is one the rules\n"
    "refuse. A host frees Player 2's seat on a line \"free\" on its standard input.\n";

enum Exit {
    Done = 0,
    NoPort = 1,
    BadArgument = 2,
    Refused = 3,
    Broken = 4,
    LeftEarly = 5,
    Away = 6,
    Unsound = 7,
    NothingListens = 8
};

struct Options {
    bool host = false;
    bool flood = false;
    bool check = false;
    bool stats = false;
    long connections = 10'000;
    std::optional<Level> level; // nothing: random inputs
    PeerAddress where;          // join, flood: HOST:PORT
    int port = StandardPort;
    std::string bind;
    std::string code;
    long games = 1;
    std::uint64_t seed = 0;
    bool seeded = false;
    std::string log;
    std::string dataDir;
    bool fresh = false;
    long waitSeconds = 60;
    int paceMs = 0;
};

[[noreturn]] void failWith(int status, const std::string& message) {
    std::cerr << "tarmigo-peer: " << message << std::endl;
    std::exit(status);
}

template <class Int> Int number(std::string_view option, std::string_view text, Int lo, Int hi) {
    Int v{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || v < lo || v > hi)
        failWith(BadArgument, std::string(option) + " takes a number from " + std::to_string(lo) +
                                  " to " + std::to_string(hi) + ", not '" + std::string(text) +
                                  "'");
    return v;
}

Options parse(const std::vector<std::string_view>& args) {
    Options o;
    if (args.empty()) failWith(BadArgument, "say host or join (--help for the usage)");
    // --help wherever it stands, after a command too (join --help).
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::cout << Usage;
        std::exit(0);
    }
    if (args[0] == "--version") {
        std::cout << "tarmigo-peer " << ProgramVersion << '\n';
        std::exit(0);
    }
    std::size_t i = 1;
    if (args[0] == "host" || args[0] == "check") {
        o.host = args[0] == "host";
        o.check = !o.host;
    } else if (args[0] == "join" || args[0] == "flood") {
        o.flood = args[0] == "flood";
        if (args.size() < 2) failWith(BadArgument, std::string(args[0]) + " needs HOST:PORT");
        const AddressReading read = readPeerAddress(args[1]);
        if (!read.address)
            failWith(BadArgument, '"' + std::string(args[1]) +
                                      "\" is not an address: " + addressErrorText(read.error));
        o.where = *read.address;
        i = 2;
    } else {
        failWith(BadArgument, "unknown command '" + std::string(args[0]) + "'");
    }
    for (; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (o.check && a != "--data-dir") failWith(BadArgument, "check takes only --data-dir DIR");
        const bool flag = a == "--new" || a == "--stats";
        if (!flag && i + 1 >= args.size()) failWith(BadArgument, std::string(a) + " needs a value");
        const std::string_view v = flag ? std::string_view{} : args[i + 1];
        if (a == "--port" && o.host)
            o.port = number<int>(a, v, 0, 65535);
        else if (a == "--bind" && o.host)
            o.bind = std::string(v);
        else if (a == "--stats" && !o.host)
            o.stats = true;
        else if (a == "--connections" && o.flood)
            o.connections = number<long>(a, v, 1, 1'000'000);
        else if (a == "--level" && !o.flood) {
            if (v == "easy")
                o.level = Level::Easy;
            else if (v == "hard")
                o.level = Level::Hard;
            else
                failWith(BadArgument, "--level takes easy or hard, not '" + std::string(v) + "'");
        } else if (a == "--code")
            o.code = std::string(v);
        else if (a == "--games")
            o.games = number<long>(a, v, 1, 1'000'000);
        else if (a == "--seed") {
            o.seed = number<std::uint64_t>(a, v, 0, UINT64_MAX);
            o.seeded = true;
        } else if (a == "--log")
            o.log = std::string(v);
        else if (a == "--data-dir" && !o.flood)
            o.dataDir = std::string(v);
        else if (a == "--wait")
            o.waitSeconds = number<long>(a, v, 1, 86'400);
        else if (a == "--new" && o.host)
            o.fresh = true;
        else if (a == "--pace")
            o.paceMs = number<int>(a, v, 0, 3'600'000);
        else
            failWith(BadArgument, "unknown option '" + std::string(a) + "'");
        if (!flag) ++i;
    }
    if (!o.code.empty()) {
        const auto code = net::readJoinCode(o.code);
        if (!code) failWith(BadArgument, "'" + o.code + "' is not a join code of six characters");
        o.code = *code;
    } else if (!o.host && !o.flood && !o.check) {
        failWith(BadArgument, "join needs --code CODE");
    }
    if (!o.seeded) o.seed = std::random_device{}();
    return o;
}

fs::path dataFolder(const Options& o) {
    if (!o.dataDir.empty()) return o.dataDir;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "tarmigo-peer";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local/share/tarmigo-peer";
    return fs::current_path() / "tarmigo-peer";
}

// The game's platform without a screen: the clock from the seed, nothing drawn.
class PeerShell : public ShellHost {
  public:
    explicit PeerShell(std::uint64_t seed) : ticks_(std::uint32_t(seed * 2654435761u + 1)) {}
    std::uint32_t tickCount() override { return ticks_ += 7919; }
    void invalidate(const Rect&) override {}
    void dropPendingRepaint() override {}
    void paintNow() override {}
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}
    void playSound(Sound) override {}
    void enableUndoButton(bool) override {}
    void askYesNo(int, std::function<void(bool)> answered) override { answered(false); }
    void openScoresDialog(const ScoresContent&, std::function<void(int)> closed) override {
        closed(1);
    }
    void openOptionsDialog(OptionsDialog&, std::function<void()> closed) override { closed(); }
    void openAboutDialog() override {}
    void postCommand(int) override {}
    void postHelpRequest() override {}

  private:
    std::uint32_t ticks_;
};

class Log {
  public:
    explicit Log(const std::string& path) {
        if (path.empty()) return;
        out_.open(path, std::ios::app);
        if (!out_) failWith(BadArgument, "cannot write the log " + path);
    }
    void operator()(const net::Message& m) {
        if (out_) out_ << peer::jsonOf(m) << '\n' << std::flush;
    }

  private:
    std::ofstream out_;
};

void printGameOver(const SeatView& v) {
    std::cout << "game over " << v.players[0].gameScore << ' ' << v.players[1].gameScore
              << std::endl;
}

// Quits once the bytes written have had a moment to leave.
void finish(int status) {
    QTimer::singleShot(200, [status] { QCoreApplication::exit(status); });
}

// The host's saved network game in its folder: the record's two copies, the code and
// the seated guest's key.
struct SavedGame {
    explicit SavedGame(const fs::path& dir)
        : file((dir / "network-game").string()), second((dir / "network-game-second").string()),
          code((dir / "network-code").string()), seat((dir / "network-seat").string()) {}
    NetworkStores stores() { return {&file, &second, &code, &seat}; }
    FileStore file, second, code, seat;
};

// The guest's seat key, kept with the code of the game it is for: one line "CODE HEX"
// in guest-seat, replaced whole (a kill while it is written leaves the old one).
class GuestSeat {
  public:
    GuestSeat(const fs::path& dir, std::string code)
        : store_((dir / "guest-seat").string()), code_(std::move(code)) {}
    std::optional<net::SeatKey> read() const {
        const auto bytes = store_.read();
        if (!bytes) return std::nullopt;
        std::istringstream in(std::string(bytes->begin(), bytes->end()));
        std::string code;
        std::string hex;
        if (!(in >> code >> hex) || code != code_ || hex.size() != 2 * net::SeatKeyLength)
            return std::nullopt;
        net::SeatKey key{};
        for (std::size_t i = 0; i < key.size(); ++i) {
            const auto [ptr, ec] =
                std::from_chars(hex.data() + 2 * i, hex.data() + 2 * i + 2, key[i], 16);
            if (ec != std::errc() || ptr != hex.data() + 2 * i + 2) return std::nullopt;
        }
        return key;
    }
    void write(const std::optional<net::SeatKey>& key) const {
        std::string line;
        if (key) {
            constexpr std::string_view Digits = "0123456789abcdef";
            line = code_ + ' ';
            for (std::uint8_t b : *key) {
                line += Digits[b >> 4];
                line += Digits[b & 15];
            }
            line += '\n';
        }
        store_.write(std::span(reinterpret_cast<const std::uint8_t*>(line.data()), line.size()));
    }

  private:
    mutable FileStore store_;
    std::string code_;
};

// Reads the saved game as hosting again would, without writing: the copy it would resume,
// and every sound copy's game checked against the rules.
int check(const Options& o) {
    const fs::path dir = dataFolder(o);
    SavedGame saved(dir);
    const auto chosen = soundCopy(&saved.file, &saved.second);
    if (!chosen && !saved.file.read() && !saved.second.read())
        failWith(Unsound, "no saved network game in " + dir.string());
    if (!chosen) failWith(Unsound, "neither copy of the saved game in " + dir.string() + " loads");
    PeerShell shell(0);
    Session g(shell);
    std::string notes;
    for (auto [store, name] : {std::pair{&saved.second, "second"}, {&saved.file, "file"}}) {
        const auto record = soundRecord(store);
        if (!record) {
            notes += std::string("; the ") + name + " copy does not load";
            continue;
        }
        applySaveRecord(g, *record);
        const std::string wrong = g.playerCount != 2 ? "a game of one player" : misplacedCards(g);
        if (!wrong.empty())
            failWith(Unsound, std::string("the ") + name + " copy in " + dir.string() +
                                  " holds a game the rules refuse: " + wrong);
    }
    applySaveRecord(g, *chosen);
    const auto code = NetworkHost::savedCode(saved.stores());
    std::cout << "sound: game score " << g.players[0].gameScore << " to " << g.players[1].gameScore
              << ", miles " << g.players[0].miles << " to " << g.players[1].miles << ", code "
              << code.value_or("none") << notes << std::endl;
    return Done;
}

int host(const Options& o) {
    const fs::path dir = dataFolder(o);
    std::error_code ec;
    fs::create_directories(dir, ec);
    SavedGame saved(dir);
    const NetworkStores stores = saved.stores();
    const bool resume = !o.fresh && NetworkHost::hasSavedGame(stores);
    if (!resume) saved.seat.write({}); // a new game's seat is free
    std::string code = o.code;
    if (code.empty() && resume) code = NetworkHost::savedCode(stores).value_or("");
    net::Dice dice(o.seed);
    if (code.empty()) code = net::makeJoinCode(o.seeded ? dice.next() : std::random_device{}());

    PeerShell shell(o.seed);
    NetworkHost game(shell, stores, code, app::sealedLines());
    game.start(240, 320, resume);
    game.game().round.setPlayMode(PlayMode::TapOnce);
    game.game().round.setDiscardMode(DiscardMode::CardThenDeck);
    Log log(o.log);
    game.link().heard = [&log](const net::Message& m) { log(m); };

    std::optional<peer::LevelPlayer> level;
    if (o.level) level.emplace(*o.level);
    auto transport = makeTransports()->host();
    long played = 0;
    bool wasOver = viewFor(game.game(), 0).gameOver;
    bool acting = false;
    QTimer away;
    away.setSingleShot(true);
    QObject::connect(&away, &QTimer::timeout, [] { failWith(Away, "no guest came"); });
    away.start(int(o.waitSeconds * 1000));

    std::function<void()> changed;
    const auto act = [&] {
        acting = false;
        if (game.paused()) return;
        const SeatView v = viewFor(game.game(), 0);
        if (v.handOver && !v.gameOver) {
            game.tapPlace(target::StatusLine); // deals the next hand
        } else if (const auto input =
                       level ? level->next(game.game(), 0, dice) : net::randomInput(v, dice)) {
            if (input->kind == net::Input::Kind::Extension)
                game.answer(input->value != 0);
            else
                game.tapPlace(input->value);
        } else {
            return;
        }
        changed();
        transport->flush();
    };
    changed = [&] {
        game.game().presentation.clear();
        for (const NetworkNotice& n : game.takeNotices()) {
            switch (n.kind) {
            case NetworkNotice::Kind::GuestJoined: away.stop(); break;
            case NetworkNotice::Kind::RematchAsked: game.answerRematch(played < o.games); break;
            case NetworkNotice::Kind::GuestDropped: away.start(int(o.waitSeconds * 1000)); break;
            case NetworkNotice::Kind::ConnectionError: // the game goes on; say why
                std::cerr << "tarmigo-peer: a connection closed: " << n.text << std::endl;
                break;
            case NetworkNotice::Kind::GuestLeft:
                if (played >= o.games) {
                    finish(Done);
                    return;
                }
                failWith(LeftEarly, "the guest left the game");
            default: break;
            }
        }
        const SeatView v = viewFor(game.game(), 0);
        if (v.gameOver && !wasOver) {
            printGameOver(v);
            if (++played >= o.games) {
                game.leave();
                transport->flush();
                finish(Done);
                wasOver = true;
                return;
            }
            game.askRematch();
        }
        wasOver = v.gameOver;
        if (!acting) {
            acting = true;
            QTimer::singleShot(o.paceMs, act);
        }
    };

    std::string error;
    if (!transport->listen(o.bind, o.port, game, changed, error))
        failWith(NoPort, "cannot listen on port " + std::to_string(o.port) + ": " + error);
    std::cout << "listening " << transport->port() << ' ' << game.code() << std::endl;
    // "free" on the standard input frees Player 2's seat.
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            commands.setEnabled(false); // the input ended: no more commands
            return;
        }
        if (line == "free") {
            game.freeSeat();
            std::cout << "seat freed" << std::endl;
            changed();
            transport->flush();
        }
    });
    return QCoreApplication::exec();
}

// Connections that each end in a refusal or an error: a wrong code, or bytes that are no
// frame. Loopback only.
int flood(const Options& o) {
    const QHostAddress address(QString::fromStdString(o.where.host));
    if (!address.isLoopback()) failWith(BadArgument, "flood connects to the loopback address only");
    // A hello, a share made from a wrong code and a confirmation that cannot be right: the
    // host runs the exchange and counts a wrong code.
    const std::array<std::uint8_t, net::SessionIdLength> sid{};
    const auto keys = app::sealedLines()(net::LineSide::Guest, "ACDEFG", sid, {});
    std::vector<std::uint8_t> wrong = net::encode(net::Hello::ours());
    for (const net::Message& m :
         {net::Message(*net::shareOf(*keys, sid, false)), net::Message(net::Confirm{})}) {
        const std::vector<std::uint8_t> frame = net::encode(m);
        wrong.insert(wrong.end(), frame.begin(), frame.end());
    }
    const std::vector<std::uint8_t> garbage{0xff, 0xff, 0xff, 0x7f, 1, 2, 3};
    long refused = 0;
    for (long n = 0; n < o.connections; ++n) {
        QTcpSocket socket;
        socket.connectToHost(address, quint16(o.where.port));
        if (!socket.waitForConnected(2000)) failWith(Away, "the host stayed away");
        const auto& bytes = n % 2 ? garbage : wrong;
        socket.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        socket.waitForBytesWritten(1000);
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(2000))
            socket.readAll();
        if (socket.state() != QAbstractSocket::ConnectedState) ++refused;
        socket.abort();
    }
    std::cout << "flood " << o.connections << " connections, " << refused << " closed by the host"
              << std::endl;
    return Done;
}

int join(const Options& o) {
    const GuestSeat seat(dataFolder(o), o.code);
    net::GuestSession session(o.code, app::sealedLines(), seat.read());
    Log log(o.log);
    net::Dice dice(o.seed);
    std::optional<peer::LevelPlayer> level;
    if (o.level) level.emplace(*o.level);
    auto transport = makeTransports()->guest();
    long played = 0;
    bool wasOver = false;
    bool first = true;
    bool acting = false;
    bool done = false;
    // --stats: when the input waiting for its answer left, the answers' delays, the bytes.
    std::optional<std::chrono::steady_clock::time_point> asked;
    std::chrono::steady_clock::time_point began;
    std::vector<double> delays;
    std::size_t bytesOut = 0;
    session.heard = [&log](const net::Message& m) { log(m); };
    const auto report = [&] {
        if (!o.stats || delays.empty()) return;
        std::sort(delays.begin(), delays.end());
        const auto at = [&delays](double q) {
            return delays[std::size_t(q * double(delays.size() - 1))];
        };
        std::cerr << "inputs " << delays.size() << " answered in median " << at(0.5)
                  << " ms, 99th percentile " << at(0.99) << " ms; bytes received "
                  << session.messageBytes() << ", sent " << bytesOut
                  << " as messages; on the line received " << session.wireBytes().received
                  << ", sent " << session.wireBytes().sent << std::endl;
    };
    QTimer away;
    away.setSingleShot(true);
    QObject::connect(&away, &QTimer::timeout, [] { failWith(Away, "the host stayed away"); });
    away.start(int(o.waitSeconds * 1000));

    const auto act = [&] {
        acting = false;
        if (!session.admitted() || !session.view() || done) return;
        if (const auto input = level ? level->next(*session.view(), dice)
                                     : net::randomInput(*session.view(), dice)) {
            session.send(*input);
            bytesOut += net::measure(*input);
            if (!asked) asked = std::chrono::steady_clock::now();
            transport->flush();
        }
    };
    const auto actSoon = [&] {
        if (acting) return;
        acting = true;
        QTimer::singleShot(o.paceMs, act);
    };
    const auto changed = [&] {
        // Before the first view, a connection refused means nobody hosts there.
        if (!session.view() && transport->failures() > 0 &&
            transport->lastFailure() == GuestTransport::Failure::NothingListens)
            failWith(NothingListens, "nothing listens at " + addressText(o.where) +
                                         ": is the host running, on this port?");
        for (const net::GuestEvent& e : session.takeEvents()) {
            using K = net::GuestEvent::Kind;
            switch (e.kind) {
            case K::Admitted:
                away.stop();
                seat.write(session.key());
                if (o.stats && first)
                    std::cerr << "first view after "
                              << std::chrono::duration<double, std::milli>(
                                     std::chrono::steady_clock::now() - began)
                                     .count()
                              << " ms" << std::endl;
                break;
            case K::Steps:
            case K::View: {
                if (asked) {
                    delays.push_back(std::chrono::duration<double, std::milli>(
                                         std::chrono::steady_clock::now() - *asked)
                                         .count());
                    asked.reset();
                }
                // A game already over when this program joined is not one it played.
                if (e.view && e.view->gameOver && !wasOver && !first) {
                    printGameOver(*e.view);
                    if (++played >= o.games) {
                        done = true;
                        report();
                        session.leave();
                        seat.write(std::nullopt); // leaving gives the seat up
                        transport->flush();
                        finish(Done);
                        return;
                    }
                    session.rematch(net::Rematch::Kind::Ask);
                }
                if (e.view) {
                    first = false;
                    wasOver = e.view->gameOver;
                }
                actSoon();
                break;
            }
            case K::Rematch:
                if (e.rematch == net::Rematch::Kind::Ask)
                    session.rematch(played < o.games ? net::Rematch::Kind::Yes
                                                     : net::Rematch::Kind::No);
                break;
            case K::Refused:
                seat.write(session.key()); // erased by a sealed "seat freed" alone
                failWith(Refused, e.text);
            case K::Dropped:
                std::cerr << "tarmigo-peer: the line to the host was interrupted or altered ("
                          << e.text << "); reconnecting" << std::endl;
                away.start(int(o.waitSeconds * 1000));
                break;
            case K::Left:
                if (played >= o.games) {
                    finish(Done);
                    return;
                }
                failWith(LeftEarly, "the host left the game");
            case K::Error: failWith(Broken, "could not get through to the host: " + e.text);
            }
        }
        // An input that changed nothing this side sees has no answer: the next one after a
        // second (the transport's tick calls this twice a second).
        if (asked && std::chrono::steady_clock::now() - *asked > std::chrono::seconds(1)) {
            asked.reset();
            actSoon();
        }
    };
    began = std::chrono::steady_clock::now();
    transport->start(o.where.host, o.where.port, session, changed);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const Options o = parse(args);
    if (o.check) return check(o);
    QCoreApplication app(argc, argv);
    if (o.flood) return flood(o);
    return o.host ? host(o) : join(o);
}
