#!/usr/bin/env python3
"""Reads back the workbooks that kav-convert --xlsx and the workbook library
write, with openpyxl, and compares every cell with kav-convert's CSV of the
same file: numbers as numbers with the digits the CSV shows, texts as texts,
dates and times as dates and times. Also the sheets, the titles, the frozen
title row, the filter, the red failures, the loss cells coloured by their
verdict, the rules under each record and the document properties, also for
input files whose names are not clean UTF-8. (--xlsx's refusals are
kav-convert's tests'.)

usage: check_workbooks.py KAV_CONVERT WORKBOOK_PROBE SAMPLES_DIR
"""
import csv
import datetime
import io
import json
import os
import re
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.utils import get_column_letter

NUMBER = re.compile(r"^(-?\d+(?:\.(\d+))?(?:e[+-]\d+)?)\s*([A-Za-z]*)\s*$")
DATE = re.compile(r"^(\d{4})-(\d{2})-(\d{2})$")
TIME = re.compile(r"^(\d{2}):(\d{2}):(\d{2})$")
RED = "FFC7CE"
# A loss cell's fill by its verdict, as the KAV table colours it.
VERDICT_FILLS = {"Fail": "F4B6B6", "Warning": "FBDD96", "Incomplete": "D3DCE8"}
LIMITS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli", "limits",
                      "kav-three-wavelengths.kavlimits")

# The tables' titles, a unit on a second line, as the tabs show them.
KAV_TITLES = ["Cable", "Fiber", "Wavelength\n(nm)", "Loss AB\n(dB)", "Loss BA\n(dB)", "AVG L\n(dB)",
              "REF AB\n(dBm)", "REF BA\n(dBm)", "Threshold\n(dB)", "PWR B\n(dBm)", "PWR A\n(dBm)",
              "Pass\n/Fail", "Length\n(km)", "ORL AB\n(dB)", "ORL BA\n(dB)", "Date", "Time"]
KAV_KINDS = "TTNNNNNNNNNTNNNDH"  # Text, Number, Date, time of day (H)
VERDICT_TITLES = ["Cable", "Fiber", "Wavelength\n(nm)", "Direction", "Loss\n(dB)", "Limit\n(dB)",
                  "Margin\n(dB)", "Verdict"]
VERDICT_KINDS = "TTNTNNNT"
# OPM and ORL: the list's columns, each with the CSV column it shows (None:
# the record's number) and its kind; the unit comes from the values.
OPM_COLUMNS = [("Record", None, "N"), ("Cable", "Cable", "T"), ("Fiber", "Fiber", "T"),
               ("Power", "Power", "N"), ("Reference", "Reference", "N"),
               ("Wavelength", "WaveLength", "N"), ("Date", "Date", "D"), ("Time", "Time", "H")]
ORL_COLUMNS = [("Record", None, "N"), ("Cable", "Cable", "T"), ("Fiber", "Fiber", "T"),
               ("Wavelength", "Wavelength(nm)", "N"), ("ORL Value", "ORL Value(dB)", "N"),
               ("Date", "Date", "D"), ("Time", "Time", "H")]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def run(arguments, env=None):
    return subprocess.run(arguments, capture_output=True, env=env)


def read_csv(path):
    # Record texts are single bytes, read as Latin-1 as the program does.
    with open(path, "rb") as f:
        return list(csv.reader(io.StringIO(f.read().decode("latin-1"), newline="")))


def shown_name(text):
    """A name as the program shows it: its bytes as UTF-8, else GB18030, else Latin-1."""
    raw = text.encode("latin-1")
    for encoding in ("utf-8", "gb18030"):
        try:
            return raw.decode(encoding)
        except UnicodeDecodeError:
            pass
    return text


def unescape(text):
    # A character that XML cannot hold is stored as _xHHHH_.
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), text)


def title_unit(title):
    lines = title.split("\n")
    return lines[1][1:-1] if len(lines) == 2 and lines[1].startswith("(") else ""


