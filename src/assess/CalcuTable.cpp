#include "CalcuTable.h"

namespace assess {

const QStringList &calcuHeadings()
{
    // Column 1 is "份", not "分", as on the printed forms.
    static const QStringList headings = {
        QStringLiteral("部位编号"), QStringLiteral("房屋组成部份"), QStringLiteral("构件名称"),
        QStringLiteral("构件结构"), QStringLiteral("构件总数"),   QStringLiteral("危险构件数"),
        QStringLiteral("对应条文")};
    return headings;
}

CalcuRows ClearCalcuTable()
{
    CalcuRows rows(NewCalcuTableRows);
    renumberCalcuRows(rows);
    return rows;
}

void renumberCalcuRows(CalcuRows &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i][ColPartNumber] = QString::number(i + 1);
}

int addCalcuRow(CalcuRows &rows)
{
    rows.append(CalcuRow{});
    renumberCalcuRows(rows);
    return int(rows.size() - 1);
}

int insertCalcuRow(CalcuRows &rows, int current)
{
    if (current < 0 || current >= rows.size())
        return addCalcuRow(rows);
    rows.insert(current, CalcuRow{});
    renumberCalcuRows(rows);
    return current;
}

int deleteCalcuRow(CalcuRows &rows, int current)
{
    if (current < 0 || current >= rows.size())
        return rows.isEmpty() ? -1 : qMin(current, int(rows.size() - 1));
    rows.removeAt(current);
    renumberCalcuRows(rows);
    return qMin(current, int(rows.size() - 1));
}

} // namespace assess
