#include "FormPage.h"

#include "DateText.h"
#include "DrawPage.h"
#include "DrawSetup.h"
#include "PageSettings.h"
#include "Prompter.h"

#include <algorithm>

namespace {

enum class FormFont { Heading, Cell, Remarks };

// Draws the form in mm relative to the table's top-left corner (L, T0).
class FormPainter
{
public:
    FormPainter(Canvas &canvas, bool isPreview, double t0, double l, int dpiX, int dpiY,
                double width)
        : m_canvas(canvas), m_preview(isPreview), m_t0(t0), m_l(l), m_dpiX(dpiX), m_dpiY(dpiY),
          m_width(width)
    {
    }

    double width() const { return m_width; }

    void font(FormFont f)
    {
        switch (f) {
        case FormFont::Heading:
            SetFont(m_canvas, QStringLiteral("黑体"), FontStyle::Bold, 10, m_preview, m_dpiX,
                    m_dpiY);
            break;
        case FormFont::Cell:
            SetFont(m_canvas, QStringLiteral("Times New Roman"), FontStyle::Regular, 10,
                    m_preview, m_dpiX, m_dpiY);
            break;
        case FormFont::Remarks:
            SetFont(m_canvas, QStringLiteral("宋体"), FontStyle::Regular, 10, m_preview, m_dpiX,
                    m_dpiY);
            break;
        }
    }

    void hline(double y, double x1, double x2, bool thick)
    {
        pen(thick);
        DrawLine(m_canvas, m_dpiX, m_dpiY, x(x1), this->y(y), x(x2), this->y(y));
    }

    void vline(double x, double y1, double y2, bool thick)
    {
        pen(thick);
        DrawLine(m_canvas, m_dpiX, m_dpiY, this->x(x), y(y1), this->x(x), y(y2));
    }

    // Thick left and right borders of the table between y1 and y2.
    void borders(double y1, double y2)
    {
        vline(0, y1, y2, true);
        vline(m_width, y1, y2, true);
    }

    // Text placed in a cell's text rectangle.
    void cellText(const QString &text, TextAlign align, double x1, double x2, double y1,
                  double y2)
    {
        DrawText(m_canvas, text, align, x(x1 + 1), y(y1 + 1), x(x2 - 1), y(y2 - 0.5), m_dpiX,
                 m_dpiY);
    }

    // A cell drawing its four sides and its text.
    void cell(double x1, double x2, double y1, double y2, bool thickLeft, bool thickRight,
              const QString &text, TextAlign align)
    {
        hline(y1, x1, x2, false);
        hline(y2, x1, x2, false);
        vline(x1, y1, y2, thickLeft);
        vline(x2, y1, y2, thickRight);
        cellText(text, align, x1, x2, y1, y2);
    }

    // A row of cells across the table; the outer sides are thick.
    struct Cell
    {
        double width;
        QString text;
        TextAlign align;
    };
    void row(double y1, double y2, const QList<Cell> &cells)
    {
        double x1 = 0;
        for (int i = 0; i < cells.size(); ++i) {
            // The last cell ends on the table's edge, whatever the widths add up to.
            const double x2 = i + 1 == cells.size() ? m_width : x1 + cells.at(i).width;
            cell(x1, x2, y1, y2, i == 0, i + 1 == cells.size(), cells.at(i).text,
                 cells.at(i).align);
            x1 = x2;
        }
    }

    // A heading band of the full width with its own frame.
    void section(double y1, double y2, const QString &text, bool thickTop, bool ruled)
    {
        if (ruled) {
            hline(y1, 0, m_width, thickTop);
            hline(y2, 0, m_width, false);
        }
        borders(y1, y2);
        font(FormFont::Heading);
        cellText(text, AlignLeft, 0, m_width, y1, y2);
    }

