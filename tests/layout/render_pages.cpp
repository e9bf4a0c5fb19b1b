// Renders both pages of a sample report to PNG (and optionally a PDF at printer resolution),
// so that people can look at the layout: render_pages <dir> [dpi] [--pdf].
#include "AppState.h"
#include "DrawPage.h"
#include "DrawSetup.h"
#include "Fonts.h"
#include "PageSettings.h"
#include "PainterCanvas.h"
#include "SampleReport.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: render_pages <dir> [dpi] [--pdf]\n");
        return 2;
    }
    const QString outDir = QDir(args.at(1)).absolutePath();
    const int dpi = args.size() > 2 && args.at(2).toInt() > 0 ? args.at(2).toInt() : 150;
    const bool pdf = args.contains(QStringLiteral("--pdf"));
    QDir().mkpath(outDir);

    installFontSubstitutions();
    appState().appDir = outDir;
    const PageSettings &ps = livePageSettings();
    FixedReportSource source(sampleReportEntries());
    setActiveReportLookup([&source] { return &source; });
    WritePageFiles();

    // As the preview draws: one logical unit per pixel of an image at the page's true size.
    const int w = static_cast<int>(ps.PageWidth * MMToInch * dpi);
    const int h = static_cast<int>(ps.PageHeight * MMToInch * dpi);
    previewPageSize() = {w, h};
    for (int n = 1; n <= pageSequence().PageCount; ++n) {
        QImage image(w, h, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::gray); // the page must clear itself
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterCanvas canvas(painter);
        DrawPageFile(canvas, true, ps.PageWidth, ps.PageHeight, ps.LeftMargin, ps.TopMargin,
                     ps.RightMargin, ps.FooterMargin, dpi, dpi, pageFilePath(n));
        painter.end();
        const QString file = outDir + QStringLiteral("/page%1.png").arg(n);
        if (!image.save(file))
            return 1;
        std::printf("%s\n", qPrintable(file));
    }

    if (pdf) {
        // As the printer draws: 600 dpi, printer pens.
        const QString file = outDir + QStringLiteral("/pages.pdf");
        QPdfWriter writer(file);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        PainterCanvas canvas(painter);
        for (int n = 1; n <= pageSequence().PageCount; ++n) {
            if (n > 1)
                writer.newPage();
            DrawPageFile(canvas, false, ps.PageWidth, ps.PageHeight, ps.LeftMargin,
                         ps.TopMargin, ps.RightMargin, ps.FooterMargin, 600, 600,
                         pageFilePath(n));
        }
        painter.end();
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
