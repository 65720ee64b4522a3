#!/usr/bin/python3
"""The board as a screen reader reads it, over AT-SPI, with the game played by keys alone.

    screen_reader_test.py PROGRAM SOURCE_DIR [--games] [LANG ...]
    screen_reader_test.py --wrap COMMAND [ARG ...]

Starts an X server (Xvfb), a session bus (dbus-run-session) and the accessibility bus
(at-spi-bus-launcher), then the program with a fresh settings folder in each language
(en, de, fr by default). It reads the board's places through AT-SPI as a reader would,
plays a whole hand (a whole game with --games) by the board's keys alone (a number key
plays a slot, D arms the discard, the Scores dialog is left by Tab and Space), and
checks at every step that every place has a name and that no name anywhere in the
program's tree holds a card the player may not see. It prints the time from each key
to the first name change it caused. Exits 77 (skipped) when a piece is missing.
With --wrap it runs COMMAND in the same setting instead (a Qt program on that X
server with its accessibility on) and exits with its code.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
VERBOSE = bool(os.environ.get("TARMIGO_A11Y_VERBOSE"))
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PLACES = 20
STATUS = 19
DRAW_PILE = 7


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(SKIP)


def outer():
    """Checks the pieces, then runs this script again inside a session bus."""
    for tool in ("Xvfb", "dbus-run-session", "xdotool"):
        if not shutil.which(tool):
            skip(f"{tool} is missing (scripts/deps.sh installs it)")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        skip("at-spi-bus-launcher is missing (package at-spi2-core)")
    probe = subprocess.run([sys.executable, "-c", "import gi; gi.require_version('Atspi', '2.0')"],
                           capture_output=True)
    if probe.returncode != 0:
        skip("pyatspi is missing (package python3-pyatspi)")
    env = dict(os.environ, TARMIGO_A11Y_INNER="1")
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv, env=env).returncode)


def fixed_texts(source, lang):
    """The program's own messages (the string table) in a language."""
    if lang == "en":
        table = open(os.path.join(source, "src/game/strings.cpp"), encoding="utf-8").read()
        return re.findall(r'QT_TRANSLATE_NOOP\("Tarmigo", "([^"]+)"\)', table)
    ts = open(os.path.join(source, f"resources/translations/tarmigo_{lang}.ts"), encoding="utf-8").read()
    found = re.findall(r'strings\.cpp"[^>]*/>\s*<source>[^<]*</source>\s*<translation>([^<]*)<', ts)
    return [html.unescape(t) for t in found]


def card_names(source, lang):
    """The 19 card names in a language, from the labels and the translation files."""
    labels = open(os.path.join(source, "src/qt/place_labels.h"), encoding="utf-8").read()
    block = labels[labels.index("Cards["):labels.index("};")]
    english = re.findall(r'QT_TRANSLATE_NOOP\("Tarmigo", "([^"]+)"\)', block)
    if lang == "en":
        return english
    ts = open(os.path.join(source, f"resources/translations/tarmigo_{lang}.ts"), encoding="utf-8").read()
    pairs = dict(re.findall(r"<source>([^<]*)</source>\s*<translation>([^<]*)</translation>", ts))
    return [html.unescape(pairs.get(e, e)) for e in english]


class Reader:
    """What a screen reader keeps: the program's tree and the names it heard change."""

    def __init__(self, pyatspi, pid):
        self.at = pyatspi
        self.pid = pid
        self.heard = []  # (time, name) of each name change
        self.at.Registry.registerEventListener(self.on_event, "object:property-change:accessible-name")

    def on_event(self, event):
        try:
            if event.source.get_process_id() == self.pid:
                self.heard.append((time.monotonic(), event.source.name))
        except Exception:
            pass

    def pump(self, seconds):
        from gi.repository import GLib
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < end:
            while context.iteration(False):
                pass
            time.sleep(0.005)

    def app(self):
        desktop = self.at.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def walk(self, node, depth=0):
        if node is None or depth > 12:
            return
        yield node
        for i in range(node.childCount):
            yield from self.walk(node.getChildAtIndex(i), depth + 1)

    def board(self):
        app = self.app()
        for node in self.walk(app) if app else ():
            if node.childCount == PLACES and node.getChildAtIndex(STATUS).getRole() == self.at.ROLE_STATUS_BAR:
                return node
        return None

    def names(self, board):
        return [board.getChildAtIndex(i).name for i in range(PLACES)]

    def dialog(self):
        app = self.app()
        for i in range(app.childCount if app else 0):
            node = app.getChildAtIndex(i)
            if node is not None and node.getRole() in (self.at.ROLE_DIALOG, self.at.ROLE_ALERT):
                return node
        return None


