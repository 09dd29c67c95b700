#!/usr/bin/env python3
"""Draws the button pictures and the window icon of Hoprex as small PNG files.

Run from this folder after changing a picture: python3 make_icons.py
The pictures are 16 x 16 (buttons, small window icon) and 32 x 32 (window icon), drawn pixel
by pixel without smoothing so that they stay crisp at their size. The toolkit derives the greyed
variant of a disabled button itself.

The desktop's icon sizes of 48 to 256 pixels are rendered from hoprex.svg, the same drawing on
a 32 unit grid, with rsvg-convert (Debian package librsvg2-bin) when it is there.
"""
import shutil
import struct
import subprocess
import zlib

TRANSPARENT = (0, 0, 0, 0)
SCHWARZ = (0, 0, 0, 255)
WEISS = (255, 255, 255, 255)
ROT = (220, 0, 0, 255)
DUNKELROT = (128, 0, 0, 255)
BLAU = (0, 0, 255, 255)
DUNKELBLAU = (0, 0, 128, 255)
GRUEN = (0, 160, 0, 255)
DUNKELGRUEN = (0, 96, 0, 255)
HELLGRUEN = (102, 204, 51, 255)
GELB = (255, 255, 0, 255)
HELLGELB = (255, 255, 204, 255)
ORDNERGELB = (240, 200, 64, 255)
ORDNERDUNKEL = (160, 120, 0, 255)
BRAUN = (150, 90, 30, 255)
GRAU = (128, 128, 128, 255)
HELLGRAU = (200, 200, 200, 255)


