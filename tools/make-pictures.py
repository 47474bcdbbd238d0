#!/usr/bin/env python3
"""Writes the program's pictures into widgets/pictures/, as SVG: the image buttons (normal
and pressed), the page pictures, the tab icons, the cursors and the about box picture.
The program draws them for the screen they are shown on, sharp at any scale. The
desktop icons in packaging/icons/ are rendered to PNG with rsvg-convert.

Run it again after changing a drawing here: tools/make-pictures.py
"""
import os
import subprocess

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "widgets", "pictures")
FONT = "font-family=\"Liberation Sans, DejaVu Sans, sans-serif\""


def write(name, svg):
    with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
        f.write(svg.strip() + "\n")


# Glyphs drawn in a 20 x 20 box, placed at the left of a button.
GLYPHS = {
    "scan": '<rect x="1" y="9" width="18" height="8" rx="2" fill="#dfe8f2" stroke="#27415e" stroke-width="1.4"/>'
            '<rect x="3" y="4" width="14" height="5" fill="#ffffff" stroke="#27415e" stroke-width="1.2"/>'
            '<line x1="3" y1="13" x2="17" y2="13" stroke="#d03020" stroke-width="1.6"/>',
    "source": '<rect x="2" y="5" width="16" height="11" rx="2" fill="#dfe8f2" stroke="#27415e" stroke-width="1.4"/>'
              '<circle cx="10" cy="10.5" r="3.2" fill="#27415e"/><circle cx="10" cy="10.5" r="1.3" fill="#9fc4ea"/>'
              '<rect x="13" y="3" width="4" height="2" fill="#27415e"/>',
    "printer": '<rect x="5" y="2" width="10" height="6" fill="#ffffff" stroke="#27415e" stroke-width="1.2"/>'
               '<rect x="1" y="8" width="18" height="7" rx="2" fill="#dfe8f2" stroke="#27415e" stroke-width="1.4"/>'
               '<rect x="5" y="13" width="10" height="6" fill="#ffffff" stroke="#27415e" stroke-width="1.2"/>',
    "go": '<circle cx="10" cy="10" r="8.5" fill="#2f9a3f" stroke="#1b5e26" stroke-width="1.2"/>'
          '<path d="M8 5.5 L14.5 10 L8 14.5 Z" fill="#ffffff"/>',
    "info": '<circle cx="10" cy="10" r="8.5" fill="#2d6db5" stroke="#1a416e" stroke-width="1.2"/>'
            '<rect x="8.9" y="8.5" width="2.2" height="6.5" fill="#ffffff"/><circle cx="10" cy="5.8" r="1.4" fill="#ffffff"/>',
    "quit": '<circle cx="10" cy="10" r="8.5" fill="#c0392b" stroke="#7b1f16" stroke-width="1.2"/>'
            '<path d="M6.5 6.5 L13.5 13.5 M13.5 6.5 L6.5 13.5" stroke="#ffffff" stroke-width="2.2" stroke-linecap="round"/>',
}


def button(width, height, text, glyph, pressed):
    top, bottom = ("#b9c7d6", "#e9eef4") if pressed else ("#fbfcfd", "#c9d5e2")
    shift = 1 if pressed else 0
    gy = (height - 20) / 2 + shift
    # The text is centred in the room right of the glyph, as large as fits.
    room = width - 30
    size = min(13 if height >= 35 else 12, int(room / (0.66 * len(text))))
    return f'''
<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="0 0 {width} {height}">
  <defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient></defs>
  <rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="5" fill="url(#g)" stroke="#4a6784"/>
  <g transform="translate({6 + shift},{gy})">{GLYPHS[glyph]}</g>
  <text x="{26 + room / 2 + shift}" y="{height / 2 + size * 0.36 + shift}" text-anchor="middle" {FONT}
        font-size="{size}" font-weight="bold" fill="#1d2f44">{text}</text>
</svg>'''


BUTTONS = [
    # normal picture, pressed picture, size, text, glyph
    ("scanButton", "scanButtonDown", 115, 35, "Go scan!", "scan"),
    ("scannerButton", "scannerButtonDown", 115, 35, "Scanner", "source"),
    ("printerButton", "printerButtonDown", 82, 35, "Drucker", "printer"),
    ("printButton", "printButtonDown", 101, 30, "Go!", "go"),
    ("aboutButton", "aboutButtonDown", 101, 30, "Info", "info"),
    ("quitButton", "quitButtonDown", 101, 30, "Beenden", "quit"),
]

