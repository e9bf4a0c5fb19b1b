#pragma once

#include "Canvas.h"

#include <QString>

// Drawing in inches on any canvas. Page routines hand lengths in inches (millimetres times
// MMToInch) together with the target's resolution; these primitives turn them into logical
// units. Each one reports its own failure in a warning box and returns normally, so a page goes
// on being drawn.

constexpr double MMToInch = 0.03937007874015748; // 1/25.4

enum TextAlign : unsigned char { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
enum class FontStyle { Regular, Bold };

// Truncate toward zero, plus one unless already whole: the ceiling for page coordinates.
int RoundUp(double x);
// Nearest whole number, halves to the even neighbour.
int nearestInt(double v);
// Toward zero.
int truncInt(double v);

// Character height in logical units of a font of the given point size.
int fontPixelSize(int points, int DpiY);

void SetFont(Canvas &canvas, const QString &name, FontStyle style, int size, bool IsPreview,
             int DpiX, int DpiY);
double TextHeightInch(Canvas &canvas, const QString &text, int DpiY);
double TextWidthInch(Canvas &canvas, const QString &text, int DpiX);
void DrawLine(Canvas &canvas, int DpiX, int DpiY, double x1, double y1, double x2, double y2);
void DrawText(Canvas &canvas, const QString &text, TextAlign align, double Left, double Top,
              double Right, double Bottom, int DpiX, int DpiY);
// The font DrawClippedText draws with: "宋体", 12 points.
CanvasFont clippedTextFont(int DpiY);
// Draws in its own 12-point "宋体", clipped to a band about one canvas-font cell high centred
// in Top..Bottom (2 units lower) and to the text's horizontal extent.
void DrawClippedText(Canvas &canvas, const QString &text, TextAlign align, double Left,
                     double Top, double Right, double Bottom, int DpiX, int DpiY);
