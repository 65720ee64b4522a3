#!/usr/bin/python3
"""What a blind player hears: Orca, Debian's screen reader, reads a hand played by keys.

    orca_test.py PROGRAM SOURCE_DIR [--games] [--guest PEER] [LANG ...]   (en and fr by default)

Under screen_reader_test.py's desktop, with speech-dispatcher on its dummy output and Orca
logging what it speaks, plays a hand (--games: a game) by keys with D, a refused card, the
hint, an Undo, R, S, the Options' combo box, the help, the statistics' Reset and the Host
dialog, and checks Orca's SPEECH OUTPUT lines: every sentence and status shown spoken once and
in order, none naming a hidden card, the Scores' result once; with --guest, a hand as the guest
of tarmigo-peer with a drop, and as its host. Prints the time from key to speech; 77 without Orca.
"""
import contextlib
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screen_reader_test as reader  # noqa: E402

# --guest PEER: network games too, as the guest of this tarmigo-peer on 127.0.0.1:47493 and the
# host on 127.0.0.1:47494 it joins (LANG guest or host: that side alone).
PEER = [sys.argv[sys.argv.index("--guest") + 1], "host", "--port", "47493", "--bind", "127.0.0.1", "--code",
        "ACDEFG", "--level", "easy", "--data-dir", f"/tmp/tarmigo-orca-peer-{os.getpid()}"] if "--guest" in sys.argv else []
HOSTED = 47494
# The keys that make a sentence at once: a card played, the hint, R, S, Undo (D only arms).
MOVES = set("1234567hrs") | {"ctrl+z"}
SPEECHD = 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nTimeout 5\n'
# Orca writes its log in blocks; the test reads it as it goes, so a line at a time.
CUSTOMIZATIONS = """import orca.debug as debug
if debug.debugFile:
    debug.debugFile.flush()
    debug.debugFile = open(debug.debugFile.name, "a", buffering=1)
"""
# /usr/bin/orca with --replace ends every Orca of this user: this one ends none but its own.
LAUNCH = """import importlib.machinery, importlib.util, sys
loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
orca = importlib.util.module_from_spec(importlib.util.spec_from_loader("orca_launcher", loader))
loader.exec_module(orca)
orca.otherOrcas = lambda: []
orca.setProcessName = lambda name: None
sys.argv[0] = "orca"
sys.exit(orca.main())
"""


def pieces():
    missing = [] if os.access("/usr/bin/orca", os.X_OK) else ["orca"]
    missing += [] if shutil.which("speech-dispatcher") else ["speech-dispatcher"]
    if subprocess.run(["/usr/bin/python3", "-c", "import speechd"], capture_output=True).returncode:
        missing.append("python3-speechd")
    if missing:
        print(f"SKIP: missing {', '.join(missing)} (scripts/deps.sh --orca installs them)")
        sys.exit(77)


def spoken(log):
    """Orca's log: (time, text) of each SPEECH OUTPUT, its lines joined."""
    entries = re.split(r"\n(?=\d\d:\d\d:\d\d\.\d{6} - )", open(log, encoding="utf-8", errors="replace").read())
    said = []
    for entry in entries:
        stamp, _, text = entry.partition(" - ")
        # SPEECH OUTPUT: 'TEXT', then maybe the voice's name and its attributes, alone or in a
        # list ('Hard'{...}, 'Hard' [{...}], 'A' voice=uppercase{...}); the text may hold a '.
        # Orca ends a sentence with a full stop.
        if m := re.match(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:\[?\{.*\}\]?)?\s*$",
                         re.sub(r"\n {18}", "\n", text), re.S):
            day = datetime.date.today().isoformat()
            said.append((datetime.datetime.fromisoformat(f"{day} {stamp}").timestamp(), m[1].removesuffix(".")))
    return said


