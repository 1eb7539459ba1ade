#!/usr/bin/python3
"""Prints what Debian's xlrd reads in an .xls workbook, as JSON: for every
sheet its name, size, merged areas, row heights and non-empty cells (type,
value, XF index, number format, bold, border styles, shrink-to-fit and
wrapping)."""
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheets = []
for s in book.sheets():
    cells = []
    for r in range(s.nrows):
        for c in range(s.row_len(r)):
            cell = s.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            xf_index = s.cell_xf_index(r, c)
            xf = book.xf_list[xf_index]
            b = xf.border
            cells.append({
                "r": r, "c": c, "type": cell.ctype, "value": cell.value, "xf": xf_index,
                "format": book.format_map[xf.format_key].format_str,
                "bold": book.font_list[xf.font_index].weight >= 700,
                "font": book.font_list[xf.font_index].name,
                "border": [b.left_line_style, b.right_line_style, b.top_line_style, b.bottom_line_style],
                "shrink": bool(xf.alignment.shrink_to_fit), "wrap": bool(xf.alignment.text_wrapped),
            })
    sheets.append({
        "name": s.name, "nrows": s.nrows, "ncols": s.ncols,
        "merged": [list(m) for m in s.merged_cells],
        "heights": {str(r): i.height for r, i in s.rowinfo_map.items()},
        "cells": cells,
    })
json.dump(sheets, sys.stdout, ensure_ascii=False)
