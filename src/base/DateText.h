#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Date texts as the reports use them. Patterns use the classic date-format letters:
// yyyy/yy year, mm/m month, dd/d day, text in "double" or 'single' quotes is literal, any other
// character stands for itself. Examples: 'yyyy"年"m"月"d"日"' gives 2004年3月5日,
// 'mm"/"dd"/"yyyy' gives 03/05/2004, "yyyy.mm.dd" gives 2004.03.05.
namespace datetext {

extern const QString ChineseDate;       // yyyy"年"m"月"d"日"
extern const QString ChineseDatePadded; // yyyy"年"mm"月"dd"日"
extern const QString ShortDate;         // yyyy-mm-dd
extern const QString UsDate;            // mm"/"dd"/"yyyy
extern const QString DottedDate;        // yyyy.mm.dd

QString format(const QDate &date, const QString &pattern);

// A year written with at most two digits, completed within the window that starts 70 years
// before currentYear.
int completeYear(int year, int currentYear);

// Reads a date (and an optional time of day) from text: year first ("2004-3-5", "2004年3月5日",
// "2004.03.05", "04-3-5") or month/day/year ("03/05/2004"). Two-digit years are completed with
// completeYear. Returns nothing for a text that is no date.
std::optional<QDateTime> parse(const QString &text, int currentYear);

// The form in which dates are stored in a report database (read back with parse).
QString toStorage(const QDateTime &dt);

} // namespace datetext
