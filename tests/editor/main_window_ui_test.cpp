#include "app/TFormAbout.h"
#include "editor/TFormAlarmChoose.h"
#include "tests/editor/EditorFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

using MainWindow = EditorFixture;

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// Chooses an item the way a user does, so that the list's change handler runs.
void userSelects(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

TEST_F(MainWindow, StartsEmptyWithOnlyReceiveClockHelpAndAbout)
{
    TFormPGM& w = makeWindow();
    EXPECT_EQ(w.windowTitle(), "Kelpset");
    EXPECT_TRUE(w.PTabSystem->isHidden());
    EXPECT_EQ(w.PnlMain->text(), "Connect watch to PC and receive DATA from watch.");
    for (QAction* disabled : {w.MuSend, w.MuDailyBmp})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    for (QToolButton* disabled : {w.TBtnSend, w.TBtnDailyBmp})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    for (QAction* enabled : {w.MuRcv, w.MuRcvTime, w.MuClose, w.MuHelp, w.MuVersion})
        EXPECT_TRUE(enabled->isEnabled()) << enabled->objectName().toStdString();
    EXPECT_TRUE(w.TBtnRcv->isEnabled());
    EXPECT_TRUE(w.TBtnRcvTime->isEnabled());
    EXPECT_EQ(w.PTabSystem->currentWidget(), w.TabAlarm);
    w.show();
    EXPECT_EQ(w.centralWidget()->width(), 576);
    EXPECT_EQ(w.ToolBar->height() + w.centralWidget()->height(), 340);
}

TEST_F(MainWindow, ControlsStartWithTheirInitialChoices)
{
    TFormPGM& w = makeWindow();
    const QStringList timer = items(w.CmbTimerMM);
    ASSERT_EQ(timer.size(), 99);
    EXPECT_EQ(timer.front(), "1");
    EXPECT_EQ(timer.back(), "99");
    EXPECT_EQ(w.CmbAlmHH->currentText(), "0");
    EXPECT_EQ(w.CmbAlmM10->currentText(), "00");
    EXPECT_EQ(w.CmbAlmM10->count(), 60);
    EXPECT_EQ(w.CmbDestHH->currentText(), "1");
    EXPECT_EQ(w.CmbDestM10->currentText(), "01");
    for (QRadioButton* checked : {w.RdoAlmOff, w.RdoTset12, w.RdoDDOff, w.RdoDTOff, w.RdoDUm, w.RdoDestOff})
        EXPECT_TRUE(checked->isChecked()) << checked->objectName().toStdString();
    EXPECT_EQ(w.CbxDDDep->count(), 0);
    EXPECT_EQ(w.LblDDUnit->text(), "m");
    EXPECT_EQ(w.CbxDiveTime->currentText(), "0");
    EXPECT_EQ(w.CmbDiveAlCnt->currentText(), "ON");
    EXPECT_EQ(w.EdtLogTrueCnt->text(), "0");
    EXPECT_EQ(w.PnlLogWatCnt->text(), "3");
    EXPECT_FALSE(w.BtnMemBmp->isEnabled());
    EXPECT_TRUE(w.GrpDivUnit->isHidden());
    EXPECT_TRUE(w.GrpDivFloat->isHidden());
    EXPECT_TRUE(w.Panel1->isHidden());
    EXPECT_EQ(w.OpenBmpFilter, "Bitmap File (*.bmp)|*.bmp");
    EXPECT_EQ(w.RecordBaseDate, QDate(1999, 12, 31));
    EXPECT_EQ(w.Record, SettingsRecord{});
    EXPECT_TRUE(seam.boxes.empty());
}

TEST_F(MainWindow, EveryComponentCarriesItsName)
{
    TFormPGM& w = makeWindow();
    const char* names[] = {
        "ToolBar",     "PnlMain",          "PTabSystem",    "TabAlarm",       "TabTravel",
        "TabDest",     "TabMemorial",      "TabDive",       "TabLog",         "GrpAlmSel",
        "RdoAlmOn",    "LblTsepH",         "ImgAlm",        "LblAlmAlm",      "GrpTimerSel",
        "CmbTimerMM",  "GrpAlmDate",       "RdoTset24",     "LblCitySelect",  "CbxCitySelect",
        "BtnWorld",    "BtnCityEdit",      "LVCityList",    "GrbCitySelMain", "EdtCityMain",
        "CbxCityMain", "GrbCitySelTravel", "BtnCityTravel", "CbxCityTravel",  "LblDestExp3",
        "GrpDestDate", "DtpTravel",        "CmbDestM10",    "GrpDestSel",     "ImgDestAlm",
        "GrpDestCity", "EdtDestCity",      "CbxDestCity",   "Panel1",         "RdoDestOn",
        "GrpMemDate",  "LbxMemorial",      "ImgMemorial",   "BtnMemChg",      "BtnMemDel",
        "GrpMemBmp",   "CbxMemMonth",      "LblDateSep",    "CbxMemDay",      "BtnMemBmp",
        "GrpDivDepth", "CbxDDDep",         "LblDDUnit",     "CmbDiveAlCnt",   "BtnDDSel",
        "ImgDivDepth", "GrpDivTime",       "CbxDiveTime",   "BtnDTSel",       "GrpDivFloat",
        "RdoDFOn",     "BtnDFSel",         "ImgDivFloat",   "GrpDivUnit",     "RdoDUft",
        "GrpLog",      "LblLogExp1",       "EdtLogTrueCnt", "PnlLogWatCnt",   "LblWatchUnit",
        "TBtnRcv",     "TBtnSend",         "TBtnDailyBmp",  "TBtnRcvTime",    "MuRcv",
        "MuSend",      "MuClose",          "MuDailyBmp",    "MuRcvTime",      "MuHelp",
        "MuVersion"};
    for (const char* name : names)
        EXPECT_NE(w.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(MainWindow, InterfaceCodeIsOneOnlyForDeviceOne)
{
    const std::pair<const char*, int> cases[] = {{"1", 1}, {"2", 0}, {"0", 0}, {nullptr, 0}};
    for (auto [device, code] : cases) {
        std::filesystem::remove_all(root_ / "config");
        if (device)
            writeFile(familyFile("SEAGLASS.INI"), std::string("[Config]\r\nDevice=") + device + "\r\n");
        EXPECT_EQ(makeWindow().InterfaceCode, code) << (device ? device : "none");
        window.reset();
    }
}

TEST_F(MainWindow, DepthChoicesSwitchTheDepthAlarm)
{
    TFormPGM& w = makeWindow();
    w.DecodeSettingsRecord(); // a zero record: metres, alarm off
    ASSERT_EQ(w.CbxDDDep->count(), 31);
    EXPECT_FALSE(w.CmbDiveAlCnt->isEnabled());

    userSelects(w.CbxDDDep, "25");
    EXPECT_TRUE(w.RdoDDOn->isChecked());
    EXPECT_TRUE(w.CmbDiveAlCnt->isEnabled());
    EXPECT_EQ(w.CbxDDDep->currentText(), "25");

    userSelects(w.CbxDDDep, "0");
    EXPECT_TRUE(w.RdoDDOff->isChecked());
    EXPECT_FALSE(w.CmbDiveAlCnt->isEnabled());

    w.RdoDDOn->click();
    EXPECT_EQ(w.CbxDDDep->currentText(), "10");
    EXPECT_TRUE(w.CmbDiveAlCnt->isEnabled());

    w.RdoDDOff->click();
    EXPECT_EQ(w.CbxDDDep->currentText(), "0");
}

TEST_F(MainWindow, DiveTimeChoicesSwitchTheDiveTimeAlarm)
{
    TFormPGM& w = makeWindow();
    userSelects(w.CbxDiveTime, "45");
    EXPECT_TRUE(w.RdoDTOn->isChecked());
    userSelects(w.CbxDiveTime, "0");
    EXPECT_TRUE(w.RdoDTOff->isChecked());
    w.RdoDTOn->click();
    EXPECT_EQ(w.CbxDiveTime->currentText(), "5");
    w.RdoDTOff->click();
    EXPECT_EQ(w.CbxDiveTime->currentText(), "0");
}

TEST_F(MainWindow, LogCounterOutsideItsRangeIsRefusedAndReset)
{
    TFormPGM& w = makeWindow();
    const std::pair<const char*, bool> cases[] = {{"65535", true}, {"655350", false}, {"", false},
                                                  {"12a", false},  {"-1", false},     {"42", true}};
    for (auto [typed, accepted] : cases) {
        seam.boxes.clear();
        w.EdtLogTrueCnt->setText(QString::fromLatin1(typed));
        if (accepted) {
            EXPECT_TRUE(seam.boxes.empty()) << typed;
            EXPECT_EQ(w.EdtLogTrueCnt->text(), typed);
            continue;
        }
        ASSERT_EQ(seam.boxes.size(), 1u) << typed;
        EXPECT_EQ(seam.boxes[0].text, "Setting range is from 0 to 65535.");
        EXPECT_EQ(seam.boxes[0].caption, "Kelpset");
        EXPECT_EQ(seam.boxes[0].icon, IconWarning);
        EXPECT_EQ(w.EdtLogTrueCnt->text(), "0") << typed;
    }
}

struct DecodeCase
{
    const char* what;
    std::vector<std::pair<int, uint8_t>> bytes;
    std::function<void(TFormPGM&)> check;
    std::vector<std::pair<int, uint8_t>> sent; // bytes expected after an encode
};

TEST_F(MainWindow, DecodeShowsTheRecordAndEncodeSendsItBack)
{
    const DecodeCase cases[] = {
        {"zero record",
         {},
         [](TFormPGM& w) {
             EXPECT_TRUE(w.RdoTset12->isChecked());
             EXPECT_TRUE(w.RdoAlmOff->isChecked());
             EXPECT_TRUE(w.RdoDestOff->isChecked());
             EXPECT_TRUE(w.RdoDUm->isChecked());
             EXPECT_EQ(w.LblDDUnit->text(), "m");
             EXPECT_EQ(w.DtpTravel->date(), QDate(1999, 12, 31));
             EXPECT_EQ(w.CmbTimerMM->currentIndex(), -1);
         },
         {{5, 0x80}, {6, 1}}},
        {"feet with bits 1-3",
         {{5, 0x4E}},
         [](TFormPGM& w) {
             EXPECT_TRUE(w.RdoDUft->isChecked());
             EXPECT_EQ(w.LblDDUnit->text(), "ft");
             ASSERT_EQ(w.CbxDDDep->count(), 22);
             EXPECT_EQ(w.CbxDDDep->itemText(1), "30");
             EXPECT_EQ(w.CbxDDDep->itemText(21), "130");
         },
         {{5, 0xCE}}},
        {"switches on",
         {{5, 0x31}, {6, 99}, {12, 23}, {13, 59}, {17, 5}, {18, 45}},
         [](TFormPGM& w) {
             EXPECT_TRUE(w.RdoTset24->isChecked());
             EXPECT_TRUE(w.RdoAlmOn->isChecked());
             EXPECT_TRUE(w.RdoDestOn->isChecked());
             EXPECT_EQ(w.CmbTimerMM->currentText(), "99");
             EXPECT_EQ(w.CmbAlmHH->currentText(), "23");
             EXPECT_EQ(w.CmbAlmM10->currentText(), "59");
             EXPECT_EQ(w.CmbDestHH->currentText(), "5");
             EXPECT_EQ(w.CmbDestM10->currentText(), "45");
         },
         {{5, 0xB1}, {6, 99}, {12, 23}, {13, 59}, {17, 5}, {18, 45}}},
        {"values outside their lists",
         {{6, 120}, {12, 24}, {13, 60}, {66, 9}},
         [](TFormPGM& w) {
             EXPECT_EQ(w.CmbTimerMM->currentIndex(), -1);
             EXPECT_EQ(w.CmbAlmHH->currentIndex(), -1);
             EXPECT_EQ(w.CmbDiveAlCnt->currentIndex(), -1);
         },
         {{6, 1}, {12, 0}, {13, 0}, {66, 255}}},
        {"sounds",
         {{14, 0x85}, {19, 0x10}, {70, 0x0C}},
         [](TFormPGM& w) {
             EXPECT_EQ(w.AlarmSound, 5);
             EXPECT_EQ(w.DestSound, 0);
             EXPECT_EQ(w.TimerSound, 12);
             EXPECT_TRUE(w.LblAlmAlm->isHidden());
             EXPECT_FALSE(w.ImgAlm->isHidden());
         },
         {{14, 0x05}, {19, 0x00}, {70, 0x0C}}},
        {"depth 12 m",
         {{64, 12}, {66, 3}},
         [](TFormPGM& w) {
             EXPECT_TRUE(w.RdoDDOn->isChecked());
             EXPECT_TRUE(w.CmbDiveAlCnt->isEnabled());
             EXPECT_EQ(w.CbxDDDep->currentText(), "12");
             EXPECT_EQ(w.CmbDiveAlCnt->currentText(), "3");
         },
         {{64, 12}, {65, 0}, {66, 3}}},
        {"depth 33 ft",
         {{5, 0x40}, {64, 33}},
         [](TFormPGM& w) { EXPECT_EQ(w.CbxDDDep->currentText(), "35"); },
         {{64, 35}}},
        {"depth 200 ft",
         {{5, 0x40}, {64, 200}},
         [](TFormPGM& w) { EXPECT_EQ(w.CbxDDDep->currentText(), "130"); },
         {{64, 130}}},
        {"dive time 7",
         {{68, 7}},
         [](TFormPGM& w) {
             EXPECT_TRUE(w.RdoDTOn->isChecked());
             EXPECT_EQ(w.CbxDiveTime->currentText(), "10");
         },
         {{68, 10}}},
        {"arrival day 1 and log counter 65535",
         {{15, 1}, {27, 0xFF}, {28, 0xFF}},
         [](TFormPGM& w) {
             EXPECT_EQ(w.DtpTravel->date(), QDate(2000, 1, 1));
             EXPECT_EQ(w.PnlLogWatCnt->text(), "65535");
             EXPECT_EQ(w.EdtLogTrueCnt->text(), "65535");
         },
         {{15, 1}, {16, 0}, {27, 0xFF}, {28, 0xFF}}},
        {"largest arrival day",
         {{15, 0xFF}, {16, 0xFF}},
         [](TFormPGM& w) { EXPECT_EQ(w.DtpTravel->date(), QDate(1999, 12, 31).addDays(65535)); },
         {{15, 0xFF}, {16, 0xFF}}},
        {"main location with daylight saving",
         {{20, 3}, {21, 4}, {23, 0x08}},
         [](TFormPGM& w) {
             EXPECT_EQ(w.Record[20], 0x83);
             EXPECT_EQ(w.Record[21], 4);
         },
         {{20, 0x83}, {21, 4}}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.what);
        TFormPGM& w = makeWindow();
        for (auto [at, value] : c.bytes)
            w.Record[at] = value;
        w.DecodeSettingsRecord();
        c.check(w);
        w.EncodeSettingsRecord();
        for (auto [at, value] : c.sent)
            EXPECT_EQ(w.Record[at], value) << "byte " << at;
        window.reset();
    }
}

TEST_F(MainWindow, DiveTimeOffSendsZeroWhateverIsSelected)
{
    TFormPGM& w = makeWindow();
    w.Record[68] = 30;
    w.DecodeSettingsRecord();
    w.RdoDTOff->setChecked(true);
    w.CbxDiveTime->setCurrentIndex(4); // selected by program: no change handler
    w.EncodeSettingsRecord();
    EXPECT_EQ(w.Record[68], 0);
}

TEST_F(MainWindow, UneditedBytesTravelBackUnchanged)
{
    TFormPGM& w = makeWindow();
    for (int i = 0; i < kSettingsRecordSize; ++i)
        w.Record[i] = static_cast<uint8_t>(0xA5 ^ (i * 29));
    const SettingsRecord received = w.Record;
    w.DecodeSettingsRecord();
    w.EncodeSettingsRecord();
    for (int i : {0, 1, 2, 3, 4, 7, 8, 9, 29, 40, 63, 67, 69, 71, 78})
        EXPECT_EQ(w.Record[i], received[i]) << "byte " << i;
    EXPECT_EQ(w.Record[5] & 0x0E, received[5] & 0x0E);
}

TEST_F(MainWindow, SoundButtonsTakeTheChoiceOnlyOnOk)
{
    TFormPGM& w = makeWindow();
    w.TimerSound = 7;
    int preselected = -1;
    seam.onModal = [&](QDialog& dialog) {
        auto& chooser = dynamic_cast<TFormAlarmChoose&>(dialog);
        preselected = chooser.SelectedSound();
        chooser.RdoBeep13->click();
        return int(MrOk);
    };
    w.BtnTimerSel->click();
    EXPECT_EQ(preselected, 7);
    EXPECT_EQ(w.TimerSound, 12);
    EXPECT_TRUE(w.LblTimerAlm->isHidden());
    const TFormAlarmChoose pictures(&w);
    EXPECT_EQ(w.ImgTimerAlm->pixmap().toImage(), pictures.SoundPicture(12).toImage());

    seam.onModal = [](QDialog& dialog) {
        dynamic_cast<TFormAlarmChoose&>(dialog).RdoBeep03->click();
        return int(MrCancel);
    };
    w.BtnTimerSel->click();
    EXPECT_EQ(w.TimerSound, 12);
    EXPECT_EQ(w.ImgTimerAlm->pixmap().toImage(), pictures.SoundPicture(12).toImage());
    EXPECT_EQ(w.AlarmSound, 0);
}

TEST_F(MainWindow, AboutRunsTheAboutDialogModally)
{
    TFormPGM& w = makeWindow();
    bool sawAbout = false;
    seam.onModal = [&](QDialog& dialog) {
        sawAbout = dynamic_cast<TFormAbout*>(&dialog) != nullptr && dialog.parent() == &w;
        return int(MrOk);
    };
    w.MuVersion->trigger();
    EXPECT_TRUE(sawAbout);
}

TEST_F(MainWindow, HiddenSoundButtonsKeepTheirOwnNumbers)
{
    TFormPGM& w = makeWindow();
    seam.onModal = [](QDialog& dialog) {
        dynamic_cast<TFormAlarmChoose&>(dialog).RdoBeep05->click();
        return int(MrOk);
    };
    w.BtnDDSel->click();
    EXPECT_EQ(w.DepthSound, 4);
    EXPECT_EQ(w.DiveTimeSound, 0);
    EXPECT_EQ(w.FloatSound, 0);
}

} // namespace
