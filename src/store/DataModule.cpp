#include "DataModule.h"

#include "AppError.h"
#include "Dataset.h"
#include "Guard.h"
#include "PageSettings.h"
#include "Prompter.h"
#include "ReportDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TFrm_DataModule &Frm_DataModule()
{
    static TFrm_DataModule module;
    return module;
}

bool TFrm_DataModule::CreateReportDatabase(const QString &path)
{
    if (QFileInfo::exists(path)) {
        const QString question = QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在!\r\n删除并创建吗?");
        if (prompter().question(question, Prompter::Yes | Prompter::No, Prompter::No,
                                Prompter::Icon::Warning) != Prompter::Yes)
            return false;
        if (QFileInfo(path).isDir() || !QFile::remove(path)) {
            prompter().error(QStringLiteral("不能删除数据库 ") + path, QStringLiteral("删除数据库错误!"));
            return false;
        }
    }
    reportdb::create(path);
    return ConnectReportDatabase(path);
}

bool TFrm_DataModule::ConnectReportDatabase(const QString &path)
{
    const QString name = reportdb::uniqueConnectionName(QStringLiteral("check"));
    reportdb::open(path, name); // throws with the reason when it does not open
    reportdb::close(name);
    return true;
}

bool TFrm_DataModule::AppendReport(Dataset &ds)
{
    ds.append();
    LoadPageDefaults();
    WritePageSettings(ds);
    return true;
}

bool TFrm_DataModule::DeleteReport(Dataset &ds)
{
    if (ds.isEmpty()) {
        prompter().warning(QStringLiteral("数据表已空，不能删除!"));
        return false;
    }
    ds.remove();
    return true;
}

namespace {
bool guardedMove(const std::function<void()> &move)
{
    return guarded(move, QStringLiteral("移动记录错误!"));
}
} // namespace

bool TFrm_DataModule::MoveFirst(Dataset &ds)
{
    return guardedMove([&] { ds.first(); });
}

bool TFrm_DataModule::MovePrior(Dataset &ds)
{
    return guardedMove([&] { ds.prior(); });
}

bool TFrm_DataModule::MoveNext(Dataset &ds)
{
    return guardedMove([&] { ds.next(); });
}

bool TFrm_DataModule::MoveLast(Dataset &ds)
{
    return guardedMove([&] { ds.last(); });
}

bool TFrm_DataModule::MoveToRecord(Dataset &ds, int n)
{
    // First row, then n rows forward; past the end stops on the last row.
    return guardedMove([&] { ds.moveTo(qMax(0, n)); });
}

bool ReadPageSettings(Dataset &ds)
{
    PageSettings &live = livePageSettings();
    const QStringList &cols = PageSettings::columnNames();
    return guarded(
        [&] {
            live.PageStyle = ds.text(cols.at(0));
            for (int i = 1; i <= 21; ++i)
                live.intField(i) = ds.integer(cols.at(i));
        },
        QStringLiteral("读当前项目的页面设置数据错误!"));
}

bool WritePageSettings(Dataset &ds)
{
    const PageSettings &live = livePageSettings();
    const QStringList &cols = PageSettings::columnNames();
    return guarded(
        [&] {
            if (ds.state() == Dataset::State::Browse)
                ds.edit();
            ds.setText(cols.at(0), live.PageStyle);
            for (int i = 1; i <= 21; ++i)
                ds.setInteger(cols.at(i), live.intField(i));
        },
        QStringLiteral("写当前项目的页面设置到数据库错误!"));
}
