#!/usr/bin/env python3
"""Sets the Delay Import Directory in the header of a PE program that GNU ld linked with
MinGW-w64 dlltool's delay-import libraries.

GNU ld leaves that header entry empty, so no tool that reads the program finds what it delay-loads.
The link map gives the address of each library's descriptor; they must lie one after the other,
followed by a descriptor of zeros (cmake/delay_imports/delay_import_end.c). Every slot of their
address tables must lead to its import thunk: GNU ld leaves a 32-bit slot empty when code reads it
directly (a call declared dllimport), and the program would jump to address 0. The header's checksum
is computed anew, after checking that the linker's agrees with this computation. Run after every
link:
    set_delay_import_directory.py PROGRAM LINK_MAP
"""
import re
import struct
import sys

DESCRIPTOR_SIZE = 32
DELAY_IMPORT_DIRECTORY = 13
ATTRIBUTE_RVA = 1  # the descriptor holds addresses relative to the image, as dlltool writes them


def fail(message):
    sys.exit(f"{sys.argv[1]}: {message}")


def u16(image, offset):
    return struct.unpack_from("<H", image, offset)[0]


def u32(image, offset):
    return struct.unpack_from("<I", image, offset)[0]


def checksum(data, field):
    """The PE checksum of `data`, whose checksum field at `field` counts as zero."""
    words = bytes(data[:field]) + b"\0\0\0\0" + bytes(data[field + 4:])
    if len(words) % 2:
        words += b"\0"
    total = sum(struct.unpack(f"<{len(words) // 2}H", words))
    while total > 0xFFFF:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def descriptor_addresses(map_text):
    # The map drops the leading underscore of i686 symbol names.
    pattern = re.compile(r"^\s+0x([0-9a-fA-F]+)\s+_+DELAY_IMPORT_DESCRIPTOR_\S+\s*$", re.MULTILINE)
    return sorted({int(address, 16) for address in pattern.findall(map_text)})


class Image:
    def __init__(self, data):
        self.data = data
        header = u32(data, 0x3C)
        if data[header:header + 4] != b"PE\0\0":
            fail("not a PE file")
        section_count = u16(data, header + 6)
        optional = header + 24
        magic = u16(data, optional)
        if magic == 0x10B:
            self.image_base = u32(data, optional + 28)
            self.directories = optional + 96
            self.slot_format = "<I"
        elif magic == 0x20B:
            self.image_base = struct.unpack_from("<Q", data, optional + 24)[0]
            self.directories = optional + 112
            self.slot_format = "<Q"
        else:
            fail(f"unknown optional header magic {magic:#x}")
        if u32(data, self.directories - 4) <= DELAY_IMPORT_DIRECTORY:
            fail("the header has no Delay Import Directory entry")
        self.checksum_field = optional + 64
        if u32(data, self.checksum_field) not in (0, checksum(data, self.checksum_field)):
            fail("the header's checksum is not the one this step computes")
        table = optional + u16(data, header + 20)
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(section_count)]

    def offset(self, rva, size):
        """The file offset of `size` bytes at `rva`, which the file must hold."""
        for virtual_size, address, raw_size, raw_offset in self.sections:
            end = address + min(virtual_size, raw_size) if virtual_size else address + raw_size
            if address <= rva and rva + size <= end:
                return raw_offset + rva - address
        fail(f"nothing in the file at address {rva:#x}")

    def slots(self, rva):
        """The pointer-sized values from `rva` up to the first zero."""
        size = struct.calcsize(self.slot_format)
        values = []
        while True:
            value = struct.unpack_from(self.slot_format, self.data, self.offset(rva, size))[0]
            if value == 0:
                return values
            values.append(value)
            rva += size

    def slot(self, rva, index):
        size = struct.calcsize(self.slot_format)
        return struct.unpack_from(self.slot_format, self.data, self.offset(rva + index * size, size))[0]

    def text(self, rva):
        start = self.offset(rva, 1)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], encoding="utf-8", errors="replace") as map_file:
        addresses = descriptor_addresses(map_file.read())
    if not addresses:
        fail("the link map names no delay-import descriptor")
    with open(sys.argv[1], "rb") as program:
        data = bytearray(program.read())
    image = Image(data)

    first = addresses[0] - image.image_base
    names = []
    for index, address in enumerate(addresses):
        rva = address - image.image_base
        if rva != first + index * DESCRIPTOR_SIZE:
            fail("the delay-import descriptors do not lie one after the other")
        descriptor = image.offset(rva, DESCRIPTOR_SIZE)
        if u32(data, descriptor) != ATTRIBUTE_RVA:
            fail(f"the delay-import descriptor at {rva:#x} does not hold relative addresses")
        name = image.text(u32(data, descriptor + 4))
        address_table, name_table = u32(data, descriptor + 12), u32(data, descriptor + 16)
        for index in range(len(image.slots(name_table))):
            if image.slot(address_table, index) == 0:
                fail(f"{name}: address slot {index} is empty; is a call to it declared dllimport?")
        names.append(name)
    end = first + len(addresses) * DESCRIPTOR_SIZE
    terminator = image.offset(end, DESCRIPTOR_SIZE)
    if any(data[terminator:terminator + DESCRIPTOR_SIZE]):
        fail("no descriptor of zeros follows the last delay-import descriptor")

    struct.pack_into("<II", data, image.directories + 8 * DELAY_IMPORT_DIRECTORY, first,
                     (len(addresses) + 1) * DESCRIPTOR_SIZE)
    if u32(data, image.checksum_field) != 0:
        struct.pack_into("<I", data, image.checksum_field, checksum(data, image.checksum_field))
    with open(sys.argv[1], "wb") as program:
        program.write(data)
    print(f"{sys.argv[1]}: delay-imports {', '.join(names)}")


if __name__ == "__main__":
    main()
