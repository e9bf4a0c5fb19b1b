#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// A font as the page routines ask for it. pixelSize is the character (em) height in logical
// units, so a font of n points is n * DpiY / 72 units high whatever transform the target has.
struct CanvasFont
{
    QString family;
    bool bold = false;
    int pixelSize = 0;

    bool operator==(const CanvasFont &o) const
    {
        return family == o.family && bold == o.bold && pixelSize == o.pixelSize;
    }
    bool operator!=(const CanvasFont &o) const { return !(*this == o); }
};

// The surface a page is drawn on: the printer, the preview image, a PDF, or a recorder in tests.
// Coordinates are logical units; the caller has set the target up so that one unit is 1/DpiX
// inch across and 1/DpiY inch down, origin at the page's top-left corner. Lines and text are
// always black. Any operation may throw (AppError) when the target cannot do it.
class Canvas
{
public:
    virtual ~Canvas() = default;

    virtual void setPenWidth(int width) = 0;
    virtual void setFont(const CanvasFont &font) = 0;
    virtual CanvasFont font() const = 0;

    // Extent of a single-line text in the current font. The height is the font's character
    // cell (ascent + descent), the same for any text.
    virtual int textWidth(const QString &text) = 0;
    virtual int textHeight(const QString &text) = 0;
    // Width of a single-line text in another font, leaving the current font as it is.
    virtual int fontTextWidth(const CanvasFont &font, const QString &text) = 0;

    // A straight line with the current pen.
    virtual void drawLine(QPoint from, QPoint to) = 0;
    // Text in the current font, (x, y) being the top-left corner of its cell box; not clipped.
    virtual void drawText(int x, int y, const QString &text) = 0;
    // Text in the given font with its cell's top-left at (x, y), clipped to clip; the current
    // font stays as it was.
    virtual void drawClippedText(int x, int y, const QRect &clip, const CanvasFont &font,
                                 const QString &text) = 0;
    // Fills the rectangle (right and bottom exclusive) with the canvas brush (white).
    virtual void fillRect(const QRect &rect) = 0;

    // Whether the device is a page in portrait orientation (a printer's current orientation).
    virtual bool portrait() const = 0;
};