# Decorative pictures of the left panels, 180 x 120.
CD = '''<circle cx="{x}" cy="{y}" r="{r}" fill="url(#cd)" stroke="#6a7b8c" stroke-width="1.5"/>
  <circle cx="{x}" cy="{y}" r="{h}" fill="#f4f6f8" stroke="#6a7b8c"/>
  <circle cx="{x}" cy="{y}" r="{k}" fill="#c0dcc0" stroke="#6a7b8c"/>'''
DEFS = '''<defs><radialGradient id="cd" cx="0.4" cy="0.35" r="0.8">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#d8e4f0"/>
  <stop offset="0.7" stop-color="#f0d8e8"/><stop offset="1" stop-color="#c8d8c8"/></radialGradient></defs>'''


def page_picture(body):
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="180" height="120" viewBox="0 0 180 120">{DEFS}{body}</svg>'''


PAGES = {
    "page-scan": CD.format(x=62, y=60, r=48, h=16, k=6) +
    '<rect x="96" y="64" width="78" height="40" rx="6" fill="#dfe8f2" stroke="#27415e" stroke-width="2"/>'
    '<rect x="104" y="56" width="62" height="10" fill="#ffffff" stroke="#27415e" stroke-width="1.5"/>'
    '<line x1="102" y1="84" x2="168" y2="84" stroke="#d03020" stroke-width="3"/>',
    "page-retouch": CD.format(x=70, y=60, r=48, h=16, k=6) +
    '<rect x="22" y="12" width="96" height="96" fill="none" stroke="#000" stroke-width="1.5" stroke-dasharray="4 3"/>'
    '<g transform="rotate(35 140 60)"><rect x="132" y="10" width="14" height="70" rx="3" fill="#c98a3c" stroke="#6d4413"/>'
    '<rect x="132" y="78" width="14" height="10" fill="#9aa3ad" stroke="#4d5660"/>'
    '<path d="M132 88 L146 88 L139 112 Z" fill="#27415e"/></g>',
    "page-center": '<rect x="10" y="8" width="160" height="104" rx="6" fill="#ffffff" stroke="#4a6784" stroke-width="2"/>' +
    CD.format(x=90, y=60, r=42, h=14, k=5) +
    '<path d="M90 2 V22 M90 98 V118 M24 60 H44 M136 60 H156" stroke="#d03020" stroke-width="2.5"/>',
    "page-print": '<rect x="40" y="6" width="100" height="44" fill="#ffffff" stroke="#27415e" stroke-width="2"/>' +
    CD.format(x=90, y=30, r=18, h=6, k=2) +
    '<rect x="12" y="46" width="156" height="48" rx="8" fill="#dfe8f2" stroke="#27415e" stroke-width="2.5"/>'
    '<rect x="40" y="84" width="100" height="32" fill="#ffffff" stroke="#27415e" stroke-width="2"/>'
    '<circle cx="150" cy="60" r="4" fill="#2f9a3f"/>'
    '<line x1="52" y1="96" x2="128" y2="96" stroke="#9aa3ad" stroke-width="2"/>'
    '<line x1="52" y1="104" x2="112" y2="104" stroke="#9aa3ad" stroke-width="2"/>',
}

TABS = {
    "tab-scan": GLYPHS["scan"],
    "tab-retouch": '<rect x="2" y="2" width="16" height="16" fill="none" stroke="#000" stroke-width="1.3" stroke-dasharray="2.5 2"/>'
                   '<path d="M6 14 L14 6" stroke="#c98a3c" stroke-width="3" stroke-linecap="round"/>',
    "tab-notes": '<rect x="2" y="3" width="16" height="14" fill="#ffff60" stroke="#000" stroke-width="1.2"/>'
                 '<path d="M5 7 H15 M5 10 H15 M5 13 H11" stroke="#27415e" stroke-width="1.3"/>',
    "tab-center": '<circle cx="10" cy="10" r="7" fill="#e6eef7" stroke="#4a6784" stroke-width="1.3"/>'
                  '<path d="M10 1 V6 M10 14 V19 M1 10 H6 M14 10 H19" stroke="#d03020" stroke-width="1.6"/>',
    "tab-print": GLYPHS["printer"],
}


def tab_icon(body):
    return f'<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">{body}</svg>'


# Cursors, 32 x 32; their hot spots are set in the program.
CURSORS = {
    "cursor-dragc": '''<path d="M10 27 C7 23 4 19 5 17 C6 15.5 8 16 10 18.5 L10 7.5 C10 5.5 13 5.5 13 7.5 L13 14
      L13 5.5 C13 3.5 16 3.5 16 5.5 L16 14 L16 6.5 C16 4.5 19 4.5 19 6.5 L19 14.5 L19 9 C19 7 22 7 22 9
      L22 19 C22 24 20 27 18 28 Z" fill="#ffffff" stroke="#000000" stroke-width="1.6" stroke-linejoin="round"/>''',
    "cursor-lupe": '''<circle cx="12" cy="12" r="8" fill="#ffffff" fill-opacity="0.85" stroke="#000000" stroke-width="2.4"/>
      <path d="M18 18 L28 28" stroke="#000000" stroke-width="4" stroke-linecap="round"/>
      <path d="M8 12 H16 M12 8 V16" stroke="#000000" stroke-width="2"/>''',
    "cursor-multidrag": '''<path d="M2 2 L2 20 L6.5 15.5 L9.5 22.5 L12.5 21 L9.5 14.5 L15.5 14.5 Z" fill="#ffffff"
      stroke="#000000" stroke-width="1.4" stroke-linejoin="round"/>
      <rect x="15" y="19" width="9" height="7" fill="#ffffff" stroke="#000000" stroke-width="1.2"/>
      <rect x="19" y="23" width="9" height="7" fill="#ffffff" stroke="#000000" stroke-width="1.2"/>''',
}


