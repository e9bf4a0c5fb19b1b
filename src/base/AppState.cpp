#include "AppState.h"

#include <QStringList>

QString AppTitle()
{
    return QStringLiteral("Lumarel房屋安全鉴定管理系统");
}

QString AppVersion()
{
    return QStringLiteral(" 1.5");
}

AppState &appState()
{
    static AppState state;
    return state;
}

const QStringList &workingDirectoryNames()
{
    static const QStringList names = {QStringLiteral("Data"), QStringLiteral("Backup"),
                                      QStringLiteral("Template"), QStringLiteral("Temp"),
                                      QStringLiteral("Resource")};
    return names;
}
