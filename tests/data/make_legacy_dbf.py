#!/usr/bin/python3
"""Writes a request table the way the older program left it.

Usage: make_legacy_dbf.py OUT.dbf [--rows N] [--deleted K] [--language BYTE]
                          [--seed S] [--expect FILE]

The table has the 26 columns of the request table before the disability
column existed (no HANDI), N rows of made-up but plausible data (Romanian
names with cedilla letters, Windows-1250), K of them marked deleted. It is
written with plain struct from the published dBase III layout: version
0x03, YYMMDD date, little-endian counts, 32-byte field descriptors closed
by 0x0D, records of a flag byte and fixed-width fields, 0x1A at the end.

--expect writes the values of every record, one line per record: the flag
("*" deleted, "-" not) and the values separated by tabs, as an independent
reader should decode them (texts without their padding, empty texts and
dates as nothing, numbers as integers, dates as YYYY-MM-DD).
"""
import argparse
import datetime
import random
import struct

COLUMNS = [
    ("IDCERERE", "N", 10, 0), ("DINDATA", "D", 8, 0), ("NR", "N", 9, 0),
    ("TIP", "C", 3, 0), ("SUBSEMN", "C", 32, 0), ("CALITATE", "C", 32, 0),
    ("CNP", "C", 13, 0), ("BISERIA", "C", 6, 0), ("BINR", "C", 12, 0),
    ("ADRESA", "C", 60, 0), ("JUDADR", "C", 16, 0), ("COPIL1", "C", 32, 0),
    ("CNP1", "C", 13, 0), ("COPIL2", "C", 32, 0), ("CNP2", "C", 13, 0),
    ("COPIL3", "C", 32, 0), ("CNP3", "C", 13, 0), ("CUANTUM", "N", 6, 0),
    ("ALCATE", "C", 18, 0), ("CNSERIA", "C", 6, 0), ("CNNR", "C", 12, 0),
    ("CNELIB", "C", 60, 0), ("NRDISP", "N", 9, 0), ("DATADISP", "D", 8, 0),
    ("PTLUNA", "C", 16, 0), ("NRCOPII", "N", 6, 0),
]

SURNAMES = ["POPESCU", "IONESCU", "MUREŞAN", "ŢURCANU", "BĂLAN", "STĂNESCU",
            "CONSTANTINESCU", "DUMITRAŞCU", "PĂUN", "ŞERBAN", "RĂDULESCU", "NEAGU"]
MEN = ["ION", "VASILE", "ŞTEFAN", "MIHAI", "GHEORGHE", "CĂTĂLIN", "FLORIN"]
WOMEN = ["MARIA", "ELENA", "IOANA", "ANDREEA", "ŢINCA", "MIHAELA", "LUMINIŢA"]
STREETS = ["Str. Mihai Viteazu", "Str. Ştefan cel Mare", "Bd. Unirii",
           "Str. Tudor Vladimirescu", "Str. Păcii", "Aleea Teiului"]
COUNTIES = ["Iaşi", "Vâlcea", "Bacău", "Argeş", "Timiş", "Sălaj"]
MONTHS = ["ianuarie", "februarie", "martie", "aprilie", "mai", "iunie", "iulie",
          "august", "septembrie", "octombrie", "noiembrie", "decembrie"]
RANKS = ["primul", "al doilea", "al treilea", "al patrulea"]
CAPACITIES = ["parinte natural", "reprezentant legal al copilului", "persoana imputernicita"]


def cnp(rng, sex, born):
    digits = "%d%02d%02d%02d%02d%03d" % (sex, born.year % 100, born.month, born.day,
                                         rng.randint(1, 40), rng.randint(1, 999))
    weights = "279146358279"
    total = sum(int(a) * int(b) for a, b in zip(digits, weights)) % 11
    return digits + ("1" if total == 10 else str(total))


def child(rng, surname, start):
    born = start - datetime.timedelta(days=rng.randint(0, 900))
    name = surname + " " + rng.choice(MEN + WOMEN)
    return name, cnp(rng, rng.choice([5, 6]), born)