def check_cell(cell, text, kind, unit, where):
    """The cell holds what the CSV text shows, as the column's kind."""
    value = cell.value
    number = NUMBER.match(text) if kind == "N" else None
    if number and float(number.group(1)) not in (float("inf"), float("-inf")):
        if not check(isinstance(value, (int, float)) and not isinstance(value, bool),
                     f"{where}: {text!r} is not a number but {value!r}"):
            return
        check(value == float(number.group(1)), f"{where}: {value!r} for {text!r}")
        decimals = len(number.group(2) or "")
        shown = re.match(r'^0(?:\.(0+))?(E\+00)?(?:"([A-Za-z]+)")?$', cell.number_format)
        if check(shown, f"{where}: number format {cell.number_format!r}"):
            check(len(shown.group(1) or "") == decimals, f"{where}: {cell.number_format!r} for {text!r}")
            # The unit the text carries is shown by the cell's format, or
            # else by the title; the loss-test texts carry none.
            carried = number.group(3)
            shown_unit = shown.group(3)
            check(shown_unit == carried if shown_unit else carried in ("", unit),
                  f"{where}: unit of {text!r}, format {cell.number_format!r}, title ({unit})")
        return
    date = DATE.match(text) if kind == "D" else None
    if date:
        try:
            expected = datetime.datetime(*map(int, date.groups()))
        except ValueError:
            expected = None
        if expected and expected.year >= 1900:
            check(value == expected and cell.number_format == "yyyy-mm-dd",
                  f"{where}: {value!r} {cell.number_format!r} for {text!r}")
            return
    time = TIME.match(text) if kind == "H" else None
    if time and int(time.group(1)) < 24 and int(time.group(2)) < 60 and int(time.group(3)) < 60:
        check(value == datetime.time(*map(int, time.groups())) and cell.number_format == "hh:mm:ss",
              f"{where}: {value!r} {cell.number_format!r} for {text!r}")
        return
    if text == "":
        check(value is None, f"{where}: {value!r} for an empty field")
        return
    check(cell.data_type == "s" and unescape(value) == text, f"{where}: {value!r} for the text {text!r}")
    red = cell.fill.fgColor.rgb if cell.fill.patternType == "solid" else None
    check((red is not None and red.endswith(RED)) == (text == "Fail"), f"{where}: fill {red} for {text!r}")


def check_layout(sheet, titles, rows):
    """Titles bold in a frozen first row that carries the filter."""
    name = sheet.title
    shown = [c.value for c in sheet[1]]
    check(shown == titles, f"{name}: titles {shown}")
    check(all(c.font.b for c in sheet[1]), f"{name}: titles not bold")
    check(sheet.freeze_panes == "A2", f"{name}: frozen at {sheet.freeze_panes}")
    last = f"{get_column_letter(len(titles))}{rows + 1}"
    check(sheet.auto_filter.ref == f"A1:{last}", f"{name}: filter {sheet.auto_filter.ref}")
    check(sheet.max_row == rows + 1, f"{name}: {sheet.max_row} rows for {rows}")
    for c, title in enumerate(titles, start=1):
        longest = max(len(line) for line in title.split("\n"))
        width = sheet.column_dimensions[get_column_letter(c)].width
        check(width >= longest + 2, f"{name}: column {title!r} {width} wide")


def check_kav_sheet(sheet, table, wave_count, verdicts, limited):
    rows = table[1:]
    # Under a limit of the user's the Pass/Fail column is the instrument's.
    titles = KAV_TITLES[:11] + (["Instrument\nP/F"] if limited else KAV_TITLES[11:12]) + KAV_TITLES[12:]
    check_layout(sheet, titles, len(rows))
    for r, row in enumerate(rows):
        last = r % wave_count == wave_count - 1
        record_last = rows[r - r % wave_count + wave_count - 1]
        for c, kind in enumerate(KAV_KINDS):
            cell = sheet.cell(row=r + 2, column=c + 1)
            # The CSV writes the record's length on its last row alone; the
            # table, and so the sheet, on each.
            text = record_last[c] if c == 12 else shown_name(row[c]) if c in (0, 1) else row[c]
            check_cell(cell, text, kind, title_unit(KAV_TITLES[c]), f"KAV {cell.coordinate}")
            rule = cell.border.bottom.style if cell.border.bottom else None
            check((rule == "thin") == last, f"KAV {cell.coordinate}: rule {rule}")
        # Loss AB and Loss BA by the verdicts' rows, A->B before B->A.
        for c, d in ((3, 0), (4, 1)):
            cell = sheet.cell(row=r + 2, column=c + 1)
            fill = cell.fill.fgColor.rgb[-6:] if cell.fill.patternType == "solid" else None
            verdict = verdicts[1 + 2 * r + d][7]
            check(fill == VERDICT_FILLS.get(verdict), f"KAV {cell.coordinate}: fill {fill} for {verdict}")
        # Every row names its record, for sorting and filtering.
        for c in (0, 1, 15, 16):
            check(sheet.cell(row=r + 2, column=c + 1).value not in (None, ""), f"KAV row {r + 2} column {c + 1}")


