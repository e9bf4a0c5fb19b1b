#include "AppError.h"
#include "AppState.h"
#include "CalcuStore.h"
#include "CalcuTable.h"
#include "Chooser.h"
#include "Schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace assess;

namespace {

// Rows whose column 1 reads "r1", "r2", ... so that moves are visible.
CalcuRows markedRows(int n)
{
    CalcuRows rows(n);
    for (int i = 0; i < n; ++i)
        rows[i][ColBldgConstitute] = QStringLiteral("r%1").arg(i + 1);
    renumberCalcuRows(rows);
    return rows;
}

QString describe(const CalcuRows &rows)
{
    QStringList out;
    for (const CalcuRow &r : rows)
        out << r[ColPartNumber] + QLatin1Char(':') + r[ColBldgConstitute];
    return out.join(QLatin1Char(' '));
}

CalcuRow fullRow(const QString &structure)
{
    return {QStringLiteral("1"), QStringLiteral("承重结构"), QStringLiteral("墙段"), structure,
            QStringLiteral("40"), QStringLiteral("2"), QStringLiteral("4.3.4-2")};
}

} // namespace

class TestCalcuTable : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;
    int m_serial = 0;

    int countRows(const QString &where)
    {
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("select count(*) from CalcuData where ") + where) || !q.next())
            qFatal("count failed");
        return q.value(0).toInt();
    }

