#pragma once

#include <QSqlDatabase>
#include <QString>

// Opening and creating report database files. A file is only ever opened read-write (or
// read-only when the system write-protects it) and never created by opening: a missing file,
// a folder, a file of another kind or a damaged database is refused with a clear AppError.
namespace reportdb {

// Opens path under the given Qt connection name; throws AppError and leaves no connection
// behind on failure.
QSqlDatabase open(const QString &path, const QString &connectionName);
// Closes and removes the connection (no-op for an unknown name).
void close(const QString &connectionName);
// Creates a new report database holding both empty tables at path, which must not exist.
// The file appears complete or not at all. Throws AppError on failure.
void create(const QString &path);
// A process-unique connection name with the given prefix.
QString uniqueConnectionName(const QString &prefix);

} // namespace reportdb
