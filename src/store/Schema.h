#pragma once

#include <QString>
#include <QStringList>

// The on-disk form of a report database: the two tables, created by these exact statements
// (except that long texts are declared TEXT: SQLite would give the type name "Memo" numeric
// affinity and turn a memo "00123" into 123), plus a trigger that numbers ID and an index for
// the per-report look-up.
namespace schema {

extern const QString CreateProjectTab;
extern const QString CreateCalcuData;
extern const QString CreateProjectTabIdTrigger;
extern const QString CreateCalcuDataIndex;

// Column names in create order.
const QStringList &projectTabColumns();
const QStringList &calcuDataColumns();

} // namespace schema
