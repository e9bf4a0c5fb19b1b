#include "DrawSetup.h"

#include "AppError.h"
#include "Prompter.h"
#include "Rounding.h"

#include <cmath>
#include <limits>

namespace {

// Whole numbers outside 32 bits cannot be coordinates; keep conversions defined.
int clampToInt(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

void warn(const char *message)
{
    prompter().warning(QString::fromUtf8(message));
}

} // namespace

int RoundUp(double x)
{
    const double t = std::trunc(x);
    return clampToInt(t == x ? t : t + 1);
}

int nearestInt(double v)
{
    if (std::isnan(v) || std::fabs(v) > 4e9)
        return clampToInt(v);
    return clampToInt(static_cast<double>(bankersRound(v)));
}

int truncInt(double v)
{
    return clampToInt(std::trunc(v));
}

int fontPixelSize(int points, int DpiY)
{
    // size * DpiY / 72, halves away from zero, as the platform scales point sizes.
    return clampToInt(std::round(static_cast<double>(points) * DpiY / 72.0));
}

CanvasFont clippedTextFont(int DpiY)
{
    CanvasFont font;
    font.family = QStringLiteral("宋体");
    font.pixelSize = truncInt(DpiY * 120.0 / 720.0 + 0.5);
    return font;
}

void SetFont(Canvas &canvas, const QString &name, FontStyle style, int size, bool IsPreview,
             int DpiX, int DpiY)
{
    try {
        // A printer finer down than across gets one point less in portrait.
        if (!IsPreview && DpiY > DpiX && canvas.portrait())
            size -= 1;
        CanvasFont font;
        font.family = name;
        font.bold = style == FontStyle::Bold;
        font.pixelSize = fontPixelSize(size, DpiY);
        canvas.setFont(font);
    } catch (...) {
        warn("设置字体错误!");
    }
}

double TextHeightInch(Canvas &canvas, const QString &text, int DpiY)
{
    try {
        if (DpiY == 0)
            throw AppError(QStringLiteral("分辨率为零。"));
        return static_cast<double>(canvas.textHeight(text)) / DpiY;
    } catch (...) {
        warn("计算文本高度错误!");
        return 0;
    }
}

double TextWidthInch(Canvas &canvas, const QString &text, int DpiX)
{
    try {
        if (DpiX == 0)
            throw AppError(QStringLiteral("分辨率为零。"));
        return static_cast<double>(canvas.textWidth(text)) / DpiX;
    } catch (...) {
        warn("计算文本宽度错误!");
        return 0;
    }
}

void DrawLine(Canvas &canvas, int DpiX, int DpiY, double x1, double y1, double x2, double y2)
{
    try {
        canvas.drawLine(QPoint(RoundUp(DpiX * x1), RoundUp(DpiY * y1)),
                        QPoint(RoundUp(DpiX * x2), RoundUp(DpiY * y2)));
    } catch (...) {
        warn("画线错误!");
    }
}

void DrawText(Canvas &canvas, const QString &text, TextAlign align, double Left, double Top,
              double Right, double Bottom, int DpiX, int DpiY)
{
    try {
        const double W = align == AlignLeft ? 0.0 : TextWidthInch(canvas, text, DpiX);
        const double H = TextHeightInch(canvas, text, DpiY);
        int X;
        switch (align) {
        case AlignCenter:
            X = nearestInt(DpiX * (Left + ((Right - Left) - W) / 2));
            break;
        case AlignRight:
            X = nearestInt(DpiX * (Right - W));
            break;
        default:
            X = nearestInt(DpiX * Left);
            break;
        }
        const int Y = truncInt(DpiY * (Top + ((Bottom - Top) - H) / 2));
        canvas.drawText(X, Y, text);
    } catch (...) {
        warn("绘制文本错误!");
    }
}

void DrawClippedText(Canvas &canvas, const QString &text, TextAlign align, double Left,
                     double Top, double Right, double Bottom, int DpiX, int DpiY)
{
    try {
        const double W = align == AlignLeft ? 0.0 : TextWidthInch(canvas, text, DpiX);
        const double H = TextHeightInch(canvas, text, DpiY);
        int X0, X1;
        switch (align) {
        case AlignCenter:
            X0 = nearestInt(DpiX * (Left + ((Right - Left) - W) / 2));
            X1 = nearestInt(DpiX * (Right - ((Right - Left) - W) / 2));
            break;
        case AlignRight:
            X0 = nearestInt(DpiX * (Right - W));
            X1 = nearestInt(DpiX * Right);
            break;
        default:
            X0 = nearestInt(DpiX * Left);
            X1 = nearestInt(DpiX * Right);
            break;
        }
        const int Y0 = truncInt(DpiY * (Top + ((Bottom - Top) - H) / 2) + 2);
        const int Y1 = truncInt(DpiY * (Bottom - ((Bottom - Top) - H) / 2) + 2);
        const CanvasFont font = clippedTextFont(DpiY);
        // Right and bottom edges are exclusive; an inverted extent clips everything away.
        canvas.drawClippedText(X0, Y0, QRect(X0, Y0, X1 - X0, Y1 - Y0), font, text);
    } catch (...) {
        warn("绘制文本错误!");
    }
}
