#!/usr/bin/env python3
"""Prints the sheets and cells of an .xlsx workbook as JSON, read by openpyxl."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
print(json.dumps({
    "sheets": book.sheetnames,
    "cells": {
        f"{cell.row},{cell.column}": cell.value
        for row in book.worksheets[0].iter_rows()
        for cell in row
        if cell.value is not None
    },
}, ensure_ascii=False))
