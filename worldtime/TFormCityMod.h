// The group name dialog: asks for the name of one city group and refuses a name in use.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

// Index of the first name in use that equals name exactly (case-sensitive), or -1.
int FindGroupNameInUse(const QString& name, const QStringList& namesInUse);

class TFormCityMod : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 20;

    TFormCityMod(QWidget* owner, const QStringList& namesInUse);

    // The form used when a group must be created: no Cancel, no close box, no Escape.
    void SetNoCancel();

    QLabel* LblEx1;
    QLabel* LblEx2;
    QLineEdit* EdtCity;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

public slots:
    void EdtCityChange();
    void BtnOkClick();
    void BtnCancelClick();

protected:
    void reject() override;

private:
    const QStringList& namesInUse_;
    bool noCancel_ = false;
};
