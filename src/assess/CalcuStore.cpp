#include "CalcuStore.h"

#include "AppError.h"
#include "Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace assess {

namespace {

QString bindable(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    throw AppError(QStringLiteral("%1：%2").arg(what, error.text()));
}

void execute(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement))
        fail(QStringLiteral("保存计算表失败"), query.lastError());
}

// CalcuData columns of the grid columns 0..6, in order.
const QStringList &gridColumnNames()
{
    static const QStringList names = schema::calcuDataColumns().mid(1);
    return names;
}

void checkLengths(const QString &fileNo, const CalcuRows &rows)
{
    if (fileNo.size() > CalcuTextLimit)
        throw AppError(QStringLiteral("报告编号“%1”超过%2个字符（FileNo），计算表不能保存。")
                           .arg(fileNo)
                           .arg(CalcuTextLimit));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (int c = 0; c < CalcuColumnCount; ++c) {
            const QString &text = rows.at(i)[c];
            if (text.size() > CalcuTextLimit)
                throw AppError(
                    QStringLiteral("计算表第%1行“%2”一栏（%3）的内容“%4”超过%5个字符，不能保存。")
                        .arg(i + 1)
                        .arg(calcuHeadings().at(c), gridColumnNames().at(c), text)
                        .arg(CalcuTextLimit));
        }
    }
}

} // namespace

CalcuRows LoadCalcuRows(QSqlDatabase db, const QString &fileNo)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("select * from CalcuData where FileNo = :MainFileNo")))
        fail(QStringLiteral("读取计算表失败"), query.lastError());
    query.bindValue(QStringLiteral(":MainFileNo"), bindable(fileNo));
    if (!query.exec())
        fail(QStringLiteral("读取计算表失败"), query.lastError());

    const QSqlRecord record = query.record();
    int fields[CalcuColumnCount];
    for (int c = ColBldgConstitute; c < CalcuColumnCount; ++c) {
        fields[c] = record.indexOf(gridColumnNames().at(c));
        if (fields[c] < 0)
            throw AppError(QStringLiteral("读取计算表失败：表 CalcuData 缺少 %1 列。")
                               .arg(gridColumnNames().at(c)));
    }

    CalcuRows rows;
    while (query.next()) {
        CalcuRow row;
        // PartNumber is not read: the rows are numbered afresh.
        for (int c = ColBldgConstitute; c < CalcuColumnCount; ++c)
            row[c] = query.value(fields[c]).toString();
        rows.append(row);
    }
    if (query.lastError().isValid())
        fail(QStringLiteral("读取计算表失败"), query.lastError());
    if (rows.isEmpty())
        rows.append(CalcuRow{});
    renumberCalcuRows(rows);
    return rows;
}

void SaveCalcuRows(QSqlDatabase db, const QString &fileNo, const CalcuRows &rows)
{
    checkLengths(fileNo, rows);

    // A savepoint works both alone (it then opens and commits its own transaction) and inside
    // the caller's transaction, where its release leaves the commit to the caller.
    const QString savepoint = QStringLiteral("SaveCalcuRows");
    execute(db, QStringLiteral("SAVEPOINT ") + savepoint);
    try {
        QSqlQuery query(db);
        if (!query.prepare(QStringLiteral("delete from CalcuData where FileNo = :FileNo")))
            fail(QStringLiteral("保存计算表失败"), query.lastError());
        query.bindValue(QStringLiteral(":FileNo"), bindable(fileNo));
        if (!query.exec())
            fail(QStringLiteral("保存计算表失败"), query.lastError());

        if (!query.prepare(QStringLiteral(
                "Insert into CalcuData(PartNumber,BldgConstitute,ComponentName, "
                "ComponentStructure, ComponentTotal, DangerComponentNumber, "
                "correspondingFileItem, FileNo)\n"
                " values(:PartNumber,:BldgConstitute,:ComponentName, :ComponentStructure, "
                ":ComponentTotal, :DangerComponentNumber, :correspondingFileItem, :FileNo)")))
            fail(QStringLiteral("保存计算表失败"), query.lastError());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            for (int c = 0; c < CalcuColumnCount; ++c)
                query.bindValue(QLatin1Char(':') + gridColumnNames().at(c),
                                bindable(rows.at(i)[c]));
            query.bindValue(QStringLiteral(":FileNo"), bindable(fileNo));
            if (!query.exec())
                fail(QStringLiteral("保存计算表第%1行失败").arg(i + 1), query.lastError());
        }
        query.finish();
        execute(db, QStringLiteral("RELEASE ") + savepoint);
    } catch (...) {
        // Undo this call's work only; an enclosing transaction stays the caller's to end.
        QSqlQuery undo(db);
        undo.exec(QStringLiteral("ROLLBACK TO ") + savepoint);
        undo.exec(QStringLiteral("RELEASE ") + savepoint);
        throw;
    }
}

} // namespace assess
