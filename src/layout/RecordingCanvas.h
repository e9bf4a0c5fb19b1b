#pragma once

#include "Canvas.h"

#include <QList>

// Records every drawing call, for tests. Text metrics are simple and exact: the cell height is
// the font's pixel size, a character below 128 is half that wide, any other a full size.
class RecordingCanvas : public Canvas
{
public:
    enum class Kind { Line, Text, ClippedText, Fill };

    struct Op
    {
        Kind kind = Kind::Line;
        QPoint from, to;   // Line; Text and ClippedText use from as the position
        QString text;
        CanvasFont font;   // Text: current font; ClippedText: its own font
        int penWidth = 0;  // Line
        QRect rect;        // ClippedText: clip; Fill: the area
    };

    explicit RecordingCanvas(bool portrait = true) : m_portrait(portrait) {}

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

    static int widthOf(const QString &text, int pixelSize);

    QList<Op> ops;
    int fontChanges = 0;
    bool failing = false; // every call throws, to exercise the failure messages

private:
    void check() const;

    bool m_portrait;
    CanvasFont m_font;
    int m_penWidth = 1;
};
