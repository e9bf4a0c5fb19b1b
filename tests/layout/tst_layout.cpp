#include "AppError.h"
#include "AppState.h"
#include "DrawPage.h"
#include "DrawSetup.h"
#include "Fonts.h"
#include "Gbk.h"
#include "PageSettings.h"
#include "PainterCanvas.h"
#include "RecordingCanvas.h"
#include "SampleReport.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

using Op = RecordingCanvas::Op;
using Kind = RecordingCanvas::Kind;

namespace {

const QString FormatMessage = QStringLiteral("文件格式不对...");

// Logical units of a page coordinate in mm, as lines are placed.
int units(double mm, int dpi = 600)
{
    return RoundUp(dpi * mm * MMToInch);
}

bool near(double a, double b)
{
    return qAbs(a - b) <= 1.0;
}

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray str(const QByteArray &bytes)
{
    return le32(bytes.size()) + bytes;
}

QList<Op> opsOf(const RecordingCanvas &c, Kind kind)
{
    QList<Op> out;
    for (const Op &op : c.ops) {
        if (op.kind == kind)
            out << op;
    }
    return out;
}

const Op *textOp(const RecordingCanvas &c, const QString &text)
{
    for (const Op &op : c.ops) {
        if ((op.kind == Kind::Text || op.kind == Kind::ClippedText) && op.text == text)
            return &op;
    }
    return nullptr;
}

// A line from (x1, y1) to (x2, y2) in mm, within a unit.
const Op *lineOp(const RecordingCanvas &c, double x1, double y1, double x2, double y2)
{
    for (const Op &op : c.ops) {
        if (op.kind == Kind::Line && near(op.from.x(), units(x1)) && near(op.from.y(), units(y1))
            && near(op.to.x(), units(x2)) && near(op.to.y(), units(y2)))
            return &op;
    }
    return nullptr;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<FixedReportSource> m_source;

    void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray readFile(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        return f.readAll();
    }

    // Draws a page file as the printer does: A4, margins of the initial settings, 600 dpi.
    void drawPrinted(Canvas &canvas, const QString &file)
    {
        const PageSettings &ps = livePageSettings();
        DrawPageFile(canvas, false, ps.PageWidth, ps.PageHeight, ps.LeftMargin, ps.TopMargin,
                     ps.RightMargin, ps.FooterMargin, 600, 600, file);
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        appState().appDir = m_dir->path();
        appState().options.isPrintSoftMess = true;
        livePageSettings() = PageSettings();
        pageSequence() = PageSequence();
        previewPageSize() = PreviewPageSize();
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_source = std::make_unique<FixedReportSource>(sampleReportEntries());
        FixedReportSource *source = m_source.get();
        setActiveReportLookup([source] { return source; });
    }

    void cleanup()
    {
        setActiveReportLookup({});
        m_prompter.reset();
        m_source.reset();
        m_dir.reset();
    }

    void roundingRules_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("roundUp");
        QTest::addColumn<int>("nearest");
        QTest::addColumn<int>("trunc");
        QTest::newRow("whole") << 3.0 << 3 << 3 << 3;
        QTest::newRow("just above") << 3.0001 << 4 << 3 << 3;
        QTest::newRow("99.2") << 99.2 << 100 << 99 << 99;
        QTest::newRow("zero") << 0.0 << 0 << 0 << 0;
        QTest::newRow("half to even down") << 2.5 << 3 << 2 << 2;
        QTest::newRow("half to even up") << 3.5 << 4 << 4 << 3;
        QTest::newRow("negative") << -1.5 << 0 << -2 << -1;
        QTest::newRow("beyond 32 bits") << 1e12 << INT_MAX << INT_MAX << INT_MAX;
    }
    void roundingRules()
    {
        QFETCH(double, x);
        QFETCH(int, roundUp);
        QCOMPARE(RoundUp(x), roundUp);
        QFETCH(int, nearest);
        QCOMPARE(nearestInt(x), nearest);
        QFETCH(int, trunc);
        QCOMPARE(truncInt(x), trunc);
    }

