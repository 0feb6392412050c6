#!/usr/bin/env python3
"""Renders the program's artwork into res/ from SVG sources.

Glyphs come from the @tabler/icons set (MIT), vendored under res/icons/source/tabler/ so rendering
needs no network; `--fetch` refreshes that copy from the npm registry. Each glyph is recoloured for
the theme and rasterised with rsvg-convert at twice the size at which the program draws it, so it
stays sharp on high-density screens. The logo, check boxes and radio buttons are drawn here.

Usage: scripts/render-icons.py [--fetch] [--sheet FILE.png]
"""
import argparse
import base64
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")
TABLER = os.path.join(RES, "icons", "source", "tabler")

# Theme colours (widgets/theme.h holds the same names).
ACCENT = "#4F46E5"
ACCENT_HOVER = "#6366F1"
ACCENT_PRESSED = "#4338CA"
ACCENT_SOFT = "#EEF2FF"
TEXT = "#172033"
TEXT_2 = "#475569"
MUTED = "#8490A3"
BORDER_STRONG = "#CBD3DF"
SUCCESS = "#20A66A"
WARNING = "#E89A3C"
DANGER = "#E05252"
WHITE = "#FFFFFF"
DARK_DISABLED = "#6B6D73"  # disabled glyphs on the dark page bar

STROKE = 1.75

