#include "editor/TFormPGM.h"

#include "app/AppSeam.h"
#include "app/CommonData.h"
#include "app/TFormAbout.h"
#include "editor/DiveLists.h"
#include "editor/ProgramImages.h"
#include "editor/TFormAlarmChoose.h"
#include "reefkit/reefkit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int kClientWidth = 576;
constexpr int kClientHeight = 340;
constexpr int kToolBarHeight = 33;
constexpr int kLogCounterShown = 3;

// Creates a named child at a fixed place; the name is the component's name.
template <typename T> T* place(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel* literalLabel(QWidget* parent, const char* name, const char* text, int x, int y, int w, int h)
{
    QLabel* label = place<QLabel>(parent, name, x, y, w, h);
    label->setText(QString::fromUtf8(text));
    return label;
}

QComboBox* dropDown(QWidget* parent, const char* name, int x, int y, int w, int rows)
{
    QComboBox* box = place<QComboBox>(parent, name, x, y, w, 22);
    box->setMaxVisibleItems(rows);
    return box;
}

void fillNumbers(QComboBox* box, int first, int last, int width)
{
    box->clear();
    for (int n = first; n <= last; ++n)
        box->addItem(QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')));
}

// The selected item's number, or def when nothing is selected or the text is no number.
int selectedNumber(const QComboBox* box, int def)
{
    return ItemNumber(box->currentText().toStdString(), def);
}

// An index outside the list leaves it without selection.
void selectIndex(QComboBox* box, int index)
{
    box->setCurrentIndex(index < box->count() ? index : -1);
}

std::vector<std::string> itemTexts(const QComboBox* box)
{
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i)
        items.push_back(box->itemText(i).toStdString());
    return items;
}

QString text(int number)
{
    return ReefCommonData->GetMessageText(number);
}

// Six captions share the tab row; narrower margins beside each caption keep them all in view.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TFormPGM::TFormPGM(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TFormPGM"));
    // The common font comes first, so every control is created with it rather than told of a
    // font change afterwards.
    ReefCommonData = new CommonData(11);
    QFont common = font();
    ReefCommonData->ApplyFont(common);
    setFont(common);

    buildMenusAndToolBar();
    PnlMain = new QLabel(this);
    PnlMain->setObjectName(QStringLiteral("PnlMain"));
    PnlMain->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PnlMain->setAlignment(Qt::AlignCenter);
    PnlMain->setWordWrap(true);
    setCentralWidget(PnlMain);
    PTabSystem = place<QTabWidget>(PnlMain, "PTabSystem", 7, 8, 561, 289);
    auto* compact = new CompactTabStyle;
    compact->setParent(PTabSystem->tabBar());
    PTabSystem->tabBar()->setStyle(compact);
    TabAlarm = new QWidget;
    TabTravel = new QWidget;
    TabDest = new QWidget;
    TabMemorial = new QWidget;
    TabDive = new QWidget;
    TabLog = new QWidget;
    const std::pair<QWidget*, const char*> tabs[] = {{TabAlarm, "TabAlarm"}, {TabTravel, "TabTravel"},
                                                     {TabDest, "TabDest"},   {TabMemorial, "TabMemorial"},
                                                     {TabDive, "TabDive"},   {TabLog, "TabLog"}};
    for (const auto& [tab, name] : tabs) {
        tab->setObjectName(QString::fromLatin1(name));
        PTabSystem->addTab(tab, QString());
    }
    buildGeneralTab();
    buildTravelTab();
    buildDestTab();
    buildMemorialTab();
    buildDiveTab();
    buildLogTab();

    DailyBmpChanged = false;
    MemorialChanged = false;
    DayList = QStringLiteral(
        "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,"
        "30,31");
    RecordBaseDate = QDate(1999, 12, 31);
    DtpTravel->setDateRange(RecordBaseDate, RecordBaseDate.addDays(0xFFFF));

    setCaptions();
    connectHandlers();
    setInitialStates();

    MainTimeIndex = 51;
    InterfaceCode = get_prof_time("Config", "Device", "SEAGLASS.INI") == 1 ? 1 : 0;

    setWindowTitle(QStringLiteral("Kelpset"));
    // A fixed window: it can be minimised but neither maximised nor resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    FormCreate();
}

TFormPGM::~TFormPGM()
{
    delete ReefCommonData;
    ReefCommonData = nullptr;
}

