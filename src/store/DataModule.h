#pragma once

#include <QString>

class Dataset;

// The record operations the report commands use on a report dataset, and the creation of a
// report database file. Holds no state between calls.
class TFrm_DataModule
{
public:
    // Creates an empty report database at path, asking before it replaces an existing file.
    // Refusals return false after their own message; other failures throw AppError.
    bool CreateReportDatabase(const QString &path);
    // Whether path opens as a report database (the connection is closed again).
    bool ConnectReportDatabase(const QString &path);

    bool AppendReport(Dataset &ds);
    bool DeleteReport(Dataset &ds);
    bool MoveFirst(Dataset &ds);
    bool MovePrior(Dataset &ds);
    bool MoveNext(Dataset &ds);
    bool MoveLast(Dataset &ds);
    bool MoveToRecord(Dataset &ds, int n);
};

// The one data module of the program.
TFrm_DataModule &Frm_DataModule();

// The 22 page-setting columns of the current row into the live instance; shows
// "读当前项目的页面设置数据错误!" and returns false when a column cannot be read.
bool ReadPageSettings(Dataset &ds);
// The live instance into the current row (edit state, not posted); shows
// "写当前项目的页面设置到数据库错误!" and returns false on failure.
bool WritePageSettings(Dataset &ds);
