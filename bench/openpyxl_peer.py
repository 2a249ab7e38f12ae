#!/usr/bin/python3
"""What a user might write instead of Tablevane: openpyxl applying the benchmark's
formatting to every .xlsx of a folder, stored in place.

    openpyxl_peer.py FOLDER

Landscape, font Liberation Sans 11, interleaved rows, word wrap and vertical centring,
thin borders, bold top row (centred), first and last column and last row, the file name
on the left of the header and the page number in its centre, column widths estimated
from the longest text of each column (openpyxl cannot measure text).
"""
import os
import sys

from openpyxl import load_workbook
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side
from openpyxl.utils import get_column_letter

FONT = "Liberation Sans"
SIZE = 11
STRIPE = PatternFill("solid", fgColor="D0E0F0")
THIN = Side(style="thin")
BORDER = Border(left=THIN, right=THIN, top=THIN, bottom=THIN)
PLAIN = Font(name=FONT, size=SIZE)
BOLD = Font(name=FONT, size=SIZE, bold=True)
TOP = Alignment(horizontal="center", vertical="center", wrap_text=True)
BODY = Alignment(vertical="center", wrap_text=True)


def leading(cells):
    """How many cells from the first one hold something."""
    count = 0
    for cell in cells:
        if cell.value is None or cell.value == "":
            break
        count += 1
    return count


def format_sheet(sheet, name):
    columns = leading(next(sheet.iter_rows(min_row=1, max_row=1)))
    if columns == 0:
        return False
    rows = leading(next(sheet.iter_cols(min_col=1, max_col=1)))
    widths = [0] * columns
    for r, row in enumerate(sheet.iter_rows(min_row=1, max_row=rows, max_col=columns), start=1):
        for c, cell in enumerate(row, start=1):
            edge = r == 1 or r == rows or c == 1 or c == columns
            cell.font = BOLD if edge else PLAIN
            cell.alignment = TOP if r == 1 else BODY
            cell.border = BORDER
            if r > 1 and r % 2 == 0:
                cell.fill = STRIPE
            widths[c - 1] = max(widths[c - 1], len(str(cell.value if cell.value is not None else "")))
    for c, width in enumerate(widths, start=1):
        sheet.column_dimensions[get_column_letter(c)].width = width * 1.2 + 2
    sheet.page_setup.orientation = "landscape"
    sheet.oddHeader.left.text = name
    sheet.oddHeader.center.text = "&P"
    return True


def main():
    folder = sys.argv[1]
    for name in sorted(os.listdir(folder)):
        if not name.lower().endswith(".xlsx"):
            continue
        path = os.path.join(folder, name)
        book = load_workbook(path)
        if format_sheet(book.worksheets[0], name):
            book.save(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