void TFormPGM::buildMenusAndToolBar()
{
    auto action = [this](QMenu* menu, const char* name) {
        QAction* entry = menu->addAction(QString());
        entry->setObjectName(QString::fromLatin1(name));
        return entry;
    };
    MuTitlePGM = menuBar()->addMenu(QString());
    MuTitlePGM->setObjectName(QStringLiteral("MuTitlePGM"));
    MuRcv = action(MuTitlePGM, "MuRcv");
    MuSend = action(MuTitlePGM, "MuSend");
    MuTitlePGM->addSeparator();
    MuClose = action(MuTitlePGM, "MuClose");
    MuTitleOption = menuBar()->addMenu(QString());
    MuTitleOption->setObjectName(QStringLiteral("MuTitleOption"));
    MuDailyBmp = action(MuTitleOption, "MuDailyBmp");
    MuRcvTime = action(MuTitleOption, "MuRcvTime");
    MuTitleHelp = menuBar()->addMenu(QString());
    MuTitleHelp->setObjectName(QStringLiteral("MuTitleHelp"));
    MuHelp = action(MuTitleHelp, "MuHelp");
    MuTitleHelp->addSeparator();
    MuVersion = action(MuTitleHelp, "MuVersion");

    ToolBar = addToolBar(QString());
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setFixedHeight(kToolBarHeight);
    ToolBar->setIconSize(QSize(21, 20));
    ToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    auto button = [this](const char* name, const char* image) {
        auto* tool = new QToolButton(ToolBar);
        tool->setObjectName(QString::fromLatin1(name));
        tool->setFixedSize(28, 26);
        tool->setAutoRaise(true);
        tool->setIcon(QIcon(ProgramImage(QString::fromLatin1(image))));
        ToolBar->addWidget(tool);
        return tool;
    };
    ToolBar->addSeparator();
    TBtnRcv = button("TBtnRcv", "toolbar0.png");
    TBtnSend = button("TBtnSend", "toolbar1.png");
    ToolBar->addSeparator();
    TBtnDailyBmp = button("TBtnDailyBmp", "toolbar2.png");
    TBtnRcvTime = button("TBtnRcvTime", "toolbar3.png");
}

void TFormPGM::buildGeneralTab()
{
    GrpAlmSel = place<QGroupBox>(TabAlarm, "GrpAlmSel", 8, 6, 265, 118);
    RdoAlmOn = place<QRadioButton>(GrpAlmSel, "RdoAlmOn", 12, 22, 70, 20);
    RdoAlmOff = place<QRadioButton>(GrpAlmSel, "RdoAlmOff", 100, 22, 70, 20);
    LblAlarmTime = place<QLabel>(GrpAlmSel, "LblAlarmTime", 12, 52, 110, 18);
    CmbAlmHH = dropDown(GrpAlmSel, "CmbAlmHH", 126, 50, 52, 15);
    LblTsepH = literalLabel(GrpAlmSel, "LblTsepH", ":", 182, 52, 8, 18);
    CmbAlmM10 = dropDown(GrpAlmSel, "CmbAlmM10", 192, 50, 52, 15);
    BtnAlmSel = place<QPushButton>(GrpAlmSel, "BtnAlmSel", 12, 82, 90, 25);
    ImgAlm = place<QLabel>(GrpAlmSel, "ImgAlm", 112, 82, 80, 25);
    LblAlmAlm = place<QLabel>(GrpAlmSel, "LblAlmAlm", 112, 82, 80, 25);

    GrpTimerSel = place<QGroupBox>(TabAlarm, "GrpTimerSel", 282, 6, 265, 118);
    LblTimerTime = place<QLabel>(GrpTimerSel, "LblTimerTime", 12, 52, 120, 18);
    CmbTimerMM = dropDown(GrpTimerSel, "CmbTimerMM", 136, 50, 52, 15);
    LblTimerMin = place<QLabel>(GrpTimerSel, "LblTimerMin", 194, 52, 60, 18);
    BtnTimerSel = place<QPushButton>(GrpTimerSel, "BtnTimerSel", 12, 82, 90, 25);
    ImgTimerAlm = place<QLabel>(GrpTimerSel, "ImgTimerAlm", 112, 82, 80, 25);
    LblTimerAlm = place<QLabel>(GrpTimerSel, "LblTimerAlm", 112, 82, 80, 25);

    GrpAlmDate = place<QGroupBox>(TabAlarm, "GrpAlmDate", 8, 130, 265, 56);
    RdoTset12 = place<QRadioButton>(GrpAlmDate, "RdoTset12", 12, 24, 120, 20);
    RdoTset24 = place<QRadioButton>(GrpAlmDate, "RdoTset24", 136, 24, 120, 20);

    fillNumbers(CmbAlmHH, 0, 23, 1);
    fillNumbers(CmbAlmM10, 0, 59, 2);
}

