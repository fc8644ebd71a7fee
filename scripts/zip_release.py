#!/usr/bin/env python3
"""Writes a zip archive that is the same bytes for the same files: the
entries in the order given, each with the same time and attributes.
Usage: zip_release.py <archive> <seconds since 1970> <file>..."""
import sys
import time
import zipfile


def entry(path, seconds):
    info = zipfile.ZipInfo(path.rsplit("/", 1)[-1], time.gmtime(seconds)[:6])
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0  # MS-DOS attributes, as Windows writes them
    info.external_attr = 0x20  # "archive", the attribute of a new file
    return info


def main(archive, seconds, files):
    with zipfile.ZipFile(archive, "w") as out:
        for path in files:
            with open(path, "rb") as source:
                out.writestr(entry(path, int(seconds)), source.read(), compresslevel=9)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