private slots:
    void init()
    {
        // A fresh report database for each test function.
        QVERIFY(m_dir.isValid());
        const QString name = QStringLiteral("report%1").arg(++m_serial);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_db.setDatabaseName(m_dir.filePath(name + QStringLiteral(".had")));
        QVERIFY(m_db.open());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(schema::CreateProjectTab));
        QVERIFY(q.exec(schema::CreateCalcuData));
        QVERIFY(q.exec(schema::CreateCalcuDataIndex));
    }
    void cleanup()
    {
        const QString name = m_db.connectionName();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    // --- table as data ---

    void headingsAndNewTable()
    {
        QCOMPARE(calcuHeadings().join(QLatin1Char(',')),
                 QStringLiteral("部位编号,房屋组成部份,构件名称,构件结构,构件总数,危险构件数,对应条文"));
        const CalcuRows rows = ClearCalcuTable();
        QCOMPARE(rows.size(), 10);
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][ColPartNumber], QString::number(i + 1));
            for (int c = 1; c < CalcuColumnCount; ++c)
                QVERIFY(rows[i][c].isEmpty());
        }
    }

    void rowActions_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedCurrent");
        QTest::newRow("insert on row 3 of 5")
            << 5 << "insert" << 2 << "1:r1 2:r2 3: 4:r3 5:r4 6:r5" << 2;
        QTest::newRow("insert without current row appends") << 2 << "insert" << -1 << "1:r1 2:r2 3:" << 2;
        QTest::newRow("insert into empty table") << 0 << "insert" << -1 << "1:" << 0;
        QTest::newRow("add") << 2 << "add" << 0 << "1:r1 2:r2 3:" << 2;
        QTest::newRow("add after heading only") << 0 << "add" << -1 << "1:" << 0;
        QTest::newRow("delete middle row") << 3 << "delete" << 1 << "1:r1 2:r3" << 1;
        QTest::newRow("delete last row") << 3 << "delete" << 2 << "1:r1 2:r2" << 1;
        QTest::newRow("delete row 1 of 1 leaves heading only") << 1 << "delete" << 0 << "" << -1;
        QTest::newRow("delete without current row") << 2 << "delete" << -1 << "1:r1 2:r2" << -1;
        QTest::newRow("delete on heading only") << 0 << "delete" << -1 << "" << -1;
    }
    void rowActions()
    {
        QFETCH(int, rowCount);
        QFETCH(QString, action);
        QFETCH(int, current);
        QFETCH(QString, expected);
        QFETCH(int, expectedCurrent);
        CalcuRows rows = markedRows(rowCount);
        int now = -2;
        if (action == QStringLiteral("insert"))
            now = insertCalcuRow(rows, current);
        else if (action == QStringLiteral("add"))
            now = addCalcuRow(rows);
        else
            now = deleteCalcuRow(rows, current);
        QCOMPARE(describe(rows), expected);
        QCOMPARE(now, expectedCurrent);
    }

    void deleteDownToHeadingThenAdd()
    {
        CalcuRows rows = markedRows(2);
        int current = deleteCalcuRow(rows, 1);
        current = deleteCalcuRow(rows, current);
        QVERIFY(rows.isEmpty());
        QCOMPARE(current, -1);
        QCOMPARE(addCalcuRow(rows), 0);
        QCOMPARE(describe(rows), QStringLiteral("1:"));
    }

    // --- storage ---

    void loadWithoutStoredRowsGivesOneNumberedRow()
    {
        const CalcuRows rows = LoadCalcuRows(m_db, QStringLiteral("2004-001"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][ColPartNumber], QStringLiteral("1"));
        for (int c = 1; c < CalcuColumnCount; ++c)
            QVERIFY(rows[0][c].isEmpty());
    }

    void storeAndReload()
    {
        CalcuRows rows = {fullRow(QStringLiteral("砌体")), CalcuRow{}, fullRow(QStringLiteral("混凝土"))};
        rows[0][ColPartNumber] = QStringLiteral("7"); // stale number: reload renumbers
        SaveCalcuRows(m_db, QStringLiteral("other"), {fullRow(QStringLiteral("木结构"))});
        SaveCalcuRows(m_db, QStringLiteral("2004-001"), rows);
        SaveCalcuRows(m_db, QStringLiteral("2004-001"), rows); // replaces, does not add

        CalcuRows expected = rows;
        renumberCalcuRows(expected);
        QCOMPARE(LoadCalcuRows(m_db, QStringLiteral("2004-001")), expected);
        QCOMPARE(countRows(QStringLiteral("FileNo = '2004-001'")), 3);
        // Empty cells are stored as empty texts, never NULL.
        QCOMPARE(countRows(QStringLiteral("BldgConstitute = '' and correspondingFileItem = ''")), 1);
        QCOMPARE(countRows(QStringLiteral("FileNo = 'other'")), 1);
    }

    void newReportStoresTenEmptyRows()
    {
        SaveCalcuRows(m_db, QStringLiteral("2004-002"), ClearCalcuTable());
        QCOMPARE(countRows(QStringLiteral("FileNo = '2004-002' and ComponentName = ''")), 10);
        QCOMPARE(LoadCalcuRows(m_db, QStringLiteral("2004-002")), ClearCalcuTable());
    }

    void nullNumberIsTheEmptyNumber()
    {
        SaveCalcuRows(m_db, QString(), {fullRow(QStringLiteral("砌体"))});
        QCOMPARE(countRows(QStringLiteral("FileNo = ''")), 1);
        QCOMPARE(LoadCalcuRows(m_db, QStringLiteral(""))[0][ColComponentStructure],
                 QStringLiteral("砌体"));
    }

    void overlongTextRefusedBeforeWriting_data()
    {
        QTest::addColumn<QString>("fileNo");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("mention");
        QTest::newRow("clause") << "2004-001" << int(ColCorrespondingFileItem) << "correspondingFileItem";
        QTest::newRow("part") << "2004-001" << int(ColBldgConstitute) << "BldgConstitute";
        QTest::newRow("row number") << "2004-001" << int(ColPartNumber) << "PartNumber";
        QTest::newRow("report number") << "2004-001-0000000000000" << -1 << "FileNo";
    }
    void overlongTextRefusedBeforeWriting()
    {
        QFETCH(QString, fileNo);
        QFETCH(int, column);
        QFETCH(QString, mention);
        const CalcuRows before = {fullRow(QStringLiteral("砌体"))};
        SaveCalcuRows(m_db, fileNo.left(CalcuTextLimit), before);

        CalcuRows rows = {fullRow(QStringLiteral("钢结构")), fullRow(QStringLiteral("木结构"))};
        if (column >= 0)
            rows[1][column] = QString(CalcuTextLimit + 1, QChar(0x623F)); // 21 × 房
        try {
            SaveCalcuRows(m_db, fileNo, rows);
            QFAIL("no error");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(mention), qPrintable(e.message()));
        }
        QCOMPARE(LoadCalcuRows(m_db, fileNo.left(CalcuTextLimit)), before);
        QCOMPARE(countRows(QStringLiteral("1")), 1);
    }

    void failingInsertLeavesPreviousRows()
    {
        CalcuRows before = {fullRow(QStringLiteral("砌体")), fullRow(QStringLiteral("混凝土"))};
        renumberCalcuRows(before);
        SaveCalcuRows(m_db, QStringLiteral("2004-001"), before);
        // The database refuses the third row of the next store.
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral(
            "Create Trigger RefuseThird Before Insert On CalcuData When new.PartNumber = '3' "
            "Begin Select Raise(Abort, 'disk says no'); End")));

        try {
            SaveCalcuRows(m_db, QStringLiteral("2004-001"), markedRows(4));
            QFAIL("no error");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("disk says no")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("第3行")), qPrintable(e.message()));
        }
        QCOMPARE(LoadCalcuRows(m_db, QStringLiteral("2004-001")), before);
        // No transaction was left open behind the failure.
        QVERIFY(m_db.transaction());
        QVERIFY(m_db.commit());
    }

    void storeJoinsCallerTransaction_data()
    {
        QTest::addColumn<bool>("failing");
        QTest::addColumn<bool>("commit");
        QTest::newRow("caller rolls back") << false << false;
        QTest::newRow("caller commits") << false << true;
        QTest::newRow("store fails, caller rolls back") << true << false;
    }
    void storeJoinsCallerTransaction()
    {
        QFETCH(bool, failing);
        QFETCH(bool, commit);
        const CalcuRows before = {fullRow(QStringLiteral("砌体"))};
        SaveCalcuRows(m_db, QStringLiteral("2004-001"), before);
        CalcuRows after = markedRows(2);
        if (failing)
            after[1][ColComponentStructure] = QString(CalcuTextLimit + 1, QLatin1Char('x'));

        QVERIFY(m_db.transaction());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("Insert into ProjectTab (FileNo) values ('2004-001')")));
        bool stored = true;
        try {
            SaveCalcuRows(m_db, QStringLiteral("2004-001"), after);
        } catch (const AppError &) {
            stored = false;
        }
        QCOMPARE(stored, !failing);
        // The caller's transaction is still open and still the caller's to end.
        QVERIFY(commit ? m_db.commit() : m_db.rollback());

        QVERIFY(q.exec(QStringLiteral("select count(*) from ProjectTab")) && q.next());
        QCOMPARE(q.value(0).toInt(), commit ? 1 : 0);
        QCOMPARE(LoadCalcuRows(m_db, QStringLiteral("2004-001")), commit ? after : before);
    }

    // --- chooser ---

    void chooserVocabularies_data()
    {
        QTest::addColumn<int>("gridColumn");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("entries");
        QTest::newRow("part") << 1 << "序号/40 房屋组成部分/100" << "1 地基基础|2 承重结构|3 围护结构";
        QTest::newRow("member") << 2 << "序号/40 构件名称/100"
                                << "1 地基|2 基础|3 柱|4 墙段|5 主梁|6 屋架|7 次梁|8 板|9 围护构件";
        QTest::newRow("structure") << 3 << "序号/40 构件结构/100"
                                   << "1 地基|2 基础|3 砌体|4 混凝土|5 木结构|6 钢结构|7 简易结构";
        QTest::newRow("clause") << 6 << "序号/60 条文/1000" << "";
        QTest::newRow("total") << 4 << "" << "";
        QTest::newRow("dangerous") << 5 << "" << "";
        QTest::newRow("row number") << 0 << "" << "";
    }
    void chooserVocabularies()
    {
        QFETCH(int, gridColumn);
        QFETCH(QString, columns);
        QFETCH(QString, entries);
        const ChooserContent content = chooserContent(gridColumn);
        QStringList c, e;
        for (const ChooserColumn &col : content.columns)
            c << col.heading + QLatin1Char('/') + QString::number(col.width);
        for (const ChooserEntry &en : content.entries)
            e << en.caption + QLatin1Char(' ') + en.text;
        QCOMPARE(c.join(QLatin1Char(' ')), columns);
        QCOMPARE(e.join(QLatin1Char('|')), entries);
    }

    void choiceWritesNumberOrText()
    {
        const ChooserEntry clause{QStringLiteral("4.3.4-1"), QStringLiteral("受压构件…")};
        QCOMPARE(choiceText(ColCorrespondingFileItem, clause), QStringLiteral("4.3.4-1"));
        QCOMPARE(choiceText(ColBldgConstitute, {QStringLiteral("2"), QStringLiteral("承重结构")}),
                 QStringLiteral("承重结构"));
    }

    void clauseLookUp_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("structure");
        QTest::addColumn<int>("count");
        QTest::newRow("load-bearing masonry") << "承重结构" << "砌体" << 10;
        QTest::newRow("enclosure concrete") << "围护结构" << "混凝土" << 7;
        QTest::newRow("foundation ground") << "地基基础" << "地基" << 3;
        QTest::newRow("no wildcard is added") << "承重" << "砌体" << 0;
        QTest::newRow("empty cells") << "" << "" << 0;
    }
    void clauseLookUp()
    {
        QFETCH(QString, part);
        QFETCH(QString, structure);
        QFETCH(int, count);

        // The oracle is the clause list the database was generated from.
        QFile tsv(QStringLiteral(CLAUSES_TSV_PATH));
        QVERIFY(tsv.open(QIODevice::ReadOnly));
        QList<QPair<QString, QString>> expected;
        const QStringList lines = QString::fromUtf8(tsv.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines.mid(1)) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() == 4 && f[0] == part && f[1] == structure)
                expected.append({f[2], f[3].trimmed()});
        }
        QCOMPARE(expected.size(), count);

        appState().appDir = QStringLiteral(LUMAREL_APPDIR_PATH);
        QList<QPair<QString, QString>> found;
        for (const ChooserEntry &e : lookUpClauses(part, structure))
            found.append({e.caption, e.text});
        QCOMPARE(found, expected);
    }

    void clauseDatabaseFailures_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("mention");
        QTest::newRow("missing") << QByteArray() << "不存在";
        QTest::newRow("not a database") << QByteArray(4096, 'x') << "not a database";
        QTest::newRow("no clause table") << QByteArray("sqlite") << "no such table";
    }
    void clauseDatabaseFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, mention);
        const QString path = m_dir.filePath(QStringLiteral("clauses-%1.mdb").arg(QString::fromUtf8(QTest::currentDataTag())));
        if (content == "sqlite") {
            // A readable database without the table: the report fixture is one.
            QFile::copy(m_db.databaseName(), path);
        } else if (!content.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        try {
            lookUpClauses(QStringLiteral("承重结构"), QStringLiteral("砌体"), path);
            QFAIL("no error");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(mention), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("条文数据库")), qPrintable(e.message()));
        }
        if (content.isEmpty())
            QVERIFY(!QFile::exists(path)); // looking did not create it
    }
};

QTEST_GUILESS_MAIN(TestCalcuTable)
#include "tst_calcutable.moc"
