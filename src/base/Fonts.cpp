#include "Fonts.h"

#include <QFont>
#include <QLocale>

QStringList cjkFallbackFamilies()
{
    return {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
}

void installFontSubstitutions()
{
    const QString serifSc = QStringLiteral("Noto Serif CJK SC");
    const QString sansSc = QStringLiteral("Noto Sans CJK SC");
    QFont::insertSubstitutions(QStringLiteral("宋体"), {serifSc, sansSc});
    QFont::insertSubstitutions(QStringLiteral("SimSun"), {serifSc, sansSc});
    QFont::insertSubstitutions(QStringLiteral("黑体"), {sansSc, serifSc});
    QFont::insertSubstitutions(QStringLiteral("SimHei"), {sansSc, serifSc});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), serifSc});
    // Without a Chinese locale, fallback for Han characters picks Japanese glyph shapes.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}
