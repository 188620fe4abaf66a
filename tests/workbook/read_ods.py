#!/usr/bin/env python3
"""Prints the sheets and cells of an .ods spreadsheet as JSON, read by odfpy."""
import json
import sys

from odf import teletype
from odf.opendocument import load
from odf.table import Table, TableCell, TableRow

TABLE_NS = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"

document = load(sys.argv[1])
tables = document.spreadsheet.getElementsByType(Table)
cells = {}
row_number = 0
for row in tables[0].getElementsByType(TableRow):
    rows = int(row.attributes.get((TABLE_NS, "number-rows-repeated"), 1))
    column = 0
    for cell in row.childNodes:
        columns = int(cell.attributes.get((TABLE_NS, "number-columns-repeated"), 1))
        text = teletype.extractText(cell)
        for r in range(rows):
            for c in range(columns):
                if text:
                    cells[f"{row_number + r + 1},{column + c + 1}"] = text
        column += columns
    row_number += rows
print(json.dumps({"sheets": [t.getAttribute("name") for t in tables], "cells": cells}, ensure_ascii=False))
