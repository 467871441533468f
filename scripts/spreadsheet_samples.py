"""The workbooks behind the spreadsheet samples of tests/data (see
spreadsheet-samples.sh): points as a surveyor keeps them in a spreadsheet,
with the column titles in the first row and Ids with accents.

    /usr/bin/python3 scripts/spreadsheet_samples.py FOLDER
"""
import sys

import openpyxl

TITLES = ["Id", "Norte", "Este", "H"]

# UTM zone 19 on "PSAD 56 - La Canoa (2)", metres. One Id holds a ";",
# which the text files quote.
POINTS = [
    ["Estación 1", 1163200.562, 728310.447, 905.3],
    ["Peñón; cerro", 1161875.25, 730544.91, 872.15],
    ["Ávila Norte", 1170410.133, 731905.582, 2150],
    ["BM-04", 1162000, 729000.5, 0.25],
]

# Records that fail, between good ones: a text in a number cell, an east
# out of range, an empty cell, a number shown with its thousands marked.
FAULTY = [
    ["P1", 1163200.562, 728310.447, 905.3],
    ["P2", "s/d", 730544.91, 872.15],
    ["P3", 1170410.133, 950000, 2150],
    ["P4", 1162000, None, 12],
    ["P5", 1163210.5, 728320.25, 906],
    ["P6", 1163300.75, 728400.125, 910],
]
THOUSANDS_ROW = 6  # P5, below the titles
THOUSANDS_FORMAT = "#,##0.000"


def workbook(rows):
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Puntos"
    sheet.append(TITLES)
    for row in rows:
        sheet.append(row)
    return book, sheet


def main(folder):
    book, _ = workbook(POINTS)
    book.save(f"{folder}/puntos.xlsx")
    book, sheet = workbook(FAULTY)
    sheet.cell(row=THOUSANDS_ROW, column=2).number_format = THOUSANDS_FORMAT
    book.save(f"{folder}/errores.xlsx")


if __name__ == "__main__":
    main(sys.argv[1])