void TFormPGM::buildTravelTab()
{
    LblCitySelect = place<QLabel>(TabTravel, "LblCitySelect", 8, 10, 150, 18);
    CbxCitySelect = dropDown(TabTravel, "CbxCitySelect", 160, 8, 200, 30);
    BtnWorld = place<QPushButton>(TabTravel, "BtnWorld", 368, 7, 86, 24);
    BtnCityEdit = place<QPushButton>(TabTravel, "BtnCityEdit", 459, 7, 86, 24);
    LVCityList = place<QTreeWidget>(TabTravel, "LVCityList", 8, 38, 300, 218);
    LVCityList->setColumnCount(3);
    LVCityList->setRootIsDecorated(false);
    LVCityList->setSelectionMode(QAbstractItemView::SingleSelection);
    LVCityList->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVCityList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVCityList->header()->setSectionsClickable(true);
    LVCityList->setColumnWidth(0, 140);
    LVCityList->setColumnWidth(1, 75);
    LVCityList->setColumnWidth(2, 75);

    GrbCitySelMain = place<QGroupBox>(TabTravel, "GrbCitySelMain", 316, 38, 229, 106);
    BtnCityMain = place<QPushButton>(GrbCitySelMain, "BtnCityMain", 8, 24, 70, 24);
    EdtCityMain = place<QLineEdit>(GrbCitySelMain, "EdtCityMain", 84, 25, 137, 22);
    CbxCityMain = place<QCheckBox>(GrbCitySelMain, "CbxCityMain", 8, 62, 200, 20);
    GrbCitySelTravel = place<QGroupBox>(TabTravel, "GrbCitySelTravel", 316, 150, 229, 106);
    BtnCityTravel = place<QPushButton>(GrbCitySelTravel, "BtnCityTravel", 8, 24, 70, 24);
    EdtCityTravel = place<QLineEdit>(GrbCitySelTravel, "EdtCityTravel", 84, 25, 137, 22);
    CbxCityTravel = place<QCheckBox>(GrbCitySelTravel, "CbxCityTravel", 8, 62, 200, 20);
    for (QLineEdit* edit : {EdtCityMain, EdtCityTravel}) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setStyleSheet(QStringLiteral("background: palette(window);"));
    }
}

void TFormPGM::buildDestTab()
{
    LblDestExp1 = place<QLabel>(TabDest, "LblDestExp1", 10, 8, 530, 18);
    LblDestExp2 = place<QLabel>(TabDest, "LblDestExp2", 10, 26, 530, 18);
    LblDestExp3 = place<QLabel>(TabDest, "LblDestExp3", 10, 44, 530, 18);
    GrpDestDate = place<QGroupBox>(TabDest, "GrpDestDate", 8, 68, 265, 70);
    DtpTravel = place<QDateEdit>(GrpDestDate, "DtpTravel", 10, 30, 110, 22);
    DtpTravel->setCalendarPopup(true);
    DtpTravel->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    CmbDestHH = dropDown(GrpDestDate, "CmbDestHH", 130, 30, 52, 15);
    LblDestSep = literalLabel(GrpDestDate, "LblDestSep", ":", 186, 32, 8, 18);
    CmbDestM10 = dropDown(GrpDestDate, "CmbDestM10", 196, 30, 52, 15);
    fillNumbers(CmbDestHH, 0, 23, 1);
    fillNumbers(CmbDestM10, 0, 59, 2);

    GrpDestSel = place<QGroupBox>(TabDest, "GrpDestSel", 282, 68, 265, 70);
    BtnDestSel = place<QPushButton>(GrpDestSel, "BtnDestSel", 10, 30, 90, 25);
    ImgDestAlm = place<QLabel>(GrpDestSel, "ImgDestAlm", 110, 30, 80, 25);
    LblDestAlm = place<QLabel>(GrpDestSel, "LblDestAlm", 110, 30, 80, 25);

    GrpDestCity = place<QGroupBox>(TabDest, "GrpDestCity", 8, 146, 539, 64);
    BtnDestCity = place<QPushButton>(GrpDestCity, "BtnDestCity", 10, 26, 130, 24);
    EdtDestCity = place<QLineEdit>(GrpDestCity, "EdtDestCity", 150, 27, 200, 22);
    EdtDestCity->setReadOnly(true);
    EdtDestCity->setFocusPolicy(Qt::NoFocus);
    EdtDestCity->setStyleSheet(QStringLiteral("background: palette(window);"));
    CbxDestCity = place<QCheckBox>(GrpDestCity, "CbxDestCity", 360, 28, 170, 20);

    Panel1 = place<QFrame>(TabDest, "Panel1", 8, 216, 200, 30);
    RdoDestOn = place<QRadioButton>(Panel1, "RdoDestOn", 4, 4, 80, 20);
    RdoDestOff = place<QRadioButton>(Panel1, "RdoDestOff", 100, 4, 80, 20);
    Panel1->hide();
}

void TFormPGM::buildMemorialTab()
{
    GrpMemDate = place<QGroupBox>(TabMemorial, "GrpMemDate", 8, 6, 265, 250);
    LbxMemorial = place<QListWidget>(GrpMemDate, "LbxMemorial", 10, 24, 110, 214);
    ImgMemorial = place<QLabel>(GrpMemDate, "ImgMemorial", 132, 24, 48, 32);
    ImgMemorial->setScaledContents(true);
    BtnMemChg = place<QPushButton>(GrpMemDate, "BtnMemChg", 132, 70, 124, 25);
    BtnMemDel = place<QPushButton>(GrpMemDate, "BtnMemDel", 132, 102, 124, 25);

    GrpMemBmp = place<QGroupBox>(TabMemorial, "GrpMemBmp", 282, 6, 265, 100);
    CbxMemMonth = dropDown(GrpMemBmp, "CbxMemMonth", 10, 28, 52, 12);
    LblDateSep = literalLabel(GrpMemBmp, "LblDateSep", "/", 66, 30, 8, 18);
    CbxMemDay = dropDown(GrpMemBmp, "CbxMemDay", 76, 28, 52, 16);
    BtnMemBmp = place<QPushButton>(GrpMemBmp, "BtnMemBmp", 10, 62, 130, 25);
    fillNumbers(CbxMemMonth, 1, 12, 2);
    CbxMemMonth->setCurrentIndex(-1);
}

