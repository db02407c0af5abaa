# SPDX-License-Identifier: MIT
"""Copies an OpenType font with the family and style names that Windows' GDI groups
faces by (name IDs 1 and 2) set to FAMILY and "Regular"; the names it had there become
its typographic family and style (IDs 16 and 17), unless it has those already. Nothing
else changes.

GDI treats a face whose style name is none of Regular, Italic, Bold and Bold Italic as a
regular one of its family: URW Bookman's Light and Demi faces both count as the regular
URW Bookman, and GDI may draw Demi where Light is asked for. Under a family of its own,
the Light face is the only one.

Usage: legacy_family_name.py IN OUT FAMILY
"""

import struct
import sys


def encode(platform, text):
    return text.encode("utf-16-be") if platform in (0, 3) else text.encode("latin-1")


def renamed(name, family):
    count, string_offset = struct.unpack_from(">HH", name, 2)
    records = {}
    for i in range(count):
        platform, encoding, language, name_id, length, offset = struct.unpack_from(">6H", name, 6 + 12 * i)
        start = string_offset + offset
        records[platform, encoding, language, name_id] = name[start:start + length]
    for platform, encoding, language, name_id in list(records):
        key = platform, encoding, language
        if name_id in (1, 2):
            records.setdefault(key + (name_id + 15,), records[key + (name_id,)])
            records[key + (name_id,)] = encode(platform, family if name_id == 1 else "Regular")
    storage = b""
    directory = b""
    for key in sorted(records):
        directory += struct.pack(">6H", *key, len(records[key]), len(storage))
        storage += records[key]
    return struct.pack(">HHH", 0, len(records), 6 + len(directory)) + directory + storage


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def main():
    source, target, family = sys.argv[1:4]
    font = open(source, "rb").read()
    version, count = struct.unpack_from(">IH", font, 0)
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack_from(">4sIII", font, 12 + 16 * i)
        tables[tag] = font[offset:offset + length]
    tables[b"name"] = renamed(tables[b"name"], family)
    head = bytearray(tables[b"head"])
    head[8:12] = b"\0\0\0\0"  # checkSumAdjustment, counted as 0 below
    tables[b"head"] = bytes(head)

    tags = sorted(tables)
    power = 1 << (len(tags).bit_length() - 1)
    header = struct.pack(">IHHHH", version, len(tags), power * 16, power.bit_length() - 1, (len(tags) - power) * 16)
    offset = 12 + 16 * len(tags)
    directory = b""
    body = b""
    for tag in tags:
        data = tables[tag]
        directory += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    out = bytearray(header + directory + body)
    head_at = struct.unpack_from(">I", out, 12 + 16 * tags.index(b"head") + 8)[0]
    struct.pack_into(">I", out, head_at + 8, (0xB1B0AFBA - checksum(bytes(out))) & 0xFFFFFFFF)
    open(target, "wb").write(out)


if __name__ == "__main__":
    main()