    // A text box from y = d, height h; returns where the next section starts.
    double box(double d, int h, const QString &heading, const QString &text, int budget,
               bool remarksFontPerLine)
    {
        hline(d, 0, m_width, false);
        borders(d, d + 5);
        font(FormFont::Heading);
        cellText(heading, AlignLeft, 0, m_width, d, d + 5);
        const QStringList lines = boxLines(text, budget);
        for (int k = 1; k <= lines.size(); ++k) {
            if (remarksFontPerLine)
                font(FormFont::Remarks);
            const double top = d + 5 + 4 * (k - 1);
            const double bottom = d + 5 + 4 * k;
            DrawClippedText(m_canvas, lines.at(k - 1), AlignLeft, x(1), y(top + 1),
                            x(m_width - 1), y(bottom - 0.5), m_dpiX, m_dpiY);
        }
        borders(d, d + h - 1);
        hline(d + h - 1, 0, m_width, false);
        return d + h - 1;
    }

private:
    // The box's lines: WrapText, except that a line also ends before a character that would
    // take it past the clip on the right, which would lose the rest of it on paper.
    QStringList boxLines(const QString &text, int budget)
    {
        const CanvasFont font = clippedTextFont(m_dpiY);
        const int width = nearestInt(m_dpiX * x(m_width - 1)) - nearestInt(m_dpiX * x(1));
        try {
            return wrapLines(text, budget, [&](const QString &line) {
                return m_canvas.fontTextWidth(font, line) <= width;
            });
        } catch (...) {
            return WrapText(text, budget); // drawing the lines reports the canvas failure
        }
    }

    double x(double mm) const { return m_l + mm * MMToInch; }
    double y(double mm) const { return m_t0 + mm * MMToInch; }
    void pen(bool thick)
    {
        m_canvas.setPenWidth(thick ? ThickPenWidth(m_preview) : ThinPenWidth(m_preview));
    }

    Canvas &m_canvas;
    bool m_preview;
    double m_t0;
    double m_l;
    int m_dpiX;
    int m_dpiY;
    double m_width;
};

} // namespace

int TableWidth(const PageSettings &settings)
{
    return 42 + 2 * settings.ClientWidth;
}

QStringList WrapText(const QString &text, int budget)
{
    return wrapLines(text, budget, {});
}

QStringList wrapLines(const QString &text, int budget,
                      const std::function<bool(const QString &)> &fits)
{
    QStringList lines;
    QString line;
    qint64 narrow = 0;
    qint64 wide = 0;
    const qint64 limit = 2 * static_cast<qint64>(std::max(budget, 0));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) {
            lines << line;
            line.clear();
            narrow = wide = 0;
        } else if (c == QLatin1Char('\n') && i > 0 && text.at(i - 1) == QLatin1Char('\r')) {
            // the second half of a line break
        } else {
            // A character outside the basic plane is never split across two lines.
            const bool pair = c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate();
            const QString ch = pair ? text.mid(i, 2) : QString(c);
            if (fits && !line.isEmpty() && !fits(line + ch)) {
                lines << line;
                line.clear();
                narrow = wide = 0;
            }
            line += ch;
            if (c.unicode() < 128)
                narrow += 1;
            else
                wide += pair ? 4 : 2;
            if (pair)
                ++i;
        }
        if (narrow + wide > limit) {
            lines << line;
            line.clear();
            narrow = wide = 0;
        } else if (i == n - 1) {
            lines << line;
        }
    }
    return lines;
}

void DrawFormHeader(Canvas &canvas, bool IsPreview, double PageWidth, double TopMargin,
                    double LeftMargin, double RightMargin, int DpiX, int DpiY,
                    const QString &fileNo)
{
    try {
        const double mm = MMToInch;
        SetFont(canvas, QStringLiteral("黑体"), FontStyle::Regular, 20, IsPreview, DpiX, DpiY);
        DrawText(canvas, QStringLiteral("房屋安全鉴定报告"), AlignCenter, LeftMargin, TopMargin,
                 PageWidth - RightMargin, TopMargin + 8 * mm, DpiX, DpiY);
        SetFont(canvas, QStringLiteral("宋体"), FontStyle::Regular, 10, IsPreview, DpiX, DpiY);
        const double h = TextHeightInch(canvas, fileNo, DpiY);
        const double w = TextWidthInch(canvas, fileNo, DpiX);
        DrawText(canvas, fileNo, AlignLeft, PageWidth - RightMargin - 15 * mm - w,
                 TopMargin + 18 * mm - h, PageWidth - RightMargin, TopMargin + 18 * mm, DpiX,
                 DpiY);
    } catch (...) {
        prompter().warning(QStringLiteral("打印表格表头错误!"));
    }
}

