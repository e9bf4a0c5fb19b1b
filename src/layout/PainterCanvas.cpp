#include "PainterCanvas.h"

#include "AppError.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

bool devicePortrait(QPainter &painter)
{
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(painter.device()))
        return paged->pageLayout().orientation() == QPageLayout::Portrait;
    return true;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter) : PainterCanvas(painter, devicePortrait(painter))
{
}

PainterCanvas::PainterCanvas(QPainter &painter, bool portrait)
    : m_painter(painter), m_portrait(portrait)
{
    m_painter.setPen(QPen(Qt::black, 1));
}

QFont PainterCanvas::qtFont(const CanvasFont &font)
{
    QFont f;
    // Substitutes are spelled out: a family list does not pass through the substitution table.
    QStringList families{font.family};
    for (const QString &family : QFont::substitutes(font.family) + cjkFallbackFamilies()) {
        if (!families.contains(family))
            families << family;
    }
    f.setFamilies(families);
    f.setPixelSize(font.pixelSize);
    f.setBold(font.bold);
    // Metrics that scale linearly keep the preview and the printer alike; the printer's
    // text output is not kerned either.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

void PainterCanvas::ensureActive() const
{
    if (!m_painter.isActive())
        throw AppError(QStringLiteral("画布不可用。"));
}

void PainterCanvas::ensureFont() const
{
    if (m_font.pixelSize <= 0)
        throw AppError(QStringLiteral("没有设置字体。"));
}

void PainterCanvas::setPenWidth(int width)
{
    ensureActive();
    // Wide pens end round, so that lines of a frame meet without notches.
    m_painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void PainterCanvas::setFont(const CanvasFont &font)
{
    ensureActive();
    if (font.pixelSize <= 0)
        throw AppError(QStringLiteral("字体大小无效。"));
    m_font = font;
    m_painter.setFont(qtFont(font));
}

int PainterCanvas::textWidth(const QString &text)
{
    ensureActive();
    ensureFont();
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int PainterCanvas::textHeight(const QString &)
{
    ensureActive();
    ensureFont();
    return m_painter.fontMetrics().height();
}

int PainterCanvas::fontTextWidth(const CanvasFont &font, const QString &text)
{
    ensureActive();
    if (font.pixelSize <= 0)
        throw AppError(QStringLiteral("字体大小无效。"));
    return QFontMetrics(qtFont(font), m_painter.device()).horizontalAdvance(text);
}

void PainterCanvas::drawLine(QPoint from, QPoint to)
{
    ensureActive();
    m_painter.drawLine(from, to);
}

void PainterCanvas::drawText(int x, int y, const QString &text)
{
    ensureActive();
    ensureFont();
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), text);
}

void PainterCanvas::drawClippedText(int x, int y, const QRect &clip, const CanvasFont &font,
                                    const QString &text)
{
    ensureActive();
    if (font.pixelSize <= 0)
        throw AppError(QStringLiteral("字体大小无效。"));
    m_painter.save();
    m_painter.setFont(qtFont(font));
    m_painter.setClipRect(clip, Qt::IntersectClip);
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), text);
    m_painter.restore();
}

void PainterCanvas::fillRect(const QRect &rect)
{
    ensureActive();
    m_painter.fillRect(rect, Qt::white);
}