def make_row(rng, ident):
    kind = rng.choice([1, 2, 3])
    day = datetime.date(2008, 1, 1) + datetime.timedelta(days=rng.randint(0, 5000))
    surname = rng.choice(SURNAMES)
    row = {c[0]: None for c in COLUMNS}
    row["IDCERERE"] = ident
    row["DINDATA"] = day
    row["NR"] = rng.randint(1, 900)
    row["SUBSEMN"] = surname + " " + rng.choice(WOMEN)
    row["CNP"] = cnp(rng, 2, datetime.date(1985, 5, 17))
    row["ADRESA"] = "%s nr. %d" % (rng.choice(STREETS), rng.randint(1, 120))
    row["JUDADR"] = rng.choice(COUNTIES)
    row["COPIL1"], row["CNP1"] = child(rng, surname, day)
    row["NRDISP"] = 0
    row["DATADISP"] = day
    if kind == 1:
        row["TIP"] = rng.choice(["A", "I", "S", "AI", "AS"])
        row["CALITATE"] = "parinte natural"
        row["CUANTUM"] = 0
        if rng.random() < 0.4:
            row["COPIL2"], row["CNP2"] = child(rng, surname, day)
        row["NRCOPII"] = 1 + (row["COPIL2"] is not None)
    else:
        row["TIP"] = "3" if kind == 2 else "4"
        row["BISERIA"] = rng.choice(["MX", "VS", "IS", "BC"])
        row["BINR"] = "%06d" % rng.randint(0, 999999)
        row["CUANTUM"] = 204 if kind == 2 else 150
        if kind == 2:
            row["CALITATE"] = "parinte natural"
            row["ALCATE"] = rng.choice(RANKS)
            row["CNSERIA"] = "N" + rng.choice(["A", "B", "X"])
            row["CNNR"] = "%06d" % rng.randint(0, 999999)
            row["CNELIB"] = "Primăria " + rng.choice(["Bârlad", "Piteşti", "Huşi", "Tecuci"])
            row["NRCOPII"] = rng.choice([0, 1])
        else:
            row["CALITATE"] = rng.choice(CAPACITIES)
            row["NRCOPII"] = 1
        if rng.random() < 0.5:
            row["NRDISP"] = rng.randint(1, 400)
            row["DATADISP"] = day + datetime.timedelta(days=rng.randint(1, 40))
            paid = row["DATADISP"]
            row["PTLUNA"] = "%s.%d" % (MONTHS[paid.month - 1], paid.year)
    return row


def encode(column, value):
    name, kind, length, decimals = column
    if value is None:
        return b" " * length
    if kind == "C":
        return value.encode("cp1250")[:length].ljust(length, b" ")
    if kind == "D":
        return value.strftime("%Y%m%d").encode("ascii")
    text = ("%.*f" % (decimals, value)).encode("ascii")
    if len(text) > length:
        raise ValueError("%s does not fit %s" % (value, name))
    return text.rjust(length, b" ")


def expected(value):
    if value is None:
        return ""
    if isinstance(value, datetime.date):
        return value.isoformat()
    return str(value)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--rows", type=int, default=20)
    parser.add_argument("--deleted", type=int, default=0)
    parser.add_argument("--language", type=lambda s: int(s, 0), default=0x57)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--expect")
    args = parser.parse_args()
    if not 0 <= args.deleted <= args.rows:
        parser.error("--deleted must be between 0 and --rows")

    rng = random.Random(args.seed)
    rows = [make_row(rng, i + 1) for i in range(args.rows)]
    deleted = set(rng.sample(range(args.rows), args.deleted))

    record_length = 1 + sum(c[2] for c in COLUMNS)
    header_length = 32 + 32 * len(COLUMNS) + 1
    today = datetime.date.today()
    header = struct.pack("<BBBBIHH16sBB2s", 0x03, today.year - 1900, today.month, today.day,
                         len(rows), header_length, record_length, b"\0" * 16, 0,
                         args.language, b"\0\0")
    for name, kind, length, decimals in COLUMNS:
        header += struct.pack("<11scIBB14s", name.encode("ascii"), kind.encode("ascii"), 0,
                              length, decimals, b"\0" * 14)
    header += b"\x0d"

    with open(args.out, "wb") as out:
        out.write(header)
        for i, row in enumerate(rows):
            flag = b"*" if i in deleted else b" "
            out.write(flag + b"".join(encode(c, row[c[0]]) for c in COLUMNS))
        out.write(b"\x1a")

    if args.expect:
        with open(args.expect, "w", encoding="utf-8") as out:
            for i, row in enumerate(rows):
                flag = "*" if i in deleted else "-"
                out.write("\t".join([flag] + [expected(row[c[0]]) for c in COLUMNS]) + "\n")


if __name__ == "__main__":
    main()
