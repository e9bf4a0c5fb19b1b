#include "Dataset.h"

#include "AppError.h"
#include "DateText.h"
#include "Sql.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>
#include <limits>

namespace {

Dataset::Column describe(const QString &name, const QString &declared)
{
    Dataset::Column c;
    c.name = name;
    c.declaredType = declared;
    const QString t = declared.toLower();
    static const QRegularExpression varchar(QStringLiteral("^\\s*(?:n?var)?char\\s*\\(\\s*(\\d+)\\s*\\)"));
    const auto m = varchar.match(t);
    if (m.hasMatch()) {
        c.kind = Dataset::Kind::Text;
        c.maxLength = m.captured(1).toInt();
    } else if (t.contains(QLatin1String("char")) || t.contains(QLatin1String("text")) ||
               t.contains(QLatin1String("memo"))) {
        c.kind = Dataset::Kind::Text;
    } else if (t.contains(QLatin1String("int"))) {
        c.kind = Dataset::Kind::Integer;
    } else if (t.contains(QLatin1String("float")) || t.contains(QLatin1String("real")) ||
               t.contains(QLatin1String("double"))) {
        c.kind = Dataset::Kind::Float;
    } else if (t.contains(QLatin1String("date")) || t.contains(QLatin1String("time"))) {
        c.kind = Dataset::Kind::DateTime;
    }
    return c;
}

int currentYear()
{
    return QDate::currentDate().year();
}

} // namespace

Dataset::Dataset(QString connectionName) : m_connection(std::move(connectionName)) {}

QSqlDatabase Dataset::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void Dataset::setSql(const QString &statement)
{
    if (isOpen())
        close();
    m_sql = statement;
}

void Dataset::setParameter(const QString &name, const QVariant &value)
{
    m_params.insert(name, value);
}

