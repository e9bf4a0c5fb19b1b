#include "StartUp.h"

#include "AppState.h"
#include "IniFile.h"
#include "Prompter.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace startup {

void ReadOptions()
{
    const IniFile ini(appState().configPath());
    AppOptions &o = appState().options;
    o.autoSaveTime = ini.readInteger(QStringLiteral("Commond"), QStringLiteral("AutoSaveTime"), 5);
    o.autoOpenItem = ini.readBool(QStringLiteral("Commond"), QStringLiteral("AutoOpenItem"), true);
    o.isPrintSoftMess = ini.readBool(QStringLiteral("Misc"), QStringLiteral("IsPrintSoftMess"), true);
}

namespace {
QString reasonFor(int err)
{
    switch (err) {
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限。");
    case EROFS:
        return QStringLiteral("磁盘是只读的。");
    case ENOSPC:
        return QStringLiteral("磁盘空间不足。");
    case EEXIST:
        return QStringLiteral("已有同名的文件。");
    case ENOENT:
        return QStringLiteral("上级文件夹不存在。");
    default:
        return QString::fromLocal8Bit(std::strerror(err));
    }
}
} // namespace

bool EnsureWorkingDirectories(const QString &appDir)
{
    for (const QString &name : workingDirectoryNames()) {
        const QString path = appDir + QLatin1Char('/') + name;
        if (QFileInfo(path).isDir())
            continue;
        if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
            const int err = errno;
            prompter().error(QStringLiteral("不能创建文件夹 %1：%2")
                                 .arg(QDir::toNativeSeparators(path), reasonFor(err)));
            return false;
        }
    }
    return true;
}

} // namespace startup
