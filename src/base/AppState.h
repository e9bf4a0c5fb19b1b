#pragma once

#include <QString>

// The process-wide values of the program: its folder, title and options, and the few flags the
// windows share. One home for each; nothing else keeps copies.
QString AppTitle();   // "Lumarel房屋安全鉴定管理系统"
QString AppVersion(); // " 1.5"

struct AppOptions
{
    int autoSaveTime = 5;        // [Commond] AutoSaveTime, minutes
    bool autoOpenItem = true;    // [Commond] AutoOpenItem
    bool isPrintSoftMess = true; // [Misc] IsPrintSoftMess
};

struct AppState
{
    QString appDir; // program folder, no trailing separator
    AppOptions options;
    QString currentDatabasePath;
    bool loadingWindow = false;
    bool closeCancelled = false;

    QString configPath() const { return appDir + QLatin1String("/config.ini"); }
    QString dirPath(const QString &name) const { return appDir + QLatin1Char('/') + name; }
    QString defaultDatabasePath() const
    {
        return appDir + QStringLiteral("/Data/2004年房屋安全鉴定报告.had");
    }
};

AppState &appState();

// Names of the working folders under AppDir, in the order they are made sure of.
const QStringList &workingDirectoryNames();
