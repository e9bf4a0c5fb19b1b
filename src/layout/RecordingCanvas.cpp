#include "RecordingCanvas.h"

#include "AppError.h"

void RecordingCanvas::check() const
{
    if (failing)
        throw AppError(QStringLiteral("画布故障。"));
}

int RecordingCanvas::widthOf(const QString &text, int pixelSize)
{
    int narrow = 0;
    int wide = 0;
    for (const QChar c : text)
        (c.unicode() < 128 ? narrow : wide) += 1;
    return narrow * pixelSize / 2 + wide * pixelSize;
}

void RecordingCanvas::setPenWidth(int width)
{
    check();
    m_penWidth = width;
}

void RecordingCanvas::setFont(const CanvasFont &font)
{
    check();
    m_font = font;
    ++fontChanges;
}

int RecordingCanvas::textWidth(const QString &text)
{
    check();
    return widthOf(text, m_font.pixelSize);
}

int RecordingCanvas::textHeight(const QString &)
{
    check();
    return m_font.pixelSize;
}

int RecordingCanvas::fontTextWidth(const CanvasFont &font, const QString &text)
{
    check();
    return widthOf(text, font.pixelSize);
}

void RecordingCanvas::drawLine(QPoint from, QPoint to)
{
    check();
    Op op;
    op.kind = Kind::Line;
    op.from = from;
    op.to = to;
    op.penWidth = m_penWidth;
    ops.append(op);
}

void RecordingCanvas::drawText(int x, int y, const QString &text)
{
    check();
    Op op;
    op.kind = Kind::Text;
    op.from = QPoint(x, y);
    op.text = text;
    op.font = m_font;
    ops.append(op);
}

void RecordingCanvas::drawClippedText(int x, int y, const QRect &clip, const CanvasFont &font,
                                      const QString &text)
{
    check();
    Op op;
    op.kind = Kind::ClippedText;
    op.from = QPoint(x, y);
    op.rect = clip;
    op.text = text;
    op.font = font;
    ops.append(op);
}

void RecordingCanvas::fillRect(const QRect &rect)
{
    check();
    Op op;
    op.kind = Kind::Fill;
    op.rect = rect;
    ops.append(op);
}
