#!/usr/bin/env python3
"""package_check_refuses: check_zip.py refuses a ZIP with each fault a
release could grow, one fault a row, and passes the ZIP package_zip made:
check_zip_test.py BUILD_DIR (after package_zip)."""
import copy
import hashlib
import json
import os
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def edit(member, change):
    """A row's fault: CHANGE(entry, data) -> data applied to MEMBER."""
    def apply(entries, name):
        for i, (entry, data) in enumerate(entries):
            if entry.filename == f"{name}/{member}":
                entries[i] = (entry, change(entry, data))
        return entries
    return apply


def set_field(field, value):
    def change(entry, data):
        setattr(entry, field, value)
        return data
    return change


ROWS = [
    ("a guide line with a Unix line end", edit("README.txt", lambda e, d: d.replace(b"\r\n", b"\n", 1)),
     "README.txt has lines without a Windows line end"),
    ("a guide without its byte order mark", edit("CZYTAJ.TXT", lambda e, d: d[3:]),
     "CZYTAJ.TXT does not start with a UTF-8 byte order mark"),
    ("a developer's word in a guide", edit("README.txt", lambda e, d: d + b"Build it with CMake.\r\n"),
     "README.txt speaks of the developer's tools"),
    ("the checksums with Unix line ends", edit("SHA256SUMS.txt", lambda e, d: d.replace(b"\r\n", b"\n")),
     "SHA256SUMS.txt has lines without a Windows line end"),
    ("a changed byte in the plug-in", edit("talvenor.dll", lambda e, d: d[:64] + bytes([d[64] ^ 1]) + d[65:]),
     "sha256sum -c SHA256SUMS.txt fails"),
    ("an entry dated with the clock", edit("infprz.exe", set_field("date_time", (2030, 1, 2, 3, 4, 6))),
     "infprz.exe is dated (2030, 1, 2, 3, 4, 6)"),
    ("an entry with a Unix owner", edit("talvenor.dll", set_field("create_system", 3)),
     "talvenor.dll carries this machine's fields"),
    ("the entries out of order", lambda entries, name: entries[::-1], "not in name order"),
    ("the plug-in missing", lambda entries, name: [x for x in entries if x[0].filename != f"{name}/talvenor.dll"],
     "talvenor.dll is missing"),
]


def write(entries, path):
    with zipfile.ZipFile(path, "w") as archive:
        for entry, data in entries:
            archive.writestr(entry, data)
    digest = hashlib.sha256(open(path, "rb").read()).hexdigest()
    with open(path + ".sha256", "w", newline="") as f:
        f.write(f"{digest}  {os.path.basename(path)}\r\n")


def check(build, path):
    return subprocess.run([sys.executable, os.path.join(HERE, "check_zip.py"), build, path],
                          capture_output=True, text=True)


def main():
    build = sys.argv[1]
    name = json.load(open(os.path.join(build, "release.json")))["name"]
    good = os.path.join(build, "package-test", name + ".zip")
    with zipfile.ZipFile(good) as archive:
        original = [(e, archive.read(e)) for e in archive.infolist()]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, name + ".zip")
        write(copy.deepcopy(original), path)
        done = check(build, path)
        if done.returncode != 0:
            failures.append(f"the ZIP rewritten unchanged is refused: {done.stderr.strip()}")
        for what, fault, expected in ROWS:
            write(fault(copy.deepcopy(original), name), path)
            done = check(build, path)
            if done.returncode != 1 or expected not in done.stderr:
                failures.append(f"{what}: expected exit 1 and \"{expected}\", got exit {done.returncode}: "
                                f"{done.stderr.strip() or '(nothing)'}")
    for failure in failures:
        print(failure, file=sys.stderr)
    print(f"{len(ROWS) - len(failures)} of {len(ROWS)} faults refused, the good ZIP passed: "
          f"{'yes' if not any(f.startswith('the ZIP rewritten') for f in failures) else 'no'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
