// The alarm sound chooser: sixteen sound pictures with a radio button each, and playback
// of the selected sound's sample.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <string>

class ClickableImage;
class QPushButton;
class QRadioButton;
class QToolButton;

class TFormAlarmChoose : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSoundCount = 16;

    explicit TFormAlarmChoose(QWidget* owner);

    // A number outside 0-15 selects sound 0.
    void SetSelectedSound(int sound);
    // The first checked sound, or -1.
    int SelectedSound() const;
    // The picture of a sound (0-15).
    QPixmap SoundPicture(int sound) const;

    QRadioButton* RdoBeep01;
    QRadioButton* RdoBeep02;
    QRadioButton* RdoBeep03;
    QRadioButton* RdoBeep04;
    QRadioButton* RdoBeep05;
    QRadioButton* RdoBeep06;
    QRadioButton* RdoBeep07;
    QRadioButton* RdoBeep08;
    QRadioButton* RdoBeep09;
    QRadioButton* RdoBeep10;
    QRadioButton* RdoBeep11;
    QRadioButton* RdoBeep12;
    QRadioButton* RdoBeep13;
    QRadioButton* RdoBeep14;
    QRadioButton* RdoBeep15;
    QRadioButton* RdoBeep16;
    ClickableImage* ImgBeep01;
    ClickableImage* ImgBeep02;
    ClickableImage* ImgBeep03;
    ClickableImage* ImgBeep04;
    ClickableImage* ImgBeep05;
    ClickableImage* ImgBeep06;
    ClickableImage* ImgBeep07;
    ClickableImage* ImgBeep08;
    ClickableImage* ImgBeep09;
    ClickableImage* ImgBeep10;
    ClickableImage* ImgBeep11;
    ClickableImage* ImgBeep12;
    ClickableImage* ImgBeep13;
    ClickableImage* ImgBeep14;
    ClickableImage* ImgBeep15;
    ClickableImage* ImgBeep16;
    QToolButton* MediaPlayer;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
    QPushButton* BtnHelp;

    // The sample of a sound: SAMPLE/AL1.WAV for sound 0 ... AL15.WAV for sound 14.
    std::string SampleFile(int sound) const;
    // The file the player has open; empty when none.
    const std::string& OpenedSample() const { return openedSample_; }

public slots:
    void UpdateSelection();
    void RdoBeepClick();
    void ImgBeepClick();
    void MediaPlayerClick();
    void BtnOkClick();
    void BtnCancelClick();
    void BtnHelpClick();
    // Esc and the close box end the dialog as Cancel does.
    void reject() override;

private:
    void FormCreate();
    // Checks the sound's button; a button that was checked already gets its selection
    // refreshed here, since checking it again runs no click.
    void checkSound(int sound);

    std::array<QRadioButton*, kSoundCount> rdoBeep_{};
    std::array<ClickableImage*, kSoundCount> imgBeep_{};
    std::array<QPixmap, kSoundCount> ImlBeep;
    std::string samplePrefix_; // program folder + "SAMPLE/AL"; the number and ".WAV" follow
    std::string openedSample_;
};
