// Construction of the report window's pages and controls.
#include "ChildWin.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A label's text as a name for assistive technology: without colon and padding blanks.
QString accessibleFromLabel(const QString &label)
{
    QString s = label;
    s.remove(QLatin1Char(':'));
    s.remove(QLatin1Char(' '));
    return s;
}

void markReadOnly(QLineEdit *e)
{
    e->setReadOnly(true);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    e->setPalette(p);
    e->setFocusPolicy(Qt::ClickFocus);
}

QLabel *caption(const QString &text, QWidget *parent, int pixelSize = 0, bool bold = true)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(bold);
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    l->setFont(f);
    return l;
}

// Label + input in a grid row; the label is the buddy of the input.
template <class W>
W *labelled(QGridLayout *grid, int row, int column, const char *name, const char *label, W *w,
            int span = 1)
{
    const QString text = QString::fromUtf8(label);
    auto *l = new QLabel(text, w->parentWidget());
    l->setBuddy(w);
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(accessibleFromLabel(text));
    grid->addWidget(l, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(w, row, column + 1, 1, span);
    return w;
}

QLineEdit *lineEdit(QGridLayout *grid, int row, int column, const char *name, const char *label,
                    QWidget *parent, bool readOnly = false, int span = 1)
{
    auto *e = labelled(grid, row, column, name, label, new QLineEdit(parent), span);
    if (readOnly)
        markReadOnly(e);
    return e;
}

QDateTimeEdit *datePicker(QWidget *parent)
{
    auto *d = new QDateTimeEdit(parent);
    d->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    d->setCalendarPopup(true);
    return d;
}

QComboBox *comboBox(QWidget *parent, const QStringList &items)
{
    auto *c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
}

QStringList split(const char *s)
{
    return QString::fromUtf8(s).split(QLatin1Char(','));
}

QPlainTextEdit *memoBox(QVBoxLayout *layout, const char *name, const char *label, QWidget *parent,
                        int height)
{
    const QString text = QString::fromUtf8(label);
    layout->addWidget(caption(text, parent));
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setAccessibleName(accessibleFromLabel(text));
    m->setFixedHeight(height);
    layout->addWidget(m);
    return m;
}

} // namespace

QWidget *TfrmChildWin::buildIntakePage()
{
    m_scroll1 = new QScrollArea;
    m_scroll1->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll1->setAlignment(Qt::AlignCenter);
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedSize(605, 337);
    auto *v = new QVBoxLayout(panel);
    auto *title = caption(QStringLiteral("房屋安全鉴定申请"), panel, 20);
    title->setFont([&] { QFont f = title->font(); f.setFamily(QStringLiteral("宋体")); return f; }());
    v->addWidget(title, 0, Qt::AlignHCenter);
    v->addWidget(caption(QStringLiteral("一、委托单位/个人情况"), panel));
    auto *g1 = new QGridLayout;
    lineEdit(g1, 0, 0, "labedtClient1", "委 托 人:", panel);
    labelled(g1, 0, 2, "dtpickTrustDate1", "委托日期:", datePicker(panel));
    lineEdit(g1, 1, 0, "labedtLinkMan", "联 系 人:", panel);
    lineEdit(g1, 1, 2, "labedtLinkPhone1", "联系电话:", panel);
    lineEdit(g1, 2, 0, "labedtAddress1", "房屋地址:", panel, false, 3);
    v->addLayout(g1);
    v->addWidget(caption(QStringLiteral("二、房屋情况"), panel));
    auto *g2 = new QGridLayout;
    lineEdit(g2, 0, 0, "labedtPropertyRightMan1", "产 权 人:", panel);
    lineEdit(g2, 0, 2, "labedtPropertyRightCertificate1", "产权证编号:", panel);
    lineEdit(g2, 1, 0, "labedtApprPurpose1", "三、房屋安全鉴定目的:", panel, false, 3);
    v->addLayout(g2);
    v->addStretch();
    m_scroll1->setWidget(panel);
    return m_scroll1;
}

