#include "CoverPage.h"

#include "DrawSetup.h"
#include "PageFiles.h"
#include "PageSettings.h"
#include "Prompter.h"

void DrawCoverPage(Canvas &canvas, bool IsPreview, double PageWidth, double TopMargin,
                   double LeftMargin, double RightMargin, int DpiX, int DpiY,
                   const QStringList &strings, const PageSettings &settings)
{
    try {
        const double mm = MMToInch;
        const double R = PageWidth - RightMargin;

        const double titleTop = TopMargin + (settings.CovOffsetBottomSpace + 10) * mm;
        SetFont(canvas, QStringLiteral("黑体"), FontStyle::Regular, 20, IsPreview, DpiX, DpiY);
        DrawText(canvas, QStringLiteral("房屋安全鉴定报告"), AlignCenter, LeftMargin, titleTop, R,
                 titleTop + 18 * mm, DpiX, DpiY);

        double y = TopMargin + (settings.CovOffsetBottomSpace + 68) * mm;
        const double X = LeftMargin + (50 + settings.CovOffsetRightSpace) * mm;
        auto selected = [&](int index, int switchValue) {
            return switchValue == 1 ? strings.value(index) : QString();
        };
        const QString lines[7][2] = {
            {QStringLiteral("委托单位/个人："), strings.value(0)},
            {QStringLiteral("房屋地址："), strings.value(1)},
            {QStringLiteral("鉴定人："), selected(2, settings.CovPrnSelAppraisor)},
            {QStringLiteral("审核人："), selected(3, settings.CovPrnSelAssessor)},
            {QStringLiteral("负责人："), selected(4, settings.CovPrnSelAuthorizedMan)},
            {QStringLiteral("鉴定单位："), strings.value(5)},
            {QStringLiteral("鉴定日期："), strings.value(6)},
        };
        for (const auto &line : lines) {
            const double top = y + settings.CovRowSpace * mm;
            const double bottom = top + CoverRowStep * mm;
            y = bottom;
            SetFont(canvas, QStringLiteral("Times New Roman"), FontStyle::Regular, 15, IsPreview,
                    DpiX, DpiY);
            DrawText(canvas, line[0], AlignLeft, X, top, R, bottom, DpiX, DpiY);
            DrawText(canvas, line[1], AlignLeft, X + 37 * mm, top, R + 40 * mm, bottom, DpiX,
                     DpiY);
        }
    } catch (...) {
        prompter().warning(QStringLiteral("打印封面错误!"));
    }
}
