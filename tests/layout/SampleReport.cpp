#include "SampleReport.h"

ReportEntries sampleReportEntries()
{
    ReportEntries e;
    e.labedtFileNo = QStringLiteral("鉴字(2004)第0123号");
    e.labedtClient2 = QStringLiteral("杭州市西湖区文新街道办事处");
    e.labedtLinkPhone2 = QStringLiteral("0571-88812345");
    e.dtpickTrustDate1 = QDate(2004, 3, 1);
    e.labedtAddress2 = QStringLiteral("西湖区文一西路128号3幢");
    e.labedtPropertyRightMan2 = QStringLiteral("王建国");
    e.cbbBldgPurpose = QStringLiteral("住宅");
    e.labedtBuildYear = QStringLiteral("1978");
    e.cbbStrucStyle = QStringLiteral("砖混结构");
    e.labedtSum = QStringLiteral("1256.80");
    e.cbbPlaneShape = QStringLiteral("矩形");
    e.labedtLayers = QStringLiteral("5");
    e.cbbPropertyRightAttr = QStringLiteral("私有");
    e.labedtPropertyRightCertificate2 = QStringLiteral("杭房权证西字第0012345号");
    e.labedtMemory = QStringLiteral("底层沿街部分改作商铺使用");
    e.labedtApprPurpose2 = QStringLiteral("房屋安全性鉴定");
    e.memApprCircs = QStringLiteral(
        "该房屋为五层砖混结构住宅，建于1978年，建筑面积约1256.80㎡。现场查勘情况如下：\n"
        "1、地基基础：房屋整体无明显不均匀沉降，室外散水局部开裂，基础未见明显损坏。\n"
        "2、承重结构：底层②~④轴纵墙多处出现斜向裂缝，最大缝宽约2mm；三层楼面预制板板缝开裂，"
        "个别板底钢筋外露锈蚀；屋面圈梁局部混凝土剥落。\n"
        "3、围护结构：外墙粉刷层局部空鼓脱落，部分木窗腐朽变形，屋面防水层老化渗漏。");
    e.memShatterReason = QStringLiteral(
        "房屋建造年代较早，材料老化；屋面长期渗漏导致构件受潮锈蚀；底层改作商铺时拆除部分隔墙，"
        "削弱了结构整体性。");
    e.memApprConclusion = QStringLiteral(
        "根据《危险房屋鉴定标准》，该房屋评定为B级，结构基本满足正常使用要求，个别构件处于危险状态。");
    e.memDisposalAdvi = QStringLiteral(
        "1、对开裂墙体进行压力灌浆加固；\n2、更换锈蚀预制板并修复圈梁；\n3、重做屋面防水层，定期检查。");
    e.labedtApprUnit = QStringLiteral("杭州市房屋安全鉴定所");
    e.labedtAppraiser = QStringLiteral("李明");
    e.labedtAssessor = QStringLiteral("张华");
    e.labedtAuthorizedMan = QStringLiteral("陈伟");
    e.dtpickApprDate = QDate(2004, 3, 5);
    e.labedtAppraiser1 = QStringLiteral("李明、赵强");
    return e;
}
