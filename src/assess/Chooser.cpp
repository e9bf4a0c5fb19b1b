#include "Chooser.h"

#include "AppError.h"
#include "AppState.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace assess {

namespace {

ChooserContent vocabulary(const QString &heading, const QStringList &texts)
{
    ChooserContent content;
    content.columns = {{QStringLiteral("序号"), 40}, {heading, 100}};
    for (qsizetype i = 0; i < texts.size(); ++i)
        content.entries.append({QString::number(i + 1), texts.at(i)});
    return content;
}

// Empty rather than null, so that an empty cell binds as '' and not as NULL.
QString bindable(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

AppError clauseError(const QString &path, const QString &reason)
{
    return AppError(
        QStringLiteral("不能读取条文数据库 %1：%2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

ChooserContent chooserContent(int gridColumn)
{
    switch (gridColumn) {
    case ColBldgConstitute:
        return vocabulary(QStringLiteral("房屋组成部分"),
                          {QStringLiteral("地基基础"), QStringLiteral("承重结构"),
                           QStringLiteral("围护结构")});
    case ColComponentName:
        return vocabulary(QStringLiteral("构件名称"),
                          {QStringLiteral("地基"), QStringLiteral("基础"), QStringLiteral("柱"),
                           QStringLiteral("墙段"), QStringLiteral("主梁"), QStringLiteral("屋架"),
                           QStringLiteral("次梁"), QStringLiteral("板"),
                           QStringLiteral("围护构件")});
    case ColComponentStructure:
        return vocabulary(QStringLiteral("构件结构"),
                          {QStringLiteral("地基"), QStringLiteral("基础"), QStringLiteral("砌体"),
                           QStringLiteral("混凝土"), QStringLiteral("木结构"),
                           QStringLiteral("钢结构"), QStringLiteral("简易结构")});
    case ColCorrespondingFileItem: {
        ChooserContent content;
        content.columns = {{QStringLiteral("序号"), 60}, {QStringLiteral("条文"), 1000}};
        return content;
    }
    default:
        return {};
    }
}

QString choiceText(int gridColumn, const ChooserEntry &entry)
{
    return gridColumn == ColCorrespondingFileItem ? entry.caption : entry.text;
}

QString clauseDatabasePath()
{
    return appState().appDir + QStringLiteral("/Resource/ApprStandar.mdb");
}

QList<ChooserEntry> lookUpClauses(const QString &part, const QString &structure,
                                  const QString &databasePath)
{
    // Plainer than SQLite's "unable to open database file".
    if (!QFileInfo(databasePath).isFile())
        throw clauseError(databasePath, QStringLiteral("文件不存在。"));

    static QAtomicInt serial;
    const QString name = QStringLiteral("clauses-%1").arg(serial.fetchAndAddRelaxed(1));
    QList<ChooserEntry> entries;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (!query.prepare(QStringLiteral("select * from ApprStandar where Part like "
                                              ":MainFileNo and Struct like :MainFileNo1"))) {
                failure = query.lastError().text();
            } else {
                query.bindValue(QStringLiteral(":MainFileNo"), bindable(part));
                query.bindValue(QStringLiteral(":MainFileNo1"), bindable(structure));
                if (!query.exec()) {
                    failure = query.lastError().text();
                } else {
                    const QSqlRecord record = query.record();
                    const int no = record.indexOf(QStringLiteral("No"));
                    const int item = record.indexOf(QStringLiteral("FileItem"));
                    if (no < 0 || item < 0) {
                        failure = QStringLiteral("表 ApprStandar 缺少 No 或 FileItem 列。");
                    } else {
                        while (query.next())
                            entries.append(
                                {query.value(no).toString(), query.value(item).toString()});
                        if (query.lastError().isValid())
                            failure = query.lastError().text();
                    }
                }
            }
            query.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw clauseError(databasePath, failure);
    return entries;
}

} // namespace assess
