#include "PageFiles.h"

#include "AppError.h"
#include "AppState.h"
#include "CoverPage.h"
#include "DateText.h"
#include "DrawSetup.h"
#include "FormPage.h"
#include "Gbk.h"
#include "PageSettings.h"
#include "PageState.h"
#include "Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

const char *const FormatMessage = "文件格式不对...";
const char *const DrawMessage = "预览或打印错误!";

// Multi-line boxes are stored with CR LF between lines, whatever the editor used.
QString withCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void appendInt32(QByteArray &out, qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void writePageFile(int n, int kind, const QStringList &strings)
{
    const QString dir = appState().dirPath(QStringLiteral("Temp"));
    if (!QDir().mkpath(dir))
        throw AppError(QStringLiteral("不能建立目录 %1。").arg(QDir::toNativeSeparators(dir)));
    const QString path = pageFilePath(n);
    QSaveFile file(path);
    const QByteArray bytes = encodePageFile(kind, strings);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("不能写入文件 %1：%2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
}

// Reads a page file within the limits of its format. Nothing is read past the file's end or
// past the 3000-byte limit of a string.
class PageFileReader
{
public:
    enum Status { Ok, CannotOpen, BadFormat };

    explicit PageFileReader(const QString &path) : m_file(path) {}

    Status open()
    {
        return m_file.open(QIODevice::ReadOnly) ? Ok : CannotOpen;
    }

    Status readHeader(qint32 *kind)
    {
        quint16 magic = 0;
        if (!readU16(&magic) || magic != PageFileMagic || !readI32(kind))
            return BadFormat;
        return Ok;
    }

    Status readStrings(int count, QStringList *strings)
    {
        for (int i = 0; i < count; ++i) {
            qint32 n = 0;
            if (!readI32(&n) || n < 0 || n > PageFileStringLimit)
                return BadFormat;
            const QByteArray bytes = m_file.read(n);
            if (bytes.size() != n)
                return BadFormat;
            strings->append(gbk::decode(bytes));
        }
        return Ok;
    }

    bool skip(int bytes)
    {
        return m_file.read(bytes).size() == bytes;
    }

private:
    bool readU16(quint16 *v)
    {
        char b[2];
        if (m_file.read(b, 2) != 2)
            return false;
        *v = qFromLittleEndian<quint16>(b);
        return true;
    }
    bool readI32(qint32 *v)
    {
        char b[4];
        if (m_file.read(b, 4) != 4)
            return false;
        *v = qFromLittleEndian<qint32>(b);
        return true;
    }

    QFile m_file;
};

// Callers may spell the file name in another case ("1.tmp"); the name counts without regard
// to case, as on the system the page files were first made for.
QString resolvePageFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.exists())
        return fileName;
    const QDir dir = info.dir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return fileName;
}

void errorBox(const char *message)
{
    prompter().error(QString::fromUtf8(message));
}

} // namespace

QString pageFilePath(int n)
{
    return appState().dirPath(QStringLiteral("Temp")) + QLatin1Char('/') + QString::number(n)
           + QStringLiteral(".Tmp");
}

QStringList coverStrings(const ReportEntries &e)
{
    return {e.labedtClient2,       e.labedtAddress2, e.labedtAppraiser,
            e.labedtAssessor,      e.labedtAuthorizedMan, e.labedtApprUnit,
            datetext::format(e.dtpickApprDate, datetext::ChineseDate)};
}

QStringList formStrings(const ReportEntries &e)
{
    return {e.labedtFileNo,
            e.labedtClient2,
            e.labedtLinkPhone2,
            datetext::format(e.dtpickTrustDate1, datetext::ChineseDate),
            e.labedtAddress2,
            e.labedtPropertyRightMan2,
            e.cbbBldgPurpose,
            e.labedtBuildYear,
            e.cbbStrucStyle,
            e.labedtSum,
            e.cbbPlaneShape,
            e.labedtLayers,
            e.cbbPropertyRightAttr,
            e.labedtPropertyRightCertificate2,
            e.labedtMemory,
            e.labedtApprPurpose2,
            withCrLf(e.memApprCircs),
            withCrLf(e.memShatterReason),
            withCrLf(e.memApprConclusion),
            withCrLf(e.memDisposalAdvi),
            e.labedtApprUnit,
            e.labedtAppraiser,
            e.labedtAssessor,
            e.labedtAuthorizedMan,
            datetext::format(e.dtpickApprDate, datetext::DottedDate)};
}