QWidget *TfrmChildWin::buildCalcPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("CalcPage"));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(2, 2, 2, 2);
    v->addWidget(caption(QStringLiteral("危险性等级计算表"), page));

    auto *split = new QSplitter(Qt::Vertical, page);
    split->setObjectName(QStringLiteral("Splitter2"));
    auto *top = new QWidget(split);
    auto *h = new QHBoxLayout(top);
    h->setContentsMargins(0, 0, 0, 0);
    m_grid = new QTableWidget(top);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setAccessibleName(QStringLiteral("危险性等级计算表"));
    m_grid->verticalHeader()->setVisible(false);
    h->addWidget(m_grid, 1);

    auto *chooserPanel = new QWidget(top);
    chooserPanel->setObjectName(QStringLiteral("ChooserPanel"));
    chooserPanel->setFixedWidth(220);
    auto *cv = new QVBoxLayout(chooserPanel);
    cv->setContentsMargins(0, 0, 0, 0);
    cv->addWidget(caption(QStringLiteral(" 请选择"), chooserPanel));
    m_chooser = new QTreeWidget(chooserPanel);
    m_chooser->setObjectName(QStringLiteral("ListView2"));
    m_chooser->setAccessibleName(QStringLiteral("请选择"));
    m_chooser->setRootIsDecorated(false);
    m_chooser->setHeaderHidden(true);
    cv->addWidget(m_chooser);
    h->addWidget(chooserPanel);

    auto *buttons = new QWidget(split);
    auto *bh = new QHBoxLayout(buttons);
    bh->setContentsMargins(0, 0, 0, 0);
    for (const auto &[name, text] : {std::pair{"actnDangerGradeAdd", "增加"},
                                     std::pair{"actnDangerGradeInsert", "插入"},
                                     std::pair{"actnDangerGradeDel", "删除"}}) {
        auto *a = new QAction(QString::fromUtf8(text), this);
        a->setObjectName(QString::fromLatin1(name));
        auto *b = new QToolButton(buttons);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bh->addWidget(b);
    }
    if (QAction *calcu = m_host ? m_host->command(QStringLiteral("actnRecordCalcu")) : nullptr) {
        auto *b = new QToolButton(buttons);
        b->setDefaultAction(calcu);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bh->addWidget(b);
    }
    bh->addStretch();

    auto *result = new QWidget(split);
    auto *rv = new QVBoxLayout(result);
    rv->setContentsMargins(0, 0, 0, 0);
    rv->addWidget(caption(QStringLiteral("  计算结算"), result));
    auto *memo1 = new QPlainTextEdit(result);
    memo1->setObjectName(QStringLiteral("Memo1"));
    memo1->setAccessibleName(QStringLiteral("计算结算"));
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    rv->addWidget(memo1);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(2, 1);
    v->addWidget(split, 1);
    return page;
}

