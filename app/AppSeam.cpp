#include "app/AppSeam.h"

#include "app/FileFilter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class ProductionSeam : public AppSeam
{
public:
    int runModal(QDialog& dialog) override { return dialog.exec() == MrOk ? MrOk : MrCancel; }

    int messageBox(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                   MessageIcon icon) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(caption);
        box.setText(text);
        box.setIcon(qtIcon(icon));
        switch (buttons) {
        case MbOkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MbYesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MbYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MbOk:
        default:
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        }
        box.exec();
        return resultOf(box.standardButton(box.clickedButton()), buttons);
    }

    QString openPicture(QWidget* owner, const QString& filter, const QString& initialDir) override
    {
        return QFileDialog::getOpenFileName(owner, QString(), initialDir, DialogFilterFromPairs(filter));
    }

private:
    static QMessageBox::Icon qtIcon(MessageIcon icon)
    {
        switch (icon) {
        case IconError:
            return QMessageBox::Critical;
        case IconQuestion:
            return QMessageBox::Question;
        case IconWarning:
            return QMessageBox::Warning;
        case IconInformation:
            return QMessageBox::Information;
        case IconNone:
        default:
            return QMessageBox::NoIcon;
        }
    }

    // A box closed without a button answers as its escape button would.
    static int resultOf(QMessageBox::StandardButton pressed, MessageButtons buttons)
    {
        switch (pressed) {
        case QMessageBox::Ok:
            return IdOk;
        case QMessageBox::Cancel:
            return IdCancel;
        case QMessageBox::Yes:
            return IdYes;
        case QMessageBox::No:
            return IdNo;
        default:
            break;
        }
        switch (buttons) {
        case MbOkCancel:
        case MbYesNoCancel:
            return IdCancel;
        case MbYesNo:
            return IdNo;
        case MbOk:
        default:
            return IdOk;
        }
    }
};

AppSeam* installed = nullptr;

} // namespace

AppSeam& appSeam()
{
    static ProductionSeam production;
    return installed ? *installed : production;
}

void setAppSeam(AppSeam* seam)
{
    installed = seam;
}
