#!/usr/bin/env python3
"""Reads a screenshot of the running program (binary PPM, as ImageMagick's
`import -window root ppm:FILE` writes it) and reports what a person would look
for.

  screen.py origin SHOT        screen position of the main window's client
                               area, found from the blue box outline, whose top
                               left corner is always drawn at client (200, 10)
  screen.py count SHOT X Y     colour counts in the box and in the label row
                               below it, for a client area at screen (X, Y)
  screen.py below SHOT X Y     the first row under (X, Y) of another colour
                               than (X, Y): below a caption Wine drew, where
                               the window's client area starts
"""
import sys

BLUE = (0, 0, 255)
GREEN = (0, 255, 0)
RED = (255, 0, 0)
MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

BOX_LEFT, BOX_TOP, BOX_SIZE = 200, 10, 400


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit("not an 8-bit binary PPM: " + path)
    return int(fields[1]), int(fields[2]), data[pos:]


def pixel(width, pixels, x, y):
    i = (y * width + x) * 3
    return pixels[i], pixels[i + 1], pixels[i + 2]


def origin(path):
    width, height, pixels = read_ppm(path)
    blue = bytes(BLUE)
    run = blue * 100
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        # The first row holding a long horizontal run of blue is the box's top
        # edge (particles may hide a few pixels of it).
        start = row.find(run)
        while start != -1 and start % 3 != 0:
            start = row.find(run, start + 1)
        if start == -1:
            continue
        # The leftmost blue pixel of the box's height is on its left edge; the
        # labels are further right and below.
        left = min(x for yy in range(y, min(height, y + BOX_SIZE))
                   for x in range(start // 3 + 1) if pixel(width, pixels, x, yy) == BLUE)
        return left - BOX_LEFT, y - BOX_TOP
    raise SystemExit("the box outline is not on the screen")


def count(path, ox, oy):
    width, height, pixels = read_ppm(path)
    names = {GREEN: "green", RED: "red", MAGENTA: "magenta", BLUE: "blue", WHITE: "white"}
    box = dict.fromkeys(names.values(), 0)
    labels = {"blue": 0, "red": 0}
    for y in range(oy + BOX_TOP + 1, min(height, oy + BOX_TOP + BOX_SIZE)):
        for x in range(ox + BOX_LEFT + 1, min(width, ox + BOX_LEFT + BOX_SIZE)):
            name = names.get(pixel(width, pixels, x, y))
            if name:
                box[name] += 1
    # The two labels sit 20 units below the box: temperature in blue, the mass
    # ratio in red.
    for y in range(oy + BOX_TOP + BOX_SIZE + 2, min(height, oy + BOX_TOP + BOX_SIZE + 40)):
        for x in range(ox + BOX_LEFT, min(width, ox + BOX_LEFT + 500)):
            p = pixel(width, pixels, x, y)
            if p == BLUE:
                labels["blue"] += 1
            elif p == RED:
                labels["red"] += 1
    out = " ".join("%s=%d" % kv for kv in box.items())
    out += " label_blue=%d label_red=%d" % (labels["blue"], labels["red"])
    return out


def below(path, x, y):
    width, height, pixels = read_ppm(path)
    first = pixel(width, pixels, x, y)
    while y < height and pixel(width, pixels, x, y) == first:
        y += 1
    return y


def main(argv):
    if len(argv) == 3 and argv[1] == "origin":
        print("%d %d" % origin(argv[2]))
    elif len(argv) == 5 and argv[1] == "count":
        print(count(argv[2], int(argv[3]), int(argv[4])))
    elif len(argv) == 5 and argv[1] == "below":
        print(below(argv[2], int(argv[3]), int(argv[4])))
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
