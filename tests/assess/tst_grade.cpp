#include "AppError.h"
#include "DangerGrade.h"
#include "ScriptedPrompter.h"

#include <QtTest>

using namespace assess;

namespace {

CalcuRow row(const QString &part, const QString &name, const QString &total,
             const QString &dangerous)
{
    CalcuRow r;
    r[ColBldgConstitute] = part;
    r[ColComponentName] = name;
    r[ColComponentTotal] = total;
    r[ColDangerComponentNumber] = dangerous;
    return r;
}

CalcuRow row(const QString &part, const QString &name, int total, int dangerous)
{
    return row(part, name, QString::number(total), QString::number(dangerous));
}

QString f2(double v)
{
    return QString::number(v, 'f', 2);
}

QString degreesText(const Degrees &d)
{
    return QStringList{f2(d.a), f2(d.b), f2(d.c), f2(d.d)}.join(QLatin1Char(' '));
}

const QString F = QStringLiteral("地基基础");
const QString L = QStringLiteral("承重结构");
const QString E = QStringLiteral("围护结构");

CalcuRows workedExampleB()
{
    return {row(F, QStringLiteral("基础"), 10, 0), row(L, QStringLiteral("柱"), 20, 3),
            row(L, QStringLiteral("墙段"), 40, 2), row(L, QStringLiteral("板"), 50, 5),
            row(E, QStringLiteral("围护构件"), 30, 6)};
}

} // namespace