class Bild:
    def __init__(self, groesse):
        self.groesse = groesse
        self.pixel = [[TRANSPARENT] * groesse for _ in range(groesse)]

    def punkt(self, x, y, farbe):
        if 0 <= x < self.groesse and 0 <= y < self.groesse:
            self.pixel[y][x] = farbe

    def rechteck(self, x1, y1, x2, y2, farbe):
        """Filled, both corners inclusive."""
        for y in range(y1, y2 + 1):
            for x in range(x1, x2 + 1):
                self.punkt(x, y, farbe)

    def rahmen(self, x1, y1, x2, y2, farbe):
        for x in range(x1, x2 + 1):
            self.punkt(x, y1, farbe)
            self.punkt(x, y2, farbe)
        for y in range(y1, y2 + 1):
            self.punkt(x1, y, farbe)
            self.punkt(x2, y, farbe)

    def linie(self, x1, y1, x2, y2, farbe):
        dx, dy = abs(x2 - x1), -abs(y2 - y1)
        sx, sy = (1 if x1 < x2 else -1), (1 if y1 < y2 else -1)
        fehler = dx + dy
        while True:
            self.punkt(x1, y1, farbe)
            if x1 == x2 and y1 == y2:
                return
            e2 = 2 * fehler
            if e2 >= dy:
                fehler += dy
                x1 += sx
            if e2 <= dx:
                fehler += dx
                y1 += sy

    def dreieck(self, ecken, farbe):
        """Filled triangle; a pixel belongs to it when its centre lies inside."""
        (ax, ay), (bx, by), (cx, cy) = ecken

        def seite(px, py, x1, y1, x2, y2):
            return (px - x2) * (y1 - y2) - (x1 - x2) * (py - y2)

        for y in range(self.groesse):
            for x in range(self.groesse):
                px, py = x + 0.5, y + 0.5
                d1 = seite(px, py, ax, ay, bx, by)
                d2 = seite(px, py, bx, by, cx, cy)
                d3 = seite(px, py, cx, cy, ax, ay)
                negativ = d1 < 0 or d2 < 0 or d3 < 0
                positiv = d1 > 0 or d2 > 0 or d3 > 0
                if not (negativ and positiv):
                    self.punkt(x, y, farbe)

    def kreis(self, mx, my, r, farbe):
        for y in range(self.groesse):
            for x in range(self.groesse):
                if (x + 0.5 - mx) ** 2 + (y + 0.5 - my) ** 2 <= r * r:
                    self.punkt(x, y, farbe)

    def png(self, name):
        roh = b"".join(b"\x00" + b"".join(bytes(p) for p in zeile) for zeile in self.pixel)

        def block(art, daten):
            return (struct.pack(">I", len(daten)) + art + daten +
                    struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

        kopf = struct.pack(">IIBBBBB", self.groesse, self.groesse, 8, 6, 0, 0, 0)
        with open(name, "wb") as datei:
            datei.write(b"\x89PNG\r\n\x1a\n" + block(b"IHDR", kopf) +
                        block(b"IDAT", zlib.compress(roh, 9)) + block(b"IEND", b""))


def pfeil_links(b, x, y, farbe):
    """A solid arrow head 5 wide and 9 high with its tip at (x, y)."""
    for i in range(5):
        b.linie(x + i, y - i, x + i, y + i, farbe)


def pfeil_rechts(b, x, y, farbe):
    for i in range(5):
        b.linie(x - i, y - i, x - i, y + i, farbe)


def einfuegemarke(b):
    """The red triangle that marks the insertion point in the overall graph."""
    b.dreieck(((4, 0), (12, 0), (8, 6)), ROT)
    b.linie(4, 0, 11, 0, SCHWARZ)
    b.linie(4, 0, 8, 6, SCHWARZ)
    b.linie(11, 0, 8, 6, SCHWARZ)


def abschnitt(b):
    """A marked section: the yellow band with a piece of height line."""
    b.rechteck(3, 0, 12, 6, GELB)
    b.rahmen(3, 0, 12, 6, SCHWARZ)
    hoehenlinie(b, [(4, 5), (6, 2), (8, 4), (10, 1), (11, 3)], BLAU)


def pfeile(b, richtung, farbe):
    """Arrows under a mark or section: -2 to the start, -1 left, 1 right, 2 to the end."""
    if richtung == -2:
        b.rechteck(2, 8, 3, 15, farbe)
        pfeil_links(b, 4, 11, farbe)
        pfeil_links(b, 9, 11, farbe)
    elif richtung == -1:
        pfeil_links(b, 5, 11, farbe)
        b.rechteck(10, 10, 12, 12, farbe)
    elif richtung == 1:
        pfeil_rechts(b, 10, 11, farbe)
        b.rechteck(3, 10, 5, 12, farbe)
    else:
        b.rechteck(12, 8, 13, 15, farbe)
        pfeil_rechts(b, 11, 11, farbe)
        pfeil_rechts(b, 6, 11, farbe)


def blatt(b, x1, y1, x2, y2):
    b.rechteck(x1, y1, x2, y2, WEISS)
    b.rahmen(x1, y1, x2, y2, SCHWARZ)


def hoehenlinie(b, punkte, farbe):
    for (x1, y1), (x2, y2) in zip(punkte, punkte[1:]):
        b.linie(x1, y1, x2, y2, farbe)


def info():
    b = Bild(16)
    b.kreis(8, 8, 7.5, DUNKELBLAU)
    b.kreis(8, 8, 6.5, BLAU)
    b.rechteck(7, 3, 8, 4, WEISS)
    b.rechteck(7, 6, 8, 12, WEISS)
    b.rechteck(6, 6, 6, 6, WEISS)
    b.rechteck(6, 12, 9, 12, WEISS)
    return b


def ablage():
    b = Bild(16)
    b.rechteck(2, 2, 13, 15, BRAUN)
    blatt(b, 4, 4, 11, 14)
    b.rechteck(5, 1, 10, 3, GRAU)
    b.rahmen(5, 1, 10, 3, SCHWARZ)
    hoehenlinie(b, [(5, 12), (6, 10), (7, 11), (8, 7), (9, 8), (10, 6)], BLAU)
    return b


def oeffnen():
    b = Bild(16)
    b.rechteck(1, 3, 6, 4, ORDNERDUNKEL)
    b.rechteck(1, 5, 14, 13, ORDNERGELB)
    b.rahmen(1, 5, 14, 13, ORDNERDUNKEL)
    b.linie(1, 3, 1, 5, ORDNERDUNKEL)
    b.linie(6, 3, 7, 5, ORDNERDUNKEL)
    return b


def uebertragen():
    b = Bild(16)
    b.rechteck(6, 0, 9, 8, GRUEN)
    b.dreieck(((1.5, 8), (14.5, 8), (8, 15)), GRUEN)
    b.linie(5, 0, 5, 8, DUNKELGRUEN)
    b.linie(10, 0, 10, 8, DUNKELGRUEN)
    return b


def marke(richtung):
    b = Bild(16)
    einfuegemarke(b)
    pfeile(b, richtung, SCHWARZ)
    return b


def abschnitt_pfeile(richtung):
    b = Bild(16)
    abschnitt(b)
    pfeile(b, richtung, DUNKELBLAU)
    return b


def spiegeln():
    b = Bild(16)
    b.linie(8, 0, 8, 15, GRAU)
    pfeil_links(b, 1, 4, DUNKELBLAU)
    b.rechteck(5, 3, 13, 5, DUNKELBLAU)
    pfeil_rechts(b, 14, 11, DUNKELBLAU)
    b.rechteck(2, 10, 10, 12, DUNKELBLAU)
    return b


def loeschen():
    b = Bild(16)
    for d in range(-1, 2):
        b.linie(2 + d, 2, 13 + d, 13, ROT)
        b.linie(13 + d, 2, 2 + d, 13, ROT)
    b.linie(2, 1, 14, 13, DUNKELROT)
    b.linie(13, 1, 1, 13, DUNKELROT)
    return b


def speichern():
    b = Bild(16)
    b.rechteck(1, 1, 14, 14, DUNKELBLAU)
    b.rechteck(4, 1, 11, 6, WEISS)
    b.rechteck(9, 2, 10, 5, DUNKELBLAU)
    b.rechteck(4, 9, 11, 14, HELLGRAU)
    b.linie(5, 11, 10, 11, GRAU)
    b.linie(5, 13, 10, 13, GRAU)
    return b


def export():
    b = Bild(16)
    blatt(b, 1, 1, 10, 14)
    for y in (4, 6, 8, 10, 12):
        b.linie(3, y, 8, y, GRAU)
    b.rechteck(7, 7, 11, 9, GRUEN)
    pfeil_rechts(b, 15, 8, GRUEN)
    return b


def optionen():
    b = Bild(16)
    blatt(b, 1, 1, 14, 14)
    for y in (3, 7, 11):
        b.rahmen(3, y, 5, y + 2, SCHWARZ)
        b.linie(7, y + 1, 12, y + 1, GRAU)
    for y in (3, 11):
        b.punkt(4, y + 1, ROT)
    return b


def hoprex(groesse):
    """The window icon: a height profile with a marked section and the insertion mark."""
    b = Bild(groesse)
    s = groesse / 32
    q = lambda v: int(v * s)
    b.rechteck(0, q(2), groesse - 1, groesse - 1, HELLGELB)
    b.rechteck(q(12), q(2), q(21), groesse - 1, GELB)
    profil = [(0, 26), (4, 22), (8, 24), (12, 14), (16, 9), (19, 12), (22, 8), (26, 18),
              (29, 16), (31, 24)]
    punkte = [(q(x), q(y)) for x, y in profil]
    # The ground under the line, column by column.
    for (x1, y1), (x2, y2) in zip(punkte, punkte[1:]):
        for x in range(x1, x2 + 1):
            y = y1 + (y2 - y1) * (x - x1) // max(1, x2 - x1)
            b.linie(x, y, x, groesse - 1, HELLGRUEN)
    hoehenlinie(b, punkte, SCHWARZ)
    b.linie(q(12), q(2), q(12), groesse - 1, SCHWARZ)
    b.linie(q(21), q(2), q(21), groesse - 1, SCHWARZ)
    b.dreieck(((q(7), 0), (q(17), 0), (q(12), q(8))), ROT)
    b.rahmen(0, q(2), groesse - 1, groesse - 1, DUNKELBLAU)
    return b


if __name__ == "__main__":
    bilder = {
        "info": info(), "clipboard": ablage(), "open": oeffnen(), "transfer": uebertragen(),
        "mark_far_left": marke(-2), "mark_left": marke(-1), "mark_right": marke(1),
        "mark_far_right": marke(2), "section_far_left": abschnitt_pfeile(-2),
        "section_left": abschnitt_pfeile(-1), "section_right": abschnitt_pfeile(1),
        "section_far_right": abschnitt_pfeile(2), "mirror": spiegeln(),
        "delete": loeschen(), "save": speichern(), "export": export(),
        "options": optionen(), "hoprex": hoprex(32), "hoprex_16": hoprex(16),
    }
    for name, bild in bilder.items():
        bild.png(name + ".png")
    if shutil.which("rsvg-convert"):
        for groesse in (48, 64, 128, 256):
            subprocess.run(["rsvg-convert", "-w", str(groesse), "-h", str(groesse), "hoprex.svg",
                            "-o", "hoprex_%d.png" % groesse], check=True)
