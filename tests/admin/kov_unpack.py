"""Unpacks a Kovara backup archive with nothing but Python's zlib.

kov_unpack.py ARCHIVE FOLDER writes entry i (from 1) as FOLDER/i and prints
the stored names, one a line. Exits non-zero when a stream does not end
where the next entry begins, or does not give the size the archive states.
"""
import os
import struct
import sys
import zlib


def main(path, folder):
    data = open(path, "rb").read()
    (count,) = struct.unpack_from("<i", data, 0)
    pos = 4
    for index in range(1, count + 1):
        (length,) = struct.unpack_from("<i", data, pos)
        name = data[pos + 4:pos + 4 + length].decode("cp1250")
        pos += 4 + length
        (size,) = struct.unpack_from("<i", data, pos)
        pos += 4
        reader = zlib.decompressobj()
        plain = reader.decompress(data[pos:])
        if not reader.eof:
            sys.exit("%s: the stream does not end" % name)
        end = len(data) - len(reader.unused_data)
        # The stream on its own, as zlib.decompress takes it.
        if zlib.decompress(data[pos:end]) != plain or len(plain) != size:
            sys.exit("%s: %d bytes, the archive states %d" % (name, len(plain), size))
        with open(os.path.join(folder, str(index)), "wb") as out:
            out.write(plain)
        print(name[len("Data\\"):])
        pos = end
    if pos != len(data):
        sys.exit("bytes after the last entry")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
