#!/usr/bin/python3
"""Prints a workbook as the independent reader xlrd sees it.

Usage: xlrd_dump.py FILE.xls

First line: "encoding ENC". Then one line per non-empty cell:
"R,C TYPE VALUE | FONT SIZE [bold] | ALIGN | BORDERS" with R and C 1-based,
TYPE text/number/blank/bool/error, numbers as repr, ALIGN one of general,
left, centre, right, fill, other, and BORDERS the letters of the sides
drawn (T top, B bottom, L left, R right) or "-".
"""
import sys

import xlrd

ALIGN = {0: "general", 1: "left", 2: "centre", 3: "right", 4: "fill"}


def main():
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True, logfile=sys.stderr)
    sheet = book.sheet_by_index(0)
    print("encoding %s" % book.encoding)
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            xf = book.xf_list[cell.xf_index]
            font = book.font_list[xf.font_index]
            b = xf.border
            sides = "".join(s for s, on in (("T", b.top_line_style), ("B", b.bottom_line_style),
                                            ("L", b.left_line_style), ("R", b.right_line_style)) if on)
            kind = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number", xlrd.XL_CELL_BLANK: "blank",
                    xlrd.XL_CELL_BOOLEAN: "bool", xlrd.XL_CELL_ERROR: "error"}.get(cell.ctype, "other")
            value = cell.value if kind == "text" else repr(cell.value)
            print("%d,%d %s %s | %s %d%s | %s | %s" % (
                r + 1, c + 1, kind, value, font.name, font.height // 20, " bold" if font.bold else "",
                ALIGN.get(xf.alignment.hor_align, "other"), sides or "-"))


if __name__ == "__main__":
    main()
