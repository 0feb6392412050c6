#!/usr/bin/env python3
"""Build a corpus of signed PDFs with independent tools (openssl, mutool, qpdf)
and record what pdfsig and `mutool sign -v` say about each signature.

Usage: make_corpus.py OUTDIR

OUTDIR receives the PDFs, the keys and certificates used to make them
(ca.pem is the test CA) and manifest.tsv.
"""

import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile

P12_PASSWORD = "pw"
SIG_PLACEHOLDER_BYTES = 8192  # room for the DER CMS blob
SIGN_DATE = "D:20240315120000Z"


def run(cmd, **kw):
    """Run a command, fail loudly with its stderr if it fails."""
    res = subprocess.run(cmd, capture_output=True, **kw)
    if res.returncode != 0:
        raise RuntimeError("command failed: %s\n%s%s" % (
            " ".join(cmd), res.stdout.decode(errors="replace"),
            res.stderr.decode(errors="replace")))
    return res


# ---------------------------------------------------------------------------
# Certificates

LEAF_EXT = """[leaf]
basicConstraints = critical, CA:FALSE
keyUsage = critical, digitalSignature, nonRepudiation
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
"""


def make_certs(d, tmp):
    """Create every key and certificate the corpus needs; return a dict of signers."""
    def p(name):
        return os.path.join(d, name)

    def t(name):
        return os.path.join(tmp, name)

    with open(t("leaf_ext.cnf"), "w") as f:
        f.write(LEAF_EXT)

    # Self-signed RSA signer.
    run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
         "-keyout", p("self.key"), "-out", p("self.pem"), "-days", "3650",
         "-subj", "/CN=Velmora Test Self-Signed/O=Velmora Tests",
         "-addext", "keyUsage=critical,digitalSignature,nonRepudiation"])

    # Test CA.
    run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
         "-keyout", p("ca.key"), "-out", p("ca.pem"), "-days", "3650",
         "-subj", "/CN=Velmora Test CA/O=Velmora Tests",
         "-addext", "basicConstraints=critical,CA:TRUE",
         "-addext", "keyUsage=critical,keyCertSign,cRLSign"])

    # Leaf signed by the test CA.
    run(["openssl", "req", "-new", "-newkey", "rsa:2048", "-nodes",
         "-keyout", p("leaf.key"), "-out", t("leaf.csr"),
         "-subj", "/CN=Velmora Test Signer/O=Velmora Tests"])
    run(["openssl", "x509", "-req", "-in", t("leaf.csr"), "-CA", p("ca.pem"),
         "-CAkey", p("ca.key"), "-set_serial", "2", "-days", "3650",
         "-sha256", "-extfile", t("leaf_ext.cnf"), "-extensions", "leaf",
         "-out", p("leaf.pem")])

    # Expired leaf from the same CA; openssl 3.0's x509 has no explicit
    # dates, so `openssl ca` with a throwaway database does it.
    cadb = t("cadb")
    os.makedirs(cadb, exist_ok=True)
    open(os.path.join(cadb, "index.txt"), "w").close()
    with open(os.path.join(cadb, "serial"), "w") as f:
        f.write("10\n")
    with open(t("ca.cnf"), "w") as f:
        f.write("""[ca]
default_ca = testca
[testca]
dir = %s
database = $dir/index.txt
new_certs_dir = $dir
serial = $dir/serial
default_md = sha256
policy = anything
unique_subject = no
copy_extensions = none
x509_extensions = leaf
[anything]
commonName = supplied
organizationName = optional
%s""" % (cadb, LEAF_EXT))
    run(["openssl", "req", "-new", "-newkey", "rsa:2048", "-nodes",
         "-keyout", p("expired.key"), "-out", t("expired.csr"),
         "-subj", "/CN=Velmora Expired Signer/O=Velmora Tests"])
    run(["openssl", "ca", "-batch", "-notext", "-config", t("ca.cnf"),
         "-cert", p("ca.pem"), "-keyfile", p("ca.key"),
         "-startdate", "20200101000000Z", "-enddate", "20210101000000Z",
         "-in", t("expired.csr"), "-out", p("expired.pem")])

    # Self-signed ECDSA P-256 signer.
    run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
         "ec_paramgen_curve:P-256", "-nodes",
         "-keyout", p("ec.key"), "-out", p("ec.pem"), "-days", "3650",
         "-subj", "/CN=Velmora Test ECDSA/O=Velmora Tests",
         "-addext", "keyUsage=critical,digitalSignature,nonRepudiation"])

    # PKCS#12 bundles for mutool.
    run(["openssl", "pkcs12", "-export", "-inkey", p("self.key"),
         "-in", p("self.pem"), "-name", "self", "-out", p("self.p12"),
         "-passout", "pass:" + P12_PASSWORD])
    run(["openssl", "pkcs12", "-export", "-inkey", p("leaf.key"),
         "-in", p("leaf.pem"), "-certfile", p("ca.pem"), "-name", "leaf",
         "-out", p("leaf.p12"), "-passout", "pass:" + P12_PASSWORD])

    def signer(name):
        return {"cert": p(name + ".pem"), "key": p(name + ".key")}
    return {"self": signer("self"), "leaf": signer("leaf"),
            "expired": signer("expired"), "ec": signer("ec"),
            "self_p12": p("self.p12"), "leaf_p12": p("leaf.p12"),
            "ca": p("ca.pem")}