void TFormPGM::buildDiveTab()
{
    GrpDivDepth = place<QGroupBox>(TabDive, "GrpDivDepth", 8, 6, 265, 150);
    RdoDDOn = place<QRadioButton>(GrpDivDepth, "RdoDDOn", 12, 22, 70, 20);
    RdoDDOff = place<QRadioButton>(GrpDivDepth, "RdoDDOff", 100, 22, 70, 20);
    LblDDDep = place<QLabel>(GrpDivDepth, "LblDDDep", 12, 54, 110, 18);
    CbxDDDep = dropDown(GrpDivDepth, "CbxDDDep", 126, 52, 60, 16);
    LblDDUnit = literalLabel(GrpDivDepth, "LblDDUnit", "m", 192, 54, 40, 18);
    LblDDCnt = place<QLabel>(GrpDivDepth, "LblDDCnt", 12, 86, 130, 18);
    CmbDiveAlCnt = dropDown(GrpDivDepth, "CmbDiveAlCnt", 146, 84, 60, 6);
    BtnDDSel = place<QPushButton>(GrpDivDepth, "BtnDDSel", 12, 116, 90, 25);
    ImgDivDepth = place<QLabel>(GrpDivDepth, "ImgDivDepth", 112, 116, 80, 25);
    LblDivDepth = place<QLabel>(GrpDivDepth, "LblDivDepth", 112, 116, 80, 25);
    for (QWidget* hidden : {static_cast<QWidget*>(BtnDDSel), static_cast<QWidget*>(ImgDivDepth),
                            static_cast<QWidget*>(LblDivDepth)})
        hidden->hide();
    CmbDiveAlCnt->addItems({QStringLiteral("ON"), QStringLiteral("1"), QStringLiteral("2"),
                            QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});

    GrpDivTime = place<QGroupBox>(TabDive, "GrpDivTime", 282, 6, 265, 150);
    RdoDTOn = place<QRadioButton>(GrpDivTime, "RdoDTOn", 12, 22, 70, 20);
    RdoDTOff = place<QRadioButton>(GrpDivTime, "RdoDTOff", 100, 22, 70, 20);
    LblDTTime = place<QLabel>(GrpDivTime, "LblDTTime", 12, 54, 110, 18);
    CbxDiveTime = dropDown(GrpDivTime, "CbxDiveTime", 126, 52, 60, 16);
    LblDTUnit = place<QLabel>(GrpDivTime, "LblDTUnit", 192, 54, 60, 18);
    BtnDTSel = place<QPushButton>(GrpDivTime, "BtnDTSel", 12, 116, 90, 25);
    ImgDivTime = place<QLabel>(GrpDivTime, "ImgDivTime", 112, 116, 80, 25);
    LblDivTime = place<QLabel>(GrpDivTime, "LblDivTime", 112, 116, 80, 25);
    for (QWidget* hidden : {static_cast<QWidget*>(BtnDTSel), static_cast<QWidget*>(ImgDivTime),
                            static_cast<QWidget*>(LblDivTime)})
        hidden->hide();
    for (const std::string& item : DiveTimeItems())
        CbxDiveTime->addItem(QString::fromStdString(item));

    GrpDivFloat = place<QGroupBox>(TabDive, "GrpDivFloat", 8, 160, 265, 90);
    RdoDFOn = place<QRadioButton>(GrpDivFloat, "RdoDFOn", 12, 22, 70, 20);
    RdoDFOff = place<QRadioButton>(GrpDivFloat, "RdoDFOff", 100, 22, 70, 20);
    BtnDFSel = place<QPushButton>(GrpDivFloat, "BtnDFSel", 12, 52, 90, 25);
    ImgDivFloat = place<QLabel>(GrpDivFloat, "ImgDivFloat", 112, 52, 80, 25);
    LblDivFloat = place<QLabel>(GrpDivFloat, "LblDivFloat", 112, 52, 80, 25);
    GrpDivFloat->hide();

    GrpDivUnit = place<QGroupBox>(TabDive, "GrpDivUnit", 282, 160, 265, 60);
    RdoDUm = place<QRadioButton>(GrpDivUnit, "RdoDUm", 12, 24, 80, 20);
    RdoDUft = place<QRadioButton>(GrpDivUnit, "RdoDUft", 100, 24, 80, 20);
}

