#pragma once

#include "CalcuTable.h"

#include <QList>
#include <QString>

// What the chooser beside the calculation grid offers for the grid's current column: the fixed
// vocabularies of columns 1 to 3 and, for column 6, the clauses of the appraisal standard.
namespace assess {

struct ChooserColumn
{
    QString heading;
    int width = 0; // pixels
};

struct ChooserEntry
{
    QString caption; // running number, or the clause number
    QString text;    // the vocabulary text, or the clause text
};

struct ChooserContent
{
    QList<ChooserColumn> columns;
    QList<ChooserEntry> entries;
};

// Columns and fixed entries for a grid column: the vocabulary for 1, 2 and 3, the two columns
// without entries for 6 (the clauses come from lookUpClauses), nothing for the others.
ChooserContent chooserContent(int gridColumn);

// The text a chosen entry writes into the current cell: the clause number in column 6, the
// entry's text elsewhere.
QString choiceText(int gridColumn, const ChooserEntry &entry);

// AppDir/Resource/ApprStandar.mdb
QString clauseDatabasePath();

// The clauses whose Part and Struct match (SQL "like", the texts passed as they are), as
// entries (No, FileItem) in the database's order. Opens the clause database read-only for this
// call only. A missing or unreadable file, or one without the table or its columns, throws
// AppError carrying the database's message.
QList<ChooserEntry> lookUpClauses(const QString &part, const QString &structure,
                                  const QString &databasePath = clauseDatabasePath());

} // namespace assess
