#include "DangerGrade.h"

#include "AppError.h"
#include "Prompter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace assess {

namespace {

const QString FoundationPart = QStringLiteral("地基基础");
const QString LoadBearingPart = QStringLiteral("承重结构");
const QString EnclosurePart = QStringLiteral("围护结构");

// Weights of the load-bearing groups, times ten so that the weighted sums stay whole numbers.
constexpr qint64 ColumnWeight10 = 24, WallWeight10 = 24, BeamWeight10 = 19,
                 SecondaryBeamWeight10 = 14, SlabWeight10 = 10;

QString refusal(qsizetype row, const QString &what)
{
    return QStringLiteral("第%1行的%2，无法计算危险性等级。").arg(row + 1).arg(what);
}

qint64 wholeNumber(const CalcuRow &row, qsizetype index, CalcuColumn column)
{
    const QString &text = row[column];
    const QString heading = calcuHeadings().at(column);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) {
        if (text.trimmed().isEmpty())
            throw AppError(refusal(index, heading + QStringLiteral("为空，不是整数")));
        throw AppError(
            refusal(index, QStringLiteral("%1“%2”不是有效的整数").arg(heading, text)));
    }
    if (value < 0)
        throw AppError(refusal(index, QStringLiteral("%1（%2）为负数").arg(heading).arg(value)));
    return value;
}

MemberCount *groupOf(MemberCounts &counts, const CalcuRow &row)
{
    const QString &part = row[ColBldgConstitute];
    const QString &name = row[ColComponentName];
    const bool inFoundation = part == FoundationPart;
    if (name == QStringLiteral("地基") || name == QStringLiteral("基础"))
        return &counts.foundation;
    if (name == QStringLiteral("柱"))
        return inFoundation ? &counts.foundation : &counts.columns;
    if (name == QStringLiteral("墙段")) {
        if (inFoundation)
            return &counts.foundation;
        if (part == EnclosurePart)
            return &counts.enclosure;
        if (part == LoadBearingPart)
            return &counts.walls;
        return nullptr;
    }
    if (name == QStringLiteral("主梁"))
        return inFoundation ? &counts.foundation : &counts.mainBeams;
    if (name == QStringLiteral("屋架"))
        return &counts.roofTrusses;
    if (name == QStringLiteral("次梁"))
        return inFoundation ? &counts.foundation : &counts.secondaryBeams;
    if (name == QStringLiteral("板"))
        return inFoundation ? &counts.foundation : &counts.slabs;
    if (name == QStringLiteral("围护构件"))
        return &counts.enclosure;
    return nullptr;
}

PartResult partResult(qint64 dangerous, qint64 total)
{
    PartResult r;
    r.share = total > 0 ? RoundedShare(dangerous, total) : 0.0;
    r.degrees = MembershipDegrees(r.share);
    return r;
}

QString twoDecimals(double v)
{
    return QString::number(v, 'f', 2);
}

QString partLine(const QString &part, const PartResult &r)
{
    return part + QStringLiteral("中,危险构件的百分数＝") + QString::number(r.percent())
           + QStringLiteral("%; μa＝") + twoDecimals(r.degrees.a) + QStringLiteral(", μb＝")
           + twoDecimals(r.degrees.b) + QStringLiteral(", μc＝") + twoDecimals(r.degrees.c)
           + QStringLiteral(", μd＝") + twoDecimals(r.degrees.d);
}

QString conclusion(const QString &grade)
{
    return QStringLiteral("综上所述,该房屋的危险性等级为") + grade;
}

} // namespace

double RoundTo2(double v)
{
    // A value within a hair of a half counts as the half: 0.285 is stored just below it.
    const double scaled = std::fabs(v) * 100.0;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5 - 1e-9)
        whole += 1.0;
    if (whole == 0.0)
        return 0.0; // never "-0.00"
    return std::copysign(whole, v) / 100.0;
}

double RoundedShare(qint64 numerator, qint64 denominator)
{
    if (denominator <= 0)
        return 0.0; // no members, no share
    const qint64 magnitude = numerator < 0 ? -numerator : numerator;
    // round(100 * n / d) with halves away from zero, in whole numbers
    const qint64 hundredths = (200 * magnitude + denominator) / (2 * denominator);
    if (hundredths == 0)
        return 0.0;
    return double(numerator < 0 ? -hundredths : hundredths) / 100.0;
}

int PartResult::percent() const
{
    return int(std::lround(share * 100.0));
}

