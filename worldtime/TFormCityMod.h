// The group name dialog: asks for the name of one city group and refuses a name in use.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

// Whether a name can be given to a new or renamed city group.
enum class GroupNameCheck { Accepted, Empty, TooLong, InUse };

constexpr int kMaxGroupNameLength = 20;

// A group name is 1 to 20 characters of any kind and differs from every name in use, compared
// exactly (Asia and ASIA are different names).
GroupNameCheck CheckGroupName(const QString& name, const QStringList& namesInUse);

class TFormCityMod : public QDialog
{
    Q_OBJECT
public:
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
    const QStringList namesInUse_; // a copy: a creator may hand over a temporary list
    bool noCancel_ = false;
};
