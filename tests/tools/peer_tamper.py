#!/usr/bin/env python3
"""A man in the middle on the loopback address between tarmigo-peer's host and guest.

On its own connection each, it changes a byte of the guest's first sealed record, drops
its second, plays the third twice, and swaps the second with the third. Each closes the
connection with a reason said on both sides, the host's saved game stays as it was, and
nothing it carried holds the join code, the seat key or, after the key exchange, a plain
message.   peer_tamper.py PEER
"""
import os
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time

PEER, CODE, CLEAR = sys.argv[1], "K7QX3D", 3  # hello, share, confirmation in the clear
# Plain messages of a fixed size: (type, field count, body length).
PLAIN = {(2, 2, 9), (2, 2, 25), (3, 1, 3), (4, 2, 4), (5, 15, 65), (7, 0, 2), (8, 1, 3),
         (9, 0, 2), (11, 1, 18)}
work = tempfile.mkdtemp()
seen = []


def fail(why):
    print("FAIL:", why)
    sys.exit(1)


def frames(sock):
    buf = b""
    while True:
        while len(buf) >= 4 and len(buf) >= 4 + struct.unpack("<I", buf[:4])[0]:
            n = 4 + struct.unpack("<I", buf[:4])[0]
            frame, buf = buf[:n], buf[n:]
            seen.append(frame)
            yield frame
        try:
            data = sock.recv(65536)
        except OSError:
            return
        if not data:
            return
        buf += data


FIRST = {"flip": 1, "drop": 2, "replay": 3, "swap": 2}  # the first record tampered with
before = {}


def relay(src, dst, tamper=None):
    held = None
    for i, frame in enumerate(frames(src)):
        sealed = i + 1 - CLEAR  # the sealed record's number, from 1
        if tamper and sealed == FIRST[tamper]:
            time.sleep(0.3)  # the host is done with what came before
            before[tamper] = save()
        out = [frame]
        if tamper == "flip" and sealed == 1:
            out = [frame[:-1] + bytes([frame[-1] ^ 1])]
        elif tamper == "drop" and sealed == 2:
            out = []
        elif tamper == "replay" and sealed == 3:
            out = [frame, frame]
        elif tamper == "swap" and sealed in (2, 3):
            out, held = ([frame, held] if held else []), frame
        try:
            for f in out:
                dst.sendall(f)
        except OSError:
            return
    for s in (src, dst):
        s.close() if s.fileno() >= 0 else None


def save():
    with open(os.path.join(work, "host", "network-game"), "rb") as f:
        return f.read()


host = subprocess.Popen([PEER, "host", "--port", "0", "--bind", "127.0.0.1", "--code", CODE,
                         "--data-dir", work + "/host", "--pace", "10000"],
                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
port = int(host.stdout.readline().split()[1])
for tamper in ("flip", "drop", "replay", "swap"):
    server = socket.create_server(("127.0.0.1", 0))
    guest = subprocess.Popen([PEER, "join", "127.0.0.1:%d" % server.getsockname()[1],
                              "--code", CODE, "--data-dir", work + "/guest", "--pace", "10000",
                              "--wait", "20"], stderr=subprocess.PIPE, text=True,
                             stdout=subprocess.DEVNULL)
    down, _ = server.accept()
    up = socket.create_connection(("127.0.0.1", port))
    threads = [threading.Thread(target=relay, args=(down, up, tamper)),
               threading.Thread(target=relay, args=(up, down))]
    for t in threads:
        t.start()
    for t in threads:
        t.join(30)
    _, err = guest.communicate(timeout=30)
    if guest.returncode == 0 or "does not open" not in err:
        fail("%s: the guest was not told why (%d): %s" % (tamper, guest.returncode, err))
    if save() != before.get(tamper):
        fail(tamper + ": the host's saved game changed")
    server.close()
host.terminate()
_, err = host.communicate(timeout=10)
if err.count("a connection closed: sealed message") != 4:
    fail("the host did not say why each connection closed: " + err)
with open(os.path.join(work, "guest", "guest-seat")) as f:
    key = bytes.fromhex(f.read().split()[1])
wire = b"".join(seen)
if CODE.encode() in wire or key in wire:
    fail("the code or the seat key went on the wire")
plain = [f for f in seen if len(f) > 5 and (f[4], f[5], len(f) - 4) in PLAIN]
if plain:
    fail("plain messages on the wire: %s" % [f.hex() for f in plain[:3]])
print("ok")