void DrawFormBody(Canvas &canvas, bool IsPreview, double T0, double L, int DpiX, int DpiY,
                  const QStringList &strings, const PageSettings &settings,
                  const ReportEntries &live)
{
    using Cell = FormPainter::Cell;
    const int cw = settings.ClientWidth;
    const int pw = settings.PhoneWidth;
    FormPainter f(canvas, IsPreview, T0, L, DpiX, DpiY, TableWidth(settings));
    auto s = [&](int n) { return strings.value(n - 1); };

    f.section(18, 23, QStringLiteral("一、委托单位/个人情况"), true, true);

    f.font(FormFont::Cell);
    f.row(23, 28, {Cell{18, QStringLiteral("委 托 人"), AlignCenter},
                   Cell{double(cw), s(2), AlignLeft},
                   Cell{11, QStringLiteral("电话"), AlignCenter},
                   Cell{double(pw), s(3), AlignCenter},
                   Cell{18, QStringLiteral("委托日期"), AlignCenter},
                   Cell{double(cw - pw - 5), s(4), AlignCenter}});

    f.section(28, 33, QStringLiteral("二、房屋情况"), false, true);

    const QString houseRows[5][4] = {
        {QStringLiteral("房屋地址"), s(5), QStringLiteral("产  权  人"), s(6)},
        {QStringLiteral("房屋用途"), s(7), QStringLiteral("建造年份"), s(8)},
        {QStringLiteral("结构类型"), s(9), QStringLiteral("建筑面积"), s(10) + QStringLiteral("㎡")},
        {QStringLiteral("平面形式"), s(11), QStringLiteral("层      数"), s(12)},
        {QStringLiteral("产权性质"), s(13), QStringLiteral("产权证编号"), s(14)},
    };
    for (int i = 0; i < 5; ++i) {
        const TextAlign value = i == 0 ? AlignLeft : AlignCenter;
        f.font(FormFont::Cell);
        f.row(33 + 5 * i, 38 + 5 * i, {Cell{18, houseRows[i][0], AlignCenter},
                                       Cell{double(cw), houseRows[i][1], value},
                                       Cell{24, houseRows[i][2], AlignCenter},
                                       Cell{double(cw), houseRows[i][3], value}});
    }

    f.font(FormFont::Remarks);
    f.cell(0, 18, 58, 63, true, false, QStringLiteral("备    注"), AlignCenter);
    f.font(FormFont::Remarks);
    f.cell(18, f.width(), 58, 63, false, true, s(15), AlignLeft);

    f.section(63, 68, QStringLiteral("三、房屋安全鉴定目的：") + s(16), false, true);

    const int budget = settings.RowMaxCharCount;
    double d = 68;
    d = f.box(d, settings.ApprCircsRowCount, QStringLiteral("四、鉴定情况："), s(17), budget, false);
    d = f.box(d, settings.ShatterReasonRowCount, QStringLiteral("五、损坏原因分析："), s(18),
              budget, true);
    d = f.box(d, settings.ApprConclusionRowCount, QStringLiteral("六、鉴定结论："), s(19), budget,
              false);
    d = f.box(d, settings.DisposalAdviRowCount, QStringLiteral("七、处理建议："), s(20), budget,
              false);

    const double E = d;
    f.section(E, E + 5, QStringLiteral("八、检测鉴定人员：") + live.labedtAppraiser1, false, true);
    f.section(E + 5, E + 10, QStringLiteral("九、鉴定单位技术负责人签章："), false, false);

    // Signature block: rows of 4 and 5 mm, texts in the 5-mm rows.
    auto named = [](int switchValue, const QString &name) {
        return switchValue == 1 ? name : QString();
    };
    const QString date = datetext::format(live.dtpickApprDate, datetext::ChineseDate);
    const struct
    {
        double height;
        QString first;
        QString second;
    } rows[7] = {
        {4, QString(), QString()},
        {5, QStringLiteral("鉴定人：") + named(settings.CovPrnSelAppraisor, live.labedtAppraiser),
         QStringLiteral("鉴定单位（公章）：") + live.labedtApprUnit},
        {4, QString(), QString()},
        {5, QStringLiteral("审核人：") + named(settings.CovPrnSelAssessor, live.labedtAssessor),
         QStringLiteral("鉴定日期：") + date},
        {4, QString(), QString()},
        {5, QStringLiteral("审定人：")
                + named(settings.CovPrnSelAuthorizedMan, live.labedtAuthorizedMan),
         QString()},
        {4, QString(), QString()},
    };
    f.font(FormFont::Cell);
    double top = E + 10;
    for (const auto &r : rows) {
        const double bottom = top + r.height;
        f.borders(top, bottom);
        if (!r.first.isEmpty())
            f.cellText(r.first, AlignLeft, 0, f.width(), top, bottom);
        if (!r.second.isEmpty())
            f.cellText(r.second, AlignLeft, 90, f.width(), top, bottom);
        top = bottom;
    }
    f.hline(E + 41, 0, f.width(), true);
}
