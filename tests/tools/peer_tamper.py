#!/usr/bin/env python3
"""A man in the middle on the loopback address between tarmigo-peer's host and guest.

One game, the guest's connections tampered with one after another, a case of CASES each
(changed, dropped, replayed, swapped or injected frames either way, in the exchange and
after it; then a flood of idle connections while the guest is away). Every case breaks
the line and the guest comes back: the game ends alike on both sides with a sound saved
game, the guest's seat key is never erased, no view comes twice on a connection, each
answer to the extension passes the turn, and nothing carried holds the code, the key or,
after the exchange, a plain message. Then a fake host that fails every exchange: the
guest's tries, their pace and its end.   peer_tamper.py PEER"""
import json, os, shutil, socket, struct, subprocess, sys, tempfile, threading, time

PEER, CODE = sys.argv[1], "K7QX3D"
# Plain messages of a fixed size but a refusal, which may come in the clear: (type, field
# count, body length).
PLAIN = {(2, 2, 9), (2, 2, 25), (4, 2, 4), (5, 15, 65), (7, 0, 2), (8, 1, 3), (9, 0, 2),
         (11, 1, 18)}
frame = lambda kind, body=b"": struct.pack("<IBB", 2 + len(body), kind, 1 if body else 0) + body
REFUSAL = lambda why: frame(3, bytes([why]))
SHARE_AT, TAG_AT = 23, 6  # a share's first byte (after flag and session id), a tag's
# (what, direction, the frame it acts at, counted from 1 in that direction, action, argument):
# the hello, share and confirm come first each way, then the sealed records. The cases that
# fail an exchange are kept apart, so that the guest gets in between them.
CASES = [
    ("the guest's share changed", "up", 2, "flip", SHARE_AT),
    ("a late record to the host changed", "up", 9, "flip", -1),
    ("the host's share changed", "down", 2, "flip", SHARE_AT),
    ("a late record to the guest, a view change, changed", "down", 9, "flip", -1),
    ("the guest's tag changed", "up", 3, "flip", TAG_AT),
    ("an early record to the guest changed", "down", 4, "flip", -1),
    ("the host's tag changed", "down", 3, "flip", TAG_AT),
    ("a record to the host dropped", "up", 5, "drop", None),
    ("the guest's join changed", "up", 4, "flip", -1),
    ("a record to the guest dropped", "down", 5, "drop", None),
    ("the host's share replaced by a clear 'seat freed'", "down", 2, "instead", REFUSAL(6)),
    ("a record to the host replayed", "up", 5, "replay", None),
    ("the host's tag replaced by a clear 'wrong code'", "down", 3, "instead", REFUSAL(1)),
    ("a record to the guest replayed", "down", 5, "replay", None),
    ("two records to the guest swapped", "down", 5, "swap", None),
    ("a clear keep-alive injected to the host", "up", 6, "before", frame(7)),
    ("a clear 'left' injected to the guest", "down", 6, "before", frame(9)),
    ("a clear error injected to the guest", "down", 6, "before", frame(10, b"\x01x")),
] + [("a clear refusal %d injected to the guest" % why, "down", 6, "before", REFUSAL(why))
     for why in range(1, 7)] + [("32 idle connections while the guest is away", "flood", 0, "", None)]
work, seen, keys, returns = tempfile.mkdtemp(), [], set(), []
fail = lambda why: sys.exit("FAIL: " + why)
pending = list(CASES)  # a case stays until it acted: a connection may end before its frame


def relay(src, dst, direction, case, acted):
    buf, i, held = b"", 0, None
    while True:
        try:
            data = src.recv(65536)
        except OSError:
            data = b""
        if not data:
            break
        buf += data
        while len(buf) >= 4 and len(buf) >= 4 + struct.unpack("<I", buf[:4])[0]:
            n = 4 + struct.unpack("<I", buf[:4])[0]
            f, buf, i = buf[:n], buf[n:], i + 1
            seen.append(f)
            out = [f]
            if direction == "down" and i == 4 and acted.get("flood"):
                returns.append(time.monotonic() - acted["flood"])
            if case and case[1] == direction and (i == case[2] or (held and i == case[2] + 1)):
                what, action, arg = case[0], case[3], case[4]
                acted[what] = True
                at = arg if isinstance(arg, int) else -1
                out = {"flip": [f[:at] + bytes([f[at] ^ 1]) + f[at:][1:]], "drop": [],
                       "replay": [f, f], "before": [arg, f], "instead": [arg],
                       "swap": [f, held] if held else []}[action]
                held = f if action == "swap" and not held else None
            try:
                dst.sendall(b"".join(out))
            except OSError:
                pass
    for s in (src, dst):  # wakes the other direction's thread
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        s.close()


