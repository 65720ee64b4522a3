#!/usr/bin/python3
"""The board as a screen reader reads it, over AT-SPI, the game played by keys alone.
    screen_reader_test.py PROGRAM SOURCE_DIR [--games] [LANG ...]   (en de fr by default)
    screen_reader_test.py --wrap COMMAND [ARG ...]   (COMMAND under the desktop, Qt accessible)
Under Xvfb, a session bus and at-spi-bus-launcher, plays a hand (--games: games) by keys in
each language with fresh settings; at every step every place has a name and no name in the
tree holds a card not yet shown; exits 77 if a piece is missing.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PLACES, STATUS = 20, 19

def outer():
    """Checks the pieces, then runs this script again inside a session bus."""
    missing = [t for t in ("Xvfb", "dbus-run-session", "xdotool") if not shutil.which(t)]
    missing += [] if os.access(LAUNCHER, os.X_OK) else ["at-spi-bus-launcher"]
    if subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True).returncode:
        missing.append("pyatspi")
    if missing:
        print(f"SKIP: missing {', '.join(missing)} (scripts/deps.sh installs them)")
        sys.exit(77)
    env = dict(os.environ, TARMIGO_A11Y_INNER="1")
    sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv, env=env).returncode)

def desktop():
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE)
    os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
    bus = subprocess.Popen([LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    return [bus, xvfb]

def texts(source, lang, english):
    """English texts in a language, from the translation file."""
    if lang == "en":
        return english
    ts = open(f"{source}/resources/translations/tarmigo_{lang}.ts", encoding="utf-8").read()
    pairs = dict(re.findall(r"<source>([^<]*)</source>\s*<translation>([^<]*)<", ts))
    return [html.unescape(pairs.get(html.escape(e, False).replace("'", "&apos;"), e)) for e in english]

def xdo(*args):
    return subprocess.run(["xdotool"] + list(args), capture_output=True, text=True, timeout=10).stdout.split()

class Play:
    def __init__(self, program, source, lang, games):
        self.lang, self.games = lang, games
        table = dict(re.findall(r'\{(\d+), QT_TRANSLATE_NOOP\("Tarmigo", "([^"]+)"\)\}',
                                open(f"{source}/src/game/strings.cpp", encoding="utf-8").read()))
        cards = [table[str(i)] for i in range(1701, 1720)]  # the cards' names, by code
        self.cards = sorted(texts(source, lang, cards), key=len, reverse=True)
        words = texts(source, lang, ["Slot %1: %2, playable", "New Hand", "New Game",
                                     "Game Over - Tap New to start a new game"])
        self.playable, self.buttons, self.over = words[0].split("%2")[1], words[1:3], words[3]
        # The program's own messages may name cards ("Speed Limit: Can only play 25 ...").
        messages = [text for id, text in table.items() if not 1701 <= int(id) < 1720]
        self.seen = set().union(*map(self.named, texts(source, lang, messages)))
        # A card laid or discarded was seen by both, though a pile read as a total (the
        # distance) or covered since, or an Undo, no longer names it: its move's sentence does.
        self.moves = [re.compile("^" + re.sub(r"%\d", "(.+)", re.escape(t).replace(r"\%", "%")) + "$")
                      for t in texts(source, lang, [table[str(i)] for i in range(1811, 1819)])]
        # The player's own draw is said to the player: that card is seen, even once Undo
        # puts it back.
        self.drawn = re.compile("^" + re.sub(r"%\d", "(.+)", re.escape(texts(source, lang, [table["1827"]])[0])) + "$")
        self.home = home = tempfile.mkdtemp()
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_RUNTIME_DIR=home,
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        import pyatspi  # listening before the program starts, as a reader does
        self.at, self.heard, self.shown, self.faults = pyatspi, [], [], []
        pyatspi.Registry.registerEventListener(self.hear, "object:property-change:accessible-name",
                                               "object:state-changed:showing")
        self.program = subprocess.Popen([program, "--lang", lang], env=env)
    def hear(self, event):
        """What each event carries: a name change, a place with a name; a sentence shown, a
        notification in the status line named by the sentence (what a reader speaks)."""
        try:
            source, role = event.source, event.source.getRole()
            if event.type.startswith("object:state-changed:showing"):
                if role != self.at.ROLE_NOTIFICATION:
                    return
                if not (event.detail1 and source.name.strip() and source.parent.getRole() == self.at.ROLE_STATUS_BAR):
                    self.faults.append(f"a sentence shown empty or out of the status line: {source.name!r}")
                self.shown.append(source.name)
            elif not (source.name or "").strip() and role != self.at.ROLE_NOTIFICATION:
                self.faults.append(f"a name change to no name from a {source.getRoleName()}")
        except Exception:  # a dialog's part gone since the event: nothing of the board's
            return
        self.heard.append(time.monotonic())
    def pump(self, seconds):
        from gi.repository import GLib
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.005)
    def app(self):
        return next((a for a in self.at.Registry.getDesktop(0) if a and a.get_process_id() == self.program.pid), None)
    def walk(self, node):
        yield node
        for i in range(node.childCount):
            yield from self.walk(node.getChildAtIndex(i))
    def windows(self, role):
        try:
            return [w for w in (self.app() or []) if w and w.getRole() == role]
        except Exception:  # a window closed while the list was read: none this time
            return []
    def named(self, name):
        found = set()
        for card in self.cards:  # the longest first: "Kein Benzin" holds "Benzin"
            if card in name:
                found.add(card)
                name = name.replace(card, "#")
        return found
    def names(self):
        """Reads the places; every card named anywhere must have been shown on them."""
        names = [self.board.getChildAtIndex(i).name for i in range(PLACES)]
        assert all(n.strip() for n in names), f"[{self.lang}] a place without a name: {names}"
        self.seen |= set().union(*map(self.named, names[:STATUS]))
        # The sentences said so far are the status line's children.
        status = self.board.getChildAtIndex(STATUS)
        for sentence in (status.getChildAtIndex(i).name for i in range(status.childCount)):
            for move in self.moves + [self.drawn]:
                if said := move.match(sentence):
                    self.seen |= self.named(" ".join(said.groups()))
        for node in self.walk(self.app()):
            assert not self.named(node.name or "") - self.seen, f"[{self.lang}] {node.name!r} names a hidden card"
        return names
    def key(self, key, window=None):
        xdo("windowfocus", window or self.window)  # no window manager gives the focus back
        xdo("key", key)
        self.settle()
    def first_turn(self):
        """Called at the player's first playable turn, before the card is played."""
    def settle(self):
        for _ in range(200):  # until the board is no longer busy showing the moves
            self.pump(0.05)
            if not self.board.getState().contains(self.at.STATE_BUSY) or self.dialog():
                return
    def dialog(self):
        return (self.windows(self.at.ROLE_DIALOG) + self.windows(self.at.ROLE_ALERT) + [None])[0]
    def newest(self):
        """The program's newest window: a dialog over the main one."""
        return ([self.window] + [w for w in xdo("search", "--onlyvisible", "--pid", str(self.program.pid))
                                 if w != self.window])[-1]
    def leave(self, dialog):
        """The Scores: Tab to New Hand (New Game), Space. A question: Escape (No)."""
        window = self.newest()
        if not set(self.buttons) & {n.name for n in self.walk(dialog)}:
            return self.key("Escape", window) or 0
        for _ in range(8):
            # A table's cell may keep its focused state once Tab has left it: the buttons count.
            focused = [n.name for n in self.walk(dialog) if n.getState().contains(self.at.STATE_FOCUSED)]
            button = next((name for name in focused if name in self.buttons), None)
            if button == self.buttons[1]:
                return -1  # the game is over: the test stops here
            self.key("space" if button else "Tab", window)
            if button:
                return 1
        raise AssertionError(f"[{self.lang}] no New Hand in the Scores")
    def run(self):
        try:
            for _ in range(200):
                self.pump(0.05)
                app = self.app()
                self.board = next((n for n in self.walk(app) if n.childCount == PLACES), None) if app else None
                if self.board:
                    break
            assert self.board, f"[{self.lang}] the board has no accessible places"
            self.window = xdo("search", "--onlyvisible", "--pid", str(self.program.pid))[0]
            hands = turns = 0
            for _ in range(5000):
                self.settle()
                names, dialog = self.names(), self.dialog()
                if dialog:
                    left = self.leave(dialog)
                    hands += abs(left)
                    if left < 0 or (hands and not self.games):
                        break
                elif self.over in names[STATUS]:
                    break
                elif any(self.playable in n for n in names[:7]):
                    if not turns:
                        self.first_turn()
                    turns += 1
                    self.key(str(next(i for i in range(7) if self.playable in names[i]) + 1))
                elif any(self.named(n) for n in names[:7]):  # nothing playable: discard one
                    self.key("d")
                    self.key(str(next(i for i in range(7) if self.named(names[i])) + 1))
                else:
                    self.pump(0.1)
            assert self.heard, f"[{self.lang}] no name change was heard"
            print(f"[{self.lang}] {hands} hands, {len(self.shown)} sentences shown")
            assert not self.faults, f"[{self.lang}] {self.faults[:3]}"
            assert any(m.match(s) for m in self.moves for s in self.shown), f"[{self.lang}] no move was shown: {self.shown[:5]}"
            assert hands or self.over in names[STATUS], f"[{self.lang}] no hand finished"
        finally:
            self.program.terminate()
            self.program.wait(10)
            shutil.rmtree(self.home, ignore_errors=True)

if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: screen_reader_test.py PROGRAM SOURCE_DIR [--games] [LANG ...] | --wrap COMMAND ...")
    if not os.environ.get("TARMIGO_A11Y_INNER"):
        outer()
    running = desktop()
    try:
        if sys.argv[1] == "--wrap":
            env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            sys.exit(subprocess.run(sys.argv[2:], env=env, timeout=300).returncode)
        args = [a for a in sys.argv[3:] if a != "--games"]
        for lang in args or ["en", "de", "fr"]:
            Play(sys.argv[1], sys.argv[2], lang, "--games" in sys.argv).run()
    finally:
        for process in running:
            process.terminate()
