#!/usr/bin/python3
"""Prints a dBase table as the independent reader dbfread sees it.

Usage: dbfread_dump.py TABLE.dbf

One line for the language byte and the record count, one per field
("field NAME TYPE LENGTH DECIMALS"), then one per record: "record" or
"deleted", followed by NAME=VALUE pairs separated by " | ". Values: None,
dates as YYYY-MM-DD, numbers as Python prints them, texts as found.
"""
import datetime
import sys

from dbfread import DBF


def show(value):
    if value is None:
        return "None"
    if isinstance(value, datetime.date):
        return value.isoformat()
    return str(value)


def line(kind, record):
    return kind + " " + " | ".join("%s=%s" % (k, show(v)) for k, v in record.items())


def main():
    table = DBF(sys.argv[1], encoding="cp1250", load=True, char_decode_errors="strict")
    print("language 0x%02X" % table.header.language_driver)
    print("count %d" % table.header.numrecords)
    for f in table.fields:
        print("field %s %s %d %d" % (f.name, f.type, f.length, f.decimal_count))
    for r in table.records:
        print(line("record", r))
    for r in table.deleted:
        print(line("deleted", r))


if __name__ == "__main__":
    main()
