#pragma once

#include "Canvas.h"
#include "ReportEntries.h"

#include <QStringList>

#include <functional>

struct PageSettings;

// Page 2: the ruled report form of nine sections.

// Title and file number; lengths in inches.
void DrawFormHeader(Canvas &canvas, bool IsPreview, double PageWidth, double TopMargin,
                    double LeftMargin, double RightMargin, int DpiX, int DpiY,
                    const QString &fileNo);

// The table from its top T0 at left edge L (inches). strings are the 25 form strings; live
// holds the entries the form reads from the active report window while drawing (inspection
// staff and the signature block). Failures outside the primitives propagate to the caller.
void DrawFormBody(Canvas &canvas, bool IsPreview, double T0, double L, int DpiX, int DpiY,
                  const QStringList &strings, const PageSettings &settings,
                  const ReportEntries &live);

// Lines of a text box: breaks at CR LF and when a line's width in bytes (1 per character below
// 128, 2 per other) passes twice the budget; the character that passes it stays on the line.
QStringList WrapText(const QString &text, int budget);

// WrapText with one more rule: when fits is given, a line also ends before a character that
// would make it no longer fit.
QStringList wrapLines(const QString &text, int budget,
                      const std::function<bool(const QString &)> &fits);

// Width of the report table in mm.
int TableWidth(const PageSettings &settings);