# (output path under res/, kind, source glyph, colour, output pixels)
#   glyph: an outline glyph; filled: a filled glyph; tile: glyph on a soft disc (illustrations).
ICONS = [
    # Window and tab chrome
    ("icons/modern/home.png", "glyph", "home", TEXT_2, 40),
    ("icons/modern/close.png", "glyph", "x", TEXT_2, 40),
    ("icons/modern/close_20_hover.png", "glyph", "x", TEXT_2, 40),
    ("icons/modern/minimize.png", "glyph", "minus", TEXT_2, 40),
    ("icons/modern/maximize.png", "glyph", "square", TEXT_2, 40),
    ("icons/modern/restore.png", "glyph", "squares", TEXT_2, 40),
    # Tool icons: tabs, menus and toolbars (20-24 px) and the navigation list (32 px)
    ("icons/modern/compress.png", "glyph", "arrows-diagonal-minimize-2", TEXT_2, 48),
    ("icons/modern/convert.png", "glyph", "transform", TEXT_2, 48),
    ("icons/modern/image.png", "glyph", "photo", TEXT_2, 48),
    ("icons/modern/encrypt.png", "glyph", "shield-lock", TEXT_2, 48),
    ("icons/modern/decrypt.png", "glyph", "lock-open", TEXT_2, 48),
    ("icons/modern/merge.png", "glyph", "arrows-join-2", TEXT_2, 48),
    ("icons/modern/ocr.png", "glyph", "file-text", TEXT_2, 48),
    ("icons/modern/compress-big.png", "glyph", "arrows-diagonal-minimize-2", ACCENT, 64),
    ("icons/modern/convert-big.png", "glyph", "transform", ACCENT, 64),
    ("icons/modern/image-big.png", "glyph", "photo", ACCENT, 64),
    ("icons/modern/encrypt-big.png", "glyph", "shield-lock", ACCENT, 64),
    ("icons/modern/decrypt-big.png", "glyph", "lock-open", ACCENT, 64),
    ("icons/modern/merge-big.png", "glyph", "arrows-join-2", ACCENT, 64),
    ("icons/modern/ocr-big.png", "glyph", "file-text", ACCENT, 64),
    ("icons/modern/documents-big.png", "glyph", "files", ACCENT, 64),
    # Files
    ("icons/modern/file-pdf.png", "glyph", "file-type-pdf", DANGER, 64),
    ("icons/modern/file-word.png", "glyph", "file-type-doc", ACCENT, 64),
    ("icons/modern/file-excel.png", "glyph", "file-type-xls", SUCCESS, 64),
    ("icons/modern/file-ppt.png", "glyph", "file-type-ppt", WARNING, 64),
    ("icons/modern/file-image.png", "glyph", "photo", ACCENT, 48),
    ("icons/modern/folder.png", "glyph", "folder", WARNING, 64),
    ("icons/modern/documents.png", "glyph", "copy", TEXT_2, 40),
    # Actions
    ("icons/modern/add-file.png", "glyph", "file-plus", TEXT_2, 48),
    ("icons/modern/addfile.png", "glyph", "file-plus", WHITE, 64),  # on filled accent buttons
    ("icons/modern/open-file.png", "glyph", "file-arrow-right", TEXT_2, 48),
    ("icons/modern/open-folder.png", "glyph", "folder-open", TEXT_2, 40),
    ("icons/modern/trash.png", "glyph", "trash", TEXT_2, 48),
    ("icons/modern/restart.png", "glyph", "refresh", TEXT_2, 32),
    ("icons/modern/search.png", "glyph", "search", MUTED, 40),
    ("icons/modern/chevron-down.png", "glyph", "chevron-down", MUTED, 32),
    ("icons/modern/down.png", "glyph", "chevron-down", TEXT_2, 48),
    ("icons/modern/eye.png", "glyph", "eye", MUTED, 40),
    ("icons/modern/lock.png", "glyph", "lock", MUTED, 40),
    # Task states: dark so that recolouring by darkness keeps them opaque
    ("icons/modern/completed.png", "filled", "circle-check", TEXT, 40),
    ("icons/modern/failed.png", "filled", "circle-x", TEXT, 40),
    # Illustrations
    ("icons/modern/pdf.png", "tile", "file-type-pdf", ACCENT, 256),
    ("icons/modern/documents-big@3x.png", "tile", "files", ACCENT, 168),
    ("icons/modern/search@3x.png", "tile", "search", ACCENT, 168),
    # Viewer toolbars (dark glyphs on the light top bar)
    ("icons/pdfviewer/document-view.png", "glyph", "file-text", TEXT_2, 54),
    ("icons/pdfviewer/page-grid.png", "glyph", "layout-grid", TEXT_2, 54),
    ("icons/pdfviewer/thumbnail-panel.png", "glyph", "layout-sidebar", TEXT_2, 54),
    ("icons/pdfviewer/tools-grid.png", "glyph", "apps", TEXT_2, 54),
    ("icons/pdfviewer/hand.png", "glyph", "hand-stop", TEXT_2, 48),
    ("icons/pdfviewer/rotate-left.png", "glyph", "rotate", TEXT_2, 48),
    ("icons/pdfviewer/rotate-right.png", "glyph", "rotate-clockwise", TEXT_2, 48),
    ("icons/pdfviewer/undo.png", "glyph", "arrow-back-up", TEXT_2, 48),
    ("icons/pdfviewer/redo.png", "glyph", "arrow-forward-up", TEXT_2, 48),
    ("icons/pdfviewer/more.png", "glyph", "dots", TEXT_2, 48),
    ("icons/pdfviewer/expand.png", "glyph", "arrows-maximize", TEXT_2, 40),
    ("icons/pdfviewer/save.png", "glyph", "device-floppy", TEXT_2, 40),
    ("icons/pdfviewer/save-as.png", "glyph", "file-download", TEXT_2, 40),
    ("icons/pdfviewer/print.png", "glyph", "printer", TEXT_2, 40),
    # Light glyphs: the dark page bar, the dark zoom control and the blue page markers
    ("icons/pdfviewer/previous.png", "glyph", "chevron-left", WHITE, 40),
    ("icons/pdfviewer/next.png", "glyph", "chevron-right", WHITE, 40),
    ("icons/pdfviewer/previous-disabled.png", "glyph", "chevron-left", DARK_DISABLED, 40),
    ("icons/pdfviewer/next-disabled.png", "glyph", "chevron-right", DARK_DISABLED, 40),
    ("icons/pdfviewer/back.png", "glyph", "arrow-left", WHITE, 40),
    ("icons/pdfviewer/forward.png", "glyph", "arrow-right", WHITE, 40),
    ("icons/pdfviewer/back-disabled.png", "glyph", "arrow-left", DARK_DISABLED, 40),
    ("icons/pdfviewer/forward-disabled.png", "glyph", "arrow-right", DARK_DISABLED, 40),
    ("icons/pdfviewer/fit-width.png", "glyph", "arrow-autofit-width", WHITE, 46),
    ("icons/pdfviewer/fit-height.png", "glyph", "arrow-autofit-height", WHITE, 46),
    ("icons/pdfviewer/zoom-in.png", "glyph", "zoom-in", WHITE, 40),
    ("icons/pdfviewer/zoom-out.png", "glyph", "zoom-out", WHITE, 40),
    ("icons/pdfviewer/insert-plus.png", "glyph", "plus", WHITE, 40),
    ("icons/pdfviewer/split-scissors.png", "glyph", "scissors", WHITE, 40),
]


