#include "AppError.h"
#include "DateText.h"
#include "Gbk.h"
#include "Guard.h"
#include "IniFile.h"
#include "Rounding.h"
#include "ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestBase : public QObject
{
    Q_OBJECT

private:
    static QString writeIni(const QTemporaryDir &dir, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("config.ini"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write fixture");
        f.write(bytes);
        return path;
    }

private slots:
    void gbkRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("appraisal") << QStringLiteral("房屋安全鉴定")
                                   << QByteArray::fromHex("b7bfceddb0b2c8abbcf8b6a8");
        QTest::newRow("square metre") << QStringLiteral("㎡") << QByteArray::fromHex("a94f");
        QTest::newRow("circled one") << QStringLiteral("①") << QByteArray::fromHex("a2d9");
        QTest::newRow("per mille") << QStringLiteral("‰") << QByteArray::fromHex("a1eb");
        QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray::fromHex("a1ab");
    }
    void gbkRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(gbk::encode(text), bytes);
        QCOMPARE(gbk::decode(bytes), text);
    }

    void gbkTruncationKeepsCharactersWhole()
    {
        QCOMPARE(gbk::encodeTruncated(QStringLiteral("ab房屋"), 5), QByteArray("ab") + gbk::encode(QStringLiteral("房")));
        QCOMPARE(gbk::encodeTruncated(QStringLiteral("房屋"), 3), gbk::encode(QStringLiteral("房")));
        QCOMPARE(gbk::encodeTruncated(QStringLiteral("房屋"), 0), QByteArray());
    }

    void iniRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("expected"); // readInteger with default -7

        const QByteArray basic = "[Commond]\r\nAutoSaveTime=12\r\nAutoOpenItem=0\r\n";
        QTest::newRow("plain") << basic << "Commond" << "AutoSaveTime" << 12;
        QTest::newRow("section other case") << basic << "COMMOND" << "autosavetime" << 12;
        QTest::newRow("missing key") << basic << "Commond" << "Nothing" << -7;
        QTest::newRow("missing section") << basic << "Misc" << "AutoSaveTime" << -7;
        QTest::newRow("no file") << QByteArray() << "Commond" << "AutoSaveTime" << -7;
        QTest::newRow("blanks around") << QByteArray("[Commond]\n  AutoSaveTime =  8  \n") << "Commond"
                                       << "AutoSaveTime" << 8;
        QTest::newRow("plus sign") << QByteArray("[a]\nk=+5\n") << "a" << "k" << 5;
        QTest::newRow("minus sign") << QByteArray("[a]\nk=-3\n") << "a" << "k" << -3;
        QTest::newRow("hex") << QByteArray("[a]\nk=$10\n") << "a" << "k" << 16;
        QTest::newRow("inner blank") << QByteArray("[a]\nk=1 2\n") << "a" << "k" << -7;
        QTest::newRow("fraction") << QByteArray("[a]\nk=1.5\n") << "a" << "k" << -7;
        QTest::newRow("letters") << QByteArray("[a]\nk=1a\n") << "a" << "k" << -7;
        QTest::newRow("too big") << QByteArray("[a]\nk=99999999999\n") << "a" << "k" << -7;
        QTest::newRow("empty value") << QByteArray("[a]\nk=\n") << "a" << "k" << -7;
        QTest::newRow("duplicate section, first wins")
            << QByteArray("[a]\nk=1\n[b]\nk=9\n[A]\nk=2\n") << "a" << "k" << 1;
        QTest::newRow("duplicate key, first wins") << QByteArray("[a]\nk=1\nK=2\n") << "a" << "k" << 1;
        QTest::newRow("key in later section not seen")
            << QByteArray("[a]\nx=1\n[b]\nk=3\n") << "a" << "k" << -7;
        QTest::newRow("comment") << QByteArray("[a]\n;k=4\nk=5\n") << "a" << "k" << 5;
        QTest::newRow("binary garbage") << QByteArray("\xff\xfe\x00\x81\x30[\x01\x02\n=\xfe\xff\n", 14)
                                        << "a" << "k" << -7;
    }
    void iniRead()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = file.isNull() ? dir.filePath(QStringLiteral("none.ini")) : writeIni(dir, file);
        IniFile ini(path);
        QCOMPARE(ini.readInteger(section, key, -7), expected);
        QCOMPARE(ini.readBool(section, key, true), expected == -7 ? true : expected != 0);
    }

    void iniWriteKeepsOtherLinesAndUsesCrlf()
    {
        QTemporaryDir dir;
        const QByteArray before = QByteArray("; note \xb7\xbf\n[Commond]\nAutoSaveTime=7\nOther=x y\n\n[Misc]\nIsPrintSoftMess=0\n");
        const QString path = writeIni(dir, before);
        IniFile ini(path);
        ini.writeString(QStringLiteral("commond"), QStringLiteral("OpenFileName"),
                        QStringLiteral("/data/房屋.had"));
        ini.writeInteger(QStringLiteral("MISC"), QStringLiteral("isprintsoftmess"), 1);
        ini.writeString(QStringLiteral("PageSetup"), QStringLiteral("PageStyle"), QStringLiteral("A4"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray expected = QByteArray("; note \xb7\xbf\r\n[Commond]\r\nAutoSaveTime=7\r\nOther=x y\r\nOpenFileName=/data/")
            + gbk::encode(QStringLiteral("房屋")) + ".had\r\n\r\n[Misc]\r\nisprintsoftmess=1\r\n[PageSetup]\r\nPageStyle=A4\r\n";
        QCOMPARE(f.readAll(), expected);
        IniFile again(path);
        QCOMPARE(again.readString(QStringLiteral("Commond"), QStringLiteral("OpenFileName"), QString()),
                 QStringLiteral("/data/房屋.had"));
    }

    void iniWriteCreatesFileAndReportsFailure()
    {
        QTemporaryDir dir;
        IniFile created(dir.filePath(QStringLiteral("new.ini")));
        created.writeBool(QStringLiteral("Commond"), QStringLiteral("AutoOpenItem"), false);
        QCOMPARE(IniFile(created.path()).readBool(QStringLiteral("Commond"), QStringLiteral("AutoOpenItem"), true), false);

        IniFile nowhere(dir.filePath(QStringLiteral("missing/dir/x.ini")));
        QVERIFY_THROWS_EXCEPTION(AppError, nowhere.writeInteger(QStringLiteral("a"), QStringLiteral("k"), 1));
        QCOMPARE(nowhere.readInteger(QStringLiteral("a"), QStringLiteral("k"), 3), 3);
    }

    void twoDigitYear_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("currentYear");
        QTest::addColumn<int>("expected");
        QTest::newRow("54 in 2024") << 54 << 2024 << 1954;
        QTest::newRow("53 in 2024") << 53 << 2024 << 2053;
        QTest::newRow("03 in 2024") << 3 << 2024 << 2003;
        QTest::newRow("60 in 2024") << 60 << 2024 << 1960;
        QTest::newRow("four digits kept") << 1999 << 2024 << 1999;
    }
    void twoDigitYear()
    {
        QFETCH(int, written);
        QFETCH(int, currentYear);
        QFETCH(int, expected);
        QCOMPARE(datetext::completeYear(written, currentYear), expected);
    }

    void dateFormats_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("chinese") << datetext::ChineseDate << QStringLiteral("2004年3月5日");
        QTest::newRow("chinese padded") << datetext::ChineseDatePadded << QStringLiteral("2004年03月05日");
        QTest::newRow("short") << datetext::ShortDate << QStringLiteral("2004-03-05");
        QTest::newRow("us") << datetext::UsDate << QStringLiteral("03/05/2004");
        QTest::newRow("dotted") << datetext::DottedDate << QStringLiteral("2004.03.05");
    }
    void dateFormats()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(datetext::format(QDate(2004, 3, 5), pattern), expected);
        QCOMPARE(datetext::parse(expected, 2024)->date(), QDate(2004, 3, 5));
    }

    void dateParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected"); // invalid = no date
        QTest::newRow("storage") << "2004-03-05 14:30:00" << QDateTime(QDate(2004, 3, 5), QTime(14, 30));
        QTest::newRow("two-digit year") << "03-5-6" << QDateTime(QDate(2003, 5, 6), QTime(0, 0));
        QTest::newRow("no date") << "明天" << QDateTime();
        QTest::newRow("31 February") << "2004-02-31" << QDateTime();
        QTest::newRow("empty") << "" << QDateTime();
        QTest::newRow("bad time") << "2004-03-05 25:00" << QDateTime();
    }
    void dateParsing()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const auto got = datetext::parse(text, 2024);
        QCOMPARE(got.has_value(), expected.isValid());
        if (got)
            QCOMPARE(*got, expected);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("bankers");
        QTest::addColumn<qint64>("away");
        QTest::newRow("2.5") << 2.5 << qint64(2) << qint64(3);
        QTest::newRow("3.5") << 3.5 << qint64(4) << qint64(4);
        QTest::newRow("-2.5") << -2.5 << qint64(-2) << qint64(-3);
        QTest::newRow("2.4999") << 2.4999 << qint64(2) << qint64(2);
        QTest::newRow("2.51") << 2.51 << qint64(3) << qint64(3);
    }
    void rounding()
    {
        QFETCH(double, x);
        QFETCH(qint64, bankers);
        QFETCH(qint64, away);
        QCOMPARE(bankersRound(x), bankers);
        QCOMPARE(roundHalfAwayFromZero(x), away);
    }

    void guardShowsMessageOrFailureText()
    {
        ScriptedPrompter p;
        QVERIFY(guarded([] {}));
        QVERIFY(!guarded([] { throw AppError(QStringLiteral("磁盘已满")); }));
        QVERIFY(!guarded([] { throw std::runtime_error("x"); }, QStringLiteral("移动记录错误!")));
        QCOMPARE(p.messageTexts(), QStringList({QStringLiteral("磁盘已满"), QStringLiteral("移动记录错误!")}));
        QCOMPARE(p.calls.at(0).caption, QStringLiteral("Lumarel房屋安全鉴定管理系统"));
        QCOMPARE(p.calls.at(1).icon, Prompter::Icon::Error);
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "tst_base.moc"
