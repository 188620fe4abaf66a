#!/usr/bin/env python3
"""Prints the sheets and cells of an .xls workbook as JSON, read by xlrd."""
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1])
sheet = book.sheet_by_index(0)
print(json.dumps({
    "sheets": book.sheet_names(),
    "cells": {
        f"{row + 1},{column + 1}": sheet.cell_value(row, column)
        for row in range(sheet.nrows)
        for column in range(sheet.ncols)
        if sheet.cell_type(row, column) != xlrd.XL_CELL_EMPTY
    },
}, ensure_ascii=False))
