#!/usr/bin/env python3
"""A man in the middle on the loopback address between tarmigo-peer's host and guest: each
connection of the guest gets the next case of CASES until all have acted. Every case breaks
the line and the guest comes back; the games end alike on both sides with a sound saved
game, the seat key kept, and nothing carried holding the code, the key or a plain message.
Meanwhile a fake host fails every exchange: the guest's tries, their pace and its end."""
import os, shutil, socket, struct, subprocess, sys, tempfile, threading, time

PEER, CODE = sys.argv[1], "K7QX3D"
# Plain messages of a fixed size (a refusal may come in the clear): (type, count, length).
# From a connection's fourth frame each way only sealed records pass, at least 17 bytes
# long, whose first bytes are random: one as long as a plain view is no plain view, and a
# plain join or seat would hold the code or the key, looked for apart.
PLAIN = {(2, 2, 9), (2, 2, 25), (4, 2, 4), (5, 15, 65), (7, 0, 2), (8, 1, 3), (9, 0, 2), (11, 1, 18)}
frame = lambda kind, body=b"": struct.pack("<IBB", 2 + len(body), kind, 1 if body else 0) + body
no = lambda why: frame(3, bytes([why]))
# (what, direction, the frame acted at, from 1 each way: the hello, share and confirm, then
# the sealed records; action, argument: the byte changed or the frame put in). The cases that
# fail an exchange alternate with the others, so that the guest gets in between them.
CASES = [("the guest's share changed", "up", 2, "flip", 23), ("a late record up changed", "up", 9, "flip", -1),
         ("the host's share changed", "down", 2, "flip", 23), ("a view change changed", "down", 9, "flip", -1),
         ("the guest's tag changed", "up", 3, "flip", 6), ("an early record down changed", "down", 4, "flip", -1),
         ("the host's tag changed", "down", 3, "flip", 6), ("a record up dropped", "up", 5, "drop", 0),
         ("the guest's join changed", "up", 4, "flip", -1), ("a record down dropped", "down", 5, "drop", 0),
         ("a clear 'seat freed' for the host's share", "down", 2, "instead", no(6)),
         ("a record up replayed", "up", 5, "replay", 0),
         ("a clear 'wrong code' for the host's tag", "down", 3, "instead", no(1)),
         ("a record down replayed", "down", 5, "replay", 0), ("two records down swapped", "down", 5, "swap", 0),
         ("a clear keep-alive up", "up", 6, "before", frame(7)), ("a clear leaving down", "down", 6, "before", frame(9)),
         ("a clear error down", "down", 6, "before", frame(10, b"\x01x"))] + \
        [("a clear refusal %d down" % r, "down", 6, "before", no(r)) for r in range(1, 7)] + \
        [("32 idle connections while the guest is away", "flood", 0, "", 0)]
work, seen, keys, returns, faults, pending = tempfile.mkdtemp(), [], set(), [], [], list(CASES)
fail = lambda why: sys.exit("FAIL: " + why)


def relay(src, dst, direction, case, acted):
    buf, i, held = b"", 0, None
    while data := src.recv(65536):
        buf += data
        while len(buf) >= 4 and len(buf) >= 4 + struct.unpack("<I", buf[:4])[0]:
            n = 4 + struct.unpack("<I", buf[:4])[0]
            f, buf, i = buf[:n], buf[n:], i + 1
            seen.append((i, f))
            out = [f]
            if direction == "down" and i == 4 and "flood" in acted:
                returns.append(time.monotonic() - acted["flood"])
            if case and case[1] == direction and (i == case[2] or (held and i == case[2] + 1)):
                (act, at), acted[case[0]] = case[3:], True
                out = ([f[:at] + bytes([f[at] ^ 1]) + f[at:][1:]] if act == "flip" else [] if act == "drop"
                       else [f, f] if act == "replay" else [at, f] if act == "before" else [at]
                       if act == "instead" else [f, held] if held else [])
                held = f if act == "swap" and not held else None
            dst.sendall(b"".join(out))