def cursor(body):
    return f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">{body}</svg>'


ABOUT = f'''<svg xmlns="http://www.w3.org/2000/svg" width="240" height="150" viewBox="0 0 240 150">{DEFS}
  <defs><linearGradient id="bg" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f0caa6"/><stop offset="1" stop-color="#c0dcc0"/></linearGradient></defs>
  <rect width="240" height="150" fill="url(#bg)"/>
  {CD.format(x=75, y=75, r=62, h=21, k=8)}
  <rect x="128" y="20" width="100" height="110" rx="4" fill="#ffffff" stroke="#4a6784" stroke-width="2"/>
  <circle cx="178" cy="75" r="40" fill="url(#cd)" stroke="#6a7b8c"/>
  <circle cx="178" cy="75" r="13" fill="#ffffff" stroke="#6a7b8c"/>
  <text x="120" y="145" text-anchor="middle" {FONT} font-size="11" font-weight="bold" fill="#800000">CD-Label und Cover</text>
</svg>'''


# The program's icon for the desktop: a disc with a printed label on a sheet.
ICON = f'''<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">{DEFS}
  <rect x="6" y="4" width="46" height="56" rx="3" fill="#ffffff" stroke="#4a6784" stroke-width="2"/>
  <circle cx="38" cy="36" r="22" fill="url(#cd)" stroke="#5a6b7c" stroke-width="1.5"/>
  <path d="M38 14 A22 22 0 0 1 60 36 L46 36 A8 8 0 0 0 38 28 Z" fill="#f0caa6" stroke="#5a6b7c"/>
  <circle cx="38" cy="36" r="8" fill="#f4f6f8" stroke="#5a6b7c"/>
  <circle cx="38" cy="36" r="3" fill="#c0dcc0" stroke="#5a6b7c"/>
  <path d="M12 12 H30 M12 18 H24" stroke="#800000" stroke-width="2.5" stroke-linecap="round"/>
</svg>'''
ICON_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "icons")


def write_icon():
    os.makedirs(ICON_DIR, exist_ok=True)
    svg = os.path.join(ICON_DIR, "cdcover.svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(ICON.strip() + "\n")
    for size in (16, 32, 48, 64, 128, 256):
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o",
                        os.path.join(ICON_DIR, f"cdcover-{size}.png"), svg], check=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon()
    for normal, pressed, w, h, text, glyph in BUTTONS:
        write(f"{normal}.svg", button(w, h, text, glyph, False))
        write(f"{pressed}.svg", button(w, h, text, glyph, True))
    for name, body in PAGES.items():
        write(f"{name}.svg", page_picture(body))
    for name, body in TABS.items():
        write(f"{name}.svg", tab_icon(body))
    for name, body in CURSORS.items():
        write(f"{name}.svg", cursor(body))
    write("about.svg", ABOUT)


if __name__ == "__main__":
    main()
