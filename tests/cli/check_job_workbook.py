#!/usr/bin/env python3
"""Reads back the workbook of kav-job report --xlsx with openpyxl: its
sheets, their verdicts against the CSV of --verdicts, the results' rows, and
each imported file's SHA-256 against the file itself. Prints the sheets'
names and what Completeness and History hold, as JSON, for the test to
compare; prints what is wrong and exits 1 otherwise.

usage: check_job_workbook.py WORKBOOK VERDICTS_CSV FILE...
"""
import csv
import hashlib
import json
import os
import sys

import openpyxl


def same(cell, text):
    """A cell holds what the CSV writes: a number as a number, text as text."""
    if cell is None:
        return text == ""
    if isinstance(cell, (int, float)):
        try:
            return abs(float(text) - cell) < 1e-9
        except ValueError:
            return False
    return str(cell) == text


def rows(sheet):
    return [[cell for cell in row] for row in sheet.iter_rows(min_row=2, values_only=True)]


def main():
    workbook, verdicts_csv, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    book = openpyxl.load_workbook(workbook)
    failures = []
    with open(verdicts_csv, newline="", encoding="latin-1") as f:
        verdicts = list(csv.reader(f))[1:]
    sheet_verdicts = rows(book["Verdicts"])
    if len(sheet_verdicts) != len(verdicts):
        failures.append(f"Verdicts holds {len(sheet_verdicts)} rows, the CSV {len(verdicts)}")
    for got, want in zip(sheet_verdicts, verdicts):
        if len(got) != len(want) or not all(same(cell, text) for cell, text in zip(got, want)):
            failures.append(f"Verdicts row {got} is not the CSV's {want}")
    # A row per wavelength in Results, a row per wavelength and direction in Verdicts.
    if 2 * len(rows(book["Results"])) != len(verdicts):
        failures.append(f"Results holds {len(rows(book['Results']))} rows for {len(verdicts)} verdicts")
    hashes = {os.path.basename(path): hashlib.sha256(open(path, "rb").read()).hexdigest() for path in files}
    for name, sha, *_ in rows(book["Files"]):
        if hashes.get(name) != sha:
            failures.append(f"Files gives {name} the SHA-256 {sha}, not {hashes.get(name)}")
    if failures:
        print("\n".join(failures))
        return 1
    print(json.dumps({
        "sheets": book.sheetnames,
        "completeness": [[row[0], row[1], row[3]] for row in rows(book["Completeness"])],
        "history": [[row[2], row[5]] for row in rows(book["History"])],
    }))
    return 0


sys.exit(main())
