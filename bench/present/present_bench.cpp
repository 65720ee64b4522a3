// How the computer's turn is presented in the window: the pace of the board's
// frames while the cards slide, the processor time the turn takes, and how long a
// Ctrl+Q made during the turn takes to close the window.
//
//   tarmigo_present_bench [TURNS]      (default 10)
//
// Each turn is played in a new main window on the off-screen platform, over stores
// kept in memory, at the default options (slides on, 8 ms after each 4-pixel step):
// D then 1 discards the card of hand slot 1, which passes the turn to the computer.
// The window is driven only from outside: its construction, start(), show() and key
// events, so that the same measurement holds however the window presents a turn.
//
// Frames: every paint event of the board (the window's largest child) from the key
// 1 to the turn's end, taken as the last paint before half a second without one.
// Processor: user and system time of the process (getrusage) over the same span.
// Quit: from 200 ms after the key 1, a Ctrl+Q is posted to the window every 50 ms
// from another thread until the window hides; the time from the first one.
#include "qt/main_window.h"
#include "support/memory_store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace tarmigo::bench {
namespace {

using Clock = std::chrono::steady_clock;

// The Options delay after each 4-pixel step of a slide, at its default.
constexpr double PaceMs = 8.0;
// A turn is over once the board has not been painted for this long.
constexpr int QuietMs = 500;
// No turn or quit is waited for longer than this.
constexpr int LimitMs = 30000;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Runs the event loop until done() holds or limitMs have passed.
template <class Done> bool runUntil(Done done, int limitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Notes the time of every paint of the board and the processor time then.
class PaintLog : public QObject {
  public:
    struct Frame {
        Clock::time_point at;
        double cpu;
    };
    std::vector<Frame> frames;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) frames.push_back({Clock::now(), cpuMs()});
        return QObject::eventFilter(watched, event);
    }
};

// Notes when the window is hidden (a quit that has been carried out).
class HideWatch : public QObject {
  public:
    std::atomic<bool> hidden{false};
    Clock::time_point at;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !hidden) {
            at = Clock::now();
            hidden = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A key pressed and released on the window, as a player's keyboard would (the
// window's shortcuts see it first).
void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&window, &release);
}

void postKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
}

// A new game in a new window, shown, active and painted, its stores in memory.
class Table {
  public:
    Table() : preferences_(folder_.filePath(QStringLiteral("desktop.ini")), QSettings::IniFormat) {
        WindowSetup setup;
        setup.fileStore = &file_;
        setup.secondStore = &second_;
        setup.preferences = &preferences_;
        window_ = std::make_unique<MainWindow>(setup);
        window_->start();
        window_->show();
        window_->activateWindow();
        if (!runUntil([this] { return QApplication::activeWindow() == window_.get(); }, 5000)) {
            std::fprintf(stderr, "tarmigo_present_bench: the window did not become active\n");
            std::exit(1);
        }
        runUntil([] { return false; }, 300); // the first paints
    }

    MainWindow& window() { return *window_; }

    // The board: the largest of the window's own child widgets.
    QWidget& board() {
        QWidget* largest = nullptr;
        const auto area = [](const QWidget* w) { return w->width() * w->height(); };
        for (QWidget* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!largest || area(child) > area(largest)) largest = child;
        if (!largest) {
            std::fprintf(stderr, "tarmigo_present_bench: the window has no board\n");
            std::exit(1);
        }
        return *largest;
    }

