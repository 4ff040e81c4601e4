#!/usr/bin/env python3
"""The Windows distribution's acceptance checks, as a user and a verifier
would make them: check_zip.py BUILD_DIR ZIP (./x package and the ctest test
"package_zip" both run it). Says every fault it finds; exit 1 if any."""
import json
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

REQUIRED = ["talvenor.dll", "infprz.exe", "README.txt", "CZYTAJ.TXT", "SHA256SUMS.txt"]
GUIDES = ["README.txt", "CZYTAJ.TXT"]
DEVELOPER_WORDS = re.compile(rb"apt-get|\./x|cmake|wine", re.IGNORECASE)
ARCHIVE_ATTRIBUTE = 0x20


def expected_time(epoch):
    # What a ZIP can store of it: 1980 at the earliest, in two-second steps.
    when = time.gmtime(max(epoch, 315532800))
    return when[:5] + (when.tm_sec // 2 * 2,)


def commit_time(source_dir):
    done = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"],
                          capture_output=True, text=True)
    return int(done.stdout) if done.returncode == 0 and done.stdout.strip().isdigit() else None


def sha256sum_check(folder, sums):
    done = subprocess.run(["sha256sum", "--quiet", "--strict", "-c", sums], cwd=folder,
                          capture_output=True, text=True)
    return [] if done.returncode == 0 else [f"sha256sum -c {sums} fails: {(done.stdout + done.stderr).strip()}"]


def entry_faults(archive, name, epoch):
    faults = []
    members = [e.filename for e in archive.infolist()]
    if members != sorted(members):
        faults.append("the entries are not in name order")
    for member in REQUIRED:
        if f"{name}/{member}" not in members:
            faults.append(f"{member} is missing")
    when = expected_time(epoch)
    for e in archive.infolist():
        if not e.filename.startswith(name + "/"):
            faults.append(f"{e.filename} is outside the folder {name}/")
        if e.date_time != when:
            faults.append(f"{e.filename} is dated {e.date_time}, not the commit's {when} (UTC)")
        if e.extra or e.create_system != 0 or e.external_attr != ARCHIVE_ATTRIBUTE:
            faults.append(f"{e.filename} carries this machine's fields (extra {e.extra.hex() or 'none'}, "
                          f"system {e.create_system}, attributes {e.external_attr:#x})")
    return faults


def text_faults(root, name):
    faults = []
    for guide in GUIDES:
        path = os.path.join(root, guide)
        if not os.path.exists(path):
            continue
        data = open(path, "rb").read()
        if not data.startswith(b"\xef\xbb\xbf"):
            faults.append(f"{guide} does not start with a UTF-8 byte order mark")
        # Its check of the download names the ZIP the user has.
        if f"{name}.zip".encode() not in data:
            faults.append(f"{guide} does not name {name}.zip (its version changed?)")
    for folder, _, names in os.walk(root):
        for n in sorted(names):
            if not n.lower().endswith(".txt"):
                continue
            path = os.path.join(folder, n)
            shown = os.path.relpath(path, root)
            lines = open(path, "rb").read().split(b"\n")
            if any(not line.endswith(b"\r") for line in lines[:-1]) or lines[-1]:
                faults.append(f"{shown} has lines without a Windows line end (CRLF)")
            found = [f"line {i}: {m.group().decode()}" for i, line in enumerate(lines, 1)
                     for m in DEVELOPER_WORDS.finditer(line)]
            if found:
                faults.append(f"{shown} speaks of the developer's tools ({'; '.join(found[:5])}); "
                              "keep such words in README.md and docs/")
    return faults


def sums_faults(root):
    faults = sha256sum_check(root, "SHA256SUMS.txt")
    listed = {line.split(b"  ", 1)[1].rstrip(b"\r").decode()
              for line in open(os.path.join(root, "SHA256SUMS.txt"), "rb").read().splitlines() if b"  " in line}
    for folder, _, names in os.walk(root):
        for n in names:
            shown = os.path.relpath(os.path.join(folder, n), root).replace(os.sep, "/")
            if shown != "SHA256SUMS.txt" and shown not in listed:
                faults.append(f"{shown} is not in SHA256SUMS.txt")
    return faults


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: check_zip.py BUILD_DIR ZIP")
    build, zip_path = sys.argv[1:]
    release = json.load(open(os.path.join(build, "release.json"), encoding="utf-8"))
    name, epoch = release["name"], release["epoch"]
    faults = []
    if release["epoch_from"] == "git":
        commit = commit_time(release["source_dir"])
        if commit is not None and commit != epoch:
            faults.append(f"the build carries the time {epoch}, the last commit {commit}: configure it again")
    if os.path.basename(zip_path) != name + ".zip":
        faults.append(f"the ZIP is named {os.path.basename(zip_path)}, not {name}.zip")
    if not os.path.exists(zip_path + ".sha256"):
        faults.append(f"{name}.zip.sha256 is missing beside the ZIP")
    else:
        faults += sha256sum_check(os.path.dirname(os.path.abspath(zip_path)), os.path.basename(zip_path) + ".sha256")
    with zipfile.ZipFile(zip_path) as archive, tempfile.TemporaryDirectory() as unpacked:
        faults += entry_faults(archive, name, epoch)
        archive.extractall(unpacked)
        root = os.path.join(unpacked, name)
        faults += text_faults(root, name)
        if os.path.exists(os.path.join(root, "SHA256SUMS.txt")):
            faults += sums_faults(root)
    for fault in faults:
        print(f"package: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
