// Build-time tool: writes the clause database (table ApprStandar) from the clause list.
// Usage: make_clause_db <clauses.tsv> <ApprStandar.mdb>
// The database is written beside the target and renamed over it only when complete.

#include "CalcuStore.h"
#include "Chooser.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>

namespace {

struct Clause
{
    QString part, structure, no, item;
};

class Failure
{
public:
    explicit Failure(QString text) : message(std::move(text)) {}
    QString message;
};

QSet<QString> vocabulary(int gridColumn)
{
    QSet<QString> words;
    for (const assess::ChooserEntry &e : assess::chooserContent(gridColumn).entries)
        words.insert(e.text);
    return words;
}

QList<Clause> readClauses(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(path + QStringLiteral(": ") + file.errorString());
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QString header = QStringLiteral("Part\tStruct\tNo\tFileItem");
    if (lines.isEmpty() || lines.first().trimmed() != header)
        throw Failure(path + QStringLiteral(": the first line must be the header ") + header);

    // A clause the chooser can never reach is a typo in the list.
    const QSet<QString> parts = vocabulary(assess::ColBldgConstitute);
    const QSet<QString> structures = vocabulary(assess::ColComponentStructure);
    QSet<QString> keys;
    QList<Clause> clauses;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(path).arg(i + 1);
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 4)
            throw Failure(where + QStringLiteral("expected 4 tab-separated fields"));
        const Clause c{f[0].trimmed(), f[1].trimmed(), f[2].trimmed(), f[3].trimmed()};
        if (!parts.contains(c.part))
            throw Failure(where + QStringLiteral("unknown part ") + c.part);
        if (!structures.contains(c.structure))
            throw Failure(where + QStringLiteral("unknown structure ") + c.structure);
        // The number is stored in a report's CalcuData.correspondingFileItem.
        if (c.no.isEmpty() || c.no.size() > assess::CalcuTextLimit)
            throw Failure(where + QStringLiteral("clause number empty or too long"));
        if (c.item.isEmpty())
            throw Failure(where + QStringLiteral("clause text empty"));
        const QString key = c.part + QLatin1Char('\t') + c.structure + QLatin1Char('\t') + c.no;
        if (keys.contains(key))
            throw Failure(where + QStringLiteral("duplicate clause ") + c.no);
        keys.insert(key);
        clauses.append(c);
    }
    if (clauses.isEmpty())
        throw Failure(path + QStringLiteral(": no clauses"));
    return clauses;
}

void run(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement))
        throw Failure(statement + QStringLiteral(": ") + query.lastError().text());
}

void writeDatabase(const QString &path, const QList<Clause> &clauses)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("out"));
    db.setDatabaseName(path);
    if (!db.open())
        throw Failure(path + QStringLiteral(": ") + db.lastError().text());
    {
        QSqlQuery query(db);
        run(query, QStringLiteral("Create Table ApprStandar (Part varchar(20), "
                                  "Struct varchar(20), No varchar(20), FileItem TEXT)"));
        run(query, QStringLiteral("BEGIN"));
        if (!query.prepare(QStringLiteral(
                "Insert into ApprStandar (Part, Struct, No, FileItem) values (?, ?, ?, ?)")))
            throw Failure(query.lastError().text());
        for (const Clause &c : clauses) {
            query.addBindValue(c.part);
            query.addBindValue(c.structure);
            query.addBindValue(c.no);
            query.addBindValue(c.item);
            if (!query.exec())
                throw Failure(c.no + QStringLiteral(": ") + query.lastError().text());
        }
        run(query, QStringLiteral("COMMIT"));
    }
    db.close();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_clause_db <clauses.tsv> <ApprStandar.mdb>\n");
        return 2;
    }
    const QString target = args.at(2);
    const QString temp = target + QStringLiteral(".part");
    try {
        const QList<Clause> clauses = readClauses(args.at(1));
        QFile::remove(temp);
        writeDatabase(temp, clauses);
        QSqlDatabase::removeDatabase(QStringLiteral("out"));
        // rename(2) replaces the old file in one step; QFile::rename would refuse.
        if (std::rename(QFile::encodeName(temp).constData(),
                        QFile::encodeName(target).constData()) != 0)
            throw Failure(temp + QStringLiteral(": cannot rename to ") + target);
        std::printf("%s: %d clauses\n", QFile::encodeName(target).constData(),
                    int(clauses.size()));
        return 0;
    } catch (const Failure &f) {
        QSqlDatabase::removeDatabase(QStringLiteral("out"));
        QFile::remove(temp);
        std::fprintf(stderr, "make_clause_db: %s\n", f.message.toLocal8Bit().constData());
        return 1;
    }
}
