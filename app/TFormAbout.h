// The About dialog: a program icon and the product name, file version and legal notice read
// from the version block of the program file itself.
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;

class TFormAbout : public QDialog
{
    Q_OBJECT
public:
    // selector '0', '1' or '2' picks an icon of IconList; any other character shows none.
    TFormAbout(QWidget* owner, QChar selector);

    QFrame* PnlAbout;
    QLabel* ImgIcon;
    QLabel* LblProductName;
    QLabel* LblVersion;
    QLabel* LblCopyright;
    QPushButton* BtnOk;
    QList<QPixmap> IconList;

public slots:
    void BtnOkClick();

private:
    void readVersionBlock();
};