# ---------------------------------------------------------------------------
# Minimal PDF writing

def pdf_string(text):
    return "(" + text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)") + ")"


def text_stream(lines):
    ops = ["BT", "/F1 14 Tf", "72 740 Td", "18 TL"]
    for line in lines:
        ops.append(pdf_string(line) + " '")
    ops.append("ET")
    return ("\n".join(ops) + "\n").encode("latin-1")


def stream_obj(data, extra=""):
    return b"<< /Length %d%s >>\nstream\n" % (len(data), extra.encode()) + data + b"\nendstream"


def serialize(objects, root, ident):
    """Write a whole PDF from {num: body} with a classic xref table."""
    out = bytearray(b"%PDF-1.7\n%\xe2\xe3\xcf\xd3\n")
    size = max(objects) + 1
    offsets = {}
    for num in sorted(objects):
        offsets[num] = len(out)
        out += b"%d 0 obj\n" % num + objects[num] + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % size
    for num in range(1, size):
        if num in offsets:
            out += b"%010d 00000 n \n" % offsets[num]
        else:
            out += b"0000000000 65535 f \n"
    out += (b"trailer\n<< /Size %d /Root %d 0 R /ID [<%s> <%s>] >>\n"
            b"startxref\n%d\n%%%%EOF\n" % (size, root, ident, ident, xref))
    return bytes(out)


