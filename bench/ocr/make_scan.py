#!/usr/bin/env python3
"""Writes a PDF whose pages are the given JPEG files shown edge to edge at their dpi, the way a
scanner stores a scan: one DCT image per page and nothing else.
    make_scan.py DPI OUT.pdf PAGE1.jpg PAGE2.jpg ..."""
import struct
import sys


def jpeg_size(data):
    i = 2
    while i < len(data):
        if data[i] != 0xFF:
            raise ValueError("not a JPEG")
        marker = data[i + 1]
        length = struct.unpack(">H", data[i + 2:i + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            h, w = struct.unpack(">HH", data[i + 5:i + 9])
            return w, h, data[i + 9]
        i += 2 + length
    raise ValueError("no frame header")


def main():
    dpi = float(sys.argv[1])
    out = sys.argv[2]
    images = [open(p, "rb").read() for p in sys.argv[3:]]
    objects = []
    kids = []
    for data in images:
        w, h, comps = jpeg_size(data)
        pw, ph = w * 72 / dpi, h * 72 / dpi
        space = "/DeviceGray" if comps == 1 else "/DeviceRGB"
        image = len(objects) + 3
        content = f"q {pw:.2f} 0 0 {ph:.2f} 0 0 cm /Im0 Do Q\n".encode()
        objects.append(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace %s "
                       b"/BitsPerComponent 8 /Filter /DCTDecode /Length %d >>\nstream\n"
                       % (w, h, space.encode(), len(data)) + data + b"\nendstream")
        objects.append(b"<< /Length %d >>\nstream\n" % len(content) + content + b"endstream")
        objects.append(b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.2f %.2f] "
                       b"/Resources << /XObject << /Im0 %d 0 R >> >> /Contents %d 0 R >>"
                       % (pw, ph, image, image + 1))
        kids.append(image + 2)
    head = [b"<< /Type /Catalog /Pages 2 0 R >>",
            b"<< /Type /Pages /Kids [%s] /Count %d >>"
            % (b" ".join(b"%d 0 R" % k for k in kids), len(kids))]
    pdf = bytearray(b"%PDF-1.4\n")
    offsets = []
    for n, body in enumerate(head + objects, start=1):
        offsets.append(len(pdf))
        pdf += b"%d 0 obj\n" % n + body + b"\nendobj\n"
    xref = len(pdf)
    pdf += b"xref\n0 %d\n0000000000 65535 f \n" % (len(offsets) + 1)
    for o in offsets:
        pdf += b"%010d 00000 n \n" % o
    pdf += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(offsets) + 1, xref)
    open(out, "wb").write(pdf)


main()
