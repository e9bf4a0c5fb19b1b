#include "DateText.h"

#include <QRegularExpression>

namespace datetext {

const QString ChineseDate = QStringLiteral("yyyy\"年\"m\"月\"d\"日\"");
const QString ChineseDatePadded = QStringLiteral("yyyy\"年\"mm\"月\"dd\"日\"");
const QString ShortDate = QStringLiteral("yyyy-mm-dd");
const QString UsDate = QStringLiteral("mm\"/\"dd\"/\"yyyy");
const QString DottedDate = QStringLiteral("yyyy.mm.dd");

QString format(const QDate &date, const QString &pattern)
{
    QString out;
    int i = 0;
    const int n = pattern.size();
    auto run = [&](QChar c) {
        int k = i;
        while (k < n && pattern.at(k).toLower() == c)
            ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int close = pattern.indexOf(c, i + 1);
            const int end = close < 0 ? n : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const QChar lc = c.toLower();
        if (lc == QLatin1Char('y')) {
            const int len = run(lc);
            out += len >= 3 ? QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'))
                            : QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'));
            i += len;
        } else if (lc == QLatin1Char('m') || lc == QLatin1Char('d')) {
            const int len = run(lc);
            const int v = lc == QLatin1Char('m') ? date.month() : date.day();
            out += len >= 2 ? QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'))
                            : QString::number(v);
            i += len;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

int completeYear(int year, int currentYear)
{
    if (year >= 100 || year < 0)
        return year;
    const int base = currentYear - 70;
    int y = year + (base / 100) * 100;
    if (y < base)
        y += 100;
    return y;
}

std::optional<QDateTime> parse(const QString &text, int currentYear)
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*(\\d{1,4})\\s*[-/.年]\\s*(\\d{1,2})\\s*[-/.月]\\s*(\\d{1,4})\\s*日?"
        "(?:[\\sT]+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:\\.\\d+)?)?)?\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString a = m.captured(1), b = m.captured(2), c = m.captured(3);
    int year, month, day;
    if (c.size() >= 3 && a.size() <= 2) { // month/day/year
        month = a.toInt();
        day = b.toInt();
        year = c.toInt();
    } else if (c.size() <= 2) {
        year = a.size() <= 2 ? completeYear(a.toInt(), currentYear) : a.toInt();
        month = b.toInt();
        day = c.toInt();
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0);
    if (m.hasCaptured(4)) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(),
                     m.hasCaptured(6) ? m.captured(6).toInt() : 0);
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time);
}

QString toStorage(const QDateTime &dt)
{
    return dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace datetext