def make_base_pdf(name, n_pages=3, n_sig_fields=1):
    """A small text PDF with an AcroForm of empty signature fields.

    Object numbers: 1 catalog, 2 pages, 3 font, 4 AcroForm,
    then page/content pairs, then the signature fields."""
    objs = {}
    page_nums = [5 + 2 * i for i in range(n_pages)]
    field_nums = [5 + 2 * n_pages + i for i in range(n_sig_fields)]
    objs[1] = b"<< /Type /Catalog /Pages 2 0 R /AcroForm 4 0 R >>"
    objs[2] = b"<< /Type /Pages /Kids [%s] /Count %d >>" % (
        b" ".join(b"%d 0 R" % n for n in page_nums), n_pages)
    objs[3] = (b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica"
               b" /Encoding /WinAnsiEncoding >>")
    objs[4] = b"<< /Fields [%s] /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv 3 0 R >> >> >>" % (
        b" ".join(b"%d 0 R" % n for n in field_nums))
    for i, pn in enumerate(page_nums):
        annots = [f for j, f in enumerate(field_nums) if j % n_pages == i]
        annot_entry = b""
        if annots:
            annot_entry = b" /Annots [%s]" % b" ".join(b"%d 0 R" % a for a in annots)
        objs[pn] = (b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792]"
                    b" /Resources << /Font << /F1 3 0 R >> >> /Contents %d 0 R%s >>"
                    % (pn + 1, annot_entry))
        lines = ["Velmora signature fixture: %s" % name,
                 "Page %d of %d" % (i + 1, n_pages),
                 "The quick brown fox jumps over the lazy dog."]
        objs[pn + 1] = stream_obj(text_stream(lines))
    for j, fn in enumerate(field_nums):
        page = page_nums[j % n_pages]
        y = 600 - 80 * (j // n_pages)
        objs[fn] = (b"<< /Type /Annot /Subtype /Widget /FT /Sig /T (Signature%d)"
                    b" /Rect [72 %d 272 %d] /F 4 /P %d 0 R >>" % (j + 1, y, y + 50, page))
    ident = hashlib.md5(name.encode()).hexdigest().upper().encode()
    return serialize(objs, 1, ident), {"pages": page_nums, "fields": field_nums}


# ---------------------------------------------------------------------------
# Reading back just enough of a PDF with classic xref tables

def last_startxref(data):
    m = list(re.finditer(rb"startxref\s+(\d+)", data))
    if not m:
        raise ValueError("no startxref")
    return int(m[-1].group(1))


def read_trailer_at(data, off):
    if not data.startswith(b"xref", off):
        raise ValueError("xref streams are not handled here (offset %d)" % off)
    entries = {}
    pos = off + 4
    lines = re.compile(rb"\s*(\d+) (\d+)\s*\r?\n")
    while True:
        m = lines.match(data, pos)
        if not m:
            break
        first, count = int(m.group(1)), int(m.group(2))
        pos = m.end()
        for k in range(count):
            row = data[pos:pos + 20]
            pos += 20
            if row[17:18] == b"n":
                entries[first + k] = int(row[0:10])
    t = data.index(b"trailer", pos)
    end = data.index(b"startxref", t)
    return entries, data[t + 7:end]


def read_xref(data):
    """Latest offset of every object, and the newest trailer text."""
    offsets = {}
    off = last_startxref(data)
    newest = None
    seen = set()
    while off is not None and off not in seen:
        seen.add(off)
        entries, trailer = read_trailer_at(data, off)
        if newest is None:
            newest = trailer
        for num, o in entries.items():
            offsets.setdefault(num, o)
        m = re.search(rb"/Prev\s+(\d+)", trailer)
        off = int(m.group(1)) if m else None
    return offsets, newest


def get_object(data, offsets, num):
    start = offsets[num]
    m = re.compile(rb"%d\s+0\s+obj\s*" % num).match(data, start)
    if not m:
        raise ValueError("object %d not at %d" % (num, start))
    end = data.index(b"endobj", m.end())
    return data[m.end():end].rstrip()


def dict_set(body, key, value):
    """Set /key in a dictionary body (simple values only)."""
    key_b = b"/" + key.encode()
    value_b = value.encode() if isinstance(value, str) else value
    simple = re.compile(re.escape(key_b) + rb"(?![A-Za-z0-9])\s*(\d+\s+\d+\s+R|\d+|/[A-Za-z0-9.]+)")
    if simple.search(body):
        return simple.sub(lambda _: key_b + b" " + value_b, body, count=1)
    if re.search(re.escape(key_b) + rb"(?![A-Za-z0-9])", body):
        raise ValueError("cannot replace complex value of %s" % key)
    idx = body.rindex(b">>")
    return body[:idx].rstrip() + b" " + key_b + b" " + value_b + b" >>" + body[idx + 2:]


def append_update(data, new_objects):
    """Append an incremental update holding new_objects {num: body}."""
    offsets, trailer = read_xref(data)
    size = int(re.search(rb"/Size\s+(\d+)", trailer).group(1))
    root = re.search(rb"/Root\s+(\d+\s+\d+\s+R)", trailer).group(1)
    ident = re.search(rb"/ID\s*\[[^\]]*\]", trailer)
    prev = last_startxref(data)
    out = bytearray(data)
    if not out.endswith(b"\n"):
        out += b"\n"
    new_offsets = {}
    for num in sorted(new_objects):
        new_offsets[num] = len(out)
        out += b"%d 0 obj\n" % num + new_objects[num] + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n"
    nums = sorted(new_objects)
    i = 0
    while i < len(nums):
        j = i
        while j + 1 < len(nums) and nums[j + 1] == nums[j] + 1:
            j += 1
        out += b"%d %d\n" % (nums[i], j - i + 1)
        for num in nums[i:j + 1]:
            out += b"%010d 00000 n \n" % new_offsets[num]
        i = j + 1
    size = max(size, max(nums) + 1)
    out += b"trailer\n<< /Size %d /Root %s /Prev %d" % (size, root, prev)
    if ident:
        out += b" " + ident.group(0)
    out += b" >>\nstartxref\n%d\n%%%%EOF\n" % xref
    return bytes(out)


def next_free_num(data):
    _, trailer = read_xref(data)
    return int(re.search(rb"/Size\s+(\d+)", trailer).group(1))


def root_num(data):
    _, trailer = read_xref(data)
    return int(re.search(rb"/Root\s+(\d+)\s+\d+\s+R", trailer).group(1))


# ---------------------------------------------------------------------------
# Signing by hand with openssl cms

def cms_sign(payload, signer, md="sha256", cades=False, extra_args=(), tmp=None):
    data_path = os.path.join(tmp, "signed-bytes.bin")
    sig_path = os.path.join(tmp, "sig.der")
    with open(data_path, "wb") as f:
        f.write(payload)
    cmd = ["openssl", "cms", "-sign", "-binary", "-outform", "DER",
           "-in", data_path, "-out", sig_path,
           "-signer", signer["cert"], "-inkey", signer["key"], "-md", md]
    if cades:
        cmd.append("-cades")
    cmd += list(extra_args)
    run(cmd)
    with open(sig_path, "rb") as f:
        return f.read()


def sign_by_hand(data, field_num, signer, tmp, md="sha256",
                 subfilter="adbe.pkcs7.detached", certify_p=None,
                 extra_args=(), reason="Velmora test"):
    """Fill the signature field field_num through an incremental update."""
    offsets, _ = read_xref(data)
    sig_num = next_free_num(data)
    cades = subfilter == "ETSI.CAdES.detached"
    placeholder = b"0" * (2 * SIG_PLACEHOLDER_BYTES)
    byterange_ph = b"[0 0000000000 0000000000 0000000000]"
    sig = (b"<< /Type /Sig /Filter /Adobe.PPKLite /SubFilter /" + subfilter.encode() +
           b" /ByteRange " + byterange_ph +
           b" /Contents <" + placeholder + b">" +
           b" /M (" + SIGN_DATE.encode() + b") /Reason " + pdf_string(reason).encode())
    if certify_p is not None:
        sig += (b" /Reference [<< /Type /SigRef /TransformMethod /DocMDP"
                b" /TransformParams << /Type /TransformParams /P %d /V /1.2 >> >>]"
                % certify_p)
    sig += b" >>"

    new = {sig_num: sig}
    field = get_object(data, offsets, field_num)
    new[field_num] = dict_set(field, "V", "%d 0 R" % sig_num)
    cat_num = root_num(data)
    catalog = get_object(data, offsets, cat_num)
    acro_ref = re.search(rb"/AcroForm\s+(\d+)\s+0\s+R", catalog)
    if acro_ref:
        anum = int(acro_ref.group(1))
        new[anum] = dict_set(get_object(data, offsets, anum), "SigFlags", "3")
    if certify_p is not None:
        new[cat_num] = dict_set(catalog, "Perms", "<< /DocMDP %d 0 R >>" % sig_num)

    out = bytearray(append_update(data, new))
    # Locate the placeholders inside the freshly written signature object.
    sig_start = out.index(b"%d 0 obj" % sig_num, len(data))
    br_pos = out.index(byterange_ph, sig_start)
    c_start = out.index(b"<" + placeholder + b">", sig_start)
    c_end = c_start + len(placeholder) + 2
    ranges = [0, c_start, c_end, len(out) - c_end]
    br = ("[%d %d %d %d]" % tuple(ranges)).encode()
    br = br + b" " * (len(byterange_ph) - len(br))  # keep every offset in place
    assert len(br) == len(byterange_ph)
    out[br_pos:br_pos + len(br)] = br
    payload = bytes(out[0:c_start]) + bytes(out[c_end:])
    der = cms_sign(payload, signer, md=md, cades=cades, extra_args=extra_args, tmp=tmp)
    hexsig = der.hex().upper().encode()
    if len(hexsig) > len(placeholder):
        raise RuntimeError("signature larger than placeholder")
    hexsig = hexsig + b"0" * (len(placeholder) - len(hexsig))
    out[c_start + 1:c_end - 1] = hexsig
    return bytes(out)


def sign_with_mutool(data, field_num, p12, tmp):
    src = os.path.join(tmp, "mutool-in.pdf")
    dst = os.path.join(tmp, "mutool-out.pdf")
    with open(src, "wb") as f:
        f.write(data)
    if os.path.exists(dst):
        os.remove(dst)
    run(["mutool", "sign", "-s", p12, "-P", P12_PASSWORD, "-o", dst, src, str(field_num)])
    with open(dst, "rb") as f:
        return f.read()


# ---------------------------------------------------------------------------
# Later changes

def add_text_annotation(data, page_num):
    """Incremental update: a /Text annotation on page_num."""
    offsets, _ = read_xref(data)
    annot = next_free_num(data)
    page = get_object(data, offsets, page_num)
    m = re.search(rb"/Annots\s*\[([^\]]*)\]", page)
    if m:
        page = page[:m.start()] + b"/Annots [" + m.group(1).strip() + \
            b" %d 0 R]" % annot + page[m.end():]
    else:
        page = dict_set(page, "Annots", "[%d 0 R]" % annot)
    new = {
        annot: (b"<< /Type /Annot /Subtype /Text /Rect [400 700 424 724]"
                b" /Contents (Added after signing) /Open false /Name /Comment"
                b" /P %d 0 R /M (D:20240316120000Z) /F 4 >>" % page_num),
        page_num: page,
    }
    return append_update(data, new)


def replace_page_content(data, page_num):
    """Incremental update: page_num gets a new content stream."""
    offsets, _ = read_xref(data)
    content = next_free_num(data)
    page = dict_set(get_object(data, offsets, page_num), "Contents", "%d 0 R" % content)
    body = stream_obj(text_stream(["This page was replaced after signing."]))
    return append_update(data, {content: body, page_num: page})


def tamper(data, needle=b"quick brown fox"):
    """Flip one letter of page text that lies inside the first signed range."""
    pos = data.index(needle)
    out = bytearray(data)
    out[pos] = ord("Q")
    return bytes(out)


# ---------------------------------------------------------------------------
# Verifiers

def new_nssdb(path, ca=None, trust="C,,"):
    os.makedirs(path, exist_ok=True)
    run(["certutil", "-N", "-d", "sql:" + path, "--empty-password"])
    if ca:
        run(["certutil", "-A", "-d", "sql:" + path, "-n", "testca", "-t", trust, "-i", ca])


def pdfsig_report(path, nssdir):
    """Per signature: the lines of pdfsig we compare against ("-" when absent).

    No -no-ocsp: with it poppler 22.12 gives a trusted chain a generic
    "unknown" certificate verdict; our certificates carry no AIA, so nothing
    is fetched anyway."""
    res = subprocess.run(["pdfsig", "-nssdir", nssdir, path],
                         capture_output=True, text=True)
    keys = {"- Signature Validation:": "validation",
            "- Certificate Validation:": "certificate",
            "- Signing Hash Algorithm:": "hash",
            "- Signature Type:": "type"}
    sigs = []
    for line in res.stdout.splitlines():
        line = line.strip()
        if re.match(r"Signature #\d+:", line):
            sigs.append({k: "-" for k in ("validation", "certificate", "hash", "type", "total")})
        elif not sigs:
            continue
        elif line in ("- Total document signed", "- Not total document signed"):
            sigs[-1]["total"] = line[2:]
        else:
            for prefix, key in keys.items():
                if line.startswith(prefix):
                    sigs[-1][key] = line[len(prefix):].strip()
    return sigs


def mutool_report(path):
    """Per signature: mutool's certificate line and its verdict line."""
    res = subprocess.run(["mutool", "sign", "-v", path], capture_output=True, text=True)
    sigs = []
    for raw in res.stdout.splitlines():
        line = raw.strip()
        if line.startswith("Verifying signature"):
            sigs.append({"obj": line.split()[-1].rstrip(":"), "cert": "-", "verdict": "-"})
        elif not sigs or not line or line.startswith("Distinguished name"):
            continue
        elif "ertificate" in line:
            sigs[-1]["cert"] = line
        else:
            v = sigs[-1]["verdict"]
            sigs[-1]["verdict"] = line if v == "-" else v + " " + line
    return sigs


def qpdf_check(path):
    rc = subprocess.run(["qpdf", "--check", path], capture_output=True).returncode
    return {0: "ok", 3: "warnings"}.get(rc, "errors")


# ---------------------------------------------------------------------------

def build_cases(out, certs, tmp):
    """Return [(file name, case name, description)] after writing the PDFs."""
    cases = []

    def save(fname, case, desc, data):
        with open(os.path.join(out, fname), "wb") as f:
            f.write(data)
        cases.append((fname, case, desc))

    one, meta1 = make_base_pdf("one field")
    two, meta2 = make_base_pdf("two fields", n_sig_fields=2)
    with open(os.path.join(out, "unsigned-one-field.pdf"), "wb") as f:
        f.write(one)
    with open(os.path.join(out, "unsigned-two-fields.pdf"), "wb") as f:
        f.write(two)
    f1 = meta1["fields"][0]
    page1 = meta1["pages"][0]
    page2 = meta1["pages"][1]
    self_s = certs["self"]

    mutool_signed = sign_with_mutool(one, f1, certs["self_p12"], tmp)
    save("01-mutool-valid.pdf", "mutool_valid",
         "mutool sign, self-signed RSA, adbe.pkcs7.detached", mutool_signed)
    save("02-mutool-ca-leaf.pdf", "mutool_ca_leaf",
         "mutool sign, leaf from the test CA",
         sign_with_mutool(one, f1, certs["leaf_p12"], tmp))

    cms256 = sign_by_hand(one, f1, self_s, tmp)
    save("03-cms-sha256.pdf", "cms_sha256",
         "openssl cms, SHA-256, adbe.pkcs7.detached, self-signed", cms256)
    save("04-cms-sha1.pdf", "cms_sha1", "openssl cms -md sha1",
         sign_by_hand(one, f1, self_s, tmp, md="sha1"))
    save("05-cades-sha256.pdf", "cades_sha256",
         "openssl cms -cades, ETSI.CAdES.detached",
         sign_by_hand(one, f1, self_s, tmp, subfilter="ETSI.CAdES.detached"))
    save("06-cms-sha512.pdf", "cms_sha512", "openssl cms -md sha512",
         sign_by_hand(one, f1, self_s, tmp, md="sha512"))
    save("07-cms-rsa-pss.pdf", "cms_rsa_pss", "openssl cms, RSA-PSS padding, SHA-256",
         sign_by_hand(one, f1, self_s, tmp,
                      extra_args=["-keyopt", "rsa_padding_mode:pss"]))
    save("08-cms-ecdsa-p256.pdf", "cms_ecdsa", "openssl cms, ECDSA P-256 key, SHA-256",
         sign_by_hand(one, f1, certs["ec"], tmp))
    save("09-tampered.pdf", "tampered",
         "03 with one letter of page 1 text changed inside the signed range",
         tamper(cms256))
    save("10-update-annotation.pdf", "update_annotation",
         "03 plus an incremental update adding a /Text annotation to page 2",
         add_text_annotation(cms256, page2))
    save("11-update-content.pdf", "update_content",
         "03 plus an incremental update replacing page 2's content stream",
         replace_page_content(cms256, page2))
    save("12-ca-leaf.pdf", "ca_leaf", "openssl cms, leaf from the test CA (ca.pem)",
         sign_by_hand(one, f1, certs["leaf"], tmp))
    save("13-expired.pdf", "expired",
         "openssl cms, leaf from test CA valid 2020-01-01..2021-01-01",
         sign_by_hand(one, f1, certs["expired"], tmp))

    first = sign_by_hand(two, meta2["fields"][0], self_s, tmp, reason="First signer")
    save("14-two-signatures.pdf", "two_signatures",
         "two fields signed one after the other (openssl cms), both valid",
         sign_by_hand(first, meta2["fields"][1], certs["leaf"], tmp, reason="Second signer"))

    certified = sign_by_hand(one, f1, self_s, tmp, certify_p=1, reason="Certified, no changes")
    save("15-certify-p1.pdf", "certify_p1",
         "certification signature, DocMDP P 1, /Perms in catalog", certified)
    save("16-certify-p1-annotation.pdf", "certify_p1_annotation",
         "15 plus a later annotation (not allowed by P 1)",
         add_text_annotation(certified, page1))

    mfirst = sign_with_mutool(two, meta2["fields"][0], certs["self_p12"], tmp)
    save("17-mutool-two-signatures.pdf", "mutool_two_signatures",
         "two fields, both signed by mutool one after the other",
         sign_with_mutool(mfirst, meta2["fields"][1], certs["leaf_p12"], tmp))
    save("18-mutool-update-annotation.pdf", "mutool_update_annotation",
         "01 plus an incremental update adding a /Text annotation",
         add_text_annotation(mutool_signed, page2))
    return cases


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: make_corpus.py OUTDIR\n")
        return 2
    out = os.path.abspath(sys.argv[1])
    os.makedirs(out, exist_ok=True)
    tmp = tempfile.mkdtemp(prefix="velmora-sig-")
    try:
        certs = make_certs(out, tmp)
        cases = build_cases(out, certs, tmp)

        plain_db = os.path.join(tmp, "nss-empty")
        ca_db = os.path.join(tmp, "nss-ca")
        ca_email_db = os.path.join(tmp, "nss-ca-email")
        new_nssdb(plain_db)
        new_nssdb(ca_db, ca=certs["ca"], trust="C,,")
        new_nssdb(ca_email_db, ca=certs["ca"], trust="C,C,C")

        header = ["file", "case", "sig", "pdfsig_signature", "pdfsig_certificate",
                  "pdfsig_coverage", "trusted-with-ca", "trusted-with-ca-email",
                  "pdfsig_hash", "pdfsig_type", "mutool_obj", "mutool_verdict",
                  "mutool_certificate", "qpdf", "description"]
        rows = []
        for fname, case, desc in cases:
            path = os.path.join(out, fname)
            ps = pdfsig_report(path, plain_db)
            pc = pdfsig_report(path, ca_db)
            pe = pdfsig_report(path, ca_email_db)
            ms = mutool_report(path)
            q = qpdf_check(path)
            for i in range(max(len(ps), len(ms), 1)):
                a = ps[i] if i < len(ps) else {}
                m = ms[i] if i < len(ms) else {}
                rows.append([fname, case, str(i + 1),
                             a.get("validation", "-"), a.get("certificate", "-"),
                             a.get("total", "-"),
                             pc[i]["certificate"] if i < len(pc) else "-",
                             pe[i]["certificate"] if i < len(pe) else "-",
                             a.get("hash", "-"), a.get("type", "-"),
                             m.get("obj", "-"), m.get("verdict", "-"), m.get("cert", "-"),
                             q, desc])

        with open(os.path.join(out, "manifest.tsv"), "w") as f:
            f.write("\t".join(header) + "\n")
            for r in rows:
                f.write("\t".join(c.replace("\t", " ") for c in r) + "\n")

        # Console table: the verdict columns only.
        shown = [0, 2, 3, 4, 5, 6, 7, 11, 12]
        table = [[r[i] for i in shown] for r in [header] + rows]
        widths = [max(len(r[i]) for r in table) for i in range(len(shown))]
        for r in table:
            print("  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
    finally:
        shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
