#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gbk {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

QByteArray encodeTruncated(const QString &text, int maxBytes)
{
    QByteArray out;
    if (maxBytes <= 0)
        return out;
    QStringEncoder encoder("GB18030");
    int i = 0;
    while (i < text.size()) {
        // Keep surrogate pairs together so a character is never split.
        const int len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray bytes = encoder.encode(QStringView(text).mid(i, len));
        if (out.size() + bytes.size() > maxBytes)
            break;
        out += bytes;
        i += len;
    }
    return out;
}

} // namespace gbk
