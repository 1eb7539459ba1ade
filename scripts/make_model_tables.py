#!/usr/bin/python3
"""Writes the model tables supplied beside the program: install/RapAj.DBF
(the finance report) and install/ModelTrz.DBF (the treasury report).

Both are empty dBase III tables (Windows-1250) that the program copies and
fills. Run from the top of the source tree after changing a field:

    python3 scripts/make_model_tables.py
"""
import os
import struct
import sys

# name, type, length, decimals
RAPAJ = [
    ("CODJUD", "C", 2, 0),     # county number, no leading zero
    ("CODFISC", "C", 13, 0),   # the town hall's fiscal code
    ("CNP", "C", 13, 0),       # applicant's personal numeric code
    ("NUME", "C", 40, 0),      # surname
    ("PRENUME", "C", 60, 0),   # given names
    ("SUMA", "N", 12, 2),      # amount, lei
]

MODELTRZ = [
    ("CODJUD", "C", 2, 0),     # county number, no leading zero
    ("CODFISC", "C", 13, 0),   # the town hall's fiscal code
    ("CNP", "C", 13, 0),       # applicant's personal numeric code
    ("CODAJUT", "C", 3, 0),    # aid code, "060"
    ("NUMEPREN", "C", 60, 0),  # applicant's full name
    ("DTPLATCRT", "D", 8, 0),  # date of the current payment
    ("DATA_PREL", "D", 8, 0),  # take-over date
    ("SUMA", "N", 12, 2),      # amount, lei
    ("NRPERS", "N", 2, 0),     # number of children
]


def table(fields):
    header_len = 32 + 32 * len(fields) + 1
    record_len = 1 + sum(f[2] for f in fields)
    # dBase III, last update 1 January 2008 (fixed, so the files do not
    # change from one run of this script to the next), no records.
    out = struct.pack("<BBBBIHH20x", 0x03, 108, 1, 1, 0, header_len, record_len)
    out = out[:29] + bytes([0xC8]) + out[30:]  # language: Windows-1250
    for name, kind, length, decimals in fields:
        out += struct.pack("<11sc4xBB14x", name.encode("ascii"), kind.encode("ascii"), length, decimals)
    return out + b"\x0d\x1a"


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    for name, fields in (("RapAj.DBF", RAPAJ), ("ModelTrz.DBF", MODELTRZ)):
        path = os.path.join(top, "install", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(table(fields))
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
