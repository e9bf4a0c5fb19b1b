#include "IniFile.h"

#include "AppError.h"
#include "Gbk.h"

#include <QFile>
#include <QSaveFile>

#include <limits>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Section name of a header line "[name]", or a null string.
QString headerName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return {};
    const int close = t.indexOf(QLatin1Char(']'));
    return close < 0 ? t.mid(1).trimmed() : t.mid(1, close - 1).trimmed();
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    load();
}

void IniFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray data = file.readAll();
    if (data.isEmpty())
        return;
    m_lines = data.split('\n');
    for (QByteArray &line : m_lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString &section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString name = headerName(gbk::decode(m_lines.at(i)));
        if (!name.isNull() && sameName(name, section))
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        if (!headerName(gbk::decode(m_lines.at(i))).isNull())
            return i;
    }
    return m_lines.size();
}

int IniFile::findKey(int sectionLine, const QString &key, QString *value) const
{
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const QString line = gbk::decode(m_lines.at(i));
        if (line.trimmed().startsWith(QLatin1Char(';')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || !sameName(line.left(eq), key))
            continue;
        if (value) {
            QString v = line.mid(eq + 1).trimmed();
            if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                v = v.mid(1, v.size() - 2);
            *value = v;
        }
        return i;
    }
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    if (s < 0)
        return def;
    QString value;
    return findKey(s, key, &value) < 0 ? def : value;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key, nullptr) >= 0;
}

bool IniFile::parseInteger(const QString &text, int *value)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t = t.mid(1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t = t.mid(1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t = t.mid(2);
    }
    if (t.isEmpty())
        return false;
    for (QChar c : t) {
        const bool ok = base == 10 ? (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                                   : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok)
            return false;
    }
    bool ok = false;
    const qlonglong magnitude = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    const qlonglong v = negative ? -magnitude : magnitude;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    *value = static_cast<int>(v);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int v = def;
    return parseInteger(readString(section, key, QString()), &v) ? v : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::setKey(const QString &section, const QString &key, const QString &value)
{
    const QByteArray line = gbk::encode(key + QLatin1Char('=') + value);
    int s = findSection(section);
    if (s < 0) {
        m_lines.append(gbk::encode(QLatin1Char('[') + section + QLatin1Char(']')));
        m_lines.append(line);
        return;
    }
    const int k = findKey(s, key, nullptr);
    if (k >= 0) {
        m_lines[k] = line;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int at = sectionEnd(s);
    while (at - 1 > s && m_lines.at(at - 1).trimmed().isEmpty())
        --at;
    m_lines.insert(at, line);
}

void IniFile::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("不能写入文件 %1:\n%2").arg(m_path, file.errorString()));
    QByteArray data;
    for (const QByteArray &line : m_lines) {
        data += line;
        data += "\r\n";
    }
    if (file.write(data) != data.size() || !file.commit())
        throw AppError(QStringLiteral("不能写入文件 %1:\n%2").arg(m_path, file.errorString()));
}

void IniFile::writeStrings(const QString &section, const QList<QPair<QString, QString>> &values)
{
    load(); // another writer may have changed the file since we read it
    for (const auto &kv : values)
        setKey(section, kv.first, kv.second);
    try {
        save();
    } catch (...) {
        load(); // keep memory in line with the file that was not replaced
        throw;
    }
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeStrings(section, {{key, value}});
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}
