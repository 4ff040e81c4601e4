#!/usr/bin/env python3
"""Writes the Windows distribution ZIP from a configured and built win32
folder: release_zip.py BUILD_DIR OUT_DIR.

Installs BUILD_DIR into OUT_DIR/stage/<name> and writes OUT_DIR/<name>.zip
and OUT_DIR/<name>.zip.sha256. Nothing of the machine, the user or the
clock reaches the ZIP: entries in name order under <name>/, each dated with
the commit's time (BUILD_DIR/release.json, in UTC), with MS-DOS attributes,
no extra fields and one compression level.
"""
import hashlib
import json
import os
import shutil
import subprocess
import sys
import time
import zipfile

ARCHIVE_ATTRIBUTE = 0x20  # FILE_ATTRIBUTE_ARCHIVE, what Windows gives a copied file


def dos_time(epoch):
    # A ZIP entry's time has two-second steps and cannot be before 1980.
    return time.gmtime(max(epoch, 315532800))[:6]


def write_zip(stage, name, epoch, path):
    root = os.path.join(stage, name)
    files = []
    for folder, _, names in os.walk(root):
        files += [os.path.relpath(os.path.join(folder, n), stage).replace(os.sep, "/") for n in names]
    with zipfile.ZipFile(path, "w") as archive:
        for member in sorted(files):
            entry = zipfile.ZipInfo(member, dos_time(epoch))
            entry.create_system = 0
            entry.external_attr = ARCHIVE_ATTRIBUTE
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(stage, member), "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: release_zip.py BUILD_DIR OUT_DIR")
    build, out = (os.path.abspath(p) for p in sys.argv[1:])
    with open(os.path.join(build, "release.json"), encoding="utf-8") as f:
        release = json.load(f)
    name, epoch = release["name"], release["epoch"]
    stage = os.path.join(out, "stage")
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(out, exist_ok=True)
    # Stripping at install rewrites two programs' headers: the same time stamp.
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch))
    subprocess.run([release["cmake"], "--install", build, "--prefix", os.path.join(stage, name)],
                   check=True, env=env, stdout=subprocess.DEVNULL)
    path = os.path.join(out, name + ".zip")
    write_zip(stage, name, epoch, path)
    with open(path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    # sha256sum's format, the ZIP's name alone, Windows line end like SHA256SUMS.txt.
    with open(path + ".sha256", "w", encoding="ascii", newline="") as f:
        f.write(f"{digest}  {name}.zip\r\n")
    print(path)


if __name__ == "__main__":
    main()