QByteArray encodePageFile(int kind, const QStringList &strings)
{
    QByteArray out;
    char magic[2];
    qToLittleEndian(PageFileMagic, magic);
    out.append(magic, 2);
    appendInt32(out, kind);
    if (kind == CoverPageKind)
        appendInt32(out, CoverRowStep);
    for (const QString &s : strings) {
        const QByteArray bytes = gbk::encodeTruncated(s, PageFileStringLimit);
        appendInt32(out, static_cast<qint32>(bytes.size()));
        out.append(bytes);
    }
    return out;
}

void WritePageFiles()
{
    PageSequence &sequence = pageSequence();
    sequence.PageCount = 1;
    writePageFile(1, CoverPageKind, coverStrings(activeReportEntries()));
    sequence.PageCount = 2;
    writePageFile(2, FormPageKind, formStrings(activeReportEntries()));
}

void DrawSoftwareLine(Canvas &canvas, bool IsPreview, double PageWidth, double PageHeight,
                      double RightMargin, double FooterMargin, int DpiX, int DpiY)
{
    try {
        SetFont(canvas, QStringLiteral("Times New Roman"), FontStyle::Regular, 12, IsPreview,
                DpiX, DpiY);
        const QString text = QStringLiteral("【") + AppTitle() + QStringLiteral("】");
        const double w = TextWidthInch(canvas, text, DpiX);
        const double h = TextHeightInch(canvas, text, DpiY);
        DrawText(canvas, text, AlignLeft, PageWidth - RightMargin - 10 * MMToInch - w,
                 PageHeight - FooterMargin - h, PageWidth - RightMargin, PageHeight - FooterMargin,
                 DpiX, DpiY);
    } catch (...) {
        prompter().warning(QStringLiteral("打印封面页脚错误!"));
    }
}

void DrawPageFile(Canvas &canvas, bool IsPreview, double PageWidth, double PageHeight,
                  double LeftMargin, double TopMargin, double RightMargin, double FooterMargin,
                  int DpiX, int DpiY, const QString &fileName)
{
    try {
        const QString path = resolvePageFile(fileName);
        qint32 kind = 0;
        {
            PageFileReader header(path);
            if (header.open() != PageFileReader::Ok) {
                errorBox(DrawMessage);
                return;
            }
            // A file cut short before its kind is as foreign as one with another magic.
            if (header.readHeader(&kind) != PageFileReader::Ok) {
                errorBox(FormatMessage);
                return;
            }
        }

        if (IsPreview) {
            const PreviewPageSize &size = previewPageSize();
            canvas.fillRect(QRect(0, 0, size.PreviewPageWidthPx, size.PreviewPageHeightPx));
        } else {
            canvas.fillRect(QRect(0, 0, nearestInt(PageWidth * MMToInch * DpiX) + 5,
                                  nearestInt(PageHeight * MMToInch * DpiY) + 5));
        }

        if (kind != CoverPageKind && kind != FormPageKind)
            return; // the page stays cleared

        const double pageWidth = PageWidth * MMToInch;
        const double pageHeight = PageHeight * MMToInch;
        const double leftMargin = LeftMargin * MMToInch;
        const double topMargin = TopMargin * MMToInch;
        const double rightMargin = RightMargin * MMToInch;
        const double footerMargin = FooterMargin * MMToInch;

        QStringList strings;
        {
            PageFileReader reader(path);
            if (reader.open() != PageFileReader::Ok) {
                errorBox(DrawMessage);
                return;
            }
            qint32 ignoredKind = 0;
            const bool ok = reader.readHeader(&ignoredKind) == PageFileReader::Ok
                            && (kind != CoverPageKind || reader.skip(4))
                            && reader.readStrings(kind == CoverPageKind ? CoverStringCount
                                                                        : FormStringCount,
                                                  &strings)
                                   == PageFileReader::Ok;
            if (!ok) {
                errorBox(FormatMessage);
                return;
            }
        }

        const PageSettings &settings = livePageSettings();
        if (kind == CoverPageKind) {
            DrawCoverPage(canvas, IsPreview, pageWidth, topMargin, leftMargin, rightMargin, DpiX,
                          DpiY, strings, settings);
        } else {
            DrawFormHeader(canvas, IsPreview, pageWidth, topMargin, leftMargin, rightMargin, DpiX,
                           DpiY, strings.value(0));
            DrawFormBody(canvas, IsPreview, topMargin + 1 * MMToInch, leftMargin, DpiX, DpiY,
                         strings, settings, activeReportEntries());
        }
        if (appState().options.isPrintSoftMess)
            DrawSoftwareLine(canvas, IsPreview, pageWidth, pageHeight, rightMargin, footerMargin,
                             DpiX, DpiY);
    } catch (...) {
        errorBox(DrawMessage);
    }
}
