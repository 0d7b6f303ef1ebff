// The main window: menus, toolbar and the six tabs on which the watch's settings are edited.
#pragma once

#include "editor/SettingsRecord.h"

#include <QDate>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;

class TFormPGM : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFormPGM(QWidget* parent = nullptr);
    ~TFormPGM() override;

    void DecodeSettingsRecord();
    void EncodeSettingsRecord();

    // Menus and toolbar.
    QMenu* MuTitlePGM;
    QAction* MuRcv;
    QAction* MuSend;
    QAction* MuClose;
    QMenu* MuTitleOption;
    QAction* MuDailyBmp;
    QAction* MuRcvTime;
    QMenu* MuTitleHelp;
    QAction* MuHelp;
    QAction* MuVersion;
    QToolBar* ToolBar;
    QToolButton* TBtnRcv;
    QToolButton* TBtnSend;
    QToolButton* TBtnDailyBmp;
    QToolButton* TBtnRcvTime;

    QLabel* PnlMain;
    QTabWidget* PTabSystem;
    QWidget* TabAlarm;
    QWidget* TabTravel;
    QWidget* TabDest;
    QWidget* TabMemorial;
    QWidget* TabDive;
    QWidget* TabLog;

    // General tab.
    QGroupBox* GrpAlmSel;
    QRadioButton* RdoAlmOn;
    QRadioButton* RdoAlmOff;
    QLabel* LblAlarmTime;
    QComboBox* CmbAlmHH;
    QLabel* LblTsepH;
    QComboBox* CmbAlmM10;
    QPushButton* BtnAlmSel;
    QLabel* ImgAlm;
    QLabel* LblAlmAlm;
    QGroupBox* GrpTimerSel;
    QLabel* LblTimerTime;
    QComboBox* CmbTimerMM;
    QLabel* LblTimerMin;
    QPushButton* BtnTimerSel;
    QLabel* ImgTimerAlm;
    QLabel* LblTimerAlm;
    QGroupBox* GrpAlmDate;
    QRadioButton* RdoTset12;
    QRadioButton* RdoTset24;

    // Travel tab.
    QLabel* LblCitySelect;
    QComboBox* CbxCitySelect;
    QPushButton* BtnWorld;
    QPushButton* BtnCityEdit;
    QTreeWidget* LVCityList;
    QGroupBox* GrbCitySelMain;
    QPushButton* BtnCityMain;
    QLineEdit* EdtCityMain;
    QCheckBox* CbxCityMain;
    QGroupBox* GrbCitySelTravel;
    QPushButton* BtnCityTravel;
    QLineEdit* EdtCityTravel;
    QCheckBox* CbxCityTravel;

    // Dest tab.
    QLabel* LblDestExp1;
    QLabel* LblDestExp2;
    QLabel* LblDestExp3;
    QGroupBox* GrpDestDate;
    QDateEdit* DtpTravel;
    QComboBox* CmbDestHH;
    QLabel* LblDestSep;
    QComboBox* CmbDestM10;
    QGroupBox* GrpDestSel;
    QPushButton* BtnDestSel;
    QLabel* ImgDestAlm;
    QLabel* LblDestAlm;
    QGroupBox* GrpDestCity;
    QPushButton* BtnDestCity;
    QLineEdit* EdtDestCity;
    QCheckBox* CbxDestCity;
    QFrame* Panel1;
    QRadioButton* RdoDestOn;
    QRadioButton* RdoDestOff;

    // Memorial tab.
    QGroupBox* GrpMemDate;
    QListWidget* LbxMemorial;
    QLabel* ImgMemorial;
    QPushButton* BtnMemChg;
    QPushButton* BtnMemDel;
    QGroupBox* GrpMemBmp;
    QComboBox* CbxMemMonth;
    QLabel* LblDateSep;
    QComboBox* CbxMemDay;
    QPushButton* BtnMemBmp;
    QStringList LbxMemorialDel; // file names to delete from the watch at the next send
    QString OpenBmpFilter;      // filter of the open-picture dialog

    // Dive tab.
    QGroupBox* GrpDivDepth;
    QRadioButton* RdoDDOn;
    QRadioButton* RdoDDOff;
    QLabel* LblDDDep;
    QComboBox* CbxDDDep;
    QLabel* LblDDUnit;
    QLabel* LblDDCnt;
    QComboBox* CmbDiveAlCnt;
    QPushButton* BtnDDSel;
    QLabel* ImgDivDepth;
    QLabel* LblDivDepth;
    QGroupBox* GrpDivTime;
    QRadioButton* RdoDTOn;
    QRadioButton* RdoDTOff;
    QLabel* LblDTTime;
    QComboBox* CbxDiveTime;
    QLabel* LblDTUnit;
    QPushButton* BtnDTSel;
    QLabel* ImgDivTime;
    QLabel* LblDivTime;
    QGroupBox* GrpDivFloat;
    QRadioButton* RdoDFOn;
    QRadioButton* RdoDFOff;
    QPushButton* BtnDFSel;
    QLabel* ImgDivFloat;
    QLabel* LblDivFloat;
    QGroupBox* GrpDivUnit;
    QRadioButton* RdoDUm;
    QRadioButton* RdoDUft;

    // Log tab.
    QGroupBox* GrpLog;
    QLabel* LblLogExp1;
    QLabel* LblLogExp2;
    QLabel* LblLogExp3;
    QLabel* LblLogTrue;
    QLineEdit* EdtLogTrueCnt;
    QLabel* LblTrueUnit;
    QLabel* LblLogWatch;
    QLabel* PnlLogWatCnt;
    QLabel* LblWatchUnit;

    // Sound numbers 0-15 of the six sound buttons.
    int AlarmSound = 0;
    int TimerSound = 0;
    int DestSound = 0;
    int FloatSound = 0;
    int DiveTimeSound = 0;
    int DepthSound = 0;

    int InterfaceCode = 0; // 0 IrDA, 1 USB
    bool DailyBmpChanged = false;
    bool MemorialChanged = false;
    SettingsRecord Record{};
    QDate RecordBaseDate;
    QStringList FileList; // local files handed to the transfer dialog
    QString DayList;
    int MainTimeIndex = 51;

