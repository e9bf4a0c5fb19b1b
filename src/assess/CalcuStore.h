#pragma once

#include "CalcuTable.h"

#include <QSqlDatabase>
#include <QString>

// Loading and storing a report's calculation rows (table CalcuData) on an open report database.
namespace assess {

// Longest text of any CalcuData column.
constexpr int CalcuTextLimit = 20;

// The rows stored under the report number, in stored order, renumbered 1..n; one empty row
// numbered 1 when none is stored. A null number reads as the empty number. Throws AppError on a
// database failure.
CalcuRows LoadCalcuRows(QSqlDatabase db, const QString &fileNo);

// Replaces the rows stored under the report number by `rows` (every row, empty ones too).
// All or nothing: the delete and the inserts run under one savepoint, so the call is atomic on
// its own and nests inside a transaction the caller already holds (which it then neither
// commits nor ends). Texts longer than CalcuTextLimit are refused before anything is written.
// Throws AppError naming the column or carrying the database's message.
void SaveCalcuRows(QSqlDatabase db, const QString &fileNo, const CalcuRows &rows);

} // namespace assess