QWidget *TfrmChildWin::buildReportPage()
{
    m_scroll2 = new QScrollArea;
    m_scroll2->setObjectName(QStringLiteral("ScrollBox2"));
    m_scroll2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_panel2 = new QWidget;
    QWidget *panel = m_panel2;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedSize(590, 1257);
    auto *v = new QVBoxLayout(panel);
    auto *title = caption(QStringLiteral("房屋安全鉴定报告"), panel, 20);
    v->addWidget(title, 0, Qt::AlignHCenter);
    auto *g0 = new QGridLayout;
    lineEdit(g0, 0, 2, "labedtFileNo", "编号:", panel);
    g0->setColumnStretch(0, 1);
    v->addLayout(g0);

    v->addWidget(caption(QStringLiteral("一、委托单位/个人情况"), panel));
    auto *g1 = new QGridLayout;
    lineEdit(g1, 0, 0, "labedtClient2", "委 托 人:", panel, true);
    lineEdit(g1, 0, 2, "labedtTrustDate2", "委托日期:", panel, true);
    lineEdit(g1, 1, 0, "labedtAddress2", "房屋地址:", panel, true);
    lineEdit(g1, 1, 2, "labedtLinkPhone2", "电话:", panel, true);
    v->addLayout(g1);

    v->addWidget(caption(QStringLiteral("二、房屋情况"), panel));
    auto *g2 = new QGridLayout;
    lineEdit(g2, 0, 0, "labedtPropertyRightMan2", "产权人:", panel, true);
    lineEdit(g2, 0, 2, "labedtPropertyRightCertificate2", "产权证编号:", panel, true);
    labelled(g2, 1, 0, "cbbBldgPurpose", "房屋用途:",
             comboBox(panel, split("住宅,商业铺面,停车场,车间,厂房,教学楼,学生宿舍,试验室")));
    lineEdit(g2, 1, 2, "labedtBuildYear", "建造年份:", panel);
    labelled(g2, 2, 0, "cbbStrucStyle", "结构类型:",
             comboBox(panel, split("砖木结构,混合结构,框架结构,木结构,钢结构,网架结构,泥砖木结构,简易结构")));
    lineEdit(g2, 2, 2, "labedtLayers", "层    数:", panel);
    labelled(g2, 3, 0, "cbbPlaneShape", "平面形式:",
             comboBox(panel, split("矩形,近似矩形,梯形,近似梯形,T形,L形,多边形,三角形,近似三角形,曲线形")));
    labelled(g2, 3, 2, "cbbPropertyRightAttr", "产权性质:",
             comboBox(panel, split("全民所有产,集体所有产,私产,股份制")));
    v->addLayout(g2);

    auto *areas = new QGroupBox(QStringLiteral("建筑面积"), panel);
    areas->setObjectName(QStringLiteral("GroupBox1"));
    auto *ga = new QGridLayout(areas);
    lineEdit(ga, 0, 0, "labedtBuildAreaHowff", "住宅:", areas);
    lineEdit(ga, 0, 2, "labedtBuildAreaTrade", "商业:", areas);
    lineEdit(ga, 0, 4, "labedtBuildAreaGarage", "车库:", areas);
    lineEdit(ga, 1, 0, "labedtBuildAreaFactory", "车间或厂房:", areas);
    lineEdit(ga, 1, 2, "labedtBuildAreaOther", "其它:", areas);
    lineEdit(ga, 1, 4, "labedtSum", "合计:", areas, true);
    v->addWidget(areas);

    auto *g3 = new QGridLayout;
    lineEdit(g3, 0, 0, "labedtMemory", "备注:", panel);
    lineEdit(g3, 1, 0, "labedtApprPurpose2", "三、房屋安全鉴定目的:", panel, true);
    v->addLayout(g3);

    memoBox(v, "memApprCircs", "四、鉴定情况:", panel, 300);
    memoBox(v, "memShatterReason", "五、损坏原因:", panel, 110);
    memoBox(v, "memApprConclusion", "六、鉴定结论:", panel, 110);
    memoBox(v, "memDisposalAdvi", "七、处理建议:", panel, 110);

    auto *g4 = new QGridLayout;
    lineEdit(g4, 0, 0, "labedtAppraiser1", "八、检测鉴定人员:", panel, false, 3);
    v->addLayout(g4);
    v->addWidget(caption(QStringLiteral("九、鉴定单位技术负责人签章"), panel));
    auto *g5 = new QGridLayout;
    lineEdit(g5, 0, 0, "labedtApprUnit", "鉴定单位:", panel);
    lineEdit(g5, 0, 2, "labedtAppraiser", "鉴定人:", panel);
    lineEdit(g5, 1, 0, "labedtAssessor", "审核人:", panel);
    lineEdit(g5, 1, 2, "labedtAuthorizedMan", "审定人:", panel);
    labelled(g5, 2, 0, "dtpickApprDate", "鉴定日期:", datePicker(panel));
    v->addLayout(g5);
    v->addStretch();
    m_scroll2->setWidget(panel);
    return m_scroll2;
}

