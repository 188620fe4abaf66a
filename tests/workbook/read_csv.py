#!/usr/bin/env python3
"""Prints the cells of a CSV file as JSON, read by Python's csv module (UTF-8 with its byte-order mark)."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8-sig") as file:
    cells = {
        f"{row},{column}": value
        for row, record in enumerate(csv.reader(file), 1)
        for column, value in enumerate(record, 1)
        if value
    }
print(json.dumps({"sheets": [], "cells": cells}, ensure_ascii=False))
