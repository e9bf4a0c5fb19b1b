#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <optional>

// A dataset over one table: the rows of a "select * from <table> ..." statement in their order,
// a current position and a buffer for the current row in browse, edit or insert state.
// Only the row ids are held; the current row is read on demand, so moving is O(1) whatever the
// number of rows. Moving to another row first stores a row in edit or insert state.
// The table's declared column types are enforced on storing: a text longer than varchar(n)
// characters, or a value that is no number for a float or int column, is refused with an
// AppError naming the column, and nothing is written.
class Dataset
{
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class Kind { Text, Integer, Float, DateTime, Other };

    struct Column
    {
        QString name;
        QString declaredType;
        Kind kind = Kind::Other;
        int maxLength = 0; // characters, 0 = unlimited
    };

    explicit Dataset(QString connectionName);

    // The statement and its named parameters (":name" in the text).
    void setSql(const QString &statement);
    const QString &sql() const { return m_sql; }
    void setParameter(const QString &name, const QVariant &value);
    void clearParameters() { m_params.clear(); }

    void open();  // positions on the first row; throws AppError
    void close(); // drops a pending row
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    QSqlDatabase database() const;
    const QString &tableName() const { return m_table; }
    const QVector<Column> &columns() const { return m_columns; }

    int recordCount() const { return m_ids.size(); }
    bool isEmpty() const { return m_ids.isEmpty(); }
    // 1-based position of the current row; 0 when there is none.
    int recNo() const;
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    // Moves (each stores a pending row first, and throws if that fails).
    void first();
    void prior();
    void next();
    void last();
    void moveTo(int index); // 0-based, clamped into the rows
    void moveBy(int delta);

    // A new empty row after the last row (append) or before the current one (insert).
    void append();
    void insert();
    void edit();
    // Stores the pending row. `alsoDo` runs in the same transaction (for rows of other tables
    // that belong to it); if anything fails, nothing is stored and the dataset keeps its state.
    void post(const std::function<void()> &alsoDo = {});
    void cancel();
    void remove(); // deletes the current row from the table

    // Field access by column name; setters enter edit state when browsing.
    bool hasColumn(const QString &name) const { return indexOf(name) >= 0; }
    bool isNull(const QString &name) const;
    QVariant value(const QString &name) const;
    QString text(const QString &name) const;            // null gives ""
    std::optional<QDateTime> dateTime(const QString &name) const; // null or no date gives none
    double number(const QString &name) const;           // null or no number gives 0
    int integer(const QString &name) const;             // null or no number gives 0

    void setValue(const QString &name, const QVariant &value);
    void setText(const QString &name, const QString &text) { setValue(name, text); }
    void setDateTime(const QString &name, const QDateTime &dt) { setValue(name, dt); }
    void setNumber(const QString &name, double v) { setValue(name, v); }
    void setInteger(const QString &name, int v) { setValue(name, v); }
    void setNull(const QString &name) { setValue(name, QVariant()); }

    // The given columns (with the row id first) of every row the statement selects, for lists.
    QSqlQuery selectColumns(const QString &columns) const;

    // Row id of the row at a 0-based position (for list models).
    qint64 rowIdAt(int index) const { return m_ids.at(index); }
    const QVector<qint64> &rowIds() const { return m_ids; }

private:
    int indexOf(const QString &name) const;
    int columnIndex(const QString &name) const; // throws for an unknown column
    void loadCurrent();
    void storePending();
    void setPosition(int index);
    QVariant storageValue(const Column &c, const QVariant &v) const; // throws on bad value

    QString m_connection;
    QString m_sql;
    QString m_table;
    QString m_rest; // the statement after the table name
    QVariantMap m_params;
    QVariantMap m_boundParams; // the parameters the open statement uses
    QVector<Column> m_columns;
    QVector<qint64> m_ids;
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Inactive;
    QVector<QVariant> m_buffer;
    QVector<bool> m_changed;
    int m_insertPos = -1;  // where a row being inserted goes in m_ids
    int m_returnPos = -1;  // position to go back to when an insert is cancelled
};
