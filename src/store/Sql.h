#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantMap>

// Small helpers over Qt Sql that turn every failure into an AppError with the engine's reason.
namespace sql {

// Prepares and runs a statement with named parameters (":name"); returns the active query.
QSqlQuery exec(const QSqlDatabase &db, const QString &statement, const QVariantMap &params = {});

// One transaction: rolled back on destruction unless committed.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    void commit();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

// The engine's reason for a failure, in one line.
QString reason(const QSqlError &error);

} // namespace sql
