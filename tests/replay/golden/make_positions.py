#!/usr/bin/env python3
"""Writes the golden-image replay scripts: each stores a crafted game position in
both copies, starts the program, and renders the board. Run it again after changing
a position; the scripts it writes are committed and the tests do not need Python."""

DECK = ("ffffffffffgggggggggghhhhhhhhhhiiiiiiiiiiiijjjjvwxuqqrrssppppllllllmmmmmmnnnnnn"
        "kkkkkkkkkkkkkktttoooooo")
VALUES = [25, 50, 75, 100, 200]
DEFAULT_FLAGS = 0x1 | 0x2 | 0x4 | (1 << 10)  # sort, sounds, animate; discard "tap card twice"


def player(hand="fghiklp", battle=0, safeties=0, coup=0, speed=0, dist=(0, 0, 0, 0, 0),
           hand_score=None, game_score=0, won1=0, won2=0, selected=0, draw=0):
    miles = sum(n * v for n, v in zip(dist, VALUES))
    status = (safeties | coup << 4 | battle << 8 | draw << 12 | selected << 16 |
              (selected << 20 if selected else 0) | speed << 28)
    score = miles + 100 * bin(safeties).count("1") + 300 * bin(coup).count("1")
    b = status.to_bytes(4, "little") + miles.to_bytes(2, "little")
    b += (score if hand_score is None else hand_score).to_bytes(2, "little")
    b += game_score.to_bytes(2, "little") + won1.to_bytes(2, "little") + won2.to_bytes(2, "little")
    return b + bytes(dist) + hand.encode() + bytes(2)


def record(p0, p1, flags=DEFAULT_FLAGS, deck_pos=40, discard_top=0, winner=0, race=700,
           players=1, current=0):
    r = flags.to_bytes(4, "little") + bytes(19) + bytes([deck_pos, discard_top, winner])
    r += race.to_bytes(2, "little") + bytes([1]) + bytes(3) + (8).to_bytes(4, "little")
    body = bytes([1, 0]) + bytes(5) + r + p0 + p1 + bytes([players, current])
    body += DECK.encode() + bytes(42)
    return (sum(body) & 0xFFFFFFFF).to_bytes(4, "little") + body


POSITIONS = {
    "coup-fourre": record(
        player("fgghikl", battle=1, safeties=0b0010, coup=0b0010, dist=(1, 1, 0, 0, 0)),
        player("ghhikmn", battle=1, dist=(0, 0, 1, 1, 0)), deck_pos=30, discard_top=ord("p")),
    "speed-limit": record(
        player("fgghhko", battle=1, dist=(1, 0, 0, 1, 0)),
        player("fghiilm", battle=1, speed=1, dist=(2, 0, 0, 0, 0)), deck_pos=33),
    "miles-350": record(
        player("fghiikl", battle=1, dist=(0, 1, 0, 1, 1)),
        player("ghikmnp", battle=6, dist=(1, 0, 1, 0, 0)), deck_pos=52),
    "two-left": record(
        player("fggiknp", battle=1, safeties=0b1001, dist=(2, 1, 2, 1, 1), game_score=1250),
        player("fhiklmq", battle=8, dist=(1, 2, 1, 2, 0), game_score=980, won1=1), deck_pos=99,
        discard_top=ord("h")),
    "pile-exhausted": record(
        player("fgyyyyy", battle=1, dist=(2, 2, 2, 2, 0)),
        player("hiyyyyy", battle=7, dist=(0, 2, 2, 1, 1)), deck_pos=101, discard_top=ord("t")),
    "hand-won": record(
        player("fgiklmy", battle=1, safeties=0b0100, dist=(0, 2, 0, 4, 1), hand_score=1400,
               game_score=1400),
        player("ghhklnp", battle=1, dist=(0, 1, 2, 2, 0), hand_score=400, game_score=400),
        flags=DEFAULT_FLAGS | 0x10, deck_pos=77, discard_top=ord("q")),
    "handover": record(
        player("fgghikl", battle=1, dist=(1, 0, 0, 1, 0)),
        player("ghiklmy", battle=6, dist=(0, 1, 0, 0, 0), draw=7),
        flags=DEFAULT_FLAGS | 0x40, deck_pos=36, players=2, current=1, discard_top=ord("k")),
    "greyed-hand": record(
        player("hijlmpt", battle=6, speed=1, dist=(1, 0, 0, 0, 0)),
        player("fgikkno", battle=0, safeties=0b0001),
        flags=DEFAULT_FLAGS | 0x8, deck_pos=25),
}

for name, rec in POSITIONS.items():
    assert len(rec) == 248
    with open(f"../golden-{name}.script", "w") as f:
        f.write(f"# The board of a crafted position: {name.replace('-', ' ')}.\n")
        f.write(f"put file {rec.hex()}\nput second {rec.hex()}\nstart\n")
        f.write(f"render golden-{name}.png\n")
with open("../golden-start.script", "w") as f:
    f.write("# The board at the start of a one-player game.\nclock 1000\nstart\n"
            "render golden-start.png\n")
