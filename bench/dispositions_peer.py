#!/usr/bin/env python3
"""The peer of the dispositions benchmark: the same document written the
plain way, by str.replace of each placeholder over the template's body for
every record, two copies each, into one file.

    dispositions_peer.py TEMPLATE VALUES.json OUTPUT

VALUES.json holds the records as lists of [key, value] pairs, in the order
the program adds them. The values are written as the program writes them
(braces as parentheses, a backslash doubled, letters outside ASCII as RTF
Unicode escapes, capitals for a placeholder of more than four characters,
dots for an empty value), so both documents can be compared byte for byte.
Prints the seconds spent from reading the template to the file written.
"""

import json
import sys
import time

FILLER = ".........."


def escape(value, capitals):
    text = value.upper() if capitals else value
    out = []
    for ch in text:
        u = ord(ch)
        if ch == "{":
            out.append("(")
        elif ch == "}":
            out.append(")")
        elif ch == "\\":
            out.append("\\\\")
        elif ch == "\t":
            out.append("\\tab ")
        elif u < 0x20:
            out.append(" ")
        elif u < 0x80:
            out.append(ch)
        else:
            signed = u - 0x10000 if u >= 0x8000 else u
            out.append("\\u%d?" % signed)
    return "".join(out)


def split(template):
    """Header up to the first \\pard, body up to the document's closing brace."""
    lines = template.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    header = []
    for i, line in enumerate(lines):
        at = line.find("\\pard")
        if at < 0:
            header.append(line + "\r\n")
            continue
        before = line[:at].strip()
        if before:
            header.append(before + "\r\n")
        rest = [line[at:]] + lines[i + 1:]
        break
    while rest and rest[-1].strip() in ("", "}"):
        rest.pop()
    body = "".join(line + "\r\n" for line in rest if line)
    return "".join(header), body


def main():
    template_path, values_path, output_path = sys.argv[1:4]
    with open(values_path, encoding="utf-8") as f:
        records = json.load(f)
    start = time.perf_counter()
    with open(template_path, encoding="latin-1") as f:
        header, body = split(f.read())
    parts = [header]
    for n, record in enumerate(records):
        if n:
            parts.append("\\par \\page\r\n")
        text = body
        for key, value in record:
            if key in text:
                capitals = len(key) > 4 and key.upper() == key
                text = text.replace(key, FILLER if not value else escape(value, capitals))
        parts.append(text + "\\page\r\n" + text)
    parts.append("}\r\n")
    with open(output_path, "w", encoding="latin-1", newline="") as f:
        f.write("".join(parts))
    print("%.6f" % (time.perf_counter() - start))


if __name__ == "__main__":
    main()