void Dataset::open()
{
    close();
    static const QRegularExpression form(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+([A-Za-z_][A-Za-z0-9_]*)(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = form.match(m_sql);
    if (!m.hasMatch())
        throw AppError(QStringLiteral("不支持的查询语句：%1").arg(m_sql));
    const QSqlDatabase db = database();
    if (!db.isOpen())
        throw AppError(QStringLiteral("数据库没有打开。"));

    QVector<Column> columns;
    QSqlQuery info = sql::exec(db, QStringLiteral("PRAGMA table_info(%1)").arg(m.captured(1)));
    while (info.next())
        columns.append(describe(info.value(1).toString(), info.value(2).toString()));
    if (columns.isEmpty())
        throw AppError(QStringLiteral("数据库中没有数据表 %1。").arg(m.captured(1)));

    // Only the parameters the statement names are bound.
    const QString rest = m.captured(2);
    QVariantMap params;
    for (auto it = m_params.cbegin(); it != m_params.cend(); ++it) {
        if (rest.contains(QLatin1Char(':') + it.key()))
            params.insert(it.key(), it.value());
    }
    QSqlQuery ids = sql::exec(db, QStringLiteral("select rowid from %1%2").arg(m.captured(1), rest), params);
    QVector<qint64> list;
    while (ids.next())
        list.append(ids.value(0).toLongLong());

    m_table = m.captured(1);
    m_rest = rest;
    m_boundParams = params;
    m_columns = columns;
    m_ids = list;
    m_state = State::Browse;
    setPosition(m_ids.isEmpty() ? -1 : 0);
}

QSqlQuery Dataset::selectColumns(const QString &columns) const
{
    if (!isOpen())
        throw AppError(QStringLiteral("数据集没有打开。"));
    return sql::exec(database(), QStringLiteral("select rowid, %1 from %2%3").arg(columns, m_table, m_rest),
                     m_boundParams);
}

void Dataset::close()
{
    m_state = State::Inactive;
    m_ids.clear();
    m_buffer.clear();
    m_changed.clear();
    m_pos = -1;
    m_bof = m_eof = true;
}

int Dataset::recNo() const
{
    if (m_state == State::Insert)
        return m_insertPos + 1;
    return m_pos < 0 ? 0 : m_pos + 1;
}

int Dataset::indexOf(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Dataset::columnIndex(const QString &name) const
{
    if (!isOpen())
        throw AppError(QStringLiteral("数据集没有打开。"));
    const int i = indexOf(name);
    if (i < 0)
        throw AppError(QStringLiteral("数据表 %1 中没有列 %2。").arg(m_table, name));
    return i;
}

void Dataset::setPosition(int index)
{
    m_pos = index;
    loadCurrent();
}

void Dataset::loadCurrent()
{
    m_buffer = QVector<QVariant>(m_columns.size());
    m_changed = QVector<bool>(m_columns.size(), false);
    if (m_pos < 0)
        return;
    QSqlQuery q = sql::exec(database(), QStringLiteral("select * from %1 where rowid = :rid").arg(m_table),
                            {{QStringLiteral("rid"), m_ids.at(m_pos)}});
    if (!q.next())
        return; // removed by someone else meanwhile: shows as an empty row
    for (int i = 0; i < m_columns.size(); ++i)
        m_buffer[i] = q.value(i);
}

void Dataset::storePending()
{
    if (m_state == State::Edit || m_state == State::Insert)
        post();
}

void Dataset::first()
{
    storePending();
    m_bof = true;
    m_eof = m_ids.isEmpty();
    setPosition(m_ids.isEmpty() ? -1 : 0);
}

void Dataset::last()
{
    storePending();
    m_eof = true;
    m_bof = m_ids.isEmpty();
    setPosition(m_ids.size() - 1);
}

void Dataset::next()
{
    storePending();
    if (m_pos + 1 >= m_ids.size()) {
        m_eof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    setPosition(m_pos + 1);
}

void Dataset::prior()
{
    storePending();
    if (m_pos <= 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    setPosition(m_pos - 1);
}

void Dataset::moveTo(int index)
{
    storePending();
    if (m_ids.isEmpty()) {
        m_bof = m_eof = true;
        setPosition(-1);
        return;
    }
    const int target = qBound(0, index, m_ids.size() - 1);
    m_bof = target == 0 && index <= 0;
    m_eof = index > m_ids.size() - 1; // past the last row, as a forward move would run
    setPosition(target);
}

void Dataset::moveBy(int delta)
{
    if (m_pos < 0)
        return;
    moveTo(m_pos + delta);
}

void Dataset::append()
{
    storePending();
    m_returnPos = m_pos;
    m_insertPos = m_ids.size();
    m_state = State::Insert;
    m_buffer = QVector<QVariant>(m_columns.size());
    m_changed = QVector<bool>(m_columns.size(), false);
}

void Dataset::insert()
{
    storePending();
    m_returnPos = m_pos;
    m_insertPos = m_pos < 0 ? 0 : m_pos;
    m_state = State::Insert;
    m_buffer = QVector<QVariant>(m_columns.size());
    m_changed = QVector<bool>(m_columns.size(), false);
}

void Dataset::edit()
{
    if (!isOpen())
        throw AppError(QStringLiteral("数据集没有打开。"));
    if (m_state != State::Browse)
        return;
    if (m_pos < 0)
        throw AppError(QStringLiteral("数据表已空，没有可以修改的记录。"));
    m_state = State::Edit;
}

QVariant Dataset::storageValue(const Column &c, const QVariant &v) const
{
    if (v.isNull())
        return QVariant();
    const auto refuse = [&](const QString &why) {
        return AppError(QStringLiteral("不能保存“%1”：%2").arg(c.name, why));
    };
    switch (c.kind) {
    case Kind::Text: {
        const QString s = v.typeId() == QMetaType::QDateTime ? datetext::toStorage(v.toDateTime()) : v.toString();
        if (c.maxLength > 0) {
            const int chars = s.toUcs4().size();
            if (chars > c.maxLength)
                throw refuse(QStringLiteral("内容有 %1 个字符，最多只能有 %2 个字符。").arg(chars).arg(c.maxLength));
        }
        return s;
    }
    case Kind::Float: {
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            return v.toDouble();
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw refuse(QStringLiteral("“%1”不是数字。").arg(v.toString()));
        return d;
    }
    case Kind::Integer: {
        if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            return v.toLongLong();
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        bool ok = false;
        const qlonglong i = s.toLongLong(&ok);
        if (!ok || i < std::numeric_limits<int>::min() || i > std::numeric_limits<int>::max())
            throw refuse(QStringLiteral("“%1”不是整数。").arg(v.toString()));
        return i;
    }
    case Kind::DateTime: {
        if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
            const QDateTime dt = v.toDateTime();
            if (!dt.isValid())
                throw refuse(QStringLiteral("日期无效。"));
            return datetext::toStorage(dt);
        }
        const QString s = v.toString().trimmed();
        if (s.isEmpty())
            return QVariant();
        const auto dt = datetext::parse(s, currentYear());
        if (!dt)
            throw refuse(QStringLiteral("“%1”不是日期。").arg(v.toString()));
        return datetext::toStorage(*dt);
    }
    case Kind::Other:
        break;
    }
    return v;
}

void Dataset::post(const std::function<void()> &alsoDo)
{
    if (!isOpen())
        throw AppError(QStringLiteral("数据集没有打开。"));
    const bool pending = m_state == State::Edit || m_state == State::Insert;
    if (!pending && !alsoDo)
        return;

    // Check every value before anything is written.
    QStringList names;
    QVariantList values;
    for (int i = 0; i < m_columns.size(); ++i) {
        const bool write = m_state == State::Insert ? !m_buffer.at(i).isNull() : m_changed.at(i);
        if (pending && write) {
            names << m_columns.at(i).name;
            values << storageValue(m_columns.at(i), m_buffer.at(i));
        }
    }

    const QSqlDatabase db = database();
    sql::Transaction tx(db);
    qint64 newId = -1;
    if (m_state == State::Insert) {
        QSqlQuery q(db);
        QString statement;
        if (names.isEmpty()) {
            statement = QStringLiteral("insert into %1 default values").arg(m_table);
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            statement = QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(m_table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        if (!q.prepare(statement))
            throw AppError(QStringLiteral("保存记录失败：%1").arg(sql::reason(q.lastError())));
        for (const QVariant &v : values)
            q.addBindValue(v);
        if (!q.exec())
            throw AppError(QStringLiteral("保存记录失败：%1").arg(sql::reason(q.lastError())));
        newId = q.lastInsertId().toLongLong();
    } else if (m_state == State::Edit && !names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral("=?");
        QSqlQuery q(db);
        if (!q.prepare(QStringLiteral("update %1 set %2 where rowid=?").arg(m_table, sets.join(QLatin1Char(',')))))
            throw AppError(QStringLiteral("保存记录失败：%1").arg(sql::reason(q.lastError())));
        for (const QVariant &v : values)
            q.addBindValue(v);
        q.addBindValue(m_ids.at(m_pos));
        if (!q.exec())
            throw AppError(QStringLiteral("保存记录失败：%1").arg(sql::reason(q.lastError())));
        if (q.numRowsAffected() == 0)
            throw AppError(QStringLiteral("保存记录失败：这条记录在数据库中已不存在（可能已被另一个窗口删除）。"));
    }
    if (alsoDo)
        alsoDo();
    tx.commit();

    if (m_state == State::Insert) {
        m_ids.insert(m_insertPos, newId);
        m_pos = m_insertPos;
        m_bof = m_eof = false;
    }
    m_state = State::Browse;
    m_insertPos = m_returnPos = -1;
    loadCurrent(); // what the table now holds (dates and numbers in stored form)
}

void Dataset::cancel()
{
    if (m_state == State::Insert) {
        m_state = State::Browse;
        setPosition(m_returnPos);
    } else if (m_state == State::Edit) {
        m_state = State::Browse;
        loadCurrent();
    }
    m_insertPos = m_returnPos = -1;
}

void Dataset::remove()
{
    if (!isOpen())
        throw AppError(QStringLiteral("数据集没有打开。"));
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_pos < 0)
        throw AppError(QStringLiteral("数据表已空，不能删除!"));
    sql::exec(database(), QStringLiteral("delete from %1 where rowid = :rid").arg(m_table),
              {{QStringLiteral("rid"), m_ids.at(m_pos)}});
    m_ids.removeAt(m_pos);
    m_state = State::Browse;
    const int next = qMin(m_pos, m_ids.size() - 1);
    m_bof = next <= 0;
    m_eof = next >= m_ids.size() - 1;
    setPosition(next);
}

bool Dataset::isNull(const QString &name) const
{
    return m_buffer.value(columnIndex(name)).isNull();
}

QVariant Dataset::value(const QString &name) const
{
    return m_buffer.value(columnIndex(name));
}

QString Dataset::text(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::QDateTime)
        return datetext::toStorage(v.toDateTime());
    if (v.typeId() == QMetaType::Double) {
        // Shortest form that reads back to the same number.
        return QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest);
    }
    return v.toString();
}

std::optional<QDateTime> Dataset::dateTime(const QString &name) const
{
    const QVariant v = value(name);
    if (v.isNull())
        return std::nullopt;
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
        const QDateTime dt = v.toDateTime();
        return dt.isValid() ? std::optional<QDateTime>(dt) : std::nullopt;
    }
    return datetext::parse(v.toString(), currentYear());
}

double Dataset::number(const QString &name) const
{
    const QVariant v = value(name);
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
}

int Dataset::integer(const QString &name) const
{
    const QVariant v = value(name);
    bool ok = false;
    const QString s = v.toString().trimmed();
    const qlonglong i = s.toLongLong(&ok);
    if (ok)
        return static_cast<int>(qBound(qlonglong(std::numeric_limits<int>::min()), i,
                                        qlonglong(std::numeric_limits<int>::max())));
    const double d = s.toDouble(&ok);
    return ok ? static_cast<int>(d) : 0;
}

void Dataset::setValue(const QString &name, const QVariant &v)
{
    const int i = columnIndex(name);
    if (m_state == State::Browse)
        edit();
    m_buffer[i] = v;
    m_changed[i] = true;
}
