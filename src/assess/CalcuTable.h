#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The danger calculation table as plain data: the grid widget only mirrors these rows.
namespace assess {

// Grid columns of the calculation table, in order.
enum CalcuColumn {
    ColPartNumber = 0,           // row number 1..n
    ColBldgConstitute = 1,       // part of the building
    ColComponentName = 2,        // member name
    ColComponentStructure = 3,   // member structure
    ColComponentTotal = 4,       // number of members
    ColDangerComponentNumber = 5, // number of dangerous members
    ColCorrespondingFileItem = 6, // clause number
    CalcuColumnCount = 7
};

// One data row of the table: the texts of grid columns 0..6. A stored row (table CalcuData)
// carries the report number besides.
using CalcuRow = std::array<QString, CalcuColumnCount>;
using CalcuRows = QList<CalcuRow>;

// Rows of a fresh table (a new report).
constexpr int NewCalcuTableRows = 10;

// The seven headings of the heading row (SetGridHeaders).
const QStringList &calcuHeadings();

// Ten empty rows numbered 1 to 10.
CalcuRows ClearCalcuTable();

// Column 0 of every row := its 1-based number.
void renumberCalcuRows(CalcuRows &rows);

// Row actions. `current` is the 0-based index of the grid's current data row (-1 for none);
// each returns the 0-based index of the row that is current afterwards (-1 when no row is left).

// actnDangerGradeAdd: one empty row at the end, which becomes current.
int addCalcuRow(CalcuRows &rows);
// actnDangerGradeInsert: an empty row at `current`, the rows from there on move down; the empty
// row stays current. Without a valid current row the empty row is appended.
int insertCalcuRow(CalcuRows &rows, int current);
// actnDangerGradeDel: removes the current row, the rows below move up; the current row stays
// at the same index, or the new last row. Without a valid current row nothing changes.
int deleteCalcuRow(CalcuRows &rows, int current);

} // namespace assess
