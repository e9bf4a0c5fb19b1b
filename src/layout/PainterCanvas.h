#pragma once

#include "Canvas.h"

#include <QFont>

class QPainter;

// Draws on an active QPainter: printer, image or PDF. The painter's transform is the caller's
// (window/viewport for the preview); fonts are sized in logical units so they scale with it.
class PainterCanvas : public Canvas
{
public:
    // Orientation is taken from the painter's device when it is a paged device (printer, PDF);
    // other devices count as portrait.
    explicit PainterCanvas(QPainter &painter);
    PainterCanvas(QPainter &painter, bool portrait);

    void setPenWidth(int width) override;
    void setFont(const CanvasFont &font) override;
    CanvasFont font() const override { return m_font; }
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    int fontTextWidth(const CanvasFont &font, const QString &text) override;
    void drawLine(QPoint from, QPoint to) override;
    void drawText(int x, int y, const QString &text) override;
    void drawClippedText(int x, int y, const QRect &clip, const CanvasFont &font,
                         const QString &text) override;
    void fillRect(const QRect &rect) override;
    bool portrait() const override { return m_portrait; }

    // The Qt font used for a canvas font: the named family first, then the Simplified Chinese
    // fonts, so Chinese text in a Latin font still gets SC glyphs.
    static QFont qtFont(const CanvasFont &font);

private:
    void ensureActive() const;
    void ensureFont() const;

    QPainter &m_painter;
    bool m_portrait;
    CanvasFont m_font;
};
