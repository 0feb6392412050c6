#!/usr/bin/env python3
"""Local RFC 3161 time-stamp authority for tests, backed by `openssl ts`.

Usage: tsa_server.py [--port 0] --dir WORKDIR

At start it writes a fresh self-signed TSA key and certificate (extended key
usage timeStamping, critical) and an `openssl ts` config into WORKDIR, then
prints "PORT <n>" and "CERT <path to tsa.pem>" on stdout. Each POST of an
application/timestamp-query body is answered with an
application/timestamp-reply made by `openssl ts -reply`.
"""

import argparse
import http.server
import os
import subprocess
import sys
import tempfile
import threading

POLICY_OID = "1.2.3.4.1"

TS_CONFIG = """[tsa]
default_tsa = velmora_tsa

[velmora_tsa]
dir = {dir}
serial = $dir/tsaserial
crypto_device = builtin
signer_cert = $dir/tsa.pem
certs = $dir/tsa.pem
signer_key = $dir/tsa.key
signer_digest = sha256
default_policy = {policy}
other_policies = 1.2.3.4.5
digests = sha1, sha256, sha384, sha512
accuracy = secs:1
ordering = yes
tsa_name = yes
ess_cert_id_chain = no
ess_cert_id_alg = sha256
"""


def setup(workdir):
    """Write key, certificate, serial file and config; return their paths."""
    os.makedirs(workdir, exist_ok=True)
    key = os.path.join(workdir, "tsa.key")
    cert = os.path.join(workdir, "tsa.pem")
    config = os.path.join(workdir, "tsa.cnf")
    subprocess.run(
        ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
         "-keyout", key, "-out", cert, "-days", "3650",
         "-subj", "/CN=Velmora Test TSA/O=Velmora Tests",
         "-addext", "basicConstraints=critical,CA:FALSE",
         "-addext", "keyUsage=critical,digitalSignature,nonRepudiation",
         "-addext", "extendedKeyUsage=critical,timeStamping"],
        check=True, capture_output=True)
    with open(os.path.join(workdir, "tsaserial"), "w") as f:
        f.write("01\n")
    with open(config, "w") as f:
        f.write(TS_CONFIG.format(dir=workdir, policy=POLICY_OID))
    return key, cert, config


def make_handler(key, cert, config):
    # openssl ts rewrites the serial file, so replies are made one at a time.
    lock = threading.Lock()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def _send(self, code, body, ctype):
            self.send_response(code)
            self.send_header("Content-Type", ctype)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def do_POST(self):
            length = int(self.headers.get("Content-Length") or 0)
            query = self.rfile.read(length)
            ctype = (self.headers.get("Content-Type") or "").split(";")[0].strip().lower()
            if ctype != "application/timestamp-query":
                self._send(415, b"expected application/timestamp-query\n", "text/plain")
                return
            with tempfile.TemporaryDirectory(prefix="tsa-") as tmp:
                qpath = os.path.join(tmp, "q.tsq")
                rpath = os.path.join(tmp, "r.tsr")
                with open(qpath, "wb") as f:
                    f.write(query)
                with lock:
                    res = subprocess.run(
                        ["openssl", "ts", "-reply", "-queryfile", qpath,
                         "-config", config, "-inkey", key, "-signer", cert,
                         "-out", rpath],
                        capture_output=True)
                if res.returncode != 0 or not os.path.exists(rpath):
                    self._send(400, res.stderr or b"bad query\n", "text/plain")
                    return
                with open(rpath, "rb") as f:
                    reply = f.read()
            self._send(200, reply, "application/timestamp-reply")

        def do_GET(self):
            self._send(405, b"POST a time-stamp query\n", "text/plain")

        def log_message(self, fmt, *args):
            sys.stderr.write("tsa: " + (fmt % args) + "\n")

    return Handler


def main():
    ap = argparse.ArgumentParser(description="local RFC 3161 TSA for tests")
    ap.add_argument("--port", type=int, default=0, help="0 picks a free port")
    ap.add_argument("--dir", required=True, help="where key, certificate and config go")
    args = ap.parse_args()

    workdir = os.path.abspath(args.dir)
    key, cert, config = setup(workdir)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port),
                                             make_handler(key, cert, config))
    # Callers read the first line to learn where to connect.
    print("PORT %d" % server.server_address[1])
    print("CERT %s" % cert)
    sys.stdout.flush()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
