#!/usr/bin/env python3
"""Makes the list workbooks of tests/data the way other programs write them:
formulas without saved results (openpyxl, odfpy, xlwt), numbers with number formats
(openpyxl, odfpy), and lists in another column, on another sheet or behind a
hidden first sheet. Run from tests/data: /usr/bin/python3 make/make_list_workbooks.py
(Debian: python3-openpyxl, python3-odf, python3-xlwt, libreoffice-calc-nogui)."""
import datetime
import subprocess

import openpyxl
import xlwt
from odf.number import (CurrencyStyle, CurrencySymbol, DateStyle, Day, Month, Number, NumberStyle,
                        PercentageStyle, ScientificNumber, Text as NumberText, Year)
from odf.opendocument import OpenDocumentSpreadsheet
from odf.style import Style, TableProperties
from odf.table import Table, TableCell, TableRow
from odf.text import P

def formulas_xlsx(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.append(["Member", "Family", "Given", "Team", "Number"])
    rows = [
        '=B2&" "&C2',
        '=CONCATENATE(B3,", ",C3)',
        '=_xlfn.CONCAT(B4:C4)',
        '=_xlfn.TEXTJOIN("-",TRUE,B2:D2)',
        '=TRIM(B3)&"/"&UPPER(C3)',
        '=PROPER(B4&" "&C4)',
        '=LOWER(C4)&E4*2',
        '=0.1+0.2',
        '="No. "&(E2+E3)/2',
        '=A2&"!"',
        'plain text',
    ]
    extra = [("Tanaka", "Aiko", "Sales", 3), ("  Díaz ", "bruno", "Field", 4), ("martin", "CHLOÉ", "", 5)]
    for index, formula in enumerate(rows):
        family, given, team, number = extra[index] if index < len(extra) else ("", "", "", None)
        sheet.append([formula, family or None, given or None, team or None, number])
    book.save(path)


def unsupported_xlsx(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.append(["Member", "Key"])
    sheet.append(["Aiko", 1])
    sheet.append(['=VLOOKUP(B3,Sheet2!A:B,2,FALSE)', 2])
    book.save(path)


FORMATS = [
    (7, "000", None),
    (1234567.891, "#,##0", None),
    (3.14159, "0.00", None),
    (0.15, "0%", None),
    (1234.5, '"¥"#,##0', None),
    (-1234.5, '#,##0.00;(#,##0.00)', None),
    (12345.678, "0.00E+00", None),
    (datetime.datetime(2014, 5, 1), "yyyy-mm-dd", None),
    (datetime.time(9, 5, 7), "h:mm", None),
    (datetime.datetime(2014, 5, 1, 13, 5), 'd mmm yyyy h:mm AM/PM', None),
    (0.30000000000000004, "General", None),
    (42, '0" pts"', None),
]


def formats_xlsx(path):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.append(["Value"])
    for value, code, _ in FORMATS:
        sheet.append([value])
        sheet.cell(row=sheet.max_row, column=1).number_format = code
    # openpyxl writes the text as it is: the escape Excel writes for a tab.
    sheet.append(["tab_x0009_here"])
    book.save(path)


def odf_formats(path):
    document = OpenDocumentSpreadsheet()
    styles = document.automaticstyles

    def cell_style(name, data_style):
        styles.addElement(data_style)
        style = Style(name=name, family="table-cell", datastylename=data_style.getAttribute("name"))
        styles.addElement(style)
        return name

    leading = NumberStyle(name="N1")
    leading.addElement(Number(decimalplaces="0", minintegerdigits="3"))
    grouped = NumberStyle(name="N2")
    grouped.addElement(Number(decimalplaces="0", minintegerdigits="1", grouping="true"))
    percent = PercentageStyle(name="N3")
    percent.addElement(Number(decimalplaces="0", minintegerdigits="1"))
    percent.addElement(NumberText(text="%"))
    currency = CurrencyStyle(name="N4")
    currency.addElement(CurrencySymbol(language="ja", country="JP", text="¥"))
    currency.addElement(Number(decimalplaces="0", minintegerdigits="1", grouping="true"))
    scientific = NumberStyle(name="N5")
    scientific.addElement(ScientificNumber(decimalplaces="2", minintegerdigits="1", minexponentdigits="2"))
    date = DateStyle(name="N6")
    date.addElement(Year(style="long"))
    date.addElement(NumberText(text="/"))
    date.addElement(Month(style="long"))
    date.addElement(NumberText(text="/"))
    date.addElement(Day(style="long"))
    decimals = NumberStyle(name="N7")
    decimals.addElement(Number(decimalplaces="2", minintegerdigits="1"))
    names = [cell_style("ce%d" % i, s) for i, s in
             enumerate([leading, grouped, percent, currency, scientific, date, decimals], 1)]

    table = Table(name="List")
    document.spreadsheet.addElement(table)

    def row(cell):
        table_row = TableRow()
        table_row.addElement(cell)
        table.addElement(table_row)

    heading = TableCell(valuetype="string")
    heading.addElement(P(text="Value"))
    row(heading)
    for style, value_type, value in [
        (names[0], "float", "7"), (names[1], "float", "1234567.891"), (names[2], "percentage", "0.15"),
        (names[3], "currency", "1234.5"), (names[4], "float", "12345.678"), (names[6], "float", "3.14159"),
        (None, "float", "0.30000000000000004"),
    ]:
        cell = TableCell(valuetype=value_type, value=value, **({"stylename": style} if style else {}))
        row(cell)
    row(TableCell(valuetype="date", datevalue="2014-05-01", stylename=names[5]))
    document.save(path)


def odf_formulas(path):
    document = OpenDocumentSpreadsheet()
    table = Table(name="List")
    document.spreadsheet.addElement(table)
    rows = [
        ["Member", "Family", "Given"],
        ['of:=[.B2]&" "&[.C2]', "Tanaka", "Aiko"],
        ['of:=CONCATENATE([.B3];", ";[.C3])', "Díaz", "Bruno"],
        ['of:=PROPER([.B4]&" "&[.C4])', "martin", "CHLOÉ"],
        ['of:=TRIM("  a   b ")&UPPER([.C2])', "", ""],
        ["of:=0.1+0.2", "", ""],
    ]
    for number, values in enumerate(rows):
        table_row = TableRow()
        for column, value in enumerate(values):
            if number > 0 and column == 0:
                cell = TableCell(formula=value)  # odfpy writes no result
            else:
                cell = TableCell(valuetype="string")
                cell.addElement(P(text=value))
            table_row.addElement(cell)
        table.addElement(table_row)
    document.save(path)


def formulas_xls(path):
    """xlwt saves formulas with an empty text for their result."""
    book = xlwt.Workbook()
    sheet = book.add_sheet("List")
    for row, values in enumerate([["Member", "Family", "Given", "Number"], ["", "Tanaka", "Aiko", 3],
                                  ["", "  Díaz ", "bruno", 4], ["", "martin", "CHLOÉ", 5]]):
        for column, value in enumerate(values):
            if value != "":
                sheet.write(row, column, value)
    for row, formula in enumerate(['B2&" "&C2', 'CONCATENATE(TRIM(B3),", ",UPPER(C3))', 'PROPER(B4&" "&C4)',
                                   'LOWER(C4)&D4*2', '0.1+0.2', '"No. "&(D2+D3)/2'], 1):
        sheet.write(row, 0, xlwt.Formula(formula))
    book.save(path)


def elsewhere(path_column_b, path_sheet_2, path_hidden):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.append(["No.", "Member"])
    for number, name in enumerate(["Aiko", "Bruno", "Chloé"], 1):
        sheet.append([None, name])
    book.save(path_column_b)

    book = openpyxl.Workbook()
    book.active.title = "Notes"
    other = book.create_sheet("Members")
    other.append(["Member"])
    for name in ["Aiko", "Bruno"]:
        other.append([name])
    book.save(path_sheet_2)

    book = openpyxl.Workbook()
    first = book.active
    first.title = "Old"
    first.append(["Member"])
    first.append(["Former"])
    first.sheet_state = "hidden"
    shown = book.create_sheet("Members")
    shown.append(["Member"])
    shown.append(["Aiko"])
    book.active = 1
    book.save(path_hidden)


formulas_xlsx("formulas-no-results.xlsx")
formulas_xls("formulas-no-results.xls")
unsupported_xlsx("formula-unsupported.xlsx")
formats_xlsx("number-formats.xlsx")
odf_formats("number-formats.ods")
odf_formulas("formulas-no-results.ods")
elsewhere("names-in-column-b.xlsx", "names-on-sheet-2.xlsx", "hidden-first-sheet.xlsx")

# The same numbers as LibreOffice saves them in an Excel 97-2003 workbook.
subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", "xls", "number-formats.xlsx"], check=True)


def odf_elsewhere(path_column_b, path_hidden):
    def sheet_of(document, name, rows, style=None):
        table = Table(name=name, **({"stylename": style} if style else {}))
        for values in rows:
            table_row = TableRow()
            for value in values:
                cell = TableCell(valuetype="string") if value else TableCell()
                if value:
                    cell.addElement(P(text=value))
                table_row.addElement(cell)
            table.addElement(table_row)
        document.spreadsheet.addElement(table)

    document = OpenDocumentSpreadsheet()
    sheet_of(document, "List", [["No.", "Member"], ["", "Aiko"], ["", "Bruno"]])
    document.save(path_column_b)

    document = OpenDocumentSpreadsheet()
    hidden = Style(name="ta1", family="table")
    hidden.addElement(TableProperties(display="false"))
    document.automaticstyles.addElement(hidden)
    sheet_of(document, "Old", [["Member"]], "ta1")
    sheet_of(document, "Members", [["Member"], ["Aiko"], ["Bruno"], ["Chloé"]])
    document.save(path_hidden)


odf_elsewhere("names-in-column-b.ods", "hidden-first-sheet.ods")
# The workbooks with names elsewhere as LibreOffice saves them in Excel 97-2003 workbooks.
subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", "xls", "names-on-sheet-2.xlsx",
                "hidden-first-sheet.xlsx"], check=True)