def pipe(src, dst, *args):
    try:
        relay(src, dst, *args)
    except OSError:
        pass
    except Exception as e:  # the relay's own fault fails the test
        faults.append(e)
    for s in (src, dst):  # wakes the other direction's thread
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def relay_all(server, port):
    while True:
        down = server.accept()[0]
        if os.path.exists(work + "/guest/guest-seat"):
            keys.add(open(work + "/guest/guest-seat").read())
        case, acted, flood = (pending[0] if pending else None), {}, []
        if case and case[1] == "flood":
            flood = [socket.create_connection(("127.0.0.1", port)) for _ in range(32)]
            acted["flood"], acted[case[0]] = time.monotonic(), True
        up = socket.create_connection(("127.0.0.1", port))
        threads = [threading.Thread(target=pipe, args=a) for a in
                   ((down, up, "up", case, acted), (up, down, "down", case, acted))]
        [t.start() for t in threads]
        [t.join() for t in threads]
        [s.close() for s in flood + [up, down]]
        if case and acted.get(case[0]):
            pending.pop(0)


def peer(*args, data):
    return subprocess.Popen([PEER, *args, "--data-dir", work + "/" + data, "--pace", "3"],
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)


def fake_host(fake, tries):  # reads the guest's hello and share, and closes
    while s := fake.accept()[0]:
        tries.append(time.monotonic())
        s.recv(4096), s.close()


fake, tries, server = socket.create_server(("127.0.0.1", 0)), [], socket.create_server(("127.0.0.1", 0))
threading.Thread(target=fake_host, args=(fake, tries), daemon=True).start()
first = peer("join", "127.0.0.1:%d" % fake.getsockname()[1], "--code", CODE, data="first")
host = peer("host", "--port", "0", "--bind", "127.0.0.1", "--code", CODE, "--games", "2", "--seed", "5", data="host")
threading.Thread(target=relay_all, args=(server, int(host.stdout.readline().split()[1])), daemon=True).start()
guest = peer("join", "127.0.0.1:%d" % server.getsockname()[1], "--code", CODE, "--games", "2", "--seed", "6", data="guest")
out, err = guest.communicate(timeout=240)
if guest.returncode:
    host.kill()
hout, herr = host.communicate(timeout=30)
over = lambda text: [l for l in text.splitlines() if l.startswith("game over")]
key = keys.pop().split()[-1] if len(keys) == 1 else ""
if guest.returncode or host.returncode or pending or faults or len(over(out)) != 2 or over(out) != over(hout):
    fail("exits %d and %d, cases left %s, results %s / %s, %s: %s" % (guest.returncode, host.returncode,
         [c[0] for c in pending], over(out), over(hout), faults, err[-600:]))
if subprocess.run([PEER, "check", "--data-dir", work + "/host"], capture_output=True).returncode:
    fail("the host's saved game is not sound")
if len(key) != 32 or err.count("interrupted or altered") < len(CASES) - 1:
    fail("the seat key changed or was erased (%s), or the guest was not told: %s" % (keys, err[-600:]))
# Back before the first idle connection's 5 s are up: the host made room rather than
# waiting for the flood to time out (the time itself is measured in bench/net).
if not returns or max(returns) >= 5:
    fail("the guest came back through the flood after %s s" % returns)
wire = b"".join(f for _, f in seen)
if CODE.encode() in wire or bytes.fromhex(key) in wire or \
        any(len(f) > 5 and (i < 4 or len(f) < 21) and (f[4], f[5], len(f) - 4) in PLAIN for i, f in seen):
    fail("the code, the seat key or a plain message went on the wire")

# Against the fake host a first-time guest tries six times, waiting twice as long each time.
_, err = first.communicate(timeout=60)
gaps = [round(b - a, 2) for a, b in zip(tries, tries[1:])]
if first.returncode != 4 or "could not get through" not in err or len(tries) != 6 or \
        any(g < 0.2 * 2 ** k for k, g in enumerate(gaps)):
    fail("against a fake host the guest tried %d times, %s s apart, and said: %s" % (len(tries), gaps, err))
print("%d cases resumed; back through the flood in %.3f s; a fake host got %d tries in %.1f s"
      % (len(CASES), max(returns), len(tries), tries[-1] - tries[0]))
shutil.rmtree(work)
print("ok")