def logo_svg():
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="bg" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="{ACCENT_HOVER}"/>
      <stop offset="1" stop-color="{ACCENT_PRESSED}"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="60" height="60" rx="15" fill="url(#bg)"/>
  <path d="M20 13h15.5l10.5 10.5v24.5a4 4 0 0 1 -4 4h-22a4 4 0 0 1 -4 -4v-31a4 4 0 0 1 4 -4z" fill="{WHITE}"/>
  <path d="M35.5 13v7.5a3 3 0 0 0 3 3h7.5z" fill="#C7CCFB"/>
  <path d="M24 31l7 12l7 -12" fill="none" stroke="{ACCENT}" stroke-width="4.2"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>"""


def checkbox_svg(checked, colour):
    if checked:
        return f"""<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">
  <rect x="1.5" y="1.5" width="17" height="17" rx="4.5" fill="{colour}"/>
  <path d="M5.6 10.3l3 3l5.8 -6.3" fill="none" stroke="{WHITE}" stroke-width="2"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>"""
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="20" height="20" viewBox="0 0 20 20">
  <rect x="2" y="2" width="16" height="16" rx="4" fill="{WHITE}" stroke="{colour}" stroke-width="1.5"/>
</svg>"""


def radio_svg(on, colour):
    if on:
        return f"""<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <circle cx="12" cy="12" r="9.5" fill="{colour}"/>
  <circle cx="12" cy="12" r="3.75" fill="{WHITE}"/>
</svg>"""
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <circle cx="12" cy="12" r="8.75" fill="{WHITE}" stroke="{colour}" stroke-width="1.5"/>
</svg>"""


def signature_svg(colour):
    # A pen stroke over a signing line, drawn in the glyphs' outline style (no vendored glyph fits).
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <g fill="none" stroke="{colour}" stroke-width="{STROKE}" stroke-linecap="round" stroke-linejoin="round">
    <path d="M3 16c2.5 -3.5 4 -8.5 6 -9c1.6 -.4 .5 7 -1.5 9.5c2.5 -2.5 4 -4.5 5 -4.2c.9 .3 -.6 3.2 .5 3.5c1 .3 2 -1.8 3 -1.8c.8 0 .9 1.3 2.5 1.3"/>
    <path d="M3 20h18"/>
  </g>
</svg>"""


def underline_svg(letter, line):
    # The letter in the glyphs' grey over a line in the colour underlines are drawn in by default.
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <g fill="none" stroke-width="{STROKE}" stroke-linecap="round" stroke-linejoin="round">
    <path d="M7 5v5a5 5 0 0 0 10 0v-5" stroke="{letter}"/>
    <path d="M5 19.5h14" stroke="{line}" stroke-width="2.25"/>
  </g>
