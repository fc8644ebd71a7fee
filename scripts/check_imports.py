#!/usr/bin/env python3
"""Checks that each program given starts on the oldest Windows that the
READMEs name: every function it imports must be listed in the table of
imports (packaging/imports.csv) with a Windows no newer than that. A function
missing from the table fails too, so that a new import is looked up once.
A newer call is looked up at run time instead (SystemCall)."""
import csv
import struct
import sys
from pathlib import Path

from pe_version import PeFile

# The oldest Windows that the program starts on, as both READMEs say.
OLDEST_WINDOWS = "7"
WINDOWS = ["2000", "XP", "Vista", "7", "8", "8.1", "10"]
TABLE = Path(__file__).resolve().parent.parent / "packaging" / "imports.csv"


def c_string(data, offset):
    return data[offset:data.index(b"\0", offset)].decode("ascii")


def imports(pe):
    """(library, function) for each function the program imports; a
    function imported by number is named #number."""
    data = pe.data
    thunk_size, ordinal_flag = (8, 1 << 63) if pe.wide else (4, 1 << 31)
    entry = pe.offset_of(pe.directory(1))
    while True:
        names_rva, _, _, library_rva, addresses_rva = struct.unpack_from("<IIIII", data, entry)
        if library_rva == 0:
            return
        library = c_string(data, pe.offset_of(library_rva))
        thunk = pe.offset_of(names_rva or addresses_rva)
        while True:
            value = int.from_bytes(data[thunk:thunk + thunk_size], "little")
            if value == 0:
                break
            if value & ordinal_flag:
                yield library, f"#{value & 0xFFFF}"
            else:
                yield library, c_string(data, pe.offset_of(value & 0x7FFFFFFF) + 2)
            thunk += thunk_size
        entry += 20


def read_table(path):
    """{(library, function): windows}, library names without regard to case."""
    with open(path, newline="") as file:
        rows = csv.reader(line for line in file if not line.startswith("#"))
        header = next(rows)
        if header != ["library", "function", "windows"]:
            raise ValueError(f"{path}: the first row must be library,function,windows")
        table = {}
        for library, function, windows in rows:
            if windows not in WINDOWS:
                raise ValueError(f"{path}: {library} {function}: unknown Windows {windows!r}")
            table[(library.lower(), function)] = windows
        return table


def problems(program, table):
    pe = PeFile(Path(program).read_bytes())
    oldest = WINDOWS.index(OLDEST_WINDOWS)
    for library, function in imports(pe):
        windows = table.get((library.lower(), function))
        if windows is None:
            yield (f"{program}: {library} {function} is not in {TABLE.name}: add it with the oldest Windows "
                   "that has it")
        elif WINDOWS.index(windows) > oldest:
            yield (f"{program}: {library} {function} came with Windows {windows}, newer than Windows "
                   f"{OLDEST_WINDOWS}: look it up at run time instead")


def main(programs):
    table = read_table(TABLE)
    found = [problem for program in programs for problem in problems(program, table)]
    for problem in found:
        print("check-imports:", problem, file=sys.stderr)
    if found:
        return 1
    print(f"check-imports: every import of {len(programs)} program(s) is in Windows {OLDEST_WINDOWS}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: check_imports.py PROGRAM.exe...")
    sys.exit(main(sys.argv[1:]))
