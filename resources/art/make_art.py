#!/usr/bin/env python3
"""Writes the board, button and icon pictures of Tarmigo as XPM files.

The XPM files next to this script are the ones the program uses; this script
only regenerates them from the shared pieces below (card frame, colour bands,
digit fonts, pictograms), so that a change to a common piece reaches every
picture.  Python 3 standard library only.

    python3 make_art.py                 # rewrite the XPM files
    python3 make_art.py --sheet out.png # also write a contact sheet (1x and 3x)
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Symbol, colour, name.  The sixteen colours of the standard palette, plus the
# transparent symbol used only by the button strip and the icons.
PALETTE = [
    ('#', '#000000', 'black'),
    ('m', '#800000', 'maroon'),
    ('d', '#008000', 'green'),
    ('o', '#808000', 'olive'),
    ('n', '#000080', 'navy'),
    ('p', '#800080', 'purple'),
    ('t', '#008080', 'teal'),
    ('+', '#808080', 'grey'),
    ('s', '#C0C0C0', 'silver'),
    ('r', '#FF0000', 'red'),
    ('g', '#00FF00', 'lime'),
    ('y', '#FFFF00', 'yellow'),
    ('b', '#0000FF', 'blue'),
    ('f', '#FF00FF', 'fuchsia'),
    ('c', '#00FFFF', 'aqua'),
    ('.', '#FFFFFF', 'white'),
    (' ', 'None', 'transparent'),
]
COLOUR = {sym: col for sym, col, _ in PALETTE}


class Pic:
    def __init__(self, w, h, fill='.'):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fills the box x0..x1, y0..y1 (inclusive)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def blit(self, x0, y0, art, skip=None):
        """Copies string art; characters equal to `skip` leave the pixel alone."""
        for dy, row in enumerate(art):
            for dx, c in enumerate(row):
                if c != skip:
                    self.set(x0 + dx, y0 + dy, c)

    def rows(self):
        return [''.join(r) for r in self.px]


def art(text):
    """String art from a block of text: one line per row, margins stripped."""
    lines = [l.strip() for l in text.strip().split('\n')]
    width = len(lines[0])
    for l in lines:
        assert len(l) == width, (l, width)
    return lines


# ---------------------------------------------------------------- card frame

CARD_W, CARD_H = 18, 26
# The picture area between the two bands: columns 1..16, rows 4..21.
INNER_X, INNER_Y, INNER_W, INNER_H = 1, 4, 16, 18


def card_frame(border='#', fill='.', w=CARD_W, h=CARD_H, corner='.'):
    """A card with a one-pixel border whose corner pixels are left out."""
    p = Pic(w, h, fill)
    p.frame(0, 0, w - 1, h - 1, border)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        p.set(x, y, corner)
    return p


def card_face(band, picture):
    p = card_frame()
    p.rect(1, 1, CARD_W - 2, 3, band)
    p.rect(1, CARD_H - 4, CARD_W - 2, CARD_H - 2, band)
    assert len(picture) == INNER_H and all(len(r) == INNER_W for r in picture)
    p.blit(INNER_X, INNER_Y, picture)
    return p


# ---------------------------------------------------------------- digits

# Tall digits for the two-digit distances, two-pixel strokes.
BIG_DIGITS = {
    '0': art('''
        .####.
        ##..##
        ##..##
        ##..##
        ##..##
        ##..##
        ##..##
        ##..##
        .####.
    '''),
    '2': art('''
        .####.
        ##..##
        ....##
        ....##
        ...##.
        ..##..
        .##...
        ##....
        ######
    '''),
    '5': art('''
        ######
        ##....
        ##....
        #####.
        ....##
        ....##
        ....##
        ##..##
        .####.
    '''),
    '7': art('''
        ######
        ....##
        ....##
        ...##.
        ...##.
        ..##..
        ..##..
        ..##..
        ..##..
    '''),
}

# Narrow digits for the three-digit distances, so that 100 and 200 fit.
NARROW_DIGITS = {
    '0': art('''
        .##.
        #..#
        #..#
        #..#
        #..#
        #..#
        #..#
        #..#
        .##.
    '''),
    '1': art('''
        .#.
        ##.
        .#.
        .#.
        .#.
        .#.
        .#.
        .#.
        ###
    '''),
    '2': art('''
        .##.
        #..#
        ...#
        ...#
        ..#.
        .#..
        #...
        #...
        ####
    '''),
}

# Small digits for the speed signs.
SIGN_DIGITS = {
    '5': art('''
        ###
        #..
        ##.
        ..#
        ..#
        ##.
    '''),
    '0': art('''
        .#.
        #.#
        #.#
        #.#
        #.#
        .#.
    '''),
}


def number_art(text, font, gap):
    glyphs = [font[ch] for ch in text]
    h = len(glyphs[0])
    rows = []
    for y in range(h):
        rows.append(('.' * gap).join(g[y] for g in glyphs))
    return rows


def centred(picture_w, picture_h, piece):
    """Places `piece` in the middle of an empty picture of the given size."""
    p = Pic(picture_w, picture_h)
    pw, ph = len(piece[0]), len(piece)
    p.blit((picture_w - pw) // 2, (picture_h - ph) // 2, piece)
    return p.rows()


def distance_picture(miles):
    text = str(miles)
    if len(text) == 2:
        number = number_art(text, BIG_DIGITS, 2)
    else:
        number = number_art(text, NARROW_DIGITS, 1)
    return centred(INNER_W, INNER_H, number)


# ---------------------------------------------------------------- pictograms
# Each picture fills the 16 x 18 area between the bands.

def traffic_light(lit_top):
    """Go and Stop: three round lamps in a black housing with side visors."""
    pic = art('''
        ................
        .....######.....
        .....##TT##.....
        ....##TTTT##....
        .....#TTTT#.....
        .....##TT##.....
        .....######.....
        .....##MM##.....
        ....##MMMM##....
        .....#MMMM#.....
        .....##MM##.....
        .....######.....
        .....##BB##.....
        ....##BBBB##....
        .....#BBBB#.....
        .....##BB##.....
        .....######.....
        ................
    ''')
    top, bottom = ('r', '+') if lit_top else ('+', 'g')
    return [r.replace('T', top).replace('M', '+').replace('B', bottom) for r in pic]


# The round speed signs: a ring (red and two pixels wide for the limit, thin
# and black for its end), the number in the middle.
SIGN_RING = art('''
    ................
    ................
    .....XXXXXX.....
    ...XXxxxxxxXX...
    ..Xxx......xxX..
    ..Xx........xX..
    .Xx..........xX.
    .Xx..........xX.
    .Xx..........xX.
    .Xx..........xX.
    .Xx..........xX.
    .Xx..........xX.
    ..Xx........xX..
    ..Xxx......xxX..
    ...XXxxxxxxXX...
    .....XXXXXX.....
    ................
    ................
''')


def speed_sign(limit):
    """SpeedLimit (limit True): red ring, black 50.  EndOfLimit: thin black
    ring, grey 50 struck through by a black band from upper right to lower
    left."""
    outer, inner = ('r', 'r') if limit else ('#', '.')
    p = Pic(INNER_W, INNER_H)
    p.blit(0, 0, [r.replace('X', outer).replace('x', inner) for r in SIGN_RING])
    number = number_art('50', SIGN_DIGITS, 2)
    if not limit:
        number = [r.replace('#', '+') for r in number]
    p.blit(4, 6, number, skip='.')
    if not limit:
        for y in range(INNER_H):
            ring = [x for x in range(INNER_W) if SIGN_RING[y][x] == 'X']
            if len(ring) < 2:
                continue
            for x in range(ring[0] + 1, ring[-1]):
                if 15 <= x + y <= 17:
                    p.set(x, y, '#')
    return p.rows()


PICTURES = {}

# 108 Repairs: an open-ended wrench
PICTURES[108] = art('''
    ................
    ................
    ..........###...
    .........###....
    ........###...#.
    ........###..##.
    ........#######.
    .........#####..
    ........#####...
    .......###......
    ......###.......
    ..######........
    .#######........
    .##..##.........
    .##..##.........
    .######.........
    ..####..........
    ................
''')

# 109 Gasoline: a fuel pump with its hose
PICTURES[109] = art('''
    ................
    ................
    ...########.....
    ...#......#.##..
    ...#.####.#..#..
    ...#.#yy#.#..#..
    ...#.####.#..#..
    ...#......#..#..
    ...########..#..
    ...########..#..
    ...########.##..
    ...########.#...
    ...########.....
    ...########.....
    ...########.....
    ..##########....
    ................
    ................
''')

# 110 SpareTire: a wheel
PICTURES[110] = art('''
    ................
    ......####......
    ....########....
    ...##########...
    ..####ssss####..
    ..###ssssss###..
    .###ssssssss###.
    .###sss++sss###.
    .##sss+##+sss##.
    .##sss+##+sss##.
    .###sss++sss###.
    .###ssssssss###.
    ..###ssssss###..
    ..####ssss####..
    ...##########...
    ....########....
    ......####......
    ................
''')

# 111 EndOfLimit: the speed sign struck through
PICTURES[111] = speed_sign(False)

# 112 Stop: red lamp lit
PICTURES[112] = traffic_light(True)
# 107 Go: green lamp lit
PICTURES[107] = traffic_light(False)

# 113 Accident: two cars nose to nose under a burst
PICTURES[113] = art('''
    ................
    ................
    ..r....rr....r..
    ...r...rr...r...
    ....r..rr..r....
    .....r....r.....
    .rr..........rr.
    ...rr..yy..rr...
    ......yyyy......
    .....yyyyyy.....
    ......yyyy......
    ..bbb..yy..###..
    .bb.bb....##.##.
    .bbbbbb..######.
    .bbbbbbb#######.
    ..##.##..##.##..
    ................
    ................
''')

# 114 OutOfGas: a fuel gauge reading empty
PICTURES[114] = art('''
    ................
    ................
    .....######.....
    ...##..##..##...
    ..#..........#..
    .#.#........#.#.
    .#............#.
    .#rr..........#.
    .#rr##........#.
    .#r..####.....#.
    .##############.
    ................
    .###........###.
    .#..........#...
    .##.........##..
    .#..........#...
    .###........#...
    ................
''')

# 115 FlatTire: a wheel squashed on the road
PICTURES[115] = art('''
    ................
    ................
    ................
    ......####......
    ....########....
    ...###ssss###...
    ..###ssssss###..
    ..##ssssssss##..
    ..##sss++sss##..
    ..##ss+##+ss##..
    .###ss+##+ss###.
    .###sss++sss###.
    .####ssssss####.
    .##############.
    ..############..
    ++++++++++++++++
    ................
    ................
''')

# 116 SpeedLimit: a 50 sign
PICTURES[116] = speed_sign(True)

# 117 RightOfWay: the priority-road diamond
PICTURES[117] = art('''
    ................
    ................
    .......##.......
    ......#..#......
    .....#....#.....
    ....#..yy..#....
    ...#..yyyy..#...
    ..#..yyyyyy..#..
    .#..yyyyyyyy..#.
    .#..yyyyyyyy..#.
    ..#..yyyyyy..#..
    ...#..yyyy..#...
    ....#..yy..#....
    .....#....#.....
    ......#..#......
    .......##.......
    ................
    ................
''')

# 118 DrivingAce: a steering wheel
PICTURES[118] = art('''
    ................
    ................
    .....######.....
    ...##########...
    ..###......###..
    ..##........##..
    .##..........##.
    .##....##....##.
    .######..######.
    .######..######.
    .##....##....##.
    .##....##....##.
    ..##...##...##..
    ..###..##..###..
    ...##########...
    .....######.....
    ................
    ................
''')

# 119 ExtraTank: a jerrycan
PICTURES[119] = art('''
    ................
    ................
    ...##...........
    ..#.##..........
    .#...##########.
    .#.##rrrrrrrrr#.
    ..#rrrrrrrrrrr#.
    ..#r#rrrrrrr#r#.
    ..#rr#rrrrr#rr#.
    ..#rrr#rrr#rrr#.
    ..#rrrr#r#rrrr#.
    ..#rrrrr#rrrrr#.
    ..#rrrr#r#rrrr#.
    ..#rrr#rrr#rrr#.
    ..#rr#rrrrr#rr#.
    ..#r#rrrrrrr#r#.
    ..#############.
    ................
''')

# 120 PunctureProof: a wheel on a shield
PICTURES[120] = art('''
    ................
    .##############.
    .#bbbbbbbbbbbb#.
    .#bbb......bbb#.
    .#bb..####..bb#.
    .#b..######..b#.
    .#b.##ssss##.b#.
    .#b.#ss##ss#.b#.
    .#b.#ss##ss#.b#.
    .#b.##ssss##.b#.
    .#b..######..b#.
    .#bb..####..bb#.
    ..#bb......bb#..
    ..#bbbbbbbbbb#..
    ...#bbbbbbbb#...
    ....##bbbb##....
    ......####......
    ................
''')


# ---------------------------------------------------------------- cards

BANDS = {}
for code in range(102, 108):
    BANDS[code] = 'g'
for code in range(108, 112):
    BANDS[code] = 'y'
for code in range(112, 117):
    BANDS[code] = 'r'
for code in range(117, 121):
    BANDS[code] = 'c'

NAMES = {
    101: 'card back', 102: '25 miles', 103: '50 miles', 104: '75 miles',
    105: '100 miles', 106: '200 miles', 107: 'Go', 108: 'Repairs',
    109: 'Gasoline', 110: 'SpareTire', 111: 'EndOfLimit', 112: 'Stop',
    113: 'Accident', 114: 'OutOfGas', 115: 'FlatTire', 116: 'SpeedLimit',
    117: 'RightOfWay', 118: 'DrivingAce', 119: 'ExtraTank',
    120: 'PunctureProof', 121: 'blank card', 122: 'grey card',
    123: 'red car', 124: 'blue car', 125: 'chequered flag',
    127: 'button strip: Undo, help', 'icon32': 'program icon 32 x 32',
    'icon16': 'program icon 16 x 16',
}

MILES = {102: 25, 103: 50, 104: 75, 105: 100, 106: 200}


def card_back(w=CARD_W, h=CARD_H, corner='.'):
    p = card_frame(fill='+', w=w, h=h, corner=corner)
    stripes = ['y', 'r', 'p', 'n']
    width = 3
    # A band across the card from the lower left to the upper right, made of
    # four diagonal stripes `width` pixels wide, centred on the card.
    start = (w - 1) / 2 + (h - 1) / 2 - len(stripes) * width / 2
    for y in range(1, h - 1):
        for x in range(1, w - 1):
            k = x + y - start
            if 0 <= k < len(stripes) * width:
                p.set(x, y, stripes[int(k // width)])
    return p


def blank_card():
    return card_frame(border='+')


def grey_card():
    return Pic(CARD_W, CARD_H, '+')


CAR = art('''
    ssssBBBBssss
    sssBBBBBBsss
    ##BBBBBBBB##
    ##BBBBBBBB##
    ##B######B##
    ##B######B##
    ssBBBBBBBBss
    ssBBBBBBBBss
    ssBBBBBBBBss
    ssBB####BBss
    ##BBBBBBBB##
    ##BBBBBBBB##
    ##BBBBBBBB##
    ##BBBBBBBB##
    sssBBBBBBsss
''')


def car(body, ground='s'):
    """Top view, nose up: body colour B, ground s."""
    return [r.replace('B', body).replace('s', ground) for r in CAR]


def flag():
    p = Pic(32, 32)
    # The cloth: columns x0..x1, `height` rows, its top edge following one
    # period of a wave; squares of `cell` pixels are measured along the cloth.
    x0, x1, top, height, cell = 5, 29, 5, 16, 4
    cloth = {}
    for x in range(x0, x1 + 1):
        u = x - x0
        phase = u / (x1 - x0 + 1) * 2 * math.pi
        y_top = int(round(top + 2.0 * math.sin(phase)))
        for v in range(height):
            dark = (u // cell + v // cell) % 2 == 1
            cloth[(x, y_top + v)] = '#' if dark else '.'
    for (x, y), c in cloth.items():
        p.set(x, y, c)
    # outline around the cloth
    for (x, y) in cloth:
        for nx, ny in ((x + 1, y), (x, y - 1), (x, y + 1)):
            if (nx, ny) not in cloth:
                p.set(nx, ny, '#')
    # pole with a knob
    p.rect(3, 4, 4, 30, '#')
    p.rect(3, 1, 4, 3, '#')
    p.rect(2, 2, 5, 2, '#')
    p.rect(1, 31, 6, 31, '#')
    return p


def undo_and_help():
    strip = Pic(32, 16, ' ')
    strip.blit(0, 0, art('''
        ________________
        ________________
        _____#__________
        ____##__________
        ___###__________
        __##########____
        __###########___
        ___###_____###__
        ____##______###_
        _____#_______##_
        ____________###_
        ___________###__
        _______######___
        _______#####____
        ________________
        ________________
    '''), skip='_')
    strip.blit(16, 0, art('''
        ________________
        _____######_____
        ____########____
        ___###____###___
        ___##______##___
        ___________##___
        __________###___
        _________###____
        ________###_____
        _______###______
        _______##_______
        _______##_______
        ________________
        _______##_______
        _______##_______
        ________________
    '''), skip='_')
    return strip


def icon32():
    p = Pic(32, 32, ' ')
    p.blit(1, 5, card_back(corner=' ').rows(), skip=' ')
    face = card_frame(corner=' ')
    face.rect(1, 1, CARD_W - 2, 3, 'g')
    face.rect(1, CARD_H - 4, CARD_W - 2, CARD_H - 2, 'g')
    face.blit(3, 6, car('r', ground='.'))
    p.blit(13, 1, face.rows(), skip=' ')
    return p


def icon16():
    p = Pic(16, 16, ' ')
    p.blit(0, 3, card_back(9, 13, corner=' ').rows(), skip=' ')
    face = card_frame(w=11, h=16, corner=' ')
    face.rect(1, 1, 9, 2, 'g')
    face.rect(1, 13, 9, 14, 'g')
    face.blit(2, 4, art('''
        ..rrr..
        ##rrr##
        #r###r#
        .rrrrr.
        .rrrrr.
        #r###r#
        ##rrr##
        ..rrr..
    '''))
    p.blit(5, 0, face.rows(), skip=' ')
    return p


# ---------------------------------------------------------------- output

def build_all():
    pics = {}
    pics[101] = card_back()
    for code in range(102, 121):
        if code in MILES:
            picture = distance_picture(MILES[code])
        else:
            picture = PICTURES[code]
        pics[code] = card_face(BANDS[code], picture)
    pics[121] = blank_card()
    pics[122] = grey_card()
    for code, body in ((123, 'r'), (124, 'b')):
        p = Pic(12, 15, 's')
        p.blit(0, 0, car(body))
        pics[code] = p
    pics[125] = flag()
    pics[127] = undo_and_help()
    pics['icon32'] = icon32()
    pics['icon16'] = icon16()
    return pics


NOTES = {
    122: 'Grey #808080, not silver: the board ORs a card onto this picture, so '
         'white stays white, black lines turn grey and the band colours turn '
         'pastel; with silver the lines would fade to near white.',
    127: 'Transparent background (None) so that the toolbar shows through.',
    'icon32': 'Transparent background (None) around the cards.',
    'icon16': 'Transparent background (None) around the card.',
}


def xpm_text(key, pic):
    rows = pic.rows()
    used = {c for r in rows for c in r}
    colours = [(s, c) for s, c, _ in PALETTE if s in used]
    assert len(colours) == len(used), used
    var = ('tarmigo_%s' % key).replace('-', '_')
    out = ['/* XPM */', '/* %s */' % NAMES[key]]
    if key in NOTES:
        out.append('/* %s */' % NOTES[key])
    out.append('static const char *%s[] = {' % var)
    out.append('/* columns rows colours chars-per-pixel */')
    out.append('"%d %d %d 1",' % (pic.w, pic.h, len(colours)))
    for s, c in colours:
        out.append('"%s c %s",' % (s, c))
    out.append('/* pixels */')
    for i, r in enumerate(rows):
        out.append('"%s"%s' % (r, ',' if i + 1 < len(rows) else ''))
    out.append('};')
    return '\n'.join(out) + '\n'


def write_png(path, w, h, rgb_rows):
    raw = b''.join(b'\x00' + bytes(r) for r in rgb_rows)

    def chunk(kind, data):
        c = kind + data
        return struct.pack('>I', len(data)) + c + struct.pack('>I', zlib.crc32(c) & 0xffffffff)

    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def rgb(sym, transparent=(0xE0, 0xE8, 0xF0)):
    col = COLOUR[sym]
    if col == 'None':
        return transparent
    return tuple(int(col[i:i + 2], 16) for i in (1, 3, 5))


# Digits for the labels of the contact sheet.
LABEL_FONT = dict(zip('0123456789i', [
    ['###', '#.#', '#.#', '#.#', '###'], ['.#.', '##.', '.#.', '.#.', '###'],
    ['###', '..#', '###', '#..', '###'], ['###', '..#', '.##', '..#', '###'],
    ['#.#', '#.#', '###', '..#', '..#'], ['###', '#..', '###', '..#', '###'],
    ['###', '#..', '###', '#.#', '###'], ['###', '..#', '.#.', '.#.', '.#.'],
    ['###', '#.#', '###', '#.#', '###'], ['###', '#.#', '###', '..#', '###'],
    ['.#.', '...', '.#.', '.#.', '.#.'],
]))


def contact_sheet(pics, path):
    """Every picture at 1x beside its label, with a 3x copy below."""
    order = list(range(101, 126)) + [127, 'icon32', 'icon16']
    bg = (0xF0, 0xF0, 0xD8)
    per_row = 7
    cell_w, cell_h = 3 * 32 + 16, 32 + 6 + 3 * 32 + 16
    rows_n = (len(order) + per_row - 1) // per_row
    W, H = per_row * cell_w + 8, rows_n * cell_h + 8
    canvas = [[bg for _ in range(W)] for _ in range(H)]

    def put(pic, ox, oy, k):
        for y in range(pic.h):
            for x in range(pic.w):
                c = rgb(pic.get(x, y))
                for yy in range(k):
                    for xx in range(k):
                        canvas[oy + y * k + yy][ox + x * k + xx] = c

    def label(text, ox, oy):
        for ch in text:
            for y, row in enumerate(LABEL_FONT[ch]):
                for x, c in enumerate(row):
                    if c == '#':
                        canvas[oy + 2 * y][ox + 2 * x] = (0x60, 0x60, 0x60)
                        canvas[oy + 2 * y + 1][ox + 2 * x] = (0x60, 0x60, 0x60)
                        canvas[oy + 2 * y][ox + 2 * x + 1] = (0x60, 0x60, 0x60)
                        canvas[oy + 2 * y + 1][ox + 2 * x + 1] = (0x60, 0x60, 0x60)
            ox += 8

    for i, key in enumerate(order):
        pic = pics[key]
        cx = 8 + (i % per_row) * cell_w
        cy = 8 + (i // per_row) * cell_h
        put(pic, cx, cy, 1)
        name = str(key).replace('icon', 'i')
        label(name, cx + pic.w + 6, cy)
        put(pic, cx, cy + 32 + 6, 3)
    flat = [[v for px in row for v in px] for row in canvas]
    write_png(path, W, H, flat)


def main(argv):
    pics = build_all()
    for key, pic in pics.items():
        with open(os.path.join(HERE, '%s.xpm' % key), 'w') as f:
            f.write(xpm_text(key, pic))
    if len(argv) > 2 and argv[1] == '--sheet':
        contact_sheet(pics, argv[2])


if __name__ == '__main__':
    main(sys.argv)