void TFormPGM::buildLogTab()
{
    GrpLog = place<QGroupBox>(TabLog, "GrpLog", 8, 6, 539, 250);
    LblLogExp1 = place<QLabel>(GrpLog, "LblLogExp1", 16, 26, 510, 18);
    LblLogExp2 = place<QLabel>(GrpLog, "LblLogExp2", 16, 46, 510, 18);
    LblLogExp3 = place<QLabel>(GrpLog, "LblLogExp3", 16, 66, 510, 18);
    LblLogTrue = place<QLabel>(GrpLog, "LblLogTrue", 16, 114, 280, 18);
    EdtLogTrueCnt = place<QLineEdit>(GrpLog, "EdtLogTrueCnt", 300, 111, 80, 22);
    EdtLogTrueCnt->setAttribute(Qt::WA_InputMethodEnabled, false);
    LblTrueUnit = place<QLabel>(GrpLog, "LblTrueUnit", 386, 114, 40, 18);
    LblLogWatch = place<QLabel>(GrpLog, "LblLogWatch", 16, 154, 280, 18);
    PnlLogWatCnt = place<QLabel>(GrpLog, "PnlLogWatCnt", 300, 151, 80, 22);
    PnlLogWatCnt->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PnlLogWatCnt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblWatchUnit = place<QLabel>(GrpLog, "LblWatchUnit", 386, 154, 40, 18);
}

void TFormPGM::setCaptions()
{
    MuTitlePGM->setTitle(text(143));
    MuRcv->setText(text(144));
    MuSend->setText(text(145));
    MuClose->setText(text(156));
    MuTitleOption->setTitle(text(170));
    MuDailyBmp->setText(text(142));
    MuRcvTime->setText(text(141));
    MuTitleHelp->setTitle(text(178));
    MuHelp->setText(text(179));
    MuVersion->setText(text(182));
    TBtnRcv->setToolTip(text(198));
    TBtnSend->setToolTip(text(41));
    TBtnDailyBmp->setToolTip(text(70));
    TBtnRcvTime->setToolTip(text(36));
    PnlMain->setText(text(473));
    OpenBmpFilter = text(506);

    const std::pair<QWidget*, int> tabCaptions[] = {{TabAlarm, 55},    {TabTravel, 51}, {TabDest, 46},
                                                    {TabMemorial, 58}, {TabDive, 66},   {TabLog, 47}};
    for (const auto& [tab, number] : tabCaptions)
        PTabSystem->setTabText(PTabSystem->indexOf(tab), text(number));

    const std::pair<QGroupBox*, int> groups[] = {
        {GrpAlmSel, 24},   {GrpTimerSel, 26}, {GrpAlmDate, 37},  {GrbCitySelMain, 49}, {GrbCitySelTravel, 50},
        {GrpDestDate, 71}, {GrpDestSel, 28},  {GrpDestCity, 45}, {GrpMemDate, 59},     {GrpMemBmp, 57},
        {GrpDivDepth, 62}, {GrpDivTime, 65},  {GrpDivFloat, 69}, {GrpLog, 48}};
    for (const auto& [group, number] : groups)
        group->setTitle(text(number));

    const std::pair<QAbstractButton*, int> buttons[] = {
        {RdoAlmOn, 29},      {RdoAlmOff, 30},     {BtnAlmSel, 53},   {BtnTimerSel, 53}, {RdoTset12, 39},
        {RdoTset24, 38},     {BtnWorld, 73},      {BtnCityEdit, 80}, {BtnCityMain, 56}, {CbxCityMain, 42},
        {BtnCityTravel, 56}, {CbxCityTravel, 42}, {BtnDestSel, 53},  {BtnDestCity, 74}, {CbxDestCity, 42},
        {RdoDestOn, 29},     {RdoDestOff, 30},    {BtnMemChg, 54},   {BtnMemDel, 140},  {BtnMemBmp, 52},
        {RdoDDOn, 29},       {RdoDDOff, 30},      {BtnDDSel, 53},    {RdoDTOn, 29},     {RdoDTOff, 30},
        {BtnDTSel, 53},      {RdoDFOn, 29},       {RdoDFOff, 30},    {BtnDFSel, 53}};
    for (const auto& [button, number] : buttons)
        button->setText(text(number));

    const std::pair<QLabel*, int> labels[] = {
        {LblAlarmTime, 23}, {LblTimerTime, 25}, {LblTimerMin, 94}, {LblCitySelect, 81}, {LblDestExp1, 470},
        {LblDestExp2, 471}, {LblDDDep, 61},     {LblDDCnt, 27},    {LblDTTime, 277},    {LblDTUnit, 94},
        {LblLogExp1, 465},  {LblLogExp2, 466},  {LblLogExp3, 467}, {LblLogTrue, 468},   {LblTrueUnit, 68},
        {LblLogWatch, 60},  {LblWatchUnit, 68}};
    for (const auto& [label, number] : labels)
        label->setText(text(number));

    LVCityList->setHeaderLabels({text(72), text(35), text(34)});
}