</svg>"""


DRAWN = [
    ("icons/pdfviewer/signature.png", signature_svg(TEXT_2), 48),
    ("icons/pdfviewer/annot-underline.png", underline_svg(TEXT_2, DANGER), 48),
    ("icons/modern/logo.png", logo_svg(), 256),
    ("checkbox/checkbox-unchecked.png", checkbox_svg(False, BORDER_STRONG), 40),
    ("checkbox/checkbox-unchecked-hover.png", checkbox_svg(False, ACCENT_HOVER), 40),
    ("checkbox/checkbox-checked.png", checkbox_svg(True, ACCENT), 40),
    ("checkbox/checkbox-checked-hover.png", checkbox_svg(True, ACCENT_HOVER), 40),
    ("checkbox/radio-button-off.png", radio_svg(False, BORDER_STRONG), 48),
    ("checkbox/radio-button-off-hover.png", radio_svg(False, ACCENT_HOVER), 48),
    ("checkbox/radio-button-on.png", radio_svg(True, ACCENT), 48),
    ("checkbox/radio-button-on-hover.png", radio_svg(True, ACCENT_HOVER), 48),
]

# The application icon for desktop entries, beside the logo source it is made from.
APP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)


def glyph_body(name, filled):
    path = os.path.join(TABLER, ("filled-" if filled else "") + name + ".svg")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    body = re.search(r"<svg[^>]*>(.*)</svg>", text, re.S).group(1)
    # Drop tabler's invisible 24x24 bounding path.
    return re.sub(r'<path stroke="none" d="M0 0h24v24H0z" fill="none"\s*/>', "", body).strip()


def glyph_svg(name, colour, filled=False):
    if filled:
        paint = f'fill="{colour}" stroke="none"'
    else:
        paint = (f'fill="none" stroke="{colour}" stroke-width="{STROKE}" '
                 'stroke-linecap="round" stroke-linejoin="round"')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">'
            f'<g {paint}>{glyph_body(name, filled)}</g></svg>')


def tile_svg(name, colour):
    # A soft accent disc with the glyph at about 60 % of its size: empty states and drop zones.
    paint = (f'fill="none" stroke="{colour}" stroke-width="1.6" '
             'stroke-linecap="round" stroke-linejoin="round"')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="96" height="96" viewBox="0 0 96 96">'
            f'<circle cx="48" cy="48" r="46" fill="{ACCENT_SOFT}"/>'
            f'<g transform="translate(19.2 19.2) scale(2.4)" {paint}>{glyph_body(name, False)}</g></svg>')


def render(svg, out, px):
    os.makedirs(os.path.dirname(out), exist_ok=True)
    subprocess.run(["rsvg-convert", "-w", str(px), "-h", str(px), "-f", "png", "-o", out],
                   input=svg.encode("utf-8"), check=True)


def fetch():
    """Refreshes the vendored glyphs (and the licence) from the @tabler/icons npm package."""
    needed = {(src, kind == "filled") for _, kind, src, _, _ in ICONS}
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["npm", "pack", "@tabler/icons", "--silent"], cwd=tmp, check=True,
                       stdout=subprocess.DEVNULL)
        tgz = next(f for f in os.listdir(tmp) if f.endswith(".tgz"))
        subprocess.run(["tar", "xzf", tgz], cwd=tmp, check=True)
        pkg = os.path.join(tmp, "package")
        os.makedirs(TABLER, exist_ok=True)
        for name, filled in sorted(needed):
            src = os.path.join(pkg, "icons", "filled" if filled else "outline", name + ".svg")
            shutil.copy(src, os.path.join(TABLER, ("filled-" if filled else "") + name + ".svg"))
        shutil.copy(os.path.join(pkg, "LICENSE"), os.path.join(TABLER, "LICENSE"))
        with open(os.path.join(pkg, "package.json"), encoding="utf-8") as f:
            version = re.search(r'"version":\s*"([^"]+)"', f.read()).group(1)
        with open(os.path.join(TABLER, "VERSION"), "w", encoding="utf-8") as f:
            f.write(version + "\n")


def contact_sheet(out):
    """One picture of every rendered image on light and dark backgrounds, for review."""
    entries = [p for p, *_ in ICONS] + [p for p, *_ in DRAWN]
    cell, cols = 72, 10
    rows = (len(entries) + cols - 1) // cols
    parts = []
    for i, rel in enumerate(entries):
        x, y = (i % cols) * cell, (i // cols) * cell
        dark = "pdfviewer/" in rel and any(k in rel for k in (
            "previous", "next", "back", "forward", "fit-", "zoom-", "insert-plus", "split-scissors"))
        bg = "#18191C" if dark else ("#4F46E5" if rel.endswith("addfile.png") else "#FFFFFF")
        with open(os.path.join(RES, rel), "rb") as f:
            href = "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")
        parts.append(f'<rect x="{x + 4}" y="{y + 4}" width="{cell - 8}" height="{cell - 8}" '
                     f'rx="8" fill="{bg}" stroke="#E2E7EF"/>'
                     f'<image x="{x + 16}" y="{y + 16}" width="40" height="40" href="{href}"/>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{cols * cell}" height="{rows * cell}">'
           f'<rect width="100%" height="100%" fill="#F7F8FC"/>{"".join(parts)}</svg>')
    subprocess.run(["rsvg-convert", "-f", "png", "-o", out], input=svg.encode("utf-8"), check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fetch", action="store_true", help="refresh the vendored glyphs from npm")
    parser.add_argument("--sheet", help="also write a contact sheet of every image to this PNG")
    args = parser.parse_args()
    if shutil.which("rsvg-convert") is None:
        sys.exit("rsvg-convert is missing: run scripts/setup.sh (package librsvg2-bin)")
    if args.fetch:
        fetch()
    for rel, kind, src, colour, px in ICONS:
        svg = tile_svg(src, colour) if kind == "tile" else glyph_svg(src, colour, kind == "filled")
        render(svg, os.path.join(RES, rel), px)
    for rel, svg, px in DRAWN:
        render(svg, os.path.join(RES, rel), px)
    app_dir = os.path.join(RES, "icons", "app")
    os.makedirs(app_dir, exist_ok=True)
    with open(os.path.join(app_dir, "velmora.svg"), "w", encoding="utf-8") as f:
        f.write(logo_svg() + "\n")
    for px in APP_ICON_SIZES:
        render(logo_svg(), os.path.join(app_dir, f"velmora-{px}.png"), px)
    print(f"rendered {len(ICONS) + len(DRAWN)} images into {RES}")
    if args.sheet:
        contact_sheet(args.sheet)


if __name__ == "__main__":
    main()
