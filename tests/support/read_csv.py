#!/usr/bin/python3
"""Reads a CSV file as a spreadsheet does, with Python's csv module (UTF-8
with its byte order mark, commas, RFC 4180 quotes), checks that every row
has the header's number of fields, and prints the rows, fields separated by
tabs (a tab, CR or LF inside a field is shown as \\t, \\r or \\n)."""
import csv
import sys


def main(path):
    raw = open(path, "rb").read()
    if not raw.startswith(b"\xef\xbb\xbf"):
        sys.exit("no UTF-8 byte order mark")
    with open(path, newline="", encoding="utf-8-sig") as table:
        rows = list(csv.reader(table, dialect="excel"))
    if not rows:
        sys.exit("no header row")
    for number, row in enumerate(rows, 1):
        if len(row) != len(rows[0]):
            sys.exit("row %d has %d fields, the header %d" % (number, len(row), len(rows[0])))
        print("\t".join(field.replace("\t", "\\t").replace("\r", "\\r").replace("\n", "\\n") for field in row))


main(sys.argv[1])
