#include "DatabaseFiles.h"

#include "AppError.h"
#include "Guard.h"
#include "Prompter.h"
#include "ReportDatabase.h"
#include "Sql.h"

#include <QFile>
#include <QFileInfo>

bool CopyDatabaseFile(const QString &source, const QString &target)
{
    bool copied = false;
    try {
        [&] {
            if (!QFileInfo(source).isFile()) {
                prompter().error(QStringLiteral("源文件 ") + source + QStringLiteral(" 不存在!"));
                return;
            }
            if (source.compare(target, Qt::CaseInsensitive) == 0) {
                prompter().error(QStringLiteral("源文件: ") + source + QStringLiteral(" 和\r目标文件: ") + target +
                                 QStringLiteral(" 相同!\r复制失败!"));
                return;
            }
            if (QFileInfo::exists(target)) {
                if (prompter().question(QStringLiteral("覆盖已存在的文件 ") + target + QStringLiteral(" 吗?"),
                                        Prompter::Yes | Prompter::No, Prompter::Yes) != Prompter::Yes)
                    return;
            }
            // A snapshot through the engine: only committed data, never a half-written state.
            const QString temp = target + QStringLiteral(".copying");
            QFile::remove(temp);
            const QString name = reportdb::uniqueConnectionName(QStringLiteral("copy"));
            QString why;
            {
                try {
                    QSqlDatabase db = reportdb::open(source, name);
                    QString quoted = temp;
                    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
                    sql::exec(db, QStringLiteral("VACUUM INTO '%1'").arg(quoted));
                } catch (const AppError &e) {
                    why = e.message();
                }
            }
            reportdb::close(name);
            if (why.isEmpty() && QFileInfo::exists(target) && !QFile::remove(target))
                why = QStringLiteral("不能删除已有的文件 %1").arg(target);
            if (why.isEmpty() && !QFile::rename(temp, target))
                why = QStringLiteral("不能建立文件 %1").arg(target);
            QFile::remove(temp);
            if (!why.isEmpty())
                throw AppError(why);
            copied = true;
        }();
    } catch (const std::exception &e) {
        // The fixed message first, then what actually went wrong.
        prompter().error(QStringLiteral("复制 ") + source + QStringLiteral(" 错误!\n") + failureText(e));
        return false;
    }
    return copied;
}
