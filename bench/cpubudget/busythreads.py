#!/usr/bin/env python3
"""Runs a command and samples, every 20 ms, how many of its threads (and its children's) are
running or ready to run, its main thread (the event loop) apart; prints the wall time, the most
busy threads seen, their mean, the share of samples with more busy threads than cores, and the
peak resident memory.
    busythreads.py COMMAND [ARG...]"""
import os
import subprocess
import sys
import tempfile
import time


def tree(root):
    pids, todo = [], [root]
    while todo:
        pid = todo.pop()
        pids.append(pid)
        try:
            with open(f"/proc/{pid}/task/{pid}/children") as f:
                todo += [int(c) for c in f.read().split()]
        except OSError:
            pass
    return pids


def busy_and_rss(root):
    busy, rss = 0, 0
    for pid in tree(root):
        try:
            for tid in os.listdir(f"/proc/{pid}/task"):
                with open(f"/proc/{pid}/task/{tid}/stat") as f:
                    if int(tid) != pid and f.read().rsplit(")", 1)[1].split()[0] == "R":
                        busy += 1
            with open(f"/proc/{pid}/status") as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        rss += int(line.split()[1])
        except OSError:
            pass
    return busy, rss


start = time.monotonic()
errors = tempfile.TemporaryFile()
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=errors)
samples, peak_rss = [], 0
while child.poll() is None:
    busy, rss = busy_and_rss(child.pid)
    samples.append(busy)
    peak_rss = max(peak_rss, rss)
    time.sleep(0.02)
elapsed = time.monotonic() - start
if child.returncode != 0:
    errors.seek(0)
    sys.stderr.write(errors.read().decode(errors="replace"))
    sys.exit(f"{sys.argv[1]} exited with {child.returncode}")
samples = samples or [0]
over = sum(1 for s in samples if s > os.cpu_count()) / len(samples)
print(f"{elapsed:.2f} s  busy threads max {max(samples)} mean {sum(samples) / len(samples):.2f}"
      f" over {os.cpu_count()} in {100 * over:.1f}% of samples  peak {peak_rss // 1024} MiB")