def check_verdicts_sheet(sheet, table):
    rows = table[1:]
    check_layout(sheet, VERDICT_TITLES, len(rows))
    for r, row in enumerate(rows):
        for c, kind in enumerate(VERDICT_KINDS):
            cell = sheet.cell(row=r + 2, column=c + 1)
            text = shown_name(row[c]) if c in (0, 1) else row[c]
            check_cell(cell, text, kind, title_unit(VERDICT_TITLES[c]), f"Verdicts {cell.coordinate}")


def check_summary_sheet(sheet, info, file_name):
    summary = info["summary"]
    titles = [c.value for c in sheet[1]]
    values = dict(zip(titles, [c.value for c in sheet[2]]))
    expected = {"File": file_name, "Limit": summary["limit"], "Fibres": summary["fibres"],
                "Pass": summary["pass"], "Warning": summary["warning"], "Incomplete": summary["incomplete"],
                "Fail": summary["fail"], "Not certified": summary["noVerdict"]}
    if summary["notCertified"]:
        expected["Not certified\n(nm)"] = ", ".join(str(w) for w in summary["notCertified"])
    worst = summary["worst"]
    if worst:
        expected.update({"Worst margin\n(dB)": float(summary["worstMargin"]), "Worst cable": worst["cable"],
                         "Worst fiber": worst["fiber"], "Worst wavelength\n(nm)": worst["wavelength"],
                         "Worst direction": worst["direction"]})
    check(values == expected, f"Summary: {values} for {expected}")
    check_layout(sheet, list(expected), 1)


def check_list_sheet(sheet, table, columns):
    header, rows = table[0], table[1:]
    titles = [c.value for c in sheet[1]]
    check(len(titles) == len(columns), f"{sheet.title}: titles {titles}")
    for c, (name, csv_name, kind) in enumerate(columns):
        title = titles[c] if c < len(titles) else ""
        check(title.split("\n")[0] == name, f"{sheet.title}: title {title!r} for {name}")
        for r, row in enumerate(rows):
            text = str(r + 1) if csv_name is None else shown_name(row[header.index(csv_name)])
            cell = sheet.cell(row=r + 2, column=c + 1)
            check_cell(cell, text, kind, title_unit(title), f"{sheet.title} {cell.coordinate}")
    check_layout(sheet, titles, len(rows))


def check_properties(book, title, file_name, version):
    p = book.properties
    check(p.title == title and p.subject == file_name, f"properties: {p.title!r}, {p.subject!r}")
    check(p.description == f"Written by KAV Application System {version}", f"properties: {p.description!r}")


def check_file(convert, path, xlsx, folder, version, limits=None):
    """Compares the workbook `xlsx` of the result file `path` with kav-convert's CSV of it."""
    stem = os.path.splitext(os.path.basename(path))[0]
    csv_path = os.path.join(folder, stem + ".csv")
    arguments = [convert, path, "--csv", csv_path]
    kav = stem.startswith("kav") or stem.endswith("kav")
    if kav:
        arguments += ["--verdicts", os.path.join(folder, stem + ".verdicts.csv"), "--info"]
    if limits:
        arguments += ["--limits", limits]
    done = run(arguments)
    if not check(done.returncode == 0, f"{stem}: kav-convert {done.stderr!r}"):
        return
    book = openpyxl.load_workbook(xlsx)
    table = read_csv(csv_path)
    name = os.path.basename(path)
    if kav:
        check(book.sheetnames == ["KAV", "Verdicts", "Summary"], f"{stem}: sheets {book.sheetnames}")
        info = json.loads(done.stdout)
        verdicts = read_csv(os.path.join(folder, stem + ".verdicts.csv"))
        check_kav_sheet(book["KAV"], table, info["waveCount"], verdicts, limits is not None)
        check_verdicts_sheet(book["Verdicts"], verdicts)
        check_summary_sheet(book["Summary"], info, name)
        check_properties(book, "Loss tests", name, version)
    else:
        sheet = "OPM" if "opm" in stem else "ORL"
        check(book.sheetnames == [sheet], f"{stem}: sheets {book.sheetnames}")
        check_list_sheet(book[sheet], table, OPM_COLUMNS if sheet == "OPM" else ORL_COLUMNS)
        check_properties(book, sheet + " readings", name, version)


