#!/usr/bin/env python3
"""Prints what Windows shows of a program's version: its machine, the numbers
of its fixed version record and the texts of its version strings, one
"name value" line each, read from the version resource of the file."""
import struct
import sys

RT_VERSION = 16
FIXED_SIGNATURE = 0xFEEF04BD
MACHINES = {0x14C: "i386", 0x8664: "x86-64"}


def u16(data, offset):
    return struct.unpack_from("<H", data, offset)[0]


def u32(data, offset):
    return struct.unpack_from("<I", data, offset)[0]


class PeFile:
    def __init__(self, data):
        self.data = data
        header = u32(data, 0x3C)
        if data[header:header + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine = u16(data, header + 4)
        sections = u16(data, header + 6)
        optional = header + 24
        optional_size = u16(data, header + 20)
        self.wide = u16(data, optional) == 0x20B
        self.directories = optional + (112 if self.wide else 96)
        self.resource_rva = self.directory(2)
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def directory(self, index):
        """The address of the data directory `index` (1 imports, 2 resources)."""
        return u32(self.data, self.directories + index * 8)

    def offset_of(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def first_resource(self, type_id):
        """The bytes of the first resource of `type_id`, or None."""
        root = self.offset_of(self.resource_rva)
        entry = self._entry(root, root, type_id)
        while entry is not None and entry & 0x80000000:
            entry = self._entry(root, root + (entry & 0x7FFFFFFF), None)
        if entry is None:
            return None
        rva, size = struct.unpack_from("<II", self.data, root + entry)
        start = self.offset_of(rva)
        return self.data[start:start + size]

    def _entry(self, root, directory, wanted_id):
        count = u16(self.data, directory + 12) + u16(self.data, directory + 14)
        for i in range(count):
            name, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
            if wanted_id is None or name == wanted_id:
                return target
        return None


def align4(offset):
    return (offset + 3) & ~3


def version_block(data, offset):
    """One node of the version record: (key, value bytes, children, end)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    end = offset + length
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = align4(key_end + 2)
    value_bytes = value_length * 2 if is_text else value_length
    value = data[value_start:value_start + value_bytes]
    children = []
    child = align4(value_start + value_bytes)
    while child < end:
        children.append(version_block(data, child))
        child = align4(children[-1][3])
    return key, value, children, end


def dotted(high, low):
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def describe(path):
    pe = PeFile(open(path, "rb").read())
    lines = [("Machine", MACHINES.get(pe.machine, hex(pe.machine)))]
    resource = pe.first_resource(RT_VERSION)
    if resource is None:
        return lines
    _, fixed, children, _ = version_block(resource, 0)
    if len(fixed) >= 52 and u32(fixed, 0) == FIXED_SIGNATURE:
        lines.append(("FILEVERSION", dotted(u32(fixed, 8), u32(fixed, 12))))
        lines.append(("PRODUCTVERSION", dotted(u32(fixed, 16), u32(fixed, 20))))
    for key, _, tables, _ in children:
        if key != "StringFileInfo":
            continue
        for _, _, strings, _ in tables:
            for name, text, _, _ in strings:
                lines.append((name, text.decode("utf-16-le").rstrip("\0")))
    return lines


if __name__ == "__main__":
    for name, value in describe(sys.argv[1]):
        print(name, value)
