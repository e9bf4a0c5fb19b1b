#include "Sql.h"

#include "AppError.h"

#include <QSqlError>

namespace sql {

QString reason(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    // The engine speaks English; say the common cases in the users' words, keeping the original.
    static const struct
    {
        const char *key;
        const char *chinese;
    } known[] = {
        {"readonly database", "数据库文件是只读的，没有写入权限"},
        {"database is locked", "数据库正被其他窗口或程序使用"},
        {"malformed", "数据库文件已损坏"},
        {"not a database", "文件不是数据库"},
        {"disk is full", "磁盘已满"},
        {"disk I/O error", "读写磁盘出错"},
        {"unable to open database", "不能打开数据库文件"},
    };
    for (const auto &k : known) {
        if (text.contains(QLatin1String(k.key), Qt::CaseInsensitive))
            return QStringLiteral("%1（%2）").arg(QString::fromUtf8(k.chinese), text);
    }
    return text;
}

QSqlQuery exec(const QSqlDatabase &db, const QString &statement, const QVariantMap &params)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw AppError(QStringLiteral("数据库操作失败：%1").arg(reason(query.lastError())));
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!query.exec())
        throw AppError(QStringLiteral("数据库操作失败：%1").arg(reason(query.lastError())));
    return query;
}

Transaction::Transaction(QSqlDatabase db) : m_db(std::move(db))
{
    if (!m_db.transaction())
        throw AppError(QStringLiteral("数据库操作失败：%1").arg(reason(m_db.lastError())));
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    if (!m_db.commit()) {
        const QString why = reason(m_db.lastError());
        m_db.rollback();
        m_done = true;
        throw AppError(QStringLiteral("数据库操作失败：%1").arg(why));
    }
    m_done = true;
}

} // namespace sql
