#!/usr/bin/python3
"""Writes the sample data folder of scripts/compare-outputs.

Usage: compare_outputs_data.py DATADIR --year YEAR

The folder is made by the test generators, not by the program:
tests/exports/make_requests.py writes Kovara.ini and its fixed requests
(layettes of March 2008, newborn allowances of 2007); this script then
writes Cereri.dbf anew through that generator's writer with, after those
requests, 60 requests of every kind drawn by tests/data/make_legacy_dbf.py
with a fixed seed (some of them for a child with a handicap), and a few
newborn allowances and layettes whose dispositions are dated in YEAR (the
dispositions document takes only those of the current year). The same YEAR
gives the same bytes.
"""
import argparse
import datetime
import importlib.util
import os
import random
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MAKE_REQUESTS = os.path.join(ROOT, "tests", "exports", "make_requests.py")
MAKE_LEGACY = os.path.join(ROOT, "tests", "data", "make_legacy_dbf.py")

SEED = 2024
DRAWN = 60
FIRST_DRAWN_ID = 101
FIRST_YEAR_ID = 201


def load(path, name):
    loader_info = importlib.util.spec_from_file_location(name, path)
    module = importlib.util.module_from_spec(loader_info)
    loader_info.loader.exec_module(module)
    return module


def drawn_rows(legacy):
    """Requests of every kind from the legacy generator, HANDI added."""
    rng = random.Random(SEED)
    rows = []
    for i in range(DRAWN):
        row = legacy.make_row(rng, FIRST_DRAWN_ID + i)
        state_kind = row["TIP"] not in ("3", "4")
        row["HANDI"] = "DA" if state_kind and i % 3 == 0 else "NU"
        rows.append(row)
    return rows


def year_rows(year):
    """Newborn allowances and layettes decided in YEAR, numbered 1 to 6."""
    D = datetime.date
    rows = []
    people = [
        ("3", "DUMITRAŞCU ŞTEFANIA", "2850412123451", ["DUMITRAŞCU ŢICU"], ["5%02d0105123456" % (year % 100)], 204),
        ("3", "PĂUN ANDREEA", "2860101123452", ["PĂUN MIHAI"], ["5%02d0106123457" % (year % 100)], 204),
        ("3", "NEAGU IOANA", "2870101123453", ["NEAGU ELENA"], ["6%02d0107123458" % (year % 100)], 204),
        ("4", "RĂDULESCU MARIA", "2880101123454", ["RĂDULESCU ION", "RĂDULESCU ANA"],
         ["5%02d0108123459" % (year % 100), "6%02d0108123450" % (year % 100)], 300),
        ("4", "BĂLAN ELENA", "2890101123455", ["BĂLAN ŞERBAN"], ["5%02d0109123451" % (year % 100)], 150),
        ("4", "STĂNESCU LUMINIŢA", "2900101123456", ["STĂNESCU A", "STĂNESCU B", "STĂNESCU C"],
         ["5%02d0110123452" % (year % 100), "6%02d0110123453" % (year % 100),
          "5%02d0110123454" % (year % 100)], 450),
    ]
    for n, (kind, name, code, children, codes, amount) in enumerate(people):
        row = dict(IDCERERE=FIRST_YEAR_ID + n, DINDATA=D(year, 1, 3 + n), NR=n + 1, TIP=kind,
                   SUBSEMN=name, CALITATE="parinte natural", CNP=code, BISERIA="BR",
                   BINR="%06d" % (400100 + n), ADRESA="Str. Ştefan cel Mare nr. %d" % (n + 1),
                   JUDADR="Brăila", CUANTUM=amount, NRDISP=n + 1, DATADISP=D(year, 1, 10 + n),
                   PTLUNA="ianuarie.%d" % year, NRCOPII=len(children), HANDI="NU")
        if kind == "3":
            row.update(ALCATE="primul", CNSERIA="NB", CNNR="%06d" % (700000 + n),
                       CNELIB="Primăria Faurei")
        for c, (child, child_code) in enumerate(zip(children, codes), start=1):
            row["COPIL%d" % c] = child
            row["CNP%d" % c] = child_code
        rows.append(row)
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("datadir")
    parser.add_argument("--year", type=int, required=True)
    args = parser.parse_args()

    subprocess.run([sys.executable, MAKE_REQUESTS, args.datadir], check=True)
    requests = load(MAKE_REQUESTS, "make_requests")
    legacy = load(MAKE_LEGACY, "make_legacy_dbf")
    rows = list(requests.REQUESTS) + drawn_rows(legacy) + year_rows(args.year)
    requests.write_table(os.path.join(args.datadir, "Cereri.dbf"), rows)

    # The constants the generator leaves out, for the dispositions' footers.
    with open(os.path.join(args.datadir, "Kovara.ini"), "ab") as f:
        f.write("SECRETAR=Ana Secretar\r\nAVIZAT=Dan Avizat\r\n".encode("cp1250"))


if __name__ == "__main__":
    main()
