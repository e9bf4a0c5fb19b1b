#pragma once

// The page routines: page files, cover, report form, and the pen widths they draw with.
#include "CoverPage.h"
#include "FormPage.h"
#include "PageFiles.h"
#include "PageState.h"

// Pen widths in logical units: finer on the preview bitmap than on the printer.
int ThinPenWidth(bool IsPreview);
int ThickPenWidth(bool IsPreview);