    // D arms the discard; the turn begins with the 1 that discards slot 1.
    void armDiscard() {
        pressKey(*window_, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
        runUntil([] { return false; }, 100);
    }
    void discardSlotOne() { pressKey(*window_, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")); }

  private:
    QTemporaryDir folder_;
    testing::MemoryStore file_;
    testing::MemoryStore second_;
    QSettings preferences_;
    std::unique_ptr<MainWindow> window_;
};

struct TurnFigures {
    std::vector<double> intervals; // between successive board paints, ms
    double firstMs = -1;           // from the key to the first board paint
    int frames = 0;
    double wallMs = 0;
    double cpuMs = 0;
};

TurnFigures measureTurn() {
    Table table;
    QWidget& board = table.board();
    static bool told = false;
    if (!told) {
        std::printf("board: %d x %d pixels\n", board.width(), board.height());
        told = true;
    }
    PaintLog log;
    board.installEventFilter(&log);
    table.armDiscard();
    log.frames.clear();
    const Clock::time_point start = Clock::now();
    const double cpuStart = cpuMs();
    table.discardSlotOne();
    runUntil(
        [&] {
            const Clock::time_point last = log.frames.empty() ? start : log.frames.back().at;
            return msBetween(last, Clock::now()) > QuietMs;
        },
        LimitMs);
    board.removeEventFilter(&log);

    TurnFigures f;
    f.frames = int(log.frames.size());
    if (log.frames.empty()) return f;
    for (std::size_t i = 1; i < log.frames.size(); ++i)
        f.intervals.push_back(msBetween(log.frames[i - 1].at, log.frames[i].at));
    f.firstMs = msBetween(start, log.frames.front().at);
    f.wallMs = msBetween(start, log.frames.back().at);
    f.cpuMs = log.frames.back().cpu - cpuStart;
    return f;
}

struct QuitFigures {
    double ms = -1; // negative: the window never closed
    int presses = 0;
};

QuitFigures measureQuit() {
    Table table;
    HideWatch watch;
    table.window().installEventFilter(&watch);
    table.armDiscard();
    std::atomic<int> presses{0};
    std::atomic<bool> stop{false};
    Clock::time_point first;
    QWidget* target = &table.window();
    // The presses come from another thread, so that they are made on time however
    // long the window keeps its own thread busy.
    std::thread presser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        first = Clock::now();
        Clock::time_point next = first;
        while (!stop && !watch.hidden && presses < 400) {
            postKey(target, Qt::Key_Q, Qt::ControlModifier);
            ++presses;
            next += std::chrono::milliseconds(50);
            std::this_thread::sleep_until(next);
        }
    });
    table.discardSlotOne();
    runUntil([&] { return watch.hidden.load() || presses >= 400; }, LimitMs);
    stop = true;
    presser.join();
    table.window().removeEventFilter(&watch);

    QuitFigures q;
    if (watch.hidden) {
        q.ms = msBetween(first, watch.at);
        // Presses posted after the close were not needed.
        q.presses = std::max(1, int((q.ms / 50.0)) + 1);
    }
    return q;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    std::size_t rank = std::size_t(p * double(v.size()));
    if (double(rank) < p * double(v.size())) ++rank; // nearest rank
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace
} // namespace tarmigo::bench

int main(int argc, char** argv) {
    using namespace tarmigo::bench;
    int turns = 10;
    if (argc > 2) {
        std::fprintf(stderr, "usage: tarmigo_present_bench [TURNS]\n");
        return 2;
    }
    if (argc == 2) {
        char* end = nullptr;
        const long n = std::strtol(argv[1], &end, 10);
        if (*end != '\0' || n < 1 || n > 1000) {
            std::fprintf(stderr, "tarmigo_present_bench: TURNS must be 1 to 1000, not '%s'\n",
                         argv[1]);
            return 2;
        }
        turns = int(n);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // each quit closes one window of many

    std::vector<double> intervals;
    std::vector<double> firsts;
    double wall = 0;
    double cpu = 0;
    int frames = 0;
    for (int i = 0; i < turns; ++i) {
        const TurnFigures f = measureTurn();
        std::printf("turn %d: %d board paints in %.1f ms, processor %.1f ms (%.2f%%), "
                    "intervals median %.2f ms, 99th percentile %.2f ms\n",
                    i + 1, f.frames, f.wallMs, f.cpuMs, f.wallMs > 0 ? 100 * f.cpuMs / f.wallMs : 0,
                    median(f.intervals), percentile(f.intervals, 0.99));
        intervals.insert(intervals.end(), f.intervals.begin(), f.intervals.end());
        if (f.firstMs >= 0) firsts.push_back(f.firstMs);
        wall += f.wallMs;
        cpu += f.cpuMs;
        frames += f.frames;
    }
    const auto slow = std::count_if(intervals.begin(), intervals.end(),
                                    [](double ms) { return ms > 2 * PaceMs; });
    std::printf("frames: %d board paints over %d turns; intervals median %.2f ms, 90th percentile "
                "%.2f ms, 99th percentile %.2f ms, max %.1f ms, against a pace of %.0f ms a step; "
                "%ld of %zu over twice the pace\n",
                frames, turns, median(intervals), percentile(intervals, 0.9),
                percentile(intervals, 0.99), percentile(intervals, 1.0), PaceMs, long(slow),
                intervals.size());
    std::printf("key to the first board paint: median %.2f ms, max %.2f ms over %zu turns\n",
                median(firsts), percentile(firsts, 1.0), firsts.size());
    std::printf("processor: %.1f ms over %.1f ms of turns: %.2f%%\n", cpu, wall,
                wall > 0 ? 100 * cpu / wall : 0);

    std::vector<double> quits;
    std::vector<double> presses;
    int lost = 0;
    for (int i = 0; i < turns; ++i) {
        const QuitFigures q = measureQuit();
        if (q.ms < 0) {
            ++lost;
            std::printf("quit %d: the window did not close\n", i + 1);
            continue;
        }
        std::printf("quit %d: closed %.1f ms after the first Ctrl+Q, %d presses made by then\n",
                    i + 1, q.ms, q.presses);
        quits.push_back(q.ms);
        presses.push_back(q.presses);
    }
    std::printf("quit during a turn (posted Ctrl+Q every 50 ms to the window hidden): median "
                "%.1f ms, 99th percentile %.1f ms, max %.1f ms; presses median %.0f, max %.0f; "
                "%d of %d never closed\n",
                median(quits), percentile(quits, 0.99), percentile(quits, 1.0), median(presses),
                percentile(presses, 1.0), lost, turns);
    return 0;
}
