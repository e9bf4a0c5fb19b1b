#pragma once

#include <QString>

// Start-up steps that need no window.
namespace startup {

// The three options from AppDir/config.ini into appState().options.
void ReadOptions();
// Makes sure Data, Backup, Template, Temp and Resource exist under appDir, in that order.
// The first one that cannot be made is reported (with the system's reason) and the rest are
// not attempted. Returns false then.
bool EnsureWorkingDirectories(const QString &appDir);

} // namespace startup
