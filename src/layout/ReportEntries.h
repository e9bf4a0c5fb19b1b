#pragma once

#include <QDate>
#include <QString>

#include <functional>

// What the pages take from a report window: the texts of its entry controls (named after the
// controls) and its two dates. The four multi-line texts may use any line breaks.
struct ReportEntries
{
    QString labedtFileNo;
    QString labedtClient2;
    QString labedtLinkPhone2;
    QDate dtpickTrustDate1;
    QString labedtAddress2;
    QString labedtPropertyRightMan2;
    QString cbbBldgPurpose;
    QString labedtBuildYear;
    QString cbbStrucStyle;
    QString labedtSum;
    QString cbbPlaneShape;
    QString labedtLayers;
    QString cbbPropertyRightAttr;
    QString labedtPropertyRightCertificate2;
    QString labedtMemory;
    QString labedtApprPurpose2;
    QString memApprCircs;
    QString memShatterReason;
    QString memApprConclusion;
    QString memDisposalAdvi;
    QString labedtApprUnit;
    QString labedtAppraiser;
    QString labedtAssessor;
    QString labedtAuthorizedMan;
    QDate dtpickApprDate;
    QString labedtAppraiser1; // inspection staff, read only when the form is drawn
};

// Implemented by the report window.
class ReportEntrySource
{
public:
    virtual ~ReportEntrySource() = default;
    virtual ReportEntries reportEntries() const = 0;
};

// How layout finds the active report window: the main window installs a lookup that answers
// the active child (or nullptr while there is none). Returns the previous lookup.
using ActiveReportLookup = std::function<const ReportEntrySource *()>;
ActiveReportLookup setActiveReportLookup(ActiveReportLookup lookup);

// The entries of the active report window at this moment; throws AppError when there is none.
ReportEntries activeReportEntries();