class Play:
    def __init__(self, program, source, lang, games):
        self.program, self.source, self.lang, self.games = program, source, lang, games
        self.cards = card_names(source, lang)
        self.latencies = []
        self.window, self.refocus = None, False
        self.seen = set()  # every card ever shown in a public place or the own hand
        # Cards the program's own messages name ("Speed Limit: Can only play 25 and 50 miles").
        self.fixed = set().union(*(self.mentioned(t) for t in fixed_texts(source, lang)))

    def key(self, *keys):
        if self.refocus:
            # No window manager gives the window the keys back when a dialog closes.
            subprocess.run(["xdotool", "windowfocus", self.window], check=True, timeout=10)
            self.refocus = False
        subprocess.run(["xdotool", "key", "--clearmodifiers"] + list(keys), check=True)

    def mentioned(self, name):
        # The longest names first: "Stop" must not be found inside another card's name.
        found, rest = set(), name
        for card in sorted(self.cards, key=len, reverse=True):
            if card in rest:
                found.add(card)
                rest = rest.replace(card, "")
        return found

    def check(self, reader, board):
        names = self.names_now = reader.names(board)
        for i, name in enumerate(names):
            assert name.strip(), f"[{self.lang}] place {i} has no name"
        public = set()
        for i, name in enumerate(names):
            if i != STATUS:
                public |= self.mentioned(name)
        self.seen |= public
        # Anywhere else in the program (the status line, dialogs, the bar) a card named
        # must have been shown to the player.
        for node in reader.walk(reader.app()):
            hidden = self.mentioned(node.name or "") - self.seen - self.fixed
            assert not hidden, f"[{self.lang}] {node.name!r} names unseen cards {hidden}"

    def settle(self, reader, board):
        """Waits until the names stop changing (the slides of a move are over)."""
        last, still = None, 0
        for _ in range(400):
            reader.pump(0.05)
            now = reader.names(board) if board else None
            busy = board.getState().contains(reader.at.STATE_BUSY)
            if reader.dialog() is not None:
                return
            still = still + 1 if now == last and not busy else 0
            if still >= 2:
                return
            last = now

    def press(self, reader, board, keys):
        sent = time.monotonic()
        before = len(reader.heard)
        self.key(*keys)
        self.settle(reader, board)
        after = [t for t, _ in reader.heard[before:] if t >= sent]
        if after:
            self.latencies.append(after[0] - sent)

    def run(self):
        home = tempfile.mkdtemp(prefix="tarmigo-a11y-")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
                   XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LANG="C.UTF-8")
        env.pop("LC_ALL", None)
        program = subprocess.Popen([self.program, "--lang", self.lang], env=env)
        try:
            import pyatspi
            reader = Reader(pyatspi, program.pid)
            board = None
            for _ in range(200):
                reader.pump(0.05)
                board = reader.board()
                if board:
                    break
            assert board, f"[{self.lang}] the board has no accessible places"
            # No window manager: the keys go to the window given the input focus.
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                                   capture_output=True, text=True, timeout=10).stdout.split()
            assert found, f"[{self.lang}] no window"
            self.window, self.refocus = found[0], True
            self.settle(reader, board)
            hands = self.play(reader, board)
            print(f"[{self.lang}] {hands} hand(s) played, {len(self.latencies)} moves heard; key to first "
                  f"name change: median {median(self.latencies):.0f} ms, max {max(self.latencies) * 1000:.0f} ms")
        finally:
            program.terminate()
            program.wait(10)
            shutil.rmtree(home, ignore_errors=True)

    def play(self, reader, board):
        hands = 0
        for _ in range(3000):
            self.check(reader, board)
            if VERBOSE:
                print(self.names_now[:8], self.names_now[STATUS], flush=True)
            dialog = reader.dialog()
            if dialog is not None:
                hands += self.leave_dialog(reader, board, dialog)
                self.refocus = True
                if hands and not self.games:
                    return hands
                continue
            names = self.names_now
            if self.game_over(names):
                return hands
            playable = [i for i in range(7) if self.is_playable(names[i])]
            if playable:
                self.press(reader, board, [str(playable[0] + 1)])
            elif any(self.mentioned(n) for n in names[:7]):
                # Nothing playable: arm the discard and discard the first card.
                self.press(reader, board, ["d"])
                slot = next(i for i in range(7) if self.mentioned(names[i]))
                self.press(reader, board, [str(slot + 1)])
            else:
                reader.pump(0.1)
        raise AssertionError(f"[{self.lang}] no end after 3000 steps: {self.names_now}")

    def is_playable(self, name):
        # The slot's name ends with the word the playable format gives after the card.
        return self.playable_word in name

    def game_over(self, names):
        return self.game_over_text in names[STATUS]

    def leave_dialog(self, reader, board, dialog):
        """The Scores dialog at a hand's end: Tab to New Hand (or New Game), then Space.
        Any other (the question whether to extend the race) is answered No by Escape."""
        names = [n.name for n in reader.walk(dialog)]
        if VERBOSE:
            print("dialog:", names, flush=True)
        wanted = [self.new_hand, self.new_game]
        if not set(wanted) & set(names):
            self.key("Escape")
            self.settle(reader, board)
            return 0
        for _ in range(8):
            focused = [n for n in reader.walk(dialog) if n.getState().contains(reader.at.STATE_FOCUSED)]
            if focused and focused[0].name in wanted:
                self.key("space")
                self.settle(reader, board)
                return 1
            self.key("Tab")
            reader.pump(0.1)
        raise AssertionError(f"[{self.lang}] no New Hand button in the dialog: {names}")


