#!/usr/bin/env python3
"""A man in the middle on the loopback address between tarmigo-peer's host and guest.
On a connection each, it changes a byte of the guest's first sealed record, drops its
second, plays its third twice and swaps its second and third. Each closes with a reason
said on both sides, the host's saved game stays as it was, and nothing carried holds the
code, the seat key or, after the exchange, a plain message.   peer_tamper.py PEER"""
import os, shutil, socket, struct, subprocess, sys, tempfile, threading, time

PEER, CODE, CLEAR = sys.argv[1], "K7QX3D", 3  # hello, share, confirm in the clear
# Plain messages of a fixed size: (type, field count, body length).
PLAIN = {(2, 2, 9), (2, 2, 25), (3, 1, 3), (4, 2, 4), (5, 15, 65), (7, 0, 2), (8, 1, 3),
         (9, 0, 2), (11, 1, 18)}
FIRST = {"flip": 1, "drop": 2, "replay": 3, "swap": 2}  # the first record tampered with
work, seen, before = tempfile.mkdtemp(), [], {}
save = lambda: open(os.path.join(work, "host", "network-game"), "rb").read()


def settled():
    """The host's saved game once it has stayed the same for half a second: the host is
    done with what came before (a loaded machine may take a while over it)."""
    last, since, end = save(), time.monotonic(), time.monotonic() + 15
    while time.monotonic() - since < 0.5 and time.monotonic() < end:
        time.sleep(0.05)
        if (now := save()) != last:
            last, since = now, time.monotonic()
    return last


fail = lambda why: sys.exit("FAIL: " + why)


def relay(src, dst, tamper=None):
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
            frame, buf, i = buf[:n], buf[n:], i + 1
            seen.append(frame)
            sealed, out = i - CLEAR, [frame]  # the sealed record's number, from 1
            if tamper and sealed == FIRST[tamper]:
                before[tamper] = settled()
            if tamper == "flip" and sealed == 1:
                out = [frame[:-1] + bytes([frame[-1] ^ 1])]
            elif tamper == "drop" and sealed == 2:
                out = []
            elif tamper == "replay" and sealed == 3:
                out = [frame, frame]
            elif tamper == "swap" and sealed in (2, 3):
                out, held = ([frame, held] if held else []), frame
            try:
                dst.sendall(b"".join(out))
            except OSError:
                pass
    src.close(), dst.close()


# The host waits ten minutes before a move of its own: only the guest could change its game.
host = subprocess.Popen([PEER, "host", "--port", "0", "--bind", "127.0.0.1", "--code", CODE,
                         "--data-dir", work + "/host", "--pace", "600000"],
                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
port = int(host.stdout.readline().split()[1])
for tamper in FIRST:
    server = socket.create_server(("127.0.0.1", 0))
    guest = subprocess.Popen([PEER, "join", "127.0.0.1:%d" % server.getsockname()[1], "--code",
                              CODE, "--data-dir", work + "/guest", "--pace", "10000", "--wait",
                              "20"], stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True)
    down, up = server.accept()[0], socket.create_connection(("127.0.0.1", port))
    threads = [threading.Thread(target=relay, args=a) for a in ((down, up, tamper), (up, down))]
    [t.start() for t in threads]
    [t.join(30) for t in threads]
    _, err = guest.communicate(timeout=30)
    if guest.returncode == 0 or "does not open" not in err:
        fail("%s: the guest was not told why (%d): %s" % (tamper, guest.returncode, err))
    if save() != before.get(tamper):
        fail(tamper + ": the host's saved game changed")
    server.close()
host.terminate()
if host.communicate(timeout=10)[1].count("a connection closed: sealed message") != 4:
    fail("the host did not say why each connection closed")
key = bytes.fromhex(open(os.path.join(work, "guest", "guest-seat")).read().split()[1])
wire = b"".join(seen)
if CODE.encode() in wire or key in wire:
    fail("the code or the seat key went on the wire")
if any(len(f) > 5 and (f[4], f[5], len(f) - 4) in PLAIN for f in seen):
    fail("a plain message went on the wire")
shutil.rmtree(work)
print("ok")
