#pragma once

#include "Canvas.h"

#include <QStringList>

struct PageSettings;

// Page 1: the title and seven labelled lines from the seven cover strings. PageWidth and the
// margins in inches; the offsets, line spacing and signature switches come from settings.
void DrawCoverPage(Canvas &canvas, bool IsPreview, double PageWidth, double TopMargin,
                   double LeftMargin, double RightMargin, int DpiX, int DpiY,
                   const QStringList &strings, const PageSettings &settings);