Degrees MembershipDegrees(double x)
{
    if (x < 0.0 || x > 1.0)
        return {};
    if (x == 0.0)
        return {1, 0, 0, 0};
    if (x <= 0.05)
        return {0, 1, 0, 0};
    if (x < 0.3)
        return {0, RoundTo2((0.3 - x) / 0.25), RoundTo2((x - 0.05) / 0.25), 0};
    if (x < 1.0)
        return {0, 0, RoundTo2((1.0 - x) / 0.7), x > 0.3 ? RoundTo2((x - 0.3) / 0.7) : 0.0};
    return {0, 0, 0, 1};
}

int PickGrade(double muA, double muB, double muC, double muD)
{
    const double values[] = {muA, muB, muC, muD};
    int best = 0;
    for (int i = 1; i < 4; ++i) {
        if (values[i] > values[best])
            best = i;
    }
    return best + 1;
}

MemberCounts CountMembers(const CalcuRows &rows)
{
    constexpr qint64 limit = std::numeric_limits<qint32>::max();
    MemberCounts counts;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const CalcuRow &row = rows.at(i);
        MemberCount *group = groupOf(counts, row);
        if (!group)
            continue;
        const qint64 dangerous = wholeNumber(row, i, ColDangerComponentNumber);
        const qint64 total = wholeNumber(row, i, ColComponentTotal);
        // More dangerous members than members would give a share above 1, which counts for
        // nothing and so would grade the house better than its members are.
        if (dangerous > total)
            throw AppError(refusal(i, QStringLiteral("危险构件数（%1）大于构件总数（%2）")
                                          .arg(dangerous)
                                          .arg(total)));
        group->total += total;
        group->dangerous += dangerous;
        if (group->total > limit)
            throw AppError(refusal(i, QStringLiteral("构件总数累计超过%1").arg(limit)));
    }
    return counts;
}

DangerGrade ComputeDangerGrade(const MemberCounts &counts)
{
    DangerGrade r;
    r.foundation = partResult(counts.foundation.dangerous, counts.foundation.total);
    r.enclosure = partResult(counts.enclosure.dangerous, counts.enclosure.total);

    const auto weighted = [&counts](qint64 MemberCount::*field) {
        return ColumnWeight10 * (counts.columns.*field) + WallWeight10 * (counts.walls.*field)
               + BeamWeight10 * (counts.mainBeams.*field + counts.roofTrusses.*field)
               + SecondaryBeamWeight10 * (counts.secondaryBeams.*field)
               + SlabWeight10 * (counts.slabs.*field);
    };
    r.loadBearing = partResult(weighted(&MemberCount::dangerous), weighted(&MemberCount::total));

    const Degrees &g1 = r.foundation.degrees;
    const Degrees &g2 = r.loadBearing.degrees;
    const Degrees &g3 = r.enclosure.degrees;
    const auto overall = [](double v1, double v2, double v3) {
        return std::max({std::min(v1, 0.3), std::min(v2, 0.6), std::min(v3, 0.1)});
    };
    r.muA = overall(g1.a, g2.a, g3.a);
    r.muB = overall(g1.b, g2.b, g3.b);
    r.muC = overall(g1.c, g2.c, g3.c);
    r.muD = overall(g1.d, g2.d, g3.d);

    if (g1.d == 1.0 || g2.d == 1.0) {
        r.grade = QStringLiteral("D");
    } else {
        static const QString grades[] = {QStringLiteral("A级"), QStringLiteral("B级"),
                                         QStringLiteral("C级"), QStringLiteral("D级")};
        r.grade = grades[PickGrade(r.muA, r.muB, r.muC, r.muD) - 1];
    }
    return r;
}

DangerGrade ComputeDangerGrade(const CalcuRows &rows)
{
    return ComputeDangerGrade(CountMembers(rows));
}

QStringList DangerGrade::memoLines() const
{
    return {partLine(FoundationPart, foundation),
            partLine(LoadBearingPart, loadBearing),
            partLine(EnclosurePart, enclosure),
            QString(),
            QStringLiteral("整体隶属度为： μA＝") + twoDecimals(muA) + QStringLiteral(", μB＝")
                + twoDecimals(muB) + QStringLiteral(", μC＝") + twoDecimals(muC)
                + QStringLiteral(", μD＝") + twoDecimals(muD),
            QString(),
            conclusion(grade)};
}

QString DangerGrade::announcement() const
{
    return conclusion(grade) + QStringLiteral("。");
}

QString dangerGradeCaption()
{
    return QStringLiteral("计算结果");
}

void announceDangerGrade(const DangerGrade &result)
{
    prompter().message(dangerGradeCaption(), result.announcement(), Prompter::Icon::None,
                       Prompter::Ok, Prompter::Ok);
}

} // namespace assess
