#include "AppError.h"
#include "AppState.h"
#include "DataModule.h"
#include "Dataset.h"
#include "IniFile.h"
#include "PageSettings.h"
#include "ReportDatabase.h"
#include "ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Conn = QStringLiteral("test");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write fixture");
    f.write(bytes);
}
} // namespace

class TestStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

    QString dbPath(const QString &name) const { return m_dir.filePath(name); }

    // A fresh report database with three reports numbered 1..3.
    void makeFixture()
    {
        m_path = dbPath(QStringLiteral("fixture.had"));
        QFile::remove(m_path);
        reportdb::create(m_path);
        reportdb::open(m_path, Conn);
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        for (int i = 1; i <= 3; ++i) {
            ds.append();
            ds.setText(QStringLiteral("FileNo"), QString::number(i));
            ds.post();
        }
    }

private slots:
    void init()
    {
        appState().appDir = m_dir.path();
        QFile::remove(appState().configPath());
    }
    void cleanup() { reportdb::close(Conn); }

    void schemaAsCreated()
    {
        const QString path = dbPath(QStringLiteral("schema.had"));
        reportdb::create(path);
        QSqlDatabase db = reportdb::open(path, Conn);
        const QString projectTab = QStringLiteral(
            "ID:INT identity,FileNo:varchar(20),Client:varchar(40),TrustDate:DATETIME,"
            "LinkMan:varchar(10),LinkPhone:varchar(20),Address:varchar(60),"
            "PropertyRightMan:varchar(60),BldgPurpose:varchar(20),BuildYear:varchar(12),"
            "StrucStyle:varchar(20),BuildAreaHowff:float,BuildAreaTrade:float,"
            "BuildAreaGarage:float,BuildAreaFactory:float,BuildAreaOther:float,"
            "PlaneShape:varchar(20),Layers:varchar(10),PropertyRightAttr:varchar(10),"
            "PropertyRightCertificate:varchar(30),Memory:varchar(60),ApprPurpose:varchar(40),"
            "DangerCircs:TEXT,ApprCircs:TEXT,ShatterReason0:TEXT,ShatterReason:TEXT,"
            "ApprConclusion:TEXT,DisposalAdvi:TEXT,Surveyor:varchar(20),ApprUnit:varchar(20),"
            "Appraiser:varchar(20),Assessor:varchar(20),AuthorizedMan:varchar(20),"
            "ApprDate:DATETIME,PageStyle:varchar(20),PageWidth:int,PageHeight:int,"
            "PageOrientation:int,TopMargin:int,BottomMargin:int,LeftMargin:int,RightMargin:int,"
            "FooterMargin:int,CovOffsetRightSpace:int,CovOffsetBottomSpace:int,CovRowSpace:int,"
            "CovPrnSelAppraisor:int,CovPrnSelAssessor:int,CovPrnSelAuthorizedMan:int,"
            "ApprCircsRowCount:int,ShatterReasonRowCount:int,ApprConclusionRowCount:int,"
            "DisposalAdviRowCount:int,RowMaxCharCount:int,ClientWidth:int,PhoneWidth:int,"
            "version:varchar(20)");
        const QString calcuData = QStringLiteral(
            "FileNo:varchar(20),PartNumber:varchar(20),BldgConstitute:varchar(20),"
            "ComponentName:varchar(20),ComponentStructure:varchar(20),ComponentTotal:varchar(20),"
            "DangerComponentNumber:varchar(20),correspondingFileItem:varchar(20)");
        for (const auto &[table, expected] : {std::pair{QStringLiteral("ProjectTab"), projectTab},
                                              std::pair{QStringLiteral("CalcuData"), calcuData}}) {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)));
            QStringList got;
            while (q.next())
                got << q.value(1).toString() + QLatin1Char(':') + q.value(2).toString();
            // The engine spells standard type names in capitals ("int" reads back as "INT").
            QCOMPARE(got.join(QLatin1Char(',')).toLower().split(QLatin1Char(',')),
                     expected.toLower().split(QLatin1Char(',')));
            QSqlQuery count(db);
            QVERIFY(count.exec(QStringLiteral("select count(*) from %1").arg(table)) && count.next());
            QCOMPARE(count.value(0).toInt(), 0);
        }
    }

    void createOverExistingFile()
    {
        ScriptedPrompter p;
        const QString path = dbPath(QStringLiteral("existing.had"));
        writeFile(path, "keep me");

        p.answers.enqueue(Prompter::No);
        QVERIFY(!Frm_DataModule().CreateReportDatabase(path));
        QCOMPARE(p.calls.size(), 1);
        QCOMPARE(p.calls.at(0).text, QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在!\r\n删除并创建吗?"));
        QCOMPARE(p.calls.at(0).icon, Prompter::Icon::Warning);
        QCOMPARE(p.calls.at(0).defaultButton, Prompter::No);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep me"));
        f.close();

        p.answers.enqueue(Prompter::Yes);
        QVERIFY(Frm_DataModule().CreateReportDatabase(path));
        QSqlDatabase db = reportdb::open(path, Conn);
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("select count(*) from ProjectTab")) && q.next());
        QCOMPARE(q.value(0).toInt(), 0);
    }

    void createCannotDelete()
    {
        ScriptedPrompter p;
        const QString path = dbPath(QStringLiteral("adir.had"));
        QVERIFY(QDir().mkpath(path));
        p.answers.enqueue(Prompter::Yes);
        QVERIFY(!Frm_DataModule().CreateReportDatabase(path));
        QCOMPARE(p.calls.last().text, QStringLiteral("不能删除数据库 ") + path);
        QCOMPARE(p.calls.last().caption, QStringLiteral("删除数据库错误!"));
        QCOMPARE(p.calls.last().icon, Prompter::Icon::Error);
        QVERIFY(QFileInfo(path).isDir());
    }

    void openRefusesWhatIsNoReportDatabase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null = do not create
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.had" << QByteArray() << "文件不存在";
        QTest::newRow("text file") << "text.had" << QByteArray("这是文本\r\n") << "格式不对";
        QTest::newRow("zero bytes") << "empty.had" << QByteArray("") << "空的";
        QTest::newRow("directory") << "folder.had" << QByteArray("<dir>") << "文件夹";
    }
    void openRefusesWhatIsNoReportDatabase()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = dbPath(name);
        if (content == "<dir>")
            QVERIFY(QDir().mkpath(path));
        else if (!content.isNull())
            writeFile(path, content);
        try {
            reportdb::open(path, Conn);
            QFAIL("opened");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(reason), qPrintable(e.message()));
            QVERIFY(e.message().contains(QDir::toNativeSeparators(path)));
        }
        QVERIFY(!QSqlDatabase::contains(Conn));
        QCOMPARE(QFileInfo::exists(path), !content.isNull());
        if (content.isNull())
            QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
    }

    void openRefusesDamagedAndForeignDatabases()
    {
        makeFixture();
        reportdb::close(Conn);
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        // Scramble the schema page after the 100-byte header.
        for (int i = 100; i < qMin(4096, int(bytes.size())); ++i)
            bytes[i] = char(0xA5);
        f.seek(0);
        f.write(bytes);
        f.close();
        QVERIFY_THROWS_EXCEPTION(AppError, reportdb::open(m_path, Conn));
        QVERIFY(!QSqlDatabase::contains(Conn));

        // A sound SQLite file without the report tables.
        const QString other = dbPath(QStringLiteral("other.had"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            db.setDatabaseName(other);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("create table t(x)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        try {
            reportdb::open(other, Conn);
            QFAIL("opened");
        } catch (const AppError &e) {
            QVERIFY(e.message().contains(QStringLiteral("不是报告数据库")));
        }
    }

    void datasetMovesAndRecNo()
    {
        makeFixture();
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        QCOMPARE(ds.recordCount(), 3);
        QCOMPARE(ds.recNo(), 1);
        QCOMPARE(ds.text(QStringLiteral("FileNo")), QStringLiteral("1"));
        ds.last();
        QCOMPARE(ds.recNo(), 3);
        QVERIFY(ds.eof());
        ds.next();
        QCOMPARE(ds.recNo(), 3);
        ds.prior();
        QCOMPARE(ds.text(QStringLiteral("FileNo")), QStringLiteral("2"));
        ds.first();
        ds.prior();
        QVERIFY(ds.bof());
        QCOMPARE(ds.recNo(), 1);

        QVERIFY(Frm_DataModule().MoveToRecord(ds, 0));
        QCOMPARE(ds.recNo(), 1);
        QVERIFY(Frm_DataModule().MoveToRecord(ds, 2));
        QCOMPARE(ds.recNo(), 3);
        QVERIFY(Frm_DataModule().MoveToRecord(ds, 99));
        QCOMPARE(ds.recNo(), 3);

        // Insert goes before the current row, append after the last.
        ds.moveTo(1);
        ds.insert();
        ds.setText(QStringLiteral("FileNo"), QStringLiteral("1a"));
        ds.post();
        QCOMPARE(ds.recNo(), 2);
        ds.moveTo(2);
        QCOMPARE(ds.text(QStringLiteral("FileNo")), QStringLiteral("2"));

        // Moving stores a pending edit.
        ds.setText(QStringLiteral("Client"), QStringLiteral("张三"));
        QCOMPARE(ds.state(), Dataset::State::Edit);
        ds.first();
        QCOMPARE(ds.state(), Dataset::State::Browse);
        Dataset again(Conn);
        again.setSql(QStringLiteral("select * from ProjectTab where FileNo = :No"));
        again.setParameter(QStringLiteral("No"), QStringLiteral("2"));
        again.open();
        QCOMPARE(again.recordCount(), 1);
        QCOMPARE(again.text(QStringLiteral("Client")), QStringLiteral("张三"));

        // Delete keeps the position, on the last row it steps back.
        ds.last();
        ds.remove();
        QCOMPARE(ds.recordCount(), 3);
        QCOMPARE(ds.recNo(), 3);
        QCOMPARE(ds.text(QStringLiteral("FileNo")), QStringLiteral("2"));
    }

    void datasetValueKinds()
    {
        makeFixture();
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        const QDateTime when(QDate(2004, 3, 5), QTime(9, 30));
        ds.setText(QStringLiteral("ApprCircs"), QStringLiteral("00123\r\n第二行"));
        ds.setDateTime(QStringLiteral("ApprDate"), when);
        ds.setText(QStringLiteral("BuildAreaHowff"), QStringLiteral("120.5"));
        ds.setNumber(QStringLiteral("BuildAreaTrade"), 0.1);
        ds.setNull(QStringLiteral("BuildAreaGarage"));
        ds.setInteger(QStringLiteral("PageWidth"), 182);
        ds.post();
        ds.next();
        ds.first();
        QCOMPARE(ds.text(QStringLiteral("ApprCircs")), QStringLiteral("00123\r\n第二行"));
        QCOMPARE(*ds.dateTime(QStringLiteral("ApprDate")), when);
        QCOMPARE(ds.number(QStringLiteral("BuildAreaHowff")), 120.5);
        QCOMPARE(ds.text(QStringLiteral("BuildAreaTrade")), QStringLiteral("0.1"));
        QVERIFY(ds.isNull(QStringLiteral("BuildAreaGarage")));
        QCOMPARE(ds.text(QStringLiteral("BuildAreaGarage")), QString());
        QCOMPARE(ds.number(QStringLiteral("BuildAreaGarage")), 0.0);
        QCOMPARE(ds.integer(QStringLiteral("PageWidth")), 182);
        QVERIFY(!ds.dateTime(QStringLiteral("TrustDate")).has_value());
        QVERIFY(ds.isNull(QStringLiteral("DangerCircs")));
        QVERIFY(!ds.isNull(QStringLiteral("ID")));
    }

    void datasetRefusesBadValues_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("40 Chinese characters fit") << "Client" << QString(40, QChar(0x623F)) << true;
        QTest::newRow("41 characters") << "Client" << QString(41, QLatin1Char('x')) << false;
        QTest::newRow("report number 21") << "FileNo" << QString(21, QLatin1Char('9')) << false;
        QTest::newRow("area no number") << "BuildAreaHowff" << "一百" << false;
        QTest::newRow("area with unit") << "BuildAreaOther" << "12㎡" << false;
        QTest::newRow("area blank is null") << "BuildAreaOther" << "  " << true;
        QTest::newRow("int fraction") << "PageWidth" << "1.5" << false;
        QTest::newRow("date no date") << "ApprDate" << "明天" << false;
        QTest::newRow("memo unlimited") << "ApprConclusion" << QString(5000, QChar(0x623F)) << true;
    }
    void datasetRefusesBadValues()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        makeFixture();
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        ds.setText(QStringLiteral("LinkMan"), QStringLiteral("李四"));
        ds.setText(column, value);
        if (accepted) {
            ds.post();
            QCOMPARE(ds.state(), Dataset::State::Browse);
            return;
        }
        try {
            ds.post();
            QFAIL("stored");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(column), qPrintable(e.message()));
        }
        QCOMPARE(ds.state(), Dataset::State::Edit);
        // Nothing of the row was written, not even the valid column.
        Dataset check(Conn);
        check.setSql(QStringLiteral("select * from ProjectTab"));
        check.open();
        QVERIFY(check.isNull(QStringLiteral("LinkMan")));
        // A move that has to store the row fails too, and stays.
        QVERIFY_THROWS_EXCEPTION(AppError, ds.next());
        QCOMPARE(ds.recNo(), 1);
    }

    void postAndRelatedWorkAreOneTransaction()
    {
        makeFixture();
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        ds.setText(QStringLiteral("Client"), QStringLiteral("王五"));
        QVERIFY_THROWS_EXCEPTION(AppError, ds.post([] { throw AppError(QStringLiteral("失败")); }));
        QCOMPARE(ds.state(), Dataset::State::Edit);
        ds.cancel();
        ds.append();
        ds.setText(QStringLiteral("FileNo"), QStringLiteral("4"));
        QVERIFY_THROWS_EXCEPTION(AppError, ds.post([] { throw AppError(QStringLiteral("失败")); }));
        QCOMPARE(ds.state(), Dataset::State::Insert);
        ds.cancel();
        QCOMPARE(ds.recNo(), 1);
        Dataset check(Conn);
        check.setSql(QStringLiteral("select * from ProjectTab"));
        check.open();
        QCOMPARE(check.recordCount(), 3);
        QVERIFY(check.isNull(QStringLiteral("Client")));
    }

    void readOnlyFileOpensButRefusesToStore()
    {
        makeFixture();
        reportdb::close(Conn);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadUser);
        QSqlDatabase db = reportdb::open(m_path, Conn);
        // Root writes through file permissions; the engine's read-only switch stands in for them.
        if (QFileInfo(m_path).isWritable())
            QSqlQuery(db).exec(QStringLiteral("PRAGMA query_only=ON"));
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        ds.setText(QStringLiteral("Client"), QStringLiteral("赵六"));
        try {
            ds.post();
            QFAIL("stored");
        } catch (const AppError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("只读")), qPrintable(e.message()));
        }
        QCOMPARE(ds.text(QStringLiteral("Client")), QStringLiteral("赵六"));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void deleteAndMoveMessages()
    {
        ScriptedPrompter p;
        const QString path = dbPath(QStringLiteral("empty.had"));
        QFile::remove(path);
        reportdb::create(path);
        reportdb::open(path, Conn);
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        QVERIFY(!Frm_DataModule().DeleteReport(ds));
        QCOMPARE(p.messageTexts(), QStringList{QStringLiteral("数据表已空，不能删除!")});
        QCOMPARE(p.calls.at(0).icon, Prompter::Icon::Warning);
        QVERIFY(Frm_DataModule().MoveNext(ds));

        ds.append();
        ds.setText(QStringLiteral("FileNo"), QString(30, QLatin1Char('x')));
        QVERIFY(!Frm_DataModule().MoveFirst(ds));
        QCOMPARE(p.messageTexts().last(), QStringLiteral("移动记录错误!"));
    }

    void pageDefaultsContract()
    {
        // No config.ini: the initial values.
        livePageSettings().PageStyle = QStringLiteral("B5");
        LoadPageDefaults();
        QVERIFY(livePageSettings() == PageSettings());

        // Only the key "Orientation" is read; other keys keep their initial value on bad text.
        writeFile(appState().configPath(),
                  "[PageSetup]\r\nPageOrientation=1\r\nPageStyle=B5\r\nTopMargin=abc\r\nLeftMargin= 20 \r\n");
        LoadPageDefaults();
        QCOMPARE(livePageSettings().PageOrientation, 0);
        QCOMPARE(livePageSettings().PageStyle, QStringLiteral("B5"));
        QCOMPARE(livePageSettings().TopMargin, 18);
        QCOMPARE(livePageSettings().LeftMargin, 20);

        QFile::remove(appState().configPath());
        ResetPageSettings();
        SavePageDefaults();
        QFile f(appState().configPath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[PageSetup]\r\nPageStyle=A4\r\nPageWidth=210\r\nPageHeight=297\r\n"
                            "Orientation=0\r\nTopMargin=18\r\nBottomMargin=25\r\nLeftMargin=15\r\n"
                            "RightMargin=15\r\nFooterMargin=18\r\nCovOffsetRightSpace=0\r\n"
                            "CovOffsetBottomSpace=0\r\nCovRowSpace=0\r\nCovPrnSelAppraisor=1\r\n"
                            "CovPrnSelAssessor=1\r\nCovPrnSelAuthorizedMan=1\r\nApprCircsRowCount=88\r\n"
                            "ShatterReasonRowCount=20\r\nApprConclusionRowCount=20\r\n"
                            "DisposalAdviRowCount=20\r\nRowMaxCharCount=49\r\nClientWidth=68\r\n"
                            "PhoneWidth=28\r\n"));
    }

    void pageSettingsThroughTheReportRow()
    {
        ScriptedPrompter p;
        makeFixture();
        IniFile(appState().configPath()).writeString(QStringLiteral("PageSetup"), QStringLiteral("PageStyle"), QStringLiteral("B5"));
        IniFile(appState().configPath()).writeInteger(QStringLiteral("PageSetup"), QStringLiteral("Orientation"), 1);
        Dataset ds(Conn);
        ds.setSql(QStringLiteral("select * from ProjectTab"));
        ds.open();
        QVERIFY(Frm_DataModule().AppendReport(ds));
        QCOMPARE(ds.state(), Dataset::State::Insert);
        ds.post();
        QCOMPARE(ds.recNo(), 4);
        ResetPageSettings();
        QVERIFY(ReadPageSettings(ds));
        QCOMPARE(livePageSettings().PageStyle, QStringLiteral("B5"));
        QCOMPARE(livePageSettings().PageOrientation, 1);
        QCOMPARE(livePageSettings().PhoneWidth, 28);

        // A row written by other software with nulls reads as empty text and zeros.
        ds.first();
        QVERIFY(ReadPageSettings(ds));
        QCOMPARE(livePageSettings().PageStyle, QString());
        QCOMPARE(livePageSettings().PageWidth, 0);

        livePageSettings().RowMaxCharCount = 40;
        QVERIFY(WritePageSettings(ds));
        QCOMPARE(ds.state(), Dataset::State::Edit);
        ds.post();
        QCOMPARE(ds.integer(QStringLiteral("RowMaxCharCount")), 40);

        // A database without the page columns (an older file) gives the read message.
        QSqlQuery(ds.database()).exec(QStringLiteral("create table Old (FileNo varchar(20))"));
        QSqlQuery(ds.database()).exec(QStringLiteral("insert into Old values ('1')"));
        Dataset old(Conn);
        old.setSql(QStringLiteral("select * from Old"));
        old.open();
        QVERIFY(!ReadPageSettings(old));
        QVERIFY(!WritePageSettings(old));
        QCOMPARE(p.messageTexts(), (QStringList{QStringLiteral("读当前项目的页面设置数据错误!"),
                                                 QStringLiteral("写当前项目的页面设置到数据库错误!")}));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
