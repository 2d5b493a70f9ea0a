#!/usr/bin/env python3
"""Mutation check: does the test suite notice a planted fault?

Each row of mutations.tsv names a product file, a text that occurs exactly once in it, the text
that replaces it (a flipped comparison, a dropped check, an off-by-one, a skipped save, a wrong
text) and the test labels that must notice. Every mutation is applied alone to a scratch copy of
the tree under build-mutations/ (the working tree is never touched), the needed test targets are
rebuilt and the labelled tests run; a failing run means the mutation was caught.

    python3 tools/mutations/mutate.py              # every row
    python3 tools/mutations/mutate.py 3 7 12       # only these rows (numbered from 1)
"""

import os
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TABLE = os.path.join(ROOT, "tools", "mutations", "mutations.tsv")
SCRATCH = os.path.join(ROOT, "build-mutations")
SRC = os.path.join(SCRATCH, "src")
BUILD = os.path.join(SCRATCH, "build")
TEST_TIMEOUT = "300"
# qt: the manual page is built by its own target, which the manual page test reads.
TARGETS = {"core": ["core_tests"], "qt": ["qt_tests", "wayfolder_man"], "cli": ["wayfolder"],
           "slowfs": ["slowfs_tests", "slowshare_tests"]}

pending_restore = None  # (path, original bytes) while a mutation is applied


def restore():
    global pending_restore
    if pending_restore:
        path, data = pending_restore
        with open(path, "wb") as f:
            f.write(data)
        pending_restore = None


def on_signal(signum, _frame):
    restore()
    sys.exit(128 + signum)


def read_table():
    rows = []
    with open(TABLE, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) != 5:
                sys.exit(f"{TABLE}:{number}: expected 5 tab-separated cells, found {len(cells)}")
            path, labels, original, replacement, description = cells
            rows.append((path, labels.split("+"), original, replacement, description))
    return rows


def sync_scratch():
    """Copies the working tree's files into the scratch copy, writing only what differs."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                            check=True, capture_output=True).stdout.decode().split("\0")
    wanted = set()
    for rel in filter(None, listed):
        source = os.path.join(ROOT, rel)
        if not os.path.isfile(source):
            continue
        wanted.add(rel)
        target = os.path.join(SRC, rel)
        with open(source, "rb") as f:
            data = f.read()
        if os.path.isfile(target):
            with open(target, "rb") as f:
                if f.read() == data:
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        shutil.copymode(source, target)
    for folder, _dirs, files in os.walk(SRC):
        for name in files:
            rel = os.path.relpath(os.path.join(folder, name), SRC)
            if rel not in wanted:
                os.remove(os.path.join(folder, name))


def run(command, timeout=None):
    return subprocess.run(command, cwd=SCRATCH, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=timeout).returncode == 0


def build(labels):
    targets = [t for label in labels for t in TARGETS[label]]
    return run(["cmake", "--build", BUILD, "-j2", "--target", *targets])


def tests_pass(labels):
    # The command-line script is labelled qt, as it needs the program.
    regex = "|".join(sorted({"qt" if label == "cli" else label for label in labels}))
    return run(["ctest", "--test-dir", BUILD, "-L", f"^({regex})$", "-j2", "--timeout", TEST_TIMEOUT,
                "--stop-on-failure"])


def main():
    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)
    rows = read_table()
    chosen = [int(a) for a in sys.argv[1:]] or list(range(1, len(rows) + 1))
    labels_needed = sorted({label for n in chosen for label in rows[n - 1][1]})

    os.makedirs(SRC, exist_ok=True)
    sync_scratch()
    env_launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    # Warnings stay warnings here: a mutation may leave a variable unused.
    if not run(["cmake", "-S", SRC, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Debug", "-DWAYFOLDER_WERROR=OFF",
                "-DWAYFOLDER_BENCH=OFF", *env_launcher]):
        sys.exit("configure failed")
    if not build(labels_needed) or not tests_pass(labels_needed):
        sys.exit("the unmutated tree does not build or pass its tests")

    counts = {"caught": 0, "survived": 0, "invalid": 0}
    for n in chosen:
        path, labels, original, replacement, description = rows[n - 1]
        target = os.path.join(SRC, path)
        with open(target, "rb") as f:
            data = f.read()
        found = data.count(original.encode())
        if found != 1:
            verdict = "invalid"
            note = f"text found {found} times"
        else:
            global pending_restore
            pending_restore = (target, data)
            with open(target, "wb") as f:
                f.write(data.replace(original.encode(), replacement.encode()))
            started = time.monotonic()
            try:
                if not build(labels):
                    verdict, note = "invalid", "does not build"
                else:
                    verdict = "survived" if tests_pass(labels) else "caught"
                    note = f"{time.monotonic() - started:.0f}s"
            finally:
                restore()
        counts[verdict] += 1
        print(f"{n:3} {verdict:8} {'+'.join(labels):8} {path}: {description} ({note})", flush=True)
    build(labels_needed)  # leave the scratch build unmutated
    print(f"total {len(chosen)}: caught {counts['caught']}, survived {counts['survived']}, "
          f"invalid {counts['invalid']}")
    return 0 if counts["survived"] == 0 and counts["invalid"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