def median(values):
    values = sorted(values)
    return values[len(values) // 2] * 1000 if values else 0


def translated(source, lang, english):
    if lang == "en":
        return english
    ts = open(os.path.join(source, f"resources/translations/tarmigo_{lang}.ts"), encoding="utf-8").read()
    match = re.search(r"<source>" + re.escape(english) + r"</source>\s*<translation>([^<]*)</translation>", ts)
    return html.unescape(match.group(1)) if match else english


def start_desktop():
    """An X server and the accessibility bus; returns what to stop."""
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE)
    display = xvfb.stdout.readline().decode().strip()
    os.environ["DISPLAY"] = f":{display}"
    bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    return [bus, xvfb]


def wrap(command):
    running = start_desktop()
    try:
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        return subprocess.run(command, env=env, timeout=300).returncode
    finally:
        for process in running:
            process.terminate()


def inner(program, source, langs, games):
    bus, xvfb = start_desktop()
    try:
        for lang in langs:
            play = Play(program, source, lang, games)
            # The words the checks look for, in the language played.
            play.playable_word = translated(source, lang, "Slot %1: %2, playable").split("%2")[-1]
            play.game_over_text = translated(source, lang, "Game Over - Tap New to start a new game").split(" - ")[0].strip()
            play.new_hand = translated(source, lang, "New Hand")
            play.new_game = translated(source, lang, "New Game")
            play.run()
    finally:
        bus.terminate()
        xvfb.terminate()
    print("screen reader test: all languages passed")


if __name__ == "__main__":
    if sys.argv[1:2] == ["--wrap"]:
        if not os.environ.get("TARMIGO_A11Y_INNER"):
            outer()
        sys.exit(wrap(sys.argv[2:]))
    args = [a for a in sys.argv[1:] if a != "--games"]
    if len(args) < 2:
        print("usage: screen_reader_test.py PROGRAM SOURCE_DIR [--games] [LANG ...]", file=sys.stderr)
        sys.exit(2)
    if not os.environ.get("TARMIGO_A11Y_INNER"):
        outer()
    inner(args[0], args[1], args[2:] or ["en", "de", "fr"], "--games" in sys.argv)
