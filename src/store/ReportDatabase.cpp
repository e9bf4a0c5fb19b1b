#include "ReportDatabase.h"

#include "AppError.h"
#include "Schema.h"
#include "Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace reportdb {

namespace {

// SQLite URI for a local path: only the characters that URIs give a meaning need escaping.
QString uriFor(const QString &path, const char *mode)
{
    QString p = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath());
    p.replace(QLatin1Char('%'), QLatin1String("%25"));
    p.replace(QLatin1Char('?'), QLatin1String("%3f"));
    p.replace(QLatin1Char('#'), QLatin1String("%23"));
    return QStringLiteral("file:") + p + QStringLiteral("?mode=") + QLatin1String(mode);
}

QString openFailure(const QString &path, const QString &why)
{
    return QStringLiteral("打开数据库 %1 错误:\n%2").arg(QDir::toNativeSeparators(path), why);
}

QSqlDatabase connect(const QString &path, const QString &connectionName, const char *mode)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(uriFor(path, mode));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const QString why = sql::reason(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw AppError(openFailure(path, why));
    }
    QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return db;
}

} // namespace

QString uniqueConnectionName(const QString &prefix)
{
    static int counter = 0;
    return QStringLiteral("%1-%2").arg(prefix).arg(++counter);
}

QSqlDatabase open(const QString &path, const QString &connectionName)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(openFailure(path, QStringLiteral("文件不存在。")));
    if (info.isDir())
        throw AppError(openFailure(path, QStringLiteral("这是一个文件夹，不是数据库文件。")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(openFailure(path, QStringLiteral("不能读取文件：%1").arg(file.errorString())));
    const QByteArray header = file.read(16);
    file.close();
    if (header.isEmpty())
        throw AppError(openFailure(path, QStringLiteral("文件是空的，不是报告数据库。")));
    if (header != QByteArray("SQLite format 3\0", 16))
        throw AppError(openFailure(path, QStringLiteral("文件格式不对，不是报告数据库。")));

    QSqlDatabase db = connect(path, connectionName, "rw");
    QString why;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
        why = QStringLiteral("数据库已损坏：%1").arg(sql::reason(q.lastError()));
    } else {
        QStringList tables;
        while (q.next())
            tables << q.value(0).toString().toLower();
        if (!tables.contains(QLatin1String("projecttab")) || !tables.contains(QLatin1String("calcudata")))
            why = QStringLiteral("数据库中没有鉴定报告数据表，不是报告数据库。");
    }
    q.finish();
    if (!why.isEmpty()) {
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw AppError(openFailure(path, why));
    }
    // Older files lack the look-up index; a write-protected file simply goes without it.
    QSqlQuery(db).exec(schema::CreateCalcuDataIndex);
    QSqlQuery(db).exec(schema::CreateProjectTabIdTrigger);
    return db;
}

void close(const QString &connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void create(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        throw AppError(QStringLiteral("创建数据库 %1 错误:\n文件已存在。").arg(QDir::toNativeSeparators(path)));
    // Built under a temporary name beside the target, then renamed: no half-made file is left.
    const QString temp = path + QStringLiteral(".creating");
    QFile::remove(temp);
    const QString name = uniqueConnectionName(QStringLiteral("create"));
    QString why;
    {
        QSqlDatabase db;
        try {
            db = connect(temp, name, "rwc");
            sql::exec(db, schema::CreateProjectTab);
            sql::exec(db, schema::CreateCalcuData);
            sql::exec(db, schema::CreateProjectTabIdTrigger);
            sql::exec(db, schema::CreateCalcuDataIndex);
        } catch (const AppError &e) {
            why = e.message();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (why.isEmpty() && !QFile::rename(temp, path))
        why = QStringLiteral("不能建立文件 %1。").arg(QDir::toNativeSeparators(path));
    if (!why.isEmpty()) {
        QFile::remove(temp);
        throw AppError(QStringLiteral("创建数据库 %1 错误:\n%2").arg(QDir::toNativeSeparators(path), why));
    }
}

} // namespace reportdb
