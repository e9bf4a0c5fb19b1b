#pragma once

#include <QStringList>

// Maps the Windows font names the reports use onto installed fonts, and makes Chinese text take
// Simplified Chinese glyph shapes. Called once at start-up (and by tests that draw text).
void installFontSubstitutions();
// Families to try for Chinese text after a given first family.
QStringList cjkFallbackFamilies();