def relay_all(server, port):
    while True:
        try:
            down = server.accept()[0]
        except OSError:
            return
        if os.path.exists(work + "/guest/guest-seat"):
            keys.add(open(work + "/guest/guest-seat").read())
        case, acted, flood = (pending[0] if pending else None), {}, []
        if case and case[1] == "flood":
            flood = [socket.create_connection(("127.0.0.1", port)) for _ in range(32)]
            acted["flood"], acted[case[0]] = time.monotonic(), True
        up = socket.create_connection(("127.0.0.1", port))
        threads = [threading.Thread(target=relay, args=(down, up, "up", case, acted)),
                   threading.Thread(target=relay, args=(up, down, "down", case, acted))]
        [t.start() for t in threads]
        [t.join() for t in threads]
        [s.close() for s in flood]
        if case and acted.get(case[0]):
            pending.pop(0)


def peer(*args, data):
    return subprocess.Popen([PEER, *args, "--data-dir", work + "/" + data, "--pace", "3"],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


# A fake host: it reads the guest's hello and share and closes. A first-time guest tries
# six times, waiting twice as long each time, then stops with a plain message.
fake, tries = socket.create_server(("127.0.0.1", 0)), []
def fake_host():
    while True:
        try:
            s = fake.accept()[0]
        except OSError:
            return
        tries.append(time.monotonic())
        s.recv(4096), s.close()
threading.Thread(target=fake_host, daemon=True).start()
first = peer("join", "127.0.0.1:%d" % fake.getsockname()[1], "--code", CODE, data="first")

host = peer("host", "--port", "0", "--bind", "127.0.0.1", "--code", CODE, "--games", "2",
            "--seed", "5", data="host")
port = int(host.stdout.readline().split()[1])
server = socket.create_server(("127.0.0.1", 0))
threading.Thread(target=relay_all, args=(server, port), daemon=True).start()
guest = peer("join", "127.0.0.1:%d" % server.getsockname()[1], "--code", CODE, "--games", "2",
             "--seed", "6", "--log", work + "/guest.log", data="guest")
out, err = guest.communicate(timeout=240)
hout, herr = host.communicate(timeout=30)
server.close()
if guest.returncode or host.returncode:
    fail("the guest exited with %d, the host with %d: %s%s" % (guest.returncode, host.returncode,
                                                              err[-600:], herr[-600:]))
if pending:
    fail("the games ended before these cases: %s" % [c[0] for c in pending])
over = lambda text: [l for l in text.splitlines() if l.startswith("game over")]
if over(out) != over(hout) or len(over(out)) != 2:
    fail("the results differ: %s / %s" % (over(out), over(hout)))
if subprocess.run([PEER, "check", "--data-dir", work + "/host"], capture_output=True).returncode:
    fail("the host's saved game is not sound")
key = keys.pop().split()[-1] if len(keys) == 1 else ""
if len(key) != 32:
    fail("the guest's seat key changed or was erased on the way: %s" % keys)
if err.count("interrupted or altered") < len(CASES) - 1:
    fail("the guest was not told each time: " + err[-600:])
if not returns or max(returns) > 2:
    fail("the guest came back through the flood after %s s" % returns)
# The guest's log, a connection at a time: no view twice in a row, and an answer to the
# extension passes the turn (the guest's from its question, the host's from its 700 miles).
views = []
for line in open(work + "/guest.log"):
    m = json.loads(line)
    if m["type"] == "hello":
        views.append([])
    elif m["type"] == "view":
        views[-1].append(m)
for a, b in ((a, b) for c in views for a, b in zip(c, c[1:])):
    if a == b:
        fail("a view came twice: %s" % a)
    if (a["asked"] and not b["asked"] and not b["handOver"] and b["current"] != 0) or \
            (a["race"] < b["race"] and a["current"] == b["current"]):
        fail("an answer to the extension kept the turn: %s then %s" % (a, b))
wire = b"".join(seen)
if CODE.encode() in wire or bytes.fromhex(key) in wire:
    fail("the code or the seat key went on the wire")
if any(len(f) > 5 and (f[4], f[5], len(f) - 4) in PLAIN for f in seen):
    fail("a plain message went on the wire")

_, err = first.communicate(timeout=60)
fake.close()
gaps = [round(b - a, 2) for a, b in zip(tries, tries[1:])]
if first.returncode != 4 or "could not get through" not in err or len(tries) != 6 or \
        any(g < 0.2 * 2 ** k for k, g in enumerate(gaps)):
    fail("against a fake host the guest tried %d times, %s s apart, and said: %s" %
         (len(tries), gaps, err))
print("%d cases resumed; back through the flood in %.3f s; a fake host got %d tries in %.1f s"
      % (len(CASES), max(returns), len(tries), tries[-1] - tries[0]))
shutil.rmtree(work)
print("ok")