def check_samples(convert, samples, folder, version):
    for stem in ["opm-readings", "orl-readings", "kav-three-wavelengths", "kav-two-wavelengths"]:
        path = os.path.join(samples, stem + ".bin")
        xlsx = os.path.join(folder, stem + ".xlsx")
        done = run([convert, path, "--xlsx", xlsx])
        if check(done.returncode == 0, f"{stem}: --xlsx {done.stderr!r}"):
            check_file(convert, path, xlsx, folder, version)
    # Against a budget: its verdicts colour the losses.
    path = os.path.join(samples, "kav-three-wavelengths.bin")
    xlsx = os.path.join(folder, "limited.xlsx")
    done = run([convert, path, "--xlsx", xlsx, "--limits", LIMITS])
    if check(done.returncode == 0, f"--limits --xlsx {done.stderr!r}"):
        check_file(convert, path, xlsx, folder, version, LIMITS)


def make_comma_locale(folder):
    """A locale that writes a decimal comma, made from the system's sources."""
    locales = os.path.join(folder, "locales")
    os.mkdir(locales)
    done = run(["localedef", "-i", "de_DE", "-f", "UTF-8", os.path.join(locales, "de_DE.UTF-8")])
    check(done.returncode in (0, 1), f"localedef: {done.stderr!r}")  # 1: warnings only
    env = dict(os.environ, LOCPATH=locales, LC_ALL="de_DE.UTF-8")
    return env


def check_awkward_files(convert, probe, folder, version):
    """Names that look like formulas, control characters, values that are not
    numbers, dates that are none and mixed units, written under a locale
    with a decimal comma."""
    done = run([probe, folder], env=make_comma_locale(folder))
    if not check(done.returncode == 0, f"workbook_probe: {done.stderr!r}"):
        return
    check(done.stdout.decode().strip() == ",", f"the probe's locale writes {done.stdout!r}")
    for stem in ["awkward-kav", "awkward-opm"]:
        check_file(convert, os.path.join(folder, stem + ".bin"), os.path.join(folder, stem + ".xlsx"), folder,
                   version)
    sheet = openpyxl.load_workbook(os.path.join(folder, "awkward-kav.xlsx"))["KAV"]
    check(sheet["A2"].value == "=1+1" and sheet["A2"].data_type == "s", f"KAV A2: {sheet['A2'].value!r}")
    opm = openpyxl.load_workbook(os.path.join(folder, "awkward-opm.xlsx"))["OPM"]
    check(opm["D1"].value == "Power", f"mixed units in the title: {opm['D1'].value!r}")


def printable_name(raw):
    """A file's name as the workbook holds it: UTF-8, else GB18030, else
    Latin-1, without control characters."""
    for encoding in ("utf-8", "gb18030", "latin-1"):
        try:
            text = raw.decode(encoding)
            break
        except UnicodeDecodeError:
            continue
    return "".join(c for c in text if not (ord(c) < 0x20 or 0x7F <= ord(c) < 0xA0 or c in "\ufffe\uffff"))


def check_names(convert, samples, folder):
    """Input files named in GB18030 (GBK), Latin-1 and with a control byte:
    the workbook opens, and names the file in its properties and summary."""
    with open(os.path.join(samples, "kav-two-wavelengths.bin"), "rb") as f:
        sample = f.read()
    for raw in [b"\xb9\xe2\xc0\xc2.bin", b"Kabel-\xdc.bin", b"a\x01b\x1b[2J.bin"]:
        path = os.path.join(os.fsencode(folder), raw)
        with open(path, "wb") as f:
            f.write(sample)
        xlsx = os.path.join(folder, "named.xlsx")
        done = run([os.fsencode(convert), path, b"--xlsx", os.fsencode(xlsx)])
        if not check(done.returncode == 0, f"{raw!r}: --xlsx {done.stderr!r}"):
            continue
        try:
            book = openpyxl.load_workbook(xlsx)
        except Exception as error:  # the workbook does not open
            check(False, f"{raw!r}: {error}")
            continue
        expected = printable_name(raw)
        check(book.properties.subject == expected, f"{raw!r}: subject {book.properties.subject!r}")
        summary = book["Summary"]
        titles = [c.value for c in summary[1]]
        check(summary.cell(row=2, column=titles.index("File") + 1).value == expected, f"{raw!r}: File cell")


def main():
    convert, probe, samples = sys.argv[1:4]
    version = run([convert, "--version"]).stdout.decode().split()[-1]
    with tempfile.TemporaryDirectory() as folder:
        check_samples(convert, samples, folder, version)
        check_awkward_files(convert, probe, folder, version)
        check_names(convert, samples, folder)
    for failure in failures[:40]:
        print("FAIL:", failure)
    print(f"{len(failures)} checks failed" if failures else "every workbook reads back as its CSV")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