class Orca:
    def __init__(self, home):
        for folder in ("speech-dispatcher", "orca"):
            os.makedirs(f"{home}/{folder}", exist_ok=True)
        open(f"{home}/speech-dispatcher/speechd.conf", "w").write(SPEECHD)
        open(f"{home}/orca/orca-customizations.py", "w").write(CUSTOMIZATIONS)
        self.log = f"{home}/orca.log"
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "HOME"):
            os.environ[name] = home
        self.process = subprocess.Popen(["/usr/bin/python3", "-c", LAUNCH, "--replace", f"--user-prefs={home}/orca",
                                         f"--debug-file={self.log}"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        for _ in range(300):
            time.sleep(0.1)
            if os.path.exists(self.log) and "SPEECH OUTPUT" in open(self.log, errors="replace").read():
                return
        raise AssertionError("Orca never spoke")

    def stop(self):
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait(10)
        # The speech server this Orca started (it would end 5 s later by itself).
        with contextlib.suppress(OSError, ValueError, IndexError):
            os.kill(int(open(f"{os.environ['XDG_RUNTIME_DIR']}/speech-dispatcher/pid/speech-dispatcher.pid")
                        .read().split()[0]), signal.SIGTERM)


class Heard(reader.Play):
    """A hand played by keys, with the program's sentences and the keys' times kept."""

    def __init__(self, program, source, lang, games, orca):
        super().__init__(program, source, lang, games)
        self.orca, self.keys, self.result, self.refusal = orca, [], None, None
        english = ["Hint: play %1", "Hint: discard %1", "Undone", "You draw %1 into slot %2",
                   "Difficulty", "View", "Options", "Options - Tarmigo", "Scores - Tarmigo", "You Win!", "Computer Wins!",
                   "Player 1 Wins!", "Player 2 Wins!",
                   "A new hand is dealt", "Tap a card to discard it", "Tap a card to play it", "not playable now",
                   "Help - Tarmigo", "Statistics", "Statistics - Tarmigo", "Reset", "Do you want to reset the statistics?",
                   "The statistics are reset.", "New", "Network Game", "Host...", "Join code:"]
        self.words = dict(zip(english, reader.texts(source, lang, english)))

    def key(self, key, window=None):
        if key in MOVES:
            self.keys.append((time.time(), len(self.shown)))
        super().key(key, window)

    def first_turn(self):
        """D and D again, a refused card, the hint, a move and its Undo, R and S, the Options,
        the help, the statistics' reset refused and the Host dialog: at the first turn."""
        self.key("d") or self.key("d")
        names = self.names()
        if (refused := next((i for i in range(7) if self.words["not playable now"] in names[i]), None)) is not None:
            self.key(str(refused + 1))
            self.refusal = self.names()[reader.STATUS]
        self.key("h")
        names = self.names()
        slot = next((i for i in range(7) if self.playable in names[i]), None)
        if slot is not None:
            self.key(str(slot + 1))
            self.key("ctrl+z")
        self.key("r")
        self.key("s")
        self.combo = self.options()
        self.read_help()
        self.statistics()
        self.menu("New", "Network Game", "Host...")
        assert self.hears(self.words["Join code:"], 5), f"[{self.lang}] the Host dialog did not say its code"
        self.key("Escape", self.newest())

    def menu(self, button, *entries):
        """A menu of the bar by keys, each step once Orca says it; a submenu opened by Right."""
        assert self.press_until("Tab", self.words[button], self.window), f"[{self.lang}] Tab never reached {button}"
        opener = "space"
        for entry in entries:  # the one a menu opens on may be said at once
            word, count = self.words[entry].removesuffix("."), len(spoken(self.orca.log))
            self.key(opener, self.window)
            opener = "Right"
            if not self.hears(word, 1, count):
                assert self.press_until("Down", word, self.window), f"[{self.lang}] no {entry}"
        self.key("Return", self.window)

    def read_help(self):
        """F1, then the help read by heading (H), by line and a table by row (Down)."""
        count = len(spoken(self.orca.log))
        self.key("F1")
        assert self.hears(self.words["Help - Tarmigo"], 8, count), f"[{self.lang}] F1 opened no help"
        window = self.newest()
        for key in ["h"] * 3 + ["Down"] * 4:
            before, end = len(spoken(self.orca.log)), time.monotonic() + 4
            reader.Play.key(self, key, window)  # not a move's key: not timed; heard before the next (after its echo)
            while time.monotonic() < end and all(t.strip() == key for _, t in spoken(self.orca.log)[before:]):
                self.pump(0.1)
        self.help = [t for _, t in spoken(self.orca.log)[count:]]
        self.key("Escape", window)
        rows = [t for t in self.help if re.match(r"[^,:]+: [^,]+, [^,:]+: \S+, [^,:]+: ", t)]
        bad = [t for t in self.help if "\ufdd0" in t or "\ufdd1" in t or len(t) > 600]  # markers, a page
        assert len(rows) >= 2 and len(set(self.help)) >= 7 and not bad, f"[{self.lang}] the help read: {self.help}"

    def statistics(self):
        """View > Statistics, Reset, then Enter: the question is heard, and No kept them."""
        self.menu("View", "Statistics")
        assert self.hears(self.words["Statistics - Tarmigo"]), f"[{self.lang}] no Statistics"
        window = self.newest()
        assert self.press_until("Tab", self.words["Reset"], window), f"[{self.lang}] no Reset"
        self.key("space", window)
        assert self.hears(self.words["Do you want to reset the statistics?"]), f"[{self.lang}] no question"
        self.key("Return", self.newest())
        assert not self.hears(self.words["The statistics are reset."][:-1], 1.5), f"[{self.lang}] Enter reset them"
        self.key("Escape", window)

    def hears(self, words, seconds=5, since=-6):
        """Waits until Orca says the words (in its last words, or since count `since`)."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if any(words in text for _, text in spoken(self.orca.log)[since:]):
                return True
            self.pump(0.1)
        return False

    def press_until(self, key, words, window, tries=8):
        """Presses the key until Orca says the words."""
        for _ in range(tries):
            before = len(spoken(self.orca.log))
            self.key(key, window)
            if self.hears(words, 1.5, before):
                return True
        return False

    def leave(self, dialog):
        # As a listener would: the dialog's first words heard before leaving it. The Scores
        # at the hand's end name the winner in their description.
        if dialog.name == self.words["Scores - Tarmigo"]:
            self.result = dialog.description
            self.hears(self.result or self.words["Scores - Tarmigo"])
        return super().leave(dialog)

    def options(self):
        """View > Options by keys, each step once Orca says it; the first combo box moved
        down one, then Escape. Returns its value before and after."""
        self.menu("View", "Options")
        assert self.hears(self.words["Options - Tarmigo"]), f"[{self.lang}] View > Options opened no dialog"
        dialog, window = self.dialog(), self.newest()
        if not self.hears(self.words["Difficulty"], 1):
            assert self.press_until("Tab", self.words["Difficulty"], window), f"[{self.lang}] no Difficulty"
        combo = next(n for n in self.walk(dialog) if n.getRole() == self.at.ROLE_COMBO_BOX)
        before = combo.queryText().getText(0, -1)  # its item: the name is its label's
        count = len(spoken(self.orca.log))
        self.key("Down", window)
        for _ in range(20):
            self.pump(0.1)
            if (after := combo.queryText().getText(0, -1)) != before:
                break
        assert self.hears(after, 3, count), f"[{self.lang}] the combo box's new value {after!r} was not spoken"
        self.key("Escape", window)
        self.pump(0.3)
        return before, after


def timed(play, said, mine=lambda sentence: True):
    """From each key to Orca's speech of the first sentence it made that is `mine`, sorted."""
    ends = [before for _, before in play.keys[1:]] + [len(play.shown)]
    first = [(sent, next((s for s in play.shown[before:after] if s and mine(s)), None))
             for (sent, before), after in zip(play.keys, ends)]
    heard = [next((t - sent for t, text in said if t >= sent - 0.005 and text == s), None) for sent, s in first if s]
    return sorted(d for d in heard if d is not None)


def report(name, delays):
    at = lambda q: delays[min(len(delays) - 1, int(len(delays) * q))] * 1000  # noqa: E731
    assert delays, f"[{name}] no key was answered aloud"
    print(f"[{name}] key to speech median {at(0.5):.0f} ms, 90th {at(0.9):.0f} ms, 99th {at(0.99):.0f} ms, "
          f"max {delays[-1] * 1000:.0f} ms over {len(delays)} keys")


def once(play, texts, name):
    """The last Scores are spoken as they open, the result they name once (their description),
    and no other result from then on."""
    winners = [play.words[w] for w in (("Player 1 Wins!", "Player 2 Wins!") if play.side in ("guest", "host")
                                       else ("You Win!", "Computer Wins!"))]
    texts = texts[max((i for i, t in enumerate(texts) if play.words["Scores - Tarmigo"] + " dialog" in t), default=len(texts)):]
    assert texts, f"[{name}] the hand's end was not spoken"
    said = {w: sum(t.count(w) for t in texts) for w in winners}
    assert play.result in winners and said[play.result] == 1 and sum(said.values()) == 1, \
        f"[{name}] the result {play.result!r} said {said}"


def check(play, said):
    texts = [t for _, t in said]
    shown = [s for s in play.shown if s]
    # The test ends as the next hand is dealt: what is shown from then on may go unheard.
    # (A whole game ends at the game's Scores, before any deal.)
    dealt = [i for i, s in enumerate(shown) if s == play.words["A new hand is dealt"] and i > 0]
    shown = shown[:dealt[-1]] if dealt and not play.games else shown
    assert shown, f"[{play.lang}] the program showed no sentence"
    # Each sentence shown is spoken once, in order: the run of spoken texts holds them in
    # sequence (R repeats one on purpose: that one may be heard twice).
    at = 0
    for sentence in shown:
        found = next((i for i in range(at, len(texts)) if texts[i] == sentence), None)
        assert found is not None, f"[{play.lang}] never spoken, or out of order: {sentence!r}\nspoken: {texts[at:at + 8]}"
        at = found + 1
    heard = texts[:at]  # up to the next hand's deal
    for sentence in set(shown):
        assert heard.count(sentence) == shown.count(sentence), \
            f"[{play.lang}] {sentence!r} shown {shown.count(sentence)} times, spoken {heard.count(sentence)}"
    moves = [s for s in shown if any(m.match(s) for m in play.moves)]
    drawn = [s for s in shown if s.startswith(play.words["You draw %1 into slot %2"].split("%1")[0])]
    hint = [s for s in shown if s.startswith(play.words["Hint: play %1"].split("%1")[0])
            or s.startswith(play.words["Hint: discard %1"].split("%1")[0])]
    assert moves and drawn and hint, f"[{play.lang}] moves {len(moves)}, draws {len(drawn)}, hints {len(hint)}"
    assert any(t.startswith(play.words["Undone"]) and len(t) > len(play.words["Undone"]) + 3 for t in texts), f"[{play.lang}] Undo was not spoken"
    # A move's sentence names a card laid for both to see, a draw's the player's own card;
    # anything else Orca said until the next deal names only cards seen.
    for text in set(heard) - set(play.help):  # the help names every card
        if not any(m.match(text) for m in play.moves + [play.drawn]):
            assert not play.named(text) - play.seen, f"[{play.lang}] {text!r} names a hidden card"
    once(play, texts, play.lang)
    # The combo box: its label and value spoken on focus, its new value on change.
    label = play.words["Difficulty"]
    near = [" ".join(texts[i:i + 4]) for i, text in enumerate(texts) if label in text]
    assert any(play.combo[0] in words for words in near), \
        f"[{play.lang}] the combo box {label!r} was not spoken with its value {play.combo[0]!r}"
    armed = [play.words["Tap a card to discard it"], play.words["Tap a card to play it"]]
    assert set(armed) <= set(texts) and play.refusal in texts + [None], f"[{play.lang}] D or {play.refusal!r} unsaid"
    print(f"[{play.lang}] D spoken {texts.count(armed[0])}x armed; refusal {play.refusal!r} spoken; "
          f"help lines {len(play.help)} (table rows read); Host: {[t for t in texts if play.words['Join code:'] in t]}")
    print(f"[{play.lang}] winner {play.result!r} spoken once; combo box {play.combo[0]!r} -> {play.combo[1]!r}, both spoken")
    print(f"[{play.lang}] {len(moves)} moves, {len(drawn)} draws, {len(shown)} sentences, all spoken once in order")
    report(play.lang, timed(play, said))


class Guest(Heard):
    """The guest of tarmigo-peer (loopback) by keys; the host stopped and started again after
    the guest's 8th move: the drop, a tap while cut off and the return are heard."""
    def first_turn(self):
        self.peer = subprocess.Popen(PEER + ["--new"])
        self.words.update({w: w for w in ("Join...", "Reconnected to Player 1")})
        self.menu("New", "Network Game", "Join...")
        self.pump(1)
        for args in (["type", "127.0.0.1:47493"], ["key", "Tab"], ["type", "ACDEFG"], ["key", "Return"]):
            reader.xdo(*args)
        assert self.hears("Player 1", 10), "the guest never joined"

    def key(self, key, window=None):
        super().key(key, window)
        if key.isdigit() and len(self.keys) == 8 and self.peer.args[-1] == "--new":
            self.peer.kill()
            self.peer.wait()
            lost = "reconnecting"  # the notice of a drop, whatever its cause
            count = len(spoken(self.orca.log)) if self.hears(lost) else 10**9
            assert super().key("1") or self.hears(lost, 3, count), "a drop, or a tap cut off, was not said"
            self.peer = subprocess.Popen(PEER)
            assert self.hears(self.words["Reconnected to Player 1"], 15), "the return was not said"


class Hosting(Heard):
    """The host of a network game that tarmigo-peer joins on 127.0.0.1, played by keys."""
    def first_turn(self):
        self.menu("New", "Network Game", "Host...")
        assert self.hears("Join code:", 5), "the Host dialog did not say its code"
        code = next(m[1] for _, t in spoken(self.orca.log) if (m := re.search(r"Join code: (\w{6})", t)))
        window = self.newest()
        self.key("ctrl+a", window)
        reader.xdo("type", "--window", window, str(HOSTED))
        self.key("Return", window)  # Host
        count = len(spoken(self.orca.log))
        self.peer = subprocess.Popen([PEER[0], "join", f"127.0.0.1:{HOSTED}", "--code", code, "--level", "easy",
                                      "--games", "9", "--data-dir", PEER[-1]], stdout=subprocess.DEVNULL)
        assert self.hears(self.words["A new hand is dealt"], 15, count), "the guest never joined"


def network(play, said):
    """A network game: the result once, and the time from key to the seat's own move."""
    once(play, [t for _, t in said], play.side)
    print(f"[{play.side}] result {play.result!r} spoken once" + "; drop, tap cut off and return heard" * (play.side == "guest"))
    seat = "Player 2 " if play.side == "guest" else "Player 1 "
    report(play.side, timed(play, said, lambda sentence: sentence.startswith(seat)))


def main():
    args = [a for a in sys.argv[3:] if a not in ("--games", "--guest") + tuple(PEER[:1])]
    sides = {"guest": Guest, "host": Hosting}
    runs = args if not PEER or set(sides) & set(args) else list(sides) + (args or ["en", "fr"])
    for lang in runs or ["en", "fr"]:
        home = reader.tempfile.mkdtemp()
        orca = Orca(home)
        try:
            play = sides.get(lang, Heard)(sys.argv[1], sys.argv[2], "en" if lang in sides else lang,
                                          "--games" in sys.argv, orca)
            play.side = lang
            play.run()
            time.sleep(1.0)  # Orca's last words
            (network if lang in sides else check)(play, spoken(orca.log))
        except AssertionError:
            print("Orca's last words:", *[text for _, text in spoken(orca.log)[-30:]], sep="\n  ")
            raise
        finally:
            if keep := os.environ.get("TARMIGO_ORCA_LOGS"):  # Orca's whole log, for a look after
                shutil.copy(orca.log, f"{keep}/orca-{lang}.log")
            if lang in sides and hasattr(play, "peer"):
                play.peer.kill()
                shutil.rmtree(PEER[-1], ignore_errors=True)
            orca.stop()
            shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: orca_test.py PROGRAM SOURCE_DIR [--games] [--guest PEER] [LANG ...]")
    if not os.environ.get("TARMIGO_A11Y_INNER"):
        pieces()
        reader.outer()
    running = reader.desktop()
    try:
        main()
    finally:
        for process in running:
            process.terminate()