    void setFont_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("dpiX");
        QTest::addColumn<int>("dpiY");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("pixelSize");
        // 9 points at 1200 dpi down
        QTest::newRow("printer finer down, portrait") << false << true << 600 << 1200 << 10 << 150;
        QTest::newRow("printer finer down, landscape") << false << false << 600 << 1200 << 10 << 167;
        QTest::newRow("printer square") << false << true << 600 << 600 << 10 << 83;
        QTest::newRow("preview") << true << true << 600 << 1200 << 10 << 167;
        QTest::newRow("screen title") << true << true << 96 << 96 << 20 << 27;
    }
    void setFont()
    {
        QFETCH(bool, preview);
        QFETCH(bool, portrait);
        QFETCH(int, dpiX);
        QFETCH(int, dpiY);
        QFETCH(int, size);
        RecordingCanvas canvas(portrait);
        SetFont(canvas, QStringLiteral("黑体"), FontStyle::Bold, size, preview, dpiX, dpiY);
        QFETCH(int, pixelSize);
        QCOMPARE(canvas.font().pixelSize, pixelSize);
        QCOMPARE(canvas.font().family, QStringLiteral("黑体"));
        QVERIFY(canvas.font().bold);
        QVERIFY(m_prompter->calls.isEmpty());
    }

    void wrapText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QStringList>("lines");
        const QString fang = QStringLiteral("房");
        QTest::newRow("seven narrow") << QStringLiteral("abcdefg") << 3
                                      << QStringList{QStringLiteral("abcdefg")};
        QTest::newRow("eight narrow") << QStringLiteral("abcdefgh") << 3
                                      << QStringList{QStringLiteral("abcdefg"), QStringLiteral("h")};
        QTest::newRow("CR LF between Chinese") << QStringLiteral("房屋\r\n安") << 3
                                               << QStringList{QStringLiteral("房屋"), QStringLiteral("安")};
        QTest::newRow("empty") << QString() << 3 << QStringList();
        QTest::newRow("trailing CR LF") << QStringLiteral("ab\r\n") << 3
                                        << QStringList{QStringLiteral("ab"), QString()};
        QTest::newRow("full-width budget 49") << fang.repeated(51) << 49
                                              << QStringList{fang.repeated(50), fang};
        QTest::newRow("mixed widths") << QStringLiteral("a房屋b") << 2
                                      << QStringList{QStringLiteral("a房屋"), QStringLiteral("b")};
        QTest::newRow("pair kept whole") << QStringLiteral("a😀b") << 1
                                         << QStringList{QStringLiteral("a😀"), QStringLiteral("b")};
    }
    void wrapText()
    {
        QFETCH(QString, text);
        QFETCH(int, budget);
        QFETCH(QStringList, lines);
        QCOMPARE(WrapText(text, budget), lines);
    }

    void primitiveFailures_data()
    {
        QTest::addColumn<int>("primitive");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("SetFont") << 0 << QStringList{QStringLiteral("设置字体错误!")};
        QTest::newRow("TextHeightInch") << 1 << QStringList{QStringLiteral("计算文本高度错误!")};
        QTest::newRow("TextWidthInch") << 2 << QStringList{QStringLiteral("计算文本宽度错误!")};
        QTest::newRow("DrawLine") << 3 << QStringList{QStringLiteral("画线错误!")};
        QTest::newRow("DrawText centred")
            << 4 << QStringList{QStringLiteral("计算文本宽度错误!"), QStringLiteral("计算文本高度错误!"),
                                QStringLiteral("绘制文本错误!")};
        QTest::newRow("DrawClippedText")
            << 5 << QStringList{QStringLiteral("计算文本高度错误!"), QStringLiteral("绘制文本错误!")};
    }
    void primitiveFailures()
    {
        QFETCH(int, primitive);
        RecordingCanvas canvas;
        canvas.failing = true;
        const QString t = QStringLiteral("房屋");
        switch (primitive) {
        case 0: SetFont(canvas, t, FontStyle::Regular, 10, true, 96, 96); break;
        case 1: QCOMPARE(TextHeightInch(canvas, t, 96), 0.0); break;
        case 2: QCOMPARE(TextWidthInch(canvas, t, 96), 0.0); break;
        case 3: DrawLine(canvas, 96, 96, 0, 0, 1, 1); break;
        case 4: DrawText(canvas, t, AlignCenter, 0, 0, 1, 1, 96, 96); break;
        case 5: DrawClippedText(canvas, t, AlignLeft, 0, 0, 1, 1, 96, 96); break;
        }
        QFETCH(QStringList, messages);
        QCOMPARE(m_prompter->messageTexts(), messages);
        for (const auto &call : m_prompter->calls) {
            QCOMPARE(call.caption, AppTitle());
            QCOMPARE(call.icon, Prompter::Icon::Warning);
        }
    }

    void textPlacement()
    {
        RecordingCanvas canvas;
        SetFont(canvas, QStringLiteral("宋体"), FontStyle::Regular, 10, true, 600, 600); // 83 units
        // Centred text wider than its band starts left of it; a band lower than the font puts
        // the cell's top above the band.
        const QString wide = QStringLiteral("房").repeated(10); // 830 units
        DrawText(canvas, wide, AlignCenter, 1.0, 1.0, 1.5, 1.1, 600, 600);
        QCOMPARE(canvas.ops.last().from, QPoint(nearestInt(600 * 1.25 - 415), truncInt(630 - 41.5)));
        QVERIFY(canvas.ops.last().from.x() < 600 && canvas.ops.last().from.y() < 600);

        // The clip is one canvas-font cell high around the band's centre (2 units lower),
        // whatever the band's height; the text comes in its own 12-point font.
        for (const double bandMm : {2.5, 10.0}) {
            const double top = 10 * MMToInch;
            const double bottom = (10 + bandMm) * MMToInch;
            DrawClippedText(canvas, QStringLiteral("鉴定"), AlignLeft, 20 * MMToInch, top,
                            50 * MMToInch, bottom, 600, 600);
            const Op &op = canvas.ops.last();
            QCOMPARE(op.kind, Kind::ClippedText);
            QVERIFY(near(op.rect.height(), 83));
            QVERIFY(near(op.rect.top() + op.rect.height() / 2.0, 600 * (top + bottom) / 2 + 2));
            QCOMPARE(op.rect.left(), nearestInt(600 * 20 * MMToInch));
            QCOMPARE(op.rect.right() + 1, nearestInt(600 * 50 * MMToInch));
            QCOMPARE(op.from, op.rect.topLeft());
            QCOMPARE(op.font.family, QStringLiteral("宋体"));
            QCOMPARE(op.font.pixelSize, 100);
        }
        QCOMPARE(canvas.font().pixelSize, 83); // the canvas font is left alone
        QVERIFY(m_prompter->calls.isEmpty());
    }

    void pageFileBytes()
    {
        ReportEntries e;
        e.labedtFileNo = QStringLiteral("A1");
        e.labedtClient2 = QStringLiteral("张三");
        e.labedtAppraiser = QStringLiteral("李四");
        e.memApprCircs = QStringLiteral("a\nb");
        e.dtpickTrustDate1 = QDate(2004, 3, 5);
        e.dtpickApprDate = QDate(2004, 3, 5);
        m_source->entries() = e;
        WritePageFiles();
        QCOMPARE(pageSequence().PageCount, 2);

        const QByteArray empty = QByteArray::fromHex("00000000");
        const QByteArray date = QByteArray::fromHex("32303034c4ea33d4c235c8d5"); // 2004年3月5日
        const QByteArray cover = readFile(appState().appDir + QStringLiteral("/Temp/1.Tmp"));
        QCOMPARE(cover.left(10), QByteArray::fromHex("55aa0100000009000000"));
        QCOMPARE(cover, QByteArray::fromHex("55aa0100000009000000")
                            + str(QByteArray::fromHex("d5c5c8fd")) + empty
                            + str(QByteArray::fromHex("c0eecbc4")) + empty + empty + empty
                            + str(date));

        QByteArray form = QByteArray::fromHex("55aa03000000") + str("A1")
                          + str(QByteArray::fromHex("d5c5c8fd")) + empty + str(date);
        for (int i = 5; i <= 16; ++i)
            form += empty;
        form += str("a\r\nb") + empty + empty + empty;               // 17 to 20
        form += empty + str(QByteArray::fromHex("c0eecbc4")) + empty + empty; // 21 to 24
        form += str("2004.03.05");
        QCOMPARE(readFile(appState().appDir + QStringLiteral("/Temp/2.Tmp")), form);
    }

    void longTextCutWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("fits exactly") << QStringLiteral("房").repeated(1500) << 3000;
        QTest::newRow("one character over") << QStringLiteral("房").repeated(1501) << 3000;
        QTest::newRow("odd start") << QStringLiteral("a") + QStringLiteral("房").repeated(1500) << 2999;
    }
    void longTextCutWhole()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        m_source->entries().memApprCircs = text;
        WritePageFiles();
        const QByteArray form = readFile(pageFilePath(2));
        // Skip header and strings 1 to 16 to reach string 17.
        int pos = 6;
        for (int i = 1; i < 17; ++i)
            pos += 4 + qFromLittleEndian<qint32>(form.constData() + pos);
        QCOMPARE(qFromLittleEndian<qint32>(form.constData() + pos), bytes);
        QCOMPARE(gbk::encode(text.left(bytes / 2 + (bytes % 2))), form.mid(pos + 4, bytes));
    }

    void writePageFilesFailures()
    {
        setActiveReportLookup([] { return static_cast<const ReportEntrySource *>(nullptr); });
        QVERIFY_THROWS_EXCEPTION(AppError, WritePageFiles());
        QCOMPARE(pageSequence().PageCount, 1);

        FixedReportSource *source = m_source.get();
        setActiveReportLookup([source] { return source; });
        writeFile(appState().appDir + QStringLiteral("/Temp"), "not a folder");
        QVERIFY_THROWS_EXCEPTION(AppError, WritePageFiles());
    }

    void coverGeometry_data()
    {
        QTest::addColumn<int>("rowSpace");
        QTest::addColumn<int>("assessorSwitch");
        QTest::addColumn<double>("line1Top");
        QTest::addColumn<double>("line7Top");
        QTest::newRow("initial") << 0 << 1 << 86.0 << 140.0;
        QTest::newRow("row space 5") << 5 << 1 << 91.0 << 175.0;
        QTest::newRow("assessor left out") << 0 << 0 << 86.0 << 140.0;
    }
    void coverGeometry()
    {
        QFETCH(int, rowSpace);
        QFETCH(int, assessorSwitch);
        QFETCH(double, line1Top);
        QFETCH(double, line7Top);
        PageSettings ps;
        ps.CovRowSpace = rowSpace;
        ps.CovPrnSelAssessor = assessorSwitch;
        RecordingCanvas canvas;
        const ReportEntries e = sampleReportEntries();
        DrawCoverPage(canvas, true, 210 * MMToInch, 18 * MMToInch, 15 * MMToInch,
                      15 * MMToInch, 600, 600, coverStrings(e), ps);

        const QList<Op> texts = opsOf(canvas, Kind::Text);
        QCOMPARE(texts.size(), 15);
        auto centreMm = [](const Op &op) {
            return (op.from.y() + op.font.pixelSize / 2.0) / 600 / MMToInch;
        };
        QCOMPARE(texts.at(0).text, QStringLiteral("房屋安全鉴定报告"));
        QCOMPARE(texts.at(0).font, (CanvasFont{QStringLiteral("黑体"), false, 167}));
        QVERIFY(qAbs(centreMm(texts.at(0)) - 37) < 0.1); // band 28 to 46
        QVERIFY(qAbs(centreMm(texts.at(1)) - (line1Top + 4.5)) < 0.1);
        QVERIFY(qAbs(centreMm(texts.at(13)) - (line7Top + 4.5)) < 0.1);
        for (int i = 1; i < 15; i += 2) {
            QCOMPARE(texts.at(i).font.family, QStringLiteral("Times New Roman"));
            QCOMPARE(texts.at(i).from.x(), nearestInt(600 * 65 * MMToInch));
            QCOMPARE(texts.at(i + 1).from.x(), nearestInt(600 * 102 * MMToInch));
            QCOMPARE(texts.at(i + 1).from.y(), texts.at(i).from.y());
        }
        QCOMPARE(texts.at(7).text, QStringLiteral("审核人："));
        QCOMPARE(texts.at(8).text, assessorSwitch == 1 ? e.labedtAssessor : QString());
        QCOMPARE(texts.at(14).text, QStringLiteral("2004年3月5日"));
        QVERIFY(opsOf(canvas, Kind::Line).isEmpty());
    }

    void formGeometry()
    {
        PageSettings ps;
        ps.CovPrnSelAssessor = 0;
        RecordingCanvas canvas;
        ReportEntries e = sampleReportEntries();
        e.labedtSum.clear();
        e.memApprCircs = QStringList(25, QStringLiteral("行")).join(QStringLiteral("\r\n"));
        DrawFormBody(canvas, false, 19 * MMToInch, 15 * MMToInch, 600, 600, formStrings(e), ps,
                     e);
        QVERIFY(m_prompter->calls.isEmpty());

        // 178 mm wide: thick top edge at 18 below T0, thick bottom edge at 272 mm.
        const Op *top = lineOp(canvas, 15, 37, 193, 37);
        QVERIFY(top && top->penWidth == 9);
        const Op *bottom = lineOp(canvas, 15, 272, 193, 272);
        QVERIFY(bottom && bottom->penWidth == 9);
        int lowest = 0;
        for (const Op &op : opsOf(canvas, Kind::Line))
            lowest = qMax(lowest, qMax(op.from.y(), op.to.y()));
        QCOMPARE(lowest, bottom->from.y());

        // Client row columns 18/68/11/28/18/35 mm, outer sides thick.
        const double xs[] = {15, 33, 101, 112, 140, 158, 193};
        for (const double x : xs) {
            const Op *side = lineOp(canvas, x, 42, x, 47);
            QVERIFY2(side, qPrintable(QString::number(x)));
            QCOMPARE(side->penWidth, (x == 15 || x == 193) ? 9 : 3);
        }

        QVERIFY(textOp(canvas, QStringLiteral("㎡")));
        QVERIFY(textOp(canvas, QStringLiteral("产  权  人")));
        QVERIFY(textOp(canvas, QStringLiteral("八、检测鉴定人员：李明、赵强")));
        QVERIFY(textOp(canvas, QStringLiteral("鉴定人：李明")));
        QVERIFY(textOp(canvas, QStringLiteral("审核人：")));
        QVERIFY(textOp(canvas, QStringLiteral("鉴定日期：2004年3月5日")));
        QCOMPARE(textOp(canvas, QStringLiteral("鉴定单位（公章）：杭州市房屋安全鉴定所"))->from.x(),
                 nearestInt(600 * (15 + 91) * MMToInch));

        // 25 lines in the 88-mm box: 20 inside, the rest run on below its bottom at 155 mm.
        int inBox = 0, below = 0;
        for (const Op &op : opsOf(canvas, Kind::ClippedText)) {
            if (op.text != QStringLiteral("行"))
                continue;
            (op.rect.center().y() < units(19 + 155) ? inBox : below) += 1;
        }
        QCOMPARE(inBox, 20);
        QCOMPARE(below, 5);
    }

    void formLinesKeepToTheBox()
    {
        // Fifty full-width characters of the initial budget are wider than the box in the
        // 12-point font: the line goes on below instead of losing its end.
        PageSettings ps;
        RecordingCanvas canvas;
        ReportEntries e = sampleReportEntries();
        const QString text = QStringLiteral("房屋安全鉴定").repeated(20);
        e.memApprConclusion = text;
        DrawFormBody(canvas, false, 19 * MMToInch, 15 * MMToInch, 600, 600, formStrings(e), ps,
                     e);
        QString drawn;
        const int budget = 2 * ps.RowMaxCharCount + 1;
        for (const Op &op : opsOf(canvas, Kind::ClippedText)) {
            if (!text.contains(op.text))
                continue;
            drawn += op.text;
            QVERIFY(RecordingCanvas::widthOf(op.text, op.font.pixelSize) <= op.rect.width());
            QVERIFY(op.text.size() * 2 <= budget);
        }
        QCOMPARE(drawn, text);
    }

    void formNarrowLastColumn()
    {
        PageSettings ps;
        ps.PhoneWidth = 70; // wider than ClientWidth - 5
        RecordingCanvas canvas;
        const ReportEntries e = sampleReportEntries();
        DrawFormBody(canvas, true, 19 * MMToInch, 15 * MMToInch, 600, 600, formStrings(e), ps, e);
        const Op *right = lineOp(canvas, 193, 42, 193, 47);
        QVERIFY(right && right->penWidth == ThickPenWidth(true));
    }

    void damagedPageFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("cleared");
        const QByteArray coverHead = QByteArray::fromHex("55aa0100000009000000");
        QTest::newRow("other magic") << true << QByteArray::fromHex("55ab0100000009000000")
                                     << FormatMessage << false;
        QTest::newRow("empty file") << true << QByteArray() << FormatMessage << false;
        QTest::newRow("cut in the kind") << true << QByteArray::fromHex("55aa0100")
                                         << FormatMessage << false;
        QTest::newRow("missing file") << false << QByteArray()
                                      << QStringLiteral("预览或打印错误!") << false;
        QTest::newRow("kind 5") << true << QByteArray::fromHex("55aa05000000") << QString() << true;
        QTest::newRow("cover without row step") << true << QByteArray::fromHex("55aa01000000")
                                                << FormatMessage << true;
        QTest::newRow("negative length") << true << coverHead + le32(-1) << FormatMessage << true;
        QTest::newRow("length over the limit")
            << true << coverHead + le32(3001) + QByteArray(3001 * 7, 'a') << FormatMessage << true;
        QTest::newRow("cut short in a string")
            << true << coverHead + le32(10) + QByteArray("abc") << FormatMessage << true;
        QTest::newRow("too few strings")
            << true << QByteArray::fromHex("55aa03000000") + le32(0) + le32(0) << FormatMessage
            << true;
    }
    void damagedPageFile()
    {
        QFETCH(bool, exists);
        QFETCH(QString, message);
        QFETCH(bool, cleared);
        QFETCH(QByteArray, bytes);
        const QString file = m_dir->filePath(QStringLiteral("page.Tmp"));
        if (exists)
            writeFile(file, bytes);
        RecordingCanvas canvas;
        drawPrinted(canvas, file);
        QCOMPARE(m_prompter->messageTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(m_prompter->calls.first().icon, Prompter::Icon::Error);
        QCOMPARE(canvas.ops.size(), cleared ? 1 : 0);
        if (cleared)
            QCOMPARE(canvas.ops.first().kind, Kind::Fill);
    }

    void clearAndSoftwareLine_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("softwareLine");
        QTest::addColumn<QRect>("cleared");
        QTest::newRow("printer, line on") << false << true << QRect(0, 0, 4966, 7021);
        QTest::newRow("printer, line off") << false << false << QRect(0, 0, 4966, 7021);
        QTest::newRow("preview") << true << true << QRect(0, 0, 794, 1122);
    }
    void clearAndSoftwareLine()
    {
        QFETCH(bool, preview);
        QFETCH(bool, softwareLine);
        QFETCH(QRect, cleared);
        appState().options.isPrintSoftMess = softwareLine;
        previewPageSize() = {794, 1122};
        WritePageFiles();
        const QString line = QStringLiteral("【Lumarel房屋安全鉴定管理系统】");
        for (int n = 1; n <= 2; ++n) {
            RecordingCanvas canvas;
            const PageSettings &ps = livePageSettings();
            DrawPageFile(canvas, preview, ps.PageWidth, ps.PageHeight, ps.LeftMargin,
                         ps.TopMargin, ps.RightMargin, ps.FooterMargin, 600, 600,
                         pageFilePath(n));
            QCOMPARE(canvas.ops.first().kind, Kind::Fill);
            QCOMPARE(canvas.ops.first().rect, cleared);
            const Op *soft = textOp(canvas, line);
            QCOMPARE(soft != nullptr, softwareLine);
            if (soft) { // ends 10 mm inside the right margin, bottom 18 mm above the edge
                QVERIFY(near(soft->from.x() + RecordingCanvas::widthOf(line, 100),
                             600 * 185 * MMToInch));
                QVERIFY(near(soft->from.y() + 100, 600 * 279 * MMToInch));
            }
        }
        QVERIFY(m_prompter->calls.isEmpty());
    }

    void signatureFollowsActiveWindow()
    {
        WritePageFiles();
        ReportEntries other = sampleReportEntries();
        other.labedtFileNo = QStringLiteral("另一份");
        other.labedtAppraiser = QStringLiteral("周七");
        other.labedtAppraiser1 = QStringLiteral("周七");
        FixedReportSource second(other);
        setActiveReportLookup([&second] { return &second; });
        RecordingCanvas canvas;
        drawPrinted(canvas, pageFilePath(2));
        QVERIFY(textOp(canvas, QStringLiteral("鉴定人：周七")));
        QVERIFY(textOp(canvas, QStringLiteral("八、检测鉴定人员：周七")));
        QVERIFY(textOp(canvas, QStringLiteral("鉴字(2004)第0123号"))); // from the page file
        QVERIFY(!textOp(canvas, QStringLiteral("另一份")));
    }

    void paintsOnImage()
    {
        // Real drawing at 100 dpi: the form's frame is where it belongs, with no failure, and
        // the file is found under a name in another case.
        WritePageFiles();
        const int dpi = 100;
        QImage image(827, 1170, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        const PageSettings &ps = livePageSettings();
        DrawPageFile(canvas, false, ps.PageWidth, ps.PageHeight, ps.LeftMargin, ps.TopMargin,
                     ps.RightMargin, ps.FooterMargin, dpi, dpi,
                     appState().appDir + QStringLiteral("/Temp/2.tmp"));
        painter.end();
        QVERIFY(m_prompter->calls.isEmpty());
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white)); // cleared
        const int bottom = units(272, dpi);
        const int left = units(15, dpi);
        QVERIFY(qGray(image.pixel(150, bottom)) < 80);
        QVERIFY(qGray(image.pixel(left, 600)) < 80);
        QCOMPARE(image.pixelColor(150, bottom + 12), QColor(Qt::white));
        int dark = 0; // the title's glyphs
        for (int y = units(18, dpi); y < units(26, dpi); ++y)
            for (int x = 250; x < 580; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY(dark > 500);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
