#!/usr/bin/python3
"""Writes a data folder for the export tests: Cereri.dbf with a fixed set of
requests and Kovara.ini with the municipality constants.

Usage: make_requests.py DATADIR [--judet BRAILA] [--cf 1234567]

The table is written with plain struct from the published dBase III
layout (Windows-1250 texts), independently of the program's own writer.
The requests:

  layettes (TIP "4"), registered and decided in March 2008:
    POPESCU ION            300 lei, 2 children (CNP2 13 digits)   disp. 1
    IONESCU MARIA ELENA    100 lei, 3 children                    disp. 2
    ŞERBAN ŢINCA           150.5 lei, NRCOPII 1, a second child   disp. 70000
    SINGUR                 200.5 lei, CNP2 of 12 characters       disp. 3
     BLANC INAINTE         150 lei (name begins with a blank)     disp. 4, NRCOPII empty
  a layette of April 2008 (outside March), 999 lei
  newborn allowances (TIP "3"), paid for iulie.2007:
    MUNTEANU DAN           204 lei, "Al doilea" child, disp. 10
    ALBU ANA               70000 lei, unknown rank, disp. 11
  a newborn allowance paid for august.2007 whose CNP1 is "12345ABC"
"""
import argparse
import datetime
import os
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
    ("PTLUNA", "C", 16, 0), ("NRCOPII", "N", 6, 0), ("HANDI", "C", 2, 0),
]

D = datetime.date
P1, C1, C2, C3 = "1800101123458", "5080301123451", "5080301123462", "6080301123473"

REQUESTS = [
    dict(IDCERERE=1, DINDATA=D(2008, 3, 3), NR=1, TIP="4", SUBSEMN="POPESCU ION", CNP=P1,
         ADRESA="Str. Lunga nr. 4", COPIL1="POPESCU ANA", CNP1=C1, COPIL2="POPESCU DAN", CNP2=C2,
         CUANTUM=300, NRDISP=1, DATADISP=D(2008, 3, 10), NRCOPII=2),
    dict(IDCERERE=2, DINDATA=D(2008, 3, 4), NR=2, TIP="4", SUBSEMN="IONESCU MARIA ELENA", CNP="2800101123457",
         ADRESA="Bd. Unirii 1", COPIL1="IONESCU A", CNP1=C1, COPIL2="IONESCU B", CNP2=C2,
         COPIL3="IONESCU C", CNP3=C3, CUANTUM=100, NRDISP=2, DATADISP=D(2008, 3, 11), NRCOPII=3),
    dict(IDCERERE=3, DINDATA=D(2008, 3, 5), NR=3, TIP="4", SUBSEMN="ŞERBAN ŢINCA", CNP="2800101123468",
         ADRESA="Str. Ştefan cel Mare 2", COPIL1="ŞERBAN Ă", CNP1=C1, COPIL2="ŞERBAN B", CNP2=C2,
         CUANTUM=150.5, NRDISP=70000, DATADISP=D(2008, 3, 12), NRCOPII=1),
    dict(IDCERERE=4, DINDATA=D(2008, 3, 6), NR=4, TIP="4", SUBSEMN="SINGUR", CNP="1800101123469",
         ADRESA="Str. Mica 3", COPIL1="SINGUR X", CNP1=C1, CNP2="508030112345",
         CUANTUM=200.5, NRDISP=3, DATADISP=D(2008, 3, 13), NRCOPII=1),
    dict(IDCERERE=5, DINDATA=D(2008, 3, 7), NR=5, TIP="4", SUBSEMN=" BLANC INAINTE", CNP="1800101123470",
         ADRESA="Str. Noua 5", COPIL1="BLANC Y", CNP1=C1, CUANTUM=150, NRDISP=4,
         DATADISP=D(2008, 3, 14), NRCOPII=None),
    dict(IDCERERE=6, DINDATA=D(2008, 4, 1), NR=6, TIP="4", SUBSEMN="APRILIE ION", CNP="1800101123471",
         COPIL1="APRILIE Z", CNP1=C1, CUANTUM=999, NRDISP=5, DATADISP=D(2008, 4, 2), NRCOPII=1),
    dict(IDCERERE=7, DINDATA=D(2007, 6, 1), NR=1, TIP="3", SUBSEMN="MUNTEANU DAN", CNP="1750101123456",
         BISERIA="BR", BINR="123456", ADRESA="Str. Garii 7", COPIL1="MUNTEANU IOANA", CNP1=C1,
         CUANTUM=204, ALCATE="Al doilea", NRDISP=10, DATADISP=D(2007, 7, 2), PTLUNA="iulie.2007"),
    dict(IDCERERE=8, DINDATA=D(2007, 6, 2), NR=2, TIP="3", SUBSEMN="ALBU ANA", CNP="2750101123456",
         ADRESA="Str. Viilor 8", COPIL1="ALBU MIHAI", CNP1=C2, CUANTUM=70000, ALCATE="altul",
         NRDISP=11, DATADISP=D(2007, 7, 3), PTLUNA="iulie.2007"),
    dict(IDCERERE=9, DINDATA=D(2007, 7, 1), NR=17, TIP="3", SUBSEMN="GRESIT VASILE", CNP="1750101123457",
         COPIL1="GRESIT MIC", CNP1="12345ABC", CUANTUM=204, ALCATE="primul", NRDISP=12,
         DATADISP=D(2007, 8, 1), PTLUNA="august.2007"),
]


def encode(kind, length, decimals, value):
    if value is None:
        return b" " * length
    if kind == "D":
        return value.strftime("%Y%m%d").encode("ascii")
    if kind == "N":
        text = ("%.*f" % (decimals, value)) if decimals else str(int(round(value)))
        return text.rjust(length).encode("ascii")
    return value.encode("cp1250").ljust(length, b" ")[:length]


def write_table(path, rows):
    header_len = 32 + 32 * len(COLUMNS) + 1
    record_len = 1 + sum(c[2] for c in COLUMNS)
    out = bytearray(struct.pack("<BBBBIHH20x", 0x03, 126, 1, 1, len(rows), header_len, record_len))
    out[29] = 0xC8
    for name, kind, length, decimals in COLUMNS:
        out += struct.pack("<11sc4xBB14x", name.encode("ascii"), kind.encode("ascii"), length, decimals)
    out += b"\x0d"
    for row in rows:
        out += b" "
        for name, kind, length, decimals in COLUMNS:
            # CUANTUM holds whole lei in the request table; amounts with
            # cents are written as the nearest value the field can keep.
            value = row.get(name, "NU" if name == "HANDI" else None)
            if name == "CUANTUM" and value is not None and value != int(value):
                out += ("%.1f" % value).rjust(length).encode("ascii")
                continue
            out += encode(kind, length, decimals, value)
    out += b"\x1a"
    with open(path, "wb") as f:
        f.write(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("datadir")
    parser.add_argument("--judet", default="BRAILA")
    parser.add_argument("--cf", default="1234567")
    args = parser.parse_args()
    os.makedirs(args.datadir, exist_ok=True)
    write_table(os.path.join(args.datadir, "Cereri.dbf"), REQUESTS)
    ini = ("[CONSTANTE]\r\nPRIMARIA=Faurei\r\nLOCALIT=Faurei\r\nJUDET=%s\r\nPRIMAR=Ion Ionescu\r\n"
           "DIRECTOR=Ana Director\r\nINTOCMIT=Maria Intocmit\r\nCF=%s\r\n") % (args.judet, args.cf)
    with open(os.path.join(args.datadir, "Kovara.ini"), "wb") as f:
        f.write(ini.encode("cp1250"))


if __name__ == "__main__":
    main()
