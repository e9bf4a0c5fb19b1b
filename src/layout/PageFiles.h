#pragma once

#include "Canvas.h"
#include "ReportEntries.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two page files of a report, AppDir/Temp/1.Tmp (cover) and 2.Tmp (report form):
// little-endian, magic 55 AA, the page kind (int32), for the cover CoverRowStep (int32), then
// the page's strings, each an int32 byte count and that many GBK bytes (at most 3000).

constexpr quint16 PageFileMagic = 0xAA55;
constexpr int CoverPageKind = 1;
constexpr int FormPageKind = 3;
constexpr int CoverRowStep = 9; // mm, height of a cover line's band
constexpr int PageFileStringLimit = 3000;
constexpr int CoverStringCount = 7;
constexpr int FormStringCount = 25;

// AppDir/Temp/<n>.Tmp
QString pageFilePath(int n);

// The strings of each page, in file order, taken from a report window's entries.
QStringList coverStrings(const ReportEntries &entries);
QStringList formStrings(const ReportEntries &entries);

// The bytes of a page file; a string longer than the limit is cut at 3000 bytes without
// splitting a character, since the form cannot show more.
QByteArray encodePageFile(int kind, const QStringList &strings);

// Snapshots the active report window into both page files and sets PageCount to 2. Throws
// AppError when there is no active report window, the Temp folder cannot be made or a file
// cannot be written.
void WritePageFiles();

// Draws one page from its file: clears the page, then draws the cover or the report form and,
// when the option asks for it, the software line. Lengths in mm; DpiX/DpiY as the canvas is set
// up. Reports its own failures ("文件格式不对...", "预览或打印错误!").
void DrawPageFile(Canvas &canvas, bool IsPreview, double PageWidth, double PageHeight,
                  double LeftMargin, double TopMargin, double RightMargin, double FooterMargin,
                  int DpiX, int DpiY, const QString &fileName);

// The product-title line at the bottom right of a page; lengths in inches.
void DrawSoftwareLine(Canvas &canvas, bool IsPreview, double PageWidth, double PageHeight,
                      double RightMargin, double FooterMargin, int DpiX, int DpiY);
