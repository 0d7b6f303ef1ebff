#include "editor/TFormAlarmChoose.h"

#include "app/AppSeam.h"
#include "app/CommonData.h"
#include "editor/ClickableImage.h"
#include "editor/ProgramImages.h"
#include "editor/SamplePlayer.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <filesystem>

namespace {

constexpr int kSilentSound = 15; // has no sample
constexpr int kColumnWidth = 110;
constexpr int kRowHeight = 32;

} // namespace

TFormAlarmChoose::TFormAlarmChoose(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("TFormAlarmChoose"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(453, 188);

    QRadioButton** radios[kSoundCount] = {
        &RdoBeep01, &RdoBeep02, &RdoBeep03, &RdoBeep04, &RdoBeep05, &RdoBeep06, &RdoBeep07, &RdoBeep08,
        &RdoBeep09, &RdoBeep10, &RdoBeep11, &RdoBeep12, &RdoBeep13, &RdoBeep14, &RdoBeep15, &RdoBeep16};
    ClickableImage** images[kSoundCount] = {
        &ImgBeep01, &ImgBeep02, &ImgBeep03, &ImgBeep04, &ImgBeep05, &ImgBeep06, &ImgBeep07, &ImgBeep08,
        &ImgBeep09, &ImgBeep10, &ImgBeep11, &ImgBeep12, &ImgBeep13, &ImgBeep14, &ImgBeep15, &ImgBeep16};
    for (int n = 0; n < kSoundCount; ++n) {
        const QString number = QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0'));
        const int x = 12 + (n / 4) * kColumnWidth;
        const int y = 10 + (n % 4) * kRowHeight;
        auto* radio = new QRadioButton(QStringLiteral("Beep%1").arg(number), this);
        radio->setObjectName(QStringLiteral("RdoBeep") + number);
        radio->setGeometry(x, y + 2, 80, 21);
        auto* image = new ClickableImage(this);
        image->setObjectName(QStringLiteral("ImgBeep") + number);
        image->setGeometry(x + 26, y, 60, 25);
        *radios[n] = radio;
        *images[n] = image;
        rdoBeep_[n] = radio;
        imgBeep_[n] = image;
        ImlBeep[n] = ProgramImage(QStringLiteral("beep%1.png").arg(number));
        image->setPixmap(ImlBeep[n]);
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RdoBeepClick();
        });
        connect(image, &ClickableImage::clicked, this, &TFormAlarmChoose::ImgBeepClick);
    }

    MediaPlayer = new QToolButton(this);
    MediaPlayer->setObjectName(QStringLiteral("MediaPlayer"));
    MediaPlayer->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    MediaPlayer->setGeometry(12, 148, 40, 25);
    BtnOk = new QPushButton(this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnOk->setGeometry(186, 148, 80, 25);
    BtnCancel = new QPushButton(this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(274, 148, 80, 25);
    BtnHelp = new QPushButton(this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setGeometry(362, 148, 80, 25);
    connect(MediaPlayer, &QToolButton::clicked, this, &TFormAlarmChoose::MediaPlayerClick);
    connect(BtnOk, &QPushButton::clicked, this, &TFormAlarmChoose::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormAlarmChoose::BtnCancelClick);
    connect(BtnHelp, &QPushButton::clicked, this, &TFormAlarmChoose::BtnHelpClick);

    QFont common = font();
    ReefCommonData->ApplyFont(common);
    setFont(common);
    setWindowTitle(ReefCommonData->GetMessageText(28));
    BtnOk->setText(ReefCommonData->GetMessageText(136));
    BtnCancel->setText(ReefCommonData->GetMessageText(137));
    BtnHelp->setText(ReefCommonData->GetMessageText(138));

    samplePrefix_ = ReefCommonData->programDir + "SAMPLE/AL";
    FormCreate();
}

void TFormAlarmChoose::FormCreate()
{
    for (QRadioButton* radio : rdoBeep_) {
        radio->setText(QString());
        radio->setFixedWidth(24);
    }
    UpdateSelection();
}

int TFormAlarmChoose::SelectedSound() const
{
    for (int n = 0; n < kSoundCount; ++n) {
        if (rdoBeep_[n]->isChecked())
            return n;
    }
    return -1;
}

QPixmap TFormAlarmChoose::SoundPicture(int sound) const
{
    return sound >= 0 && sound < kSoundCount ? imgBeep_[sound]->pixmap() : QPixmap();
}

void TFormAlarmChoose::checkSound(int sound)
{
    if (rdoBeep_[sound]->isChecked())
        UpdateSelection();
    else
        rdoBeep_[sound]->setChecked(true); // runs RdoBeepClick
}

std::string TFormAlarmChoose::SampleFile(int sound) const
{
    // Joined rather than formatted: the program folder may itself contain '%'.
    return samplePrefix_ + std::to_string(sound + 1) + ".WAV";
}

void TFormAlarmChoose::SetSelectedSound(int sound)
{
    checkSound(sound >= 0 && sound < kSoundCount ? sound : 0);
}

void TFormAlarmChoose::UpdateSelection()
{
    MediaPlayer->setEnabled(false);
    BtnOk->setEnabled(false);
    const int sound = SelectedSound();
    if (sound < 0)
        return;
    BtnOk->setEnabled(true);
    openedSample_.clear();
    if (sound == kSilentSound)
        return;
    const std::string file = SampleFile(sound);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ReefCommonData->ShowWarning(436, 83, this);
        return;
    }
    openedSample_ = file;
    MediaPlayer->setEnabled(true);
}

void TFormAlarmChoose::RdoBeepClick()
{
    UpdateSelection();
}

void TFormAlarmChoose::ImgBeepClick()
{
    for (int n = 0; n < kSoundCount; ++n) {
        if (sender() == imgBeep_[n]) {
            checkSound(n);
            return;
        }
    }
    UpdateSelection();
}

void TFormAlarmChoose::MediaPlayerClick()
{
    MediaPlayer->setEnabled(false);
    if (!openedSample_.empty())
        samplePlayer()(openedSample_);
}

void TFormAlarmChoose::BtnOkClick()
{
    done(MrOk);
}

void TFormAlarmChoose::BtnCancelClick()
{
    done(MrCancel);
}

void TFormAlarmChoose::reject()
{
    done(MrCancel);
}

void TFormAlarmChoose::BtnHelpClick()
{
    ReefCommonData->ShowHelp(QStringLiteral("Kelpset.chm::/AlarmSelect.html"));
}
