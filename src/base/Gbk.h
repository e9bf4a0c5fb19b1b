#pragma once

#include <QByteArray>
#include <QString>

// Stored texts (config.ini, templates, page files) are GBK bytes. GB18030 is a superset that
// agrees with GBK on every GBK character and loses nothing outside it.
namespace gbk {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// Longest prefix of text whose encoding fits into maxBytes, never splitting a character.
QByteArray encodeTruncated(const QString &text, int maxBytes);
} // namespace gbk