public slots:
    void FormCreate();
    void FormClose();
    void MuCloseClick();
    void ExecDataReceive();
    void ExecDataSend();
    void ExecDailyBmp();
    void ExecTimeSet();
    void BtnAlmSelClick();
    void CbxDDDepChange();
    void RdoDDOnClick();
    void RdoDDOffClick();
    void CbxDiveTimeChange();
    void RdoDTOnClick();
    void RdoDTOffClick();
    void EdtLogTrueCntChange();
    void MuHelpClick();
    void MuVersionClick();
    void TabTravelShow();
    void CbxCitySelectChange();
    void BtnWorldClick();
    void BtnCityEditClick();
    void LVCityListClick();
    void LVCityListColumnClick(int column);
    void BtnCityMainClick();
    void CbxCityMainClick();
    void BtnCityTravelClick();
    void CbxCityTravelClick();
    void BtnDestCityClick();
    void CbxDestCityClick();
    void DestTimerChange();
    void TabMemorialShow();
    void CbxMemMonthChange();
    void CbxMemDayChange();
    void LbxMemorialClick();
    void BtnMemBmpClick();
    void BtnMemChgClick();
    void BtnMemDelClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenusAndToolBar();
    void buildGeneralTab();
    void buildTravelTab();
    void buildDestTab();
    void buildMemorialTab();
    void buildDiveTab();
    void buildLogTab();
    void setCaptions();
    void connectHandlers();
    void setInitialStates();
    void showSound(QLabel* image, QLabel* label, const QPixmap& picture);
    void rebuildDepthList(bool feet);
};