# A roster as staff records hold it: employee numbers in column A, names in
# column B and extension numbers in column C.
ROSTER = [("Employee No.", "Name", "Extension"), (1024, "Tanaka, Aiko", 301), (1025, "Díaz, Bruno", 302),
          (2031, "佐藤 花子", 417)]


def xlsx_of_rows(path, rows):
    book = openpyxl.Workbook()
    for values in rows:
        book.active.append(values)
    book.save(path)


def ods_of_rows(path, name, rows):
    document = OpenDocumentSpreadsheet()
    table = Table(name=name)
    for values in rows:
        table_row = TableRow()
        for value in values:
            if isinstance(value, int):
                cell = TableCell(valuetype="float", value=value)
            else:
                cell = TableCell(valuetype="string")
            cell.addElement(P(text=str(value)))
            table_row.addElement(cell)
        table.addElement(table_row)
    document.spreadsheet.addElement(table)
    document.save(path)


xlsx_of_rows("roster-numbers-and-names.xlsx", ROSTER)
ods_of_rows("roster-numbers-and-names.ods", "Roster", ROSTER)
subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", "xls", "roster-numbers-and-names.xlsx"],
               check=True)


# A roster wider and longer than the import preview: employee numbers in
# column A, names in B, and in C to L whole numbers that tell their own cell
# (row × 100 + column: 1603 in C16), for 29 people.
WIDE_HEADINGS = ["Employee No.", "Name", "Extension", "Floor", "Desk", "Badge", "Locker", "Car park", "Team",
                 "Room", "Mail stop", "Shift"]
WIDE_NAMES = ["Abe Ren", "Baker Ida", "Chen Wei", "Dahl Ove", "Eze Ada", "Fox Ana", "Gale Tom", "Hill Eve",
              "Ito Yui", "Jones Al", "Kaur Jas", "Lee Min", "Mori Sho", "Nash Lia", "Ode Ife", "Park Ji",
              "Quinn Bo", "Roy Dev", "Sato Emi", "Tran Vu", "Ueda Rin", "Vega Luz", "Ward Kit", "Xu Lan",
              "Yoon Ha", "Zeno Pia", "Abbot Cy", "Berg Liv", "Cruz Mar"]


def wide_rows():
    yield WIDE_HEADINGS
    for row, name in enumerate(WIDE_NAMES, start=2):
        yield [7000 + row, name] + [row * 100 + column for column in range(3, len(WIDE_HEADINGS) + 1)]


xlsx_of_rows("wide-roster.xlsx", wide_rows())
ods_of_rows("wide-roster.ods", "Staff", wide_rows())
# LibreOffice's .xls keeps a row's numbers side by side in one record (MULRK).
subprocess.run(["soffice", "--headless", "--norestore", "--convert-to", "xls", "wide-roster.xlsx"], check=True)
