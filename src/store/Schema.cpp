#include "Schema.h"

namespace schema {

const QString CreateProjectTab = QStringLiteral(
    "Create Table ProjectTab (ID INT identity,FileNo varchar(20),"
    "Client varchar(40),TrustDate DATETIME,LinkMan varchar(10),LinkPhone varchar(20),"
    "Address varchar(60),PropertyRightMan varchar(60),BldgPurpose varchar(20),"
    "BuildYear varchar(12),StrucStyle varchar(20),BuildAreaHowff float,BuildAreaTrade float,"
    "BuildAreaGarage float,BuildAreaFactory float,BuildAreaOther float,PlaneShape varchar(20),"
    "Layers varchar(10),PropertyRightAttr varchar(10),PropertyRightCertificate varchar(30),"
    "Memory varchar(60),ApprPurpose varchar(40),DangerCircs TEXT,ApprCircs TEXT,"
    "ShatterReason0 TEXT,ShatterReason TEXT,ApprConclusion TEXT,DisposalAdvi TEXT,"
    "Surveyor varchar(20),ApprUnit varchar(20),Appraiser varchar(20),Assessor varchar(20),"
    "AuthorizedMan varchar(20),ApprDate DATETIME,PageStyle varchar(20),PageWidth int,"
    "PageHeight int,PageOrientation int,TopMargin int,BottomMargin int,LeftMargin int,"
    "RightMargin int,FooterMargin int,CovOffsetRightSpace int,CovOffsetBottomSpace int,"
    "CovRowSpace int,CovPrnSelAppraisor int,CovPrnSelAssessor int,CovPrnSelAuthorizedMan int,"
    "ApprCircsRowCount int,ShatterReasonRowCount int,ApprConclusionRowCount int,"
    "DisposalAdviRowCount int,RowMaxCharCount int,ClientWidth int,PhoneWidth int,"
    "version varchar(20))");

const QString CreateCalcuData = QStringLiteral(
    "Create Table CalcuData (FileNo varchar(20),PartNumber varchar(20),BldgConstitute varchar(20),"
    "ComponentName varchar(20),ComponentStructure varchar(20),ComponentTotal varchar(20),"
    "DangerComponentNumber varchar(20),correspondingFileItem varchar(20))");

// SQLite does not number "INT identity" by itself; the row id does it for us.
const QString CreateProjectTabIdTrigger = QStringLiteral(
    "Create Trigger IF NOT EXISTS ProjectTabIdentity After Insert On ProjectTab "
    "When new.ID Is Null Begin Update ProjectTab Set ID = new.rowid Where rowid = new.rowid; End");

const QString CreateCalcuDataIndex =
    QStringLiteral("Create Index IF NOT EXISTS CalcuDataFileNo On CalcuData (FileNo)");

const QStringList &projectTabColumns()
{
    static const QStringList cols = QStringLiteral(
        "ID,FileNo,Client,TrustDate,LinkMan,LinkPhone,Address,PropertyRightMan,BldgPurpose,"
        "BuildYear,StrucStyle,BuildAreaHowff,BuildAreaTrade,BuildAreaGarage,BuildAreaFactory,"
        "BuildAreaOther,PlaneShape,Layers,PropertyRightAttr,PropertyRightCertificate,Memory,"
        "ApprPurpose,DangerCircs,ApprCircs,ShatterReason0,ShatterReason,ApprConclusion,"
        "DisposalAdvi,Surveyor,ApprUnit,Appraiser,Assessor,AuthorizedMan,ApprDate,PageStyle,"
        "PageWidth,PageHeight,PageOrientation,TopMargin,BottomMargin,LeftMargin,RightMargin,"
        "FooterMargin,CovOffsetRightSpace,CovOffsetBottomSpace,CovRowSpace,CovPrnSelAppraisor,"
        "CovPrnSelAssessor,CovPrnSelAuthorizedMan,ApprCircsRowCount,ShatterReasonRowCount,"
        "ApprConclusionRowCount,DisposalAdviRowCount,RowMaxCharCount,ClientWidth,PhoneWidth,"
        "version").split(QLatin1Char(','));
    return cols;
}

const QStringList &calcuDataColumns()
{
    static const QStringList cols =
        QStringLiteral("FileNo,PartNumber,BldgConstitute,ComponentName,ComponentStructure,"
                       "ComponentTotal,DangerComponentNumber,correspondingFileItem")
            .split(QLatin1Char(','));
    return cols;
}

} // namespace schema