void TFormPGM::connectHandlers()
{
    connect(MuRcv, &QAction::triggered, this, &TFormPGM::ExecDataReceive);
    connect(TBtnRcv, &QToolButton::clicked, this, &TFormPGM::ExecDataReceive);
    connect(MuSend, &QAction::triggered, this, &TFormPGM::ExecDataSend);
    connect(TBtnSend, &QToolButton::clicked, this, &TFormPGM::ExecDataSend);
    connect(MuDailyBmp, &QAction::triggered, this, &TFormPGM::ExecDailyBmp);
    connect(TBtnDailyBmp, &QToolButton::clicked, this, &TFormPGM::ExecDailyBmp);
    connect(MuRcvTime, &QAction::triggered, this, &TFormPGM::ExecTimeSet);
    connect(TBtnRcvTime, &QToolButton::clicked, this, &TFormPGM::ExecTimeSet);
    connect(MuClose, &QAction::triggered, this, &TFormPGM::MuCloseClick);
    connect(MuHelp, &QAction::triggered, this, &TFormPGM::MuHelpClick);
    connect(MuVersion, &QAction::triggered, this, &TFormPGM::MuVersionClick);

    for (QPushButton* button : {BtnAlmSel, BtnTimerSel, BtnDestSel, BtnDFSel, BtnDTSel, BtnDDSel})
        connect(button, &QPushButton::clicked, this, &TFormPGM::BtnAlmSelClick);

    // A radio button checked by the program runs its click handler, as a user's click does.
    auto onChecked = [this](QRadioButton* radio, void (TFormPGM::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onChecked(RdoDDOn, &TFormPGM::RdoDDOnClick);
    onChecked(RdoDDOff, &TFormPGM::RdoDDOffClick);
    onChecked(RdoDTOn, &TFormPGM::RdoDTOnClick);
    onChecked(RdoDTOff, &TFormPGM::RdoDTOffClick);

    // Change handlers of lists run for the user's choices only.
    connect(CbxDDDep, &QComboBox::activated, this, &TFormPGM::CbxDDDepChange);
    connect(CbxDiveTime, &QComboBox::activated, this, &TFormPGM::CbxDiveTimeChange);
    connect(CbxCitySelect, &QComboBox::activated, this, &TFormPGM::CbxCitySelectChange);
    connect(CmbDestHH, &QComboBox::activated, this, &TFormPGM::DestTimerChange);
    connect(CmbDestM10, &QComboBox::activated, this, &TFormPGM::DestTimerChange);
    connect(CbxMemMonth, &QComboBox::activated, this, &TFormPGM::CbxMemMonthChange);
    connect(CbxMemDay, &QComboBox::activated, this, &TFormPGM::CbxMemDayChange);

    connect(EdtLogTrueCnt, &QLineEdit::textChanged, this, &TFormPGM::EdtLogTrueCntChange);

    connect(PTabSystem, &QTabWidget::currentChanged, this, [this](int index) {
        if (PTabSystem->widget(index) == TabTravel)
            TabTravelShow();
        else if (PTabSystem->widget(index) == TabMemorial)
            TabMemorialShow();
    });
    connect(LVCityList, &QTreeWidget::itemClicked, this, &TFormPGM::LVCityListClick);
    connect(LVCityList->header(), &QHeaderView::sectionClicked, this, &TFormPGM::LVCityListColumnClick);
    connect(BtnWorld, &QPushButton::clicked, this, &TFormPGM::BtnWorldClick);
    connect(BtnCityEdit, &QPushButton::clicked, this, &TFormPGM::BtnCityEditClick);
    connect(BtnCityMain, &QPushButton::clicked, this, &TFormPGM::BtnCityMainClick);
    connect(BtnCityTravel, &QPushButton::clicked, this, &TFormPGM::BtnCityTravelClick);
    connect(BtnDestCity, &QPushButton::clicked, this, &TFormPGM::BtnDestCityClick);
    connect(CbxCityMain, &QCheckBox::clicked, this, &TFormPGM::CbxCityMainClick);
    connect(CbxCityTravel, &QCheckBox::clicked, this, &TFormPGM::CbxCityTravelClick);
    connect(CbxDestCity, &QCheckBox::clicked, this, &TFormPGM::CbxDestCityClick);
    connect(LbxMemorial, &QListWidget::itemClicked, this, &TFormPGM::LbxMemorialClick);
    connect(BtnMemBmp, &QPushButton::clicked, this, &TFormPGM::BtnMemBmpClick);
    connect(BtnMemChg, &QPushButton::clicked, this, &TFormPGM::BtnMemChgClick);
    connect(BtnMemDel, &QPushButton::clicked, this, &TFormPGM::BtnMemDelClick);
}

void TFormPGM::setInitialStates()
{
    RdoAlmOff->setChecked(true);
    RdoTset12->setChecked(true);
    RdoDDOff->setChecked(true);
    RdoDTOff->setChecked(true);
    RdoDUm->setChecked(true);
    RdoDestOff->setChecked(true);
    RdoDFOff->setChecked(true);
    LblAlmAlm->setText(QString());
    LblTimerAlm->setText(QString());
    LblDestAlm->setText(QString());
    LblDivDepth->setText(QString());
    LblDivTime->setText(QString());
    LblDivFloat->setText(QString());
    LblDestExp3->setText(QString());

    CbxCitySelect->setCurrentIndex(0);
    CmbDestHH->setCurrentIndex(1);
    CmbDestM10->setCurrentIndex(1);
    BtnMemBmp->setEnabled(false);
    CbxDiveTime->setCurrentIndex(0);
    CmbDiveAlCnt->setCurrentIndex(0);
    GrpDivUnit->hide();
    EdtLogTrueCnt->setText(QStringLiteral("0"));
    PnlLogWatCnt->setText(QString::number(kLogCounterShown));

    PTabSystem->hide();
    TBtnSend->setEnabled(false);
    TBtnDailyBmp->setEnabled(false);
    MuSend->setEnabled(false);
    MuDailyBmp->setEnabled(false);
    PTabSystem->setCurrentWidget(TabAlarm);
    CmbAlmHH->setCurrentIndex(0);
    CmbAlmM10->setCurrentIndex(0);
}

void TFormPGM::FormCreate()
{
    fillNumbers(CmbTimerMM, 1, 99, 1);
    CmbTimerMM->setCurrentIndex(-1); // chosen when a settings record is shown
}

void TFormPGM::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TFormPGM::FormClose() {}

void TFormPGM::MuCloseClick()
{
    close();
}

void TFormPGM::showSound(QLabel* image, QLabel* label, const QPixmap& picture)
{
    label->hide();
    image->show();
    image->setPixmap(picture);
}

void TFormPGM::BtnAlmSelClick()
{
    struct Target
    {
        QPushButton* button;
        QLabel* image;
        QLabel* label;
        int* sound;
    };
    const Target targets[] = {{BtnAlmSel, ImgAlm, LblAlmAlm, &AlarmSound},
                              {BtnTimerSel, ImgTimerAlm, LblTimerAlm, &TimerSound},
                              {BtnDestSel, ImgDestAlm, LblDestAlm, &DestSound},
                              {BtnDFSel, ImgDivFloat, LblDivFloat, &FloatSound},
                              {BtnDTSel, ImgDivTime, LblDivTime, &DiveTimeSound},
                              {BtnDDSel, ImgDivDepth, LblDivDepth, &DepthSound}};
    for (const Target& target : targets) {
        if (sender() != target.button)
            continue;
        TFormAlarmChoose chooser(this);
        chooser.SetSelectedSound(*target.sound);
        if (appSeam().runModal(chooser) != MrOk)
            return;
        const int chosen = chooser.SelectedSound();
        if (chosen < 0)
            return;
        *target.sound = chosen;
        showSound(target.image, target.label, chooser.SoundPicture(chosen));
        return;
    }
}

void TFormPGM::CbxDDDepChange()
{
    if (CbxDDDep->currentIndex() != 0)
        RdoDDOn->setChecked(true);
    else
        RdoDDOff->setChecked(true);
}

void TFormPGM::RdoDDOffClick()
{
    CbxDDDep->setCurrentIndex(CbxDDDep->count() > 0 ? 0 : -1);
    CmbDiveAlCnt->setEnabled(false);
}

void TFormPGM::RdoDDOnClick()
{
    if (CbxDDDep->currentIndex() == 0 && CbxDDDep->count() > 1)
        CbxDDDep->setCurrentIndex(1);
    CmbDiveAlCnt->setEnabled(true);
}

void TFormPGM::CbxDiveTimeChange()
{
    if (CbxDiveTime->currentIndex() != 0)
        RdoDTOn->setChecked(true);
    else
        RdoDTOff->setChecked(true);
}

void TFormPGM::RdoDTOffClick()
{
    CbxDiveTime->setCurrentIndex(0);
}

void TFormPGM::RdoDTOnClick()
{
    if (CbxDiveTime->currentIndex() == 0)
        CbxDiveTime->setCurrentIndex(1);
}

void TFormPGM::EdtLogTrueCntChange()
{
    if (LogCounterTextValid(EdtLogTrueCnt->text().toStdString()))
        return;
    const QString message = QString::asprintf(text(500).toUtf8().constData(), 0, kLogCounterMax);
    appSeam().messageBox(this, message, text(83), MbOk, IconWarning);
    EdtLogTrueCnt->setText(QStringLiteral("0"));
}

void TFormPGM::MuHelpClick()
{
    ReefCommonData->ShowHelp(QStringLiteral("Kelpset.chm"));
}

void TFormPGM::MuVersionClick()
{
    TFormAbout about(this, QLatin1Char('1'));
    appSeam().runModal(about);
}

void TFormPGM::rebuildDepthList(bool feet)
{
    CbxDDDep->clear();
    for (const std::string& item : DepthItems(feet))
        CbxDDDep->addItem(QString::fromStdString(item));
}

void TFormPGM::DecodeSettingsRecord()
{
    const TFormAlarmChoose chooser(this); // lends its sound pictures
    const SettingsValues v = DecodeSettingsValues(Record);

    (v.hour24 ? RdoTset24 : RdoTset12)->setChecked(true);
    (v.alarmOn ? RdoAlmOn : RdoAlmOff)->setChecked(true);
    (v.destOn ? RdoDestOn : RdoDestOff)->setChecked(true);
    (v.feet ? RdoDUft : RdoDUm)->setChecked(true);
    LblDDUnit->setText(text(v.feet ? 95 : 96));
    rebuildDepthList(v.feet);

    selectIndex(CmbAlmHH, v.alarmHour);
    selectIndex(CmbAlmM10, v.alarmMinute);
    AlarmSound = v.alarmSound;
    showSound(ImgAlm, LblAlmAlm, chooser.SoundPicture(AlarmSound));
    selectIndex(CmbTimerMM, v.timerMinutes - 1);
    TimerSound = v.timerSound;
    showSound(ImgTimerAlm, LblTimerAlm, chooser.SoundPicture(TimerSound));

    DtpTravel->setDate(RecordBaseDate.addDays(v.arrivalDay));
    selectIndex(CmbDestHH, v.destHour);
    selectIndex(CmbDestM10, v.destMinute);
    DestSound = v.destSound;
    showSound(ImgDestAlm, LblDestAlm, chooser.SoundPicture(DestSound));

    MarkDaylightLocations(Record);

    const QString counter = QString::number(v.logCounter);
    PnlLogWatCnt->setText(counter);
    EdtLogTrueCnt->setText(counter);

    // Checking a button may run its click handler; the selections below are the final ones.
    if (v.depthAlarm != 0) {
        RdoDDOn->setChecked(true);
        CmbDiveAlCnt->setEnabled(true);
    } else {
        RdoDDOff->setChecked(true);
        CmbDiveAlCnt->setEnabled(false);
    }
    CbxDDDep->setCurrentIndex(
        FirstItemAtLeast(itemTexts(CbxDDDep), v.depthAlarm, DepthRangeFor(v.feet).step));
    selectIndex(CmbDiveAlCnt, v.depthRepeat);

    if (v.diveTime != 0) {
        RdoDTOn->setChecked(true);
        CbxDiveTime->setCurrentIndex(FirstItemAtLeast(itemTexts(CbxDiveTime), v.diveTime, kDiveTimeStep));
    } else {
        RdoDTOff->setChecked(true);
        CbxDiveTime->setCurrentIndex(0);
    }
}

void TFormPGM::EncodeSettingsRecord()
{
    SettingsValues v;
    v.hour24 = RdoTset24->isChecked();
    v.alarmOn = RdoAlmOn->isChecked();
    v.destOn = RdoDestOn->isChecked();
    v.feet = RdoDUft->isChecked();
    v.alarmHour = selectedNumber(CmbAlmHH, 0);
    v.alarmMinute = selectedNumber(CmbAlmM10, 0);
    v.alarmSound = AlarmSound;
    v.timerMinutes = selectedNumber(CmbTimerMM, 1);
    v.timerSound = TimerSound;
    v.arrivalDay = static_cast<int>(RecordBaseDate.daysTo(DtpTravel->date()));
    v.destHour = selectedNumber(CmbDestHH, 0);
    v.destMinute = selectedNumber(CmbDestM10, 0);
    v.destSound = DestSound;
    v.logCounter = ItemNumber(EdtLogTrueCnt->text().toStdString(), 0);
    v.depthAlarm = RdoDDOn->isChecked() ? selectedNumber(CbxDDDep, 0) : 0;
    v.depthRepeat = CmbDiveAlCnt->currentIndex();
    v.diveTime = RdoDTOn->isChecked() ? selectedNumber(CbxDiveTime, 0) : 0;
    EncodeSettingsValues(v, Record);
}

// Commands and tab handlers whose work is added by the transfer, world time and picture rooms.
void TFormPGM::ExecDataReceive() {}
void TFormPGM::ExecDataSend() {}
void TFormPGM::ExecDailyBmp() {}
void TFormPGM::ExecTimeSet() {}
void TFormPGM::TabTravelShow() {}
void TFormPGM::CbxCitySelectChange() {}
void TFormPGM::BtnWorldClick() {}
void TFormPGM::BtnCityEditClick() {}
void TFormPGM::LVCityListClick() {}
void TFormPGM::LVCityListColumnClick(int) {}
void TFormPGM::BtnCityMainClick() {}
void TFormPGM::CbxCityMainClick() {}
void TFormPGM::BtnCityTravelClick() {}
void TFormPGM::CbxCityTravelClick() {}
void TFormPGM::BtnDestCityClick() {}
void TFormPGM::CbxDestCityClick() {}
void TFormPGM::DestTimerChange() {}
void TFormPGM::TabMemorialShow() {}
void TFormPGM::CbxMemMonthChange() {}
void TFormPGM::CbxMemDayChange() {}
void TFormPGM::LbxMemorialClick() {}
void TFormPGM::BtnMemBmpClick() {}
void TFormPGM::BtnMemChgClick() {}
void TFormPGM::BtnMemDelClick() {}
