#pragma once

#include <QString>

// Copies a report database file as it lies committed on disk (a consistent snapshot also while
// a window has it open). Asks before replacing an existing target. Returns true when the copy
// was made; every refusal or failure shows its own message and returns false.
bool CopyDatabaseFile(const QString &source, const QString &target);
