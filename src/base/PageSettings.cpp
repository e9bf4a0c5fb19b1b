#include "PageSettings.h"

#include "AppState.h"
#include "IniFile.h"

namespace {
const QString Section = QStringLiteral("PageSetup");
}

const QStringList &PageSettings::columnNames()
{
    static const QStringList names = {
        QStringLiteral("PageStyle"),           QStringLiteral("PageWidth"),
        QStringLiteral("PageHeight"),          QStringLiteral("PageOrientation"),
        QStringLiteral("TopMargin"),           QStringLiteral("BottomMargin"),
        QStringLiteral("LeftMargin"),          QStringLiteral("RightMargin"),
        QStringLiteral("FooterMargin"),        QStringLiteral("CovOffsetRightSpace"),
        QStringLiteral("CovOffsetBottomSpace"), QStringLiteral("CovRowSpace"),
        QStringLiteral("CovPrnSelAppraisor"),  QStringLiteral("CovPrnSelAssessor"),
        QStringLiteral("CovPrnSelAuthorizedMan"), QStringLiteral("ApprCircsRowCount"),
        QStringLiteral("ShatterReasonRowCount"), QStringLiteral("ApprConclusionRowCount"),
        QStringLiteral("DisposalAdviRowCount"), QStringLiteral("RowMaxCharCount"),
        QStringLiteral("ClientWidth"),         QStringLiteral("PhoneWidth")};
    return names;
}

const QStringList &PageSettings::iniKeys()
{
    static const QStringList keys = [] {
        QStringList k = columnNames();
        k[3] = QStringLiteral("Orientation");
        return k;
    }();
    return keys;
}

int &PageSettings::intField(int i)
{
    int *fields[] = {&PageWidth,          &PageHeight,          &PageOrientation,
                     &TopMargin,          &BottomMargin,        &LeftMargin,
                     &RightMargin,        &FooterMargin,        &CovOffsetRightSpace,
                     &CovOffsetBottomSpace, &CovRowSpace,       &CovPrnSelAppraisor,
                     &CovPrnSelAssessor,  &CovPrnSelAuthorizedMan, &ApprCircsRowCount,
                     &ShatterReasonRowCount, &ApprConclusionRowCount, &DisposalAdviRowCount,
                     &RowMaxCharCount,    &ClientWidth,         &PhoneWidth};
    Q_ASSERT(i >= 1 && i <= 21);
    return *fields[i - 1];
}

int PageSettings::intField(int i) const
{
    return const_cast<PageSettings *>(this)->intField(i);
}

bool PageSettings::operator==(const PageSettings &o) const
{
    if (PageStyle != o.PageStyle)
        return false;
    for (int i = 1; i <= 21; ++i) {
        if (intField(i) != o.intField(i))
            return false;
    }
    return true;
}

PageSettings &livePageSettings()
{
    static PageSettings live;
    return live;
}

void LoadPageDefaults()
{
    const IniFile ini(appState().configPath());
    const PageSettings initial;
    PageSettings &live = livePageSettings();
    const QStringList &keys = PageSettings::iniKeys();
    live.PageStyle = ini.readString(Section, keys.at(0), initial.PageStyle);
    for (int i = 1; i <= 21; ++i)
        live.intField(i) = ini.readInteger(Section, keys.at(i), initial.intField(i));
}

void SavePageDefaults()
{
    const PageSettings &live = livePageSettings();
    const QStringList &keys = PageSettings::iniKeys();
    QList<QPair<QString, QString>> values;
    values.append({keys.at(0), live.PageStyle});
    for (int i = 1; i <= 21; ++i)
        values.append({keys.at(i), QString::number(live.intField(i))});
    IniFile(appState().configPath()).writeStrings(Section, values);
}

void ResetPageSettings()
{
    livePageSettings() = PageSettings();
}
