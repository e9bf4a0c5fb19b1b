#pragma once

#include <QString>
#include <QStringList>

// The 22 page-layout values of one report (lengths in millimetres). The field order is the
// column order of the report table and the key order of [PageSetup] in config.ini.
struct PageSettings
{
    QString PageStyle = QStringLiteral("A4");
    int PageWidth = 210;
    int PageHeight = 297;
    int PageOrientation = 0; // 0 portrait, 1 landscape
    int TopMargin = 18;
    int BottomMargin = 25;
    int LeftMargin = 15;
    int RightMargin = 15;
    int FooterMargin = 18;
    int CovOffsetRightSpace = 0;
    int CovOffsetBottomSpace = 0;
    int CovRowSpace = 0;
    int CovPrnSelAppraisor = 1;
    int CovPrnSelAssessor = 1;
    int CovPrnSelAuthorizedMan = 1;
    int ApprCircsRowCount = 88;
    int ShatterReasonRowCount = 20;
    int ApprConclusionRowCount = 20;
    int DisposalAdviRowCount = 20;
    int RowMaxCharCount = 49;
    int ClientWidth = 68;
    int PhoneWidth = 28;

    // Column names in field order (the config.ini keys, except "Orientation" for field 4).
    static const QStringList &columnNames();
    static const QStringList &iniKeys();
    // Integer field i (1..21 of the 21 integer fields, i.e. field order without PageStyle).
    int &intField(int i);
    int intField(int i) const;

    bool operator==(const PageSettings &o) const;
    bool operator!=(const PageSettings &o) const { return !(*this == o); }
};

// The one live instance: the values of the report shown last.
PageSettings &livePageSettings();

// [PageSetup] of AppDir/config.ini into the live instance; anything missing or malformed gives
// the initial value. Never fails.
void LoadPageDefaults();
// The live values into [PageSetup] of config.ini, in field order. Throws AppError on failure.
void SavePageDefaults();
// The live instance back to the initial values.
void ResetPageSettings();