class TestGrade : public QObject
{
    Q_OBJECT

private slots:
    void roundTo2_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half up") << 0.125 << 0.13;
        QTest::newRow("decimal half below its binary form") << 0.285 << 0.29;
        QTest::newRow("negative half away from zero") << -0.125 << -0.13;
        QTest::newRow("below half") << 0.8399999999 << 0.84;
        QTest::newRow("tiny") << 0.004 << 0.0;
        QTest::newRow("one") << 1.0 << 1.0;
    }
    void roundTo2()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(RoundTo2(value), expected);
    }

    void roundedShare_data()
    {
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::addColumn<double>("expected");
        QTest::newRow("1 of 8") << qint64(1) << qint64(8) << 0.13;
        QTest::newRow("57 of 200") << qint64(57) << qint64(200) << 0.29;
        QTest::newRow("1 of 3") << qint64(1) << qint64(3) << 0.33;
        QTest::newRow("2 of 3") << qint64(2) << qint64(3) << 0.67;
        QTest::newRow("none") << qint64(0) << qint64(7) << 0.0;
        QTest::newRow("all") << qint64(7) << qint64(7) << 1.0;
        QTest::newRow("negative") << qint64(-1) << qint64(8) << -0.13;
    }
    void roundedShare()
    {
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        QFETCH(double, expected);
        QCOMPARE(RoundedShare(numerator, denominator), expected);
    }

    void membershipDegrees_data()
    {
        QTest::addColumn<double>("share");
        QTest::addColumn<QString>("expected"); // a b c d
        QTest::newRow("0") << 0.0 << "1.00 0.00 0.00 0.00";
        QTest::newRow("0.01") << 0.01 << "0.00 1.00 0.00 0.00";
        QTest::newRow("0.05 boundary") << 0.05 << "0.00 1.00 0.00 0.00";
        QTest::newRow("0.06") << 0.06 << "0.00 0.96 0.04 0.00";
        QTest::newRow("10 %") << 0.1 << "0.00 0.80 0.20 0.00";
        QTest::newRow("25 %") << 0.25 << "0.00 0.20 0.80 0.00";
        QTest::newRow("0.3 boundary") << 0.3 << "0.00 0.00 1.00 0.00";
        QTest::newRow("0.5") << 0.5 << "0.00 0.00 0.71 0.29";
        QTest::newRow("0.99") << 0.99 << "0.00 0.00 0.01 0.99";
        QTest::newRow("1 boundary") << 1.0 << "0.00 0.00 0.00 1.00";
        QTest::newRow("below 0") << -0.1 << "0.00 0.00 0.00 0.00";
        QTest::newRow("above 1") << 1.2 << "0.00 0.00 0.00 0.00";
    }
    void membershipDegrees()
    {
        QFETCH(double, share);
        QFETCH(QString, expected);
        QCOMPARE(degreesText(MembershipDegrees(share)), expected);
    }

    void pickGrade_data()
    {
        QTest::addColumn<double>("muA");
        QTest::addColumn<double>("muB");
        QTest::addColumn<double>("muC");
        QTest::addColumn<double>("muD");
        QTest::addColumn<int>("expected");
        QTest::newRow("A wins") << 0.6 << 0.3 << 0.1 << 0.0 << 1;
        QTest::newRow("D wins") << 0.0 << 0.1 << 0.3 << 0.6 << 4;
        QTest::newRow("tie A B gives A") << 0.3 << 0.3 << 0.1 << 0.0 << 1;
        QTest::newRow("tie B C gives B") << 0.0 << 0.6 << 0.6 << 0.0 << 2;
        QTest::newRow("tie C D gives C") << 0.0 << 0.1 << 0.3 << 0.3 << 3;
        QTest::newRow("all zero gives A") << 0.0 << 0.0 << 0.0 << 0.0 << 1;
    }
    void pickGrade()
    {
        QFETCH(double, muA);
        QFETCH(double, muB);
        QFETCH(double, muC);
        QFETCH(double, muD);
        QFETCH(int, expected);
        QCOMPARE(PickGrade(muA, muB, muC, muD), expected);
    }

    void grade_data()
    {
        QTest::addColumn<CalcuRows>("rows");
        QTest::addColumn<QString>("percents"); // foundation, load-bearing, enclosure
        QTest::addColumn<QString>("degrees");  // a b c d of the three parts, '|' between
        QTest::addColumn<QString>("overall");  // muA muB muC muD
        QTest::addColumn<QString>("grade");

        QTest::newRow("worked example B")
            << workedExampleB() << "0 9 20"
            << "1.00 0.00 0.00 0.00|0.00 0.84 0.16 0.00|0.00 0.40 0.60 0.00"
            << "0.30 0.60 0.16 0.00" << "B级";
        // Load-bearing: WD = 2.4 * 4 + 1.9 * 3 = 15.3 of WT = 2.4 * 20 + 1.9 * 10 = 67.
        QTest::newRow("worked example C")
            << CalcuRows{row(F, QStringLiteral("基础"), 10, 1), row(L, QStringLiteral("柱"), 20, 4),
                         row(L, QStringLiteral("主梁"), 10, 3),
                         row(E, QStringLiteral("围护构件"), 10, 5)}
            << "10 23 50" << "0.00 0.80 0.20 0.00|0.00 0.28 0.72 0.00|0.00 0.00 0.71 0.29"
            << "0.00 0.30 0.60 0.10" << "C级";
        QTest::newRow("new table, nothing counted")
            << ClearCalcuTable() << "0 0 0"
            << "1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.00 0.00 0.00" << "A级";
        QTest::newRow("foundation all dangerous is D outright")
            << CalcuRows{row(F, QStringLiteral("地基"), 10, 10), row(L, QStringLiteral("柱"), 10, 0)}
            << "100 0 0" << "0.00 0.00 0.00 1.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.00 0.00 0.30" << "D";
        QTest::newRow("structure all dangerous is D outright")
            << CalcuRows{row(L, QStringLiteral("板"), 5, 5)} << "0 100 0"
            << "1.00 0.00 0.00 0.00|0.00 0.00 0.00 1.00|1.00 0.00 0.00 0.00"
            << "0.30 0.00 0.00 0.60" << "D";
        QTest::newRow("enclosure all dangerous is not outright")
            << CalcuRows{row(E, QStringLiteral("围护构件"), 4, 4)} << "0 0 100"
            << "1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00|0.00 0.00 0.00 1.00"
            << "0.60 0.00 0.00 0.10" << "A级";
        QTest::newRow("column under enclosure is a load-bearing column")
            << CalcuRows{row(E, QStringLiteral("柱"), 10, 10)} << "0 100 0"
            << "1.00 0.00 0.00 0.00|0.00 0.00 0.00 1.00|1.00 0.00 0.00 0.00"
            << "0.30 0.00 0.00 0.60" << "D";
        QTest::newRow("wall without part not counted nor converted")
            << CalcuRows{row(QString(), QStringLiteral("墙段"), QStringLiteral("abc"), QString())}
            << "0 0 0" << "1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.00 0.00 0.00" << "A级";
        QTest::newRow("walls by part")
            << CalcuRows{row(F, QStringLiteral("墙段"), 10, 1), row(L, QStringLiteral("墙段"), 10, 3),
                         row(E, QStringLiteral("墙段"), 10, 10)}
            << "10 30 100" << "0.00 0.80 0.20 0.00|0.00 0.00 1.00 0.00|0.00 0.00 0.00 1.00"
            << "0.00 0.30 0.60 0.10" << "C级";
        QTest::newRow("beams, columns and slabs under the foundation count there")
            << CalcuRows{row(F, QStringLiteral("柱"), 2, 0), row(F, QStringLiteral("主梁"), 2, 0),
                         row(F, QStringLiteral("次梁"), 2, 0), row(F, QStringLiteral("板"), 2, 0),
                         row(F, QStringLiteral("基础"), 2, 2)}
            << "20 0 0" << "0.00 0.40 0.60 0.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.30 0.30 0.00" << "A级";
        // WD = 1.4 * 5 = 7 of WT = 1.4 * 10 + 1.9 * 10 = 33; a truss counts wherever it is.
        QTest::newRow("secondary beams and trusses weighted")
            << CalcuRows{row(L, QStringLiteral("次梁"), 10, 5), row(F, QStringLiteral("屋架"), 10, 0)}
            << "0 21 0" << "1.00 0.00 0.00 0.00|0.00 0.36 0.64 0.00|1.00 0.00 0.00 0.00"
            << "0.30 0.36 0.60 0.00" << "C级";
        QTest::newRow("1 of 8 rounds up to 13 %")
            << CalcuRows{row(F, QStringLiteral("基础"), 8, 1)} << "13 0 0"
            << "0.00 0.68 0.32 0.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.30 0.30 0.00" << "A级";
        QTest::newRow("57 of 200 is 29 % on the exact quotient")
            << CalcuRows{row(F, QStringLiteral("基础"), 200, 57)} << "29 0 0"
            << "0.00 0.04 0.96 0.00|1.00 0.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.60 0.04 0.30 0.00" << "A级";
        QTest::newRow("share 0.05 on the structure")
            << CalcuRows{row(L, QStringLiteral("板"), 20, 1)} << "0 5 0"
            << "1.00 0.00 0.00 0.00|0.00 1.00 0.00 0.00|1.00 0.00 0.00 0.00"
            << "0.30 0.60 0.00 0.00" << "B级";
        QTest::newRow("share 0.3 on the structure")
            << CalcuRows{row(L, QStringLiteral("板"), 10, 3)} << "0 30 0"
            << "1.00 0.00 0.00 0.00|0.00 0.00 1.00 0.00|1.00 0.00 0.00 0.00"
            << "0.30 0.00 0.60 0.00" << "C级";
        QTest::newRow("share 25 % on the structure")
            << CalcuRows{row(L, QStringLiteral("板"), 4, 1)} << "0 25 0"
            << "1.00 0.00 0.00 0.00|0.00 0.20 0.80 0.00|1.00 0.00 0.00 0.00"
            << "0.30 0.20 0.60 0.00" << "C级";
        QTest::newRow("tie between C and D goes to C")
            << CalcuRows{row(L, QStringLiteral("板"), 20, 13)} << "0 65 0"
            << "1.00 0.00 0.00 0.00|0.00 0.00 0.50 0.50|1.00 0.00 0.00 0.00"
            << "0.30 0.00 0.50 0.50" << "C级";
        QTest::newRow("counts with blanks around them")
            << CalcuRows{row(L, QStringLiteral("板"), QStringLiteral(" 10 "), QStringLiteral("1 "))}
            << "0 10 0" << "1.00 0.00 0.00 0.00|0.00 0.80 0.20 0.00|1.00 0.00 0.00 0.00"
            << "0.30 0.60 0.20 0.00" << "B级";
    }
    void grade()
    {
        QFETCH(CalcuRows, rows);
        QFETCH(QString, percents);
        QFETCH(QString, degrees);
        QFETCH(QString, overall);
        QFETCH(QString, grade);

        const DangerGrade r = ComputeDangerGrade(rows);
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(r.foundation.percent())
                     .arg(r.loadBearing.percent())
                     .arg(r.enclosure.percent()),
                 percents);
        QCOMPARE(QStringList({degreesText(r.foundation.degrees), degreesText(r.loadBearing.degrees),
                              degreesText(r.enclosure.degrees)})
                     .join(QLatin1Char('|')),
                 degrees);
        QCOMPARE(QStringList({f2(r.muA), f2(r.muB), f2(r.muC), f2(r.muD)}).join(QLatin1Char(' ')),
                 overall);
        QCOMPARE(r.grade, grade);
        QCOMPARE(r.memoLines().constLast(), QStringLiteral("综上所述,该房屋的危险性等级为") + grade);
    }

    void workedExampleMemoAndAnnouncement()
    {
        const DangerGrade r = ComputeDangerGrade(workedExampleB());
        const QStringList expected = {
            QStringLiteral("地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00"),
            QStringLiteral("承重结构中,危险构件的百分数＝9%; μa＝0.00, μb＝0.84, μc＝0.16, μd＝0.00"),
            QStringLiteral("围护结构中,危险构件的百分数＝20%; μa＝0.00, μb＝0.40, μc＝0.60, μd＝0.00"),
            QString(),
            QStringLiteral("整体隶属度为： μA＝0.30, μB＝0.60, μC＝0.16, μD＝0.00"),
            QString(),
            QStringLiteral("综上所述,该房屋的危险性等级为B级")};
        QCOMPARE(r.memoLines(), expected);
        // Greek small mu, not the micro sign.
        QVERIFY(r.memoLines().first().contains(QChar(0x03BC)));

        ScriptedPrompter prompts;
        announceDangerGrade(r);
        QCOMPARE(prompts.calls.size(), 1);
        QCOMPARE(prompts.calls[0].caption, QStringLiteral("计算结果"));
        QCOMPARE(prompts.calls[0].text, QStringLiteral("综上所述,该房屋的危险性等级为B级。"));
        QCOMPARE(prompts.calls[0].icon, Prompter::Icon::None);
        QCOMPARE(prompts.calls[0].buttons, int(Prompter::Ok));
    }

    void outrightGradeHasNoSuffix()
    {
        const DangerGrade r = ComputeDangerGrade(CalcuRows{row(F, QStringLiteral("基础"), 3, 3)});
        QCOMPARE(r.announcement(), QStringLiteral("综上所述,该房屋的危险性等级为D。"));
    }

    void badCountsRefused_data()
    {
        QTest::addColumn<CalcuRows>("rows");
        QTest::addColumn<QStringList>("mentions");
        const CalcuRow fine = row(L, QStringLiteral("柱"), 10, 1);
        QTest::newRow("total not a number")
            << CalcuRows{fine, row(L, QStringLiteral("板"), QStringLiteral("十"), QStringLiteral("1"))}
            << QStringList{QStringLiteral("第2行"), QStringLiteral("构件总数"), QStringLiteral("“十”")};
        QTest::newRow("dangerous converted first")
            << CalcuRows{row(L, QStringLiteral("板"), QStringLiteral("x"), QStringLiteral("y"))}
            << QStringList{QStringLiteral("第1行"), QStringLiteral("危险构件数"), QStringLiteral("“y”")};
        QTest::newRow("empty dangerous cell")
            << CalcuRows{row(L, QStringLiteral("板"), QStringLiteral("3"), QString())}
            << QStringList{QStringLiteral("危险构件数为空")};
        QTest::newRow("fraction")
            << CalcuRows{row(F, QStringLiteral("地基"), QStringLiteral("2.5"), QStringLiteral("1"))}
            << QStringList{QStringLiteral("“2.5”")};
        QTest::newRow("beyond 32 bits")
            << CalcuRows{row(F, QStringLiteral("地基"), QStringLiteral("3000000000"),
                             QStringLiteral("1"))}
            << QStringList{QStringLiteral("“3000000000”")};
        QTest::newRow("more dangerous than members")
            << CalcuRows{row(F, QStringLiteral("地基"), 10, 12)}
            << QStringList{QStringLiteral("危险构件数（12）大于构件总数（10）")};
        QTest::newRow("negative count")
            << CalcuRows{row(E, QStringLiteral("围护构件"), -5, -6)}
            << QStringList{QStringLiteral("危险构件数（-6）为负数")};
    }
    void badCountsRefused()
    {
        QFETCH(CalcuRows, rows);
        QFETCH(QStringList, mentions);
        try {
            ComputeDangerGrade(rows);
            QFAIL("no error");
        } catch (const AppError &e) {
            for (const QString &m : mentions)
                QVERIFY2(e.message().contains(m), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestGrade)
#include "tst_grade.moc"
