#pragma once

#include "CalcuTable.h"

#include <QString>
#include <QStringList>

// The building's danger grade from the calculation table, by fuzzy membership. Pure functions:
// nothing here touches a window or the database.
namespace assess {

// v rounded to two decimals, a half going away from zero.
double RoundTo2(double v);
// RoundTo2 of the exact quotient numerator / denominator, computed in whole numbers: 57 / 200
// gives 0.29 although 0.285 has no exact binary form. 0 when the denominator is not above 0.
double RoundedShare(qint64 numerator, qint64 denominator);

struct Degrees
{
    double a = 0, b = 0, c = 0, d = 0;
};

// Membership degrees of a share x for the grades a..d, each rounded with RoundTo2; a share
// outside 0..1 gives all four 0.
Degrees MembershipDegrees(double x);

// 1..4 for the largest of the four overall degrees; a tie goes to the grade nearer A.
int PickGrade(double muA, double muB, double muC, double muD);

struct MemberCount
{
    qint64 total = 0;
    qint64 dangerous = 0;
};

// Member groups counted from the table.
struct MemberCounts
{
    MemberCount foundation, columns, walls, mainBeams, roofTrusses, secondaryBeams, slabs,
        enclosure;
};

// Counts the rows whose member name (and part, where it matters) belong to a group. A counted
// row whose total or dangerous count is not a whole number, is negative, or whose dangerous
// count exceeds its total throws AppError naming the row and the value.
MemberCounts CountMembers(const CalcuRows &rows);

struct PartResult
{
    double share = 0; // rounded to two decimals
    Degrees degrees;
    int percent() const; // share x 100 as a whole number
};

struct DangerGrade
{
    PartResult foundation, loadBearing, enclosure;
    double muA = 0, muB = 0, muC = 0, muD = 0;
    QString grade; // "A级".."D级", or "D" when the foundation or the structure is all dangerous

    // The seven lines of the result memo (Memo1), empty lines included.
    QStringList memoLines() const;
    // The text of the message box that announces the grade.
    QString announcement() const;
};

DangerGrade ComputeDangerGrade(const MemberCounts &counts);
// CountMembers then ComputeDangerGrade; throws like CountMembers.
DangerGrade ComputeDangerGrade(const CalcuRows &rows);

// Caption of the announcement box: "计算结果".
QString dangerGradeCaption();
// Shows the announcement through the prompter: that caption, OK only, no icon.
void announceDangerGrade(const DangerGrade &result);

} // namespace assess
