#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A Windows-style INI file: GBK text, CRLF lines, section and key names compared without regard
// to letter case, the first of duplicate sections or keys wins. Reading never fails: a missing
// file, section or key, or a malformed value gives the caller's default. Writing changes only the
// one line concerned, creates file and section when missing and replaces the file atomically;
// a failed write throws AppError with the reason.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    bool hasKey(const QString &section, const QString &key) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Writes several keys of one section with a single file replacement.
    void writeStrings(const QString &section, const QList<QPair<QString, QString>> &values);

    // Whole-number text as the platform reads it: blanks around it, an optional sign,
    // decimal digits or a "$"/"0x" hexadecimal form, within 32 bits.
    static bool parseInteger(const QString &text, int *value);

private:
    void load();
    int findSection(const QString &section) const;               // line index of header or -1
    int findKey(int sectionLine, const QString &key, QString *value) const; // line index or -1
    int sectionEnd(int sectionLine) const;                        // first line after the section
    void setKey(const QString &section, const QString &key, const QString &value);
    void save() const;

    QString m_path;
    QList<QByteArray> m_lines; // raw bytes without line terminators: untouched lines stay exact
};
