"""`make screenshot`: the real program's game window during a game, drawn on a private
Xvfb and saved as a PNG.   screenshot.py <tests/e2e folder> <filmotas binary> <target.png>"""
import sys
import time
import zlib

sys.path.insert(0, sys.argv[1])
import harness  # noqa: E402
from Xlib import X, display  # noqa: E402


def save_png(server, wid, path):
    """Writes what a window shows as an RGB PNG file."""
    window = display.Display(server.name).create_resource_object("window", wid)
    geometry = window.get_geometry()
    w, h = geometry.width, geometry.height
    image = window.get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF)
    stride = len(image.data) // h
    rows = []
    for y in range(h):
        pixels = image.data[y * stride:y * stride + 4 * w]   # B G R X per pixel
        rgb = bytearray(3 * w)
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
        rows.append(b"\0" + bytes(rgb))

    def chunk(kind, data):
        body = kind + data
        return len(data).to_bytes(4, "big") + body + zlib.crc32(body).to_bytes(4, "big")

    header = w.to_bytes(4, "big") + h.to_bytes(4, "big") + bytes([8, 2, 0, 0, 0])
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


binary, target = sys.argv[2], sys.argv[3]
# A game under way: two letters found, one missed, the options panel shown.
files = {"Filmotas.dat": harness.movie_list(["El laberinto del fauno"]),
         "Config.dat": harness.settings(0, 0, 1)}
try:
    with harness.Session(binary, files) as session:
        program = session.start()
        window = program.wait_window("Filmotas")
        for count, letter in enumerate("lbx", start=3):
            program.keys(window, "BackSpace", letter)
            session.wait_file_size("Temp.dat", 3 * count)
        program.keys(window, "alt+o", "m")
        time.sleep(0.5)   # let the taller window paint
        save_png(session.server, window, target)
except AssertionError as failure:
    sys.exit(f"screenshot failed: {failure}")
print(f"wrote {target}")