QWidget *TfrmChildWin::buildLeftPanel()
{
    m_leftPanel = new QWidget;
    m_leftPanel->setObjectName(QStringLiteral("LeftPanel"));
    auto *v = new QVBoxLayout(m_leftPanel);
    v->setContentsMargins(0, 0, 0, 0);
    m_leftPages = new QTabWidget(m_leftPanel);
    m_leftPages->setObjectName(QStringLiteral("PageControl1"));
    v->addWidget(m_leftPages);

    auto *browse = new QWidget;
    browse->setObjectName(QStringLiteral("TabSheet1"));
    auto *bv = new QVBoxLayout(browse);
    bv->setContentsMargins(0, 0, 0, 0);
    m_list = new QTreeView(browse);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setAccessibleName(QStringLiteral("鉴定报告列表"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setUniformRowHeights(true);
    bv->addWidget(m_list);
    m_leftPages->addTab(browse, QStringLiteral("浏览"));

    auto *query = new QWidget;
    query->setObjectName(QStringLiteral("TabSheet2"));
    auto *qv = new QVBoxLayout(query);
    auto *split = new QSplitter(Qt::Vertical, query);
    auto *top = new QWidget(split);
    auto *tv = new QVBoxLayout(top);
    tv->setContentsMargins(0, 0, 0, 0);
    auto *group = new QGroupBox(QStringLiteral("查找项目"), top);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto *gv = new QVBoxLayout(group);
    auto *buttons = new QButtonGroup(group);
    int i = 0;
    for (const char *item : {"文号", "房屋地址", "产权人", "委托人"}) {
        auto *r = new QRadioButton(QString::fromUtf8(item), group);
        buttons->addButton(r, i);
        r->setChecked(i == 0);
        gv->addWidget(r);
        ++i;
    }
    tv->addWidget(group);
    for (const char *name : {"DateTimePicker1", "DateTimePicker2"}) {
        auto *d = new QDateTimeEdit(top);
        d->setObjectName(QString::fromLatin1(name));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
        d->setAccessibleName(name[14] == '1' ? QStringLiteral("开始日期") : QStringLiteral("结束日期"));
        tv->addWidget(d);
    }
    auto *text = new QComboBox(top);
    text->setObjectName(QStringLiteral("ComboBoxEx1"));
    text->setEditable(true);
    text->setAccessibleName(QStringLiteral("查找内容"));
    tv->addWidget(text);
    auto *run = new QPushButton(QStringLiteral("查询"), top);
    run->setObjectName(QStringLiteral("BitBtn1"));
    tv->addWidget(run);
    auto *busy = new QProgressBar(top);
    busy->setObjectName(QStringLiteral("Animate1"));
    busy->setRange(0, 0);
    busy->setMaximumHeight(8);
    busy->setTextVisible(false);
    busy->hide();
    tv->addWidget(busy);
    auto *memo2 = new QPlainTextEdit(split);
    memo2->setObjectName(QStringLiteral("Memo2"));
    memo2->setAccessibleName(QStringLiteral("查询结果"));
    qv->addWidget(split);
    m_leftPages->addTab(query, QStringLiteral("查询"));
    return m_leftPanel;
}

void TfrmChildWin::buildWindow()
{
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter3"));
    m_splitter->addWidget(buildLeftPanel());

    auto *main = new QWidget;
    auto *mv = new QVBoxLayout(main);
    mv->setContentsMargins(0, 0, 0, 0);
    mv->setSpacing(0);
    m_notebook = new QStackedWidget(main);
    m_notebook->setObjectName(QStringLiteral("Notebook1"));
    m_notebook->addWidget(buildIntakePage());
    m_notebook->addWidget(buildCalcPage());
    m_notebook->addWidget(buildReportPage());
    mv->addWidget(m_notebook, 1);
    m_tabSet = new QTabBar(main);
    m_tabSet->setObjectName(QStringLiteral("TabSet1"));
    m_tabSet->setShape(QTabBar::RoundedSouth);
    for (const char *t : {"登记", "鉴定和计算", "鉴定报告"})
        m_tabSet->addTab(QString::fromUtf8(t));
    mv->addWidget(m_tabSet);
    m_splitter->addWidget(main);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({169, 800});
    outer->addWidget(m_splitter);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("timerAutoSave"));
}
