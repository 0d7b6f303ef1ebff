#include "worldtime/TFormCityMod.h"

#include "app/AppSeam.h"
#include "app/CommonData.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GroupNameCheck CheckGroupName(const QString& name, const QStringList& namesInUse)
{
    if (name.isEmpty())
        return GroupNameCheck::Empty;
    if (name.size() > kMaxGroupNameLength)
        return GroupNameCheck::TooLong;
    if (namesInUse.contains(name))
        return GroupNameCheck::InUse;
    return GroupNameCheck::Accepted;
}

TFormCityMod::TFormCityMod(QWidget* owner, const QStringList& namesInUse)
    : QDialog(owner), namesInUse_(namesInUse)
{
    QFont font = this->font();
    ReefCommonData->ApplyFont(font);
    setFont(font);

    auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setParent(this);
        return widget;
    };
    LblEx1 = named(new QLabel, "LblEx1");
    LblEx2 = named(new QLabel, "LblEx2");
    EdtCity = named(new QLineEdit, "EdtCity");
    BtnOk = named(new QPushButton, "BtnOk");
    BtnCancel = named(new QPushButton, "BtnCancel");

    setWindowTitle(ReefCommonData->GetMessageText(80));
    LblEx2->setText(ReefCommonData->GetMessageText(472));
    BtnOk->setText(ReefCommonData->GetMessageText(136));
    BtnCancel->setText(ReefCommonData->GetMessageText(137));
    BtnOk->setDefault(true);
    EdtCity->setMaxLength(kMaxGroupNameLength);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblEx1);
    layout->addWidget(LblEx2);
    layout->addWidget(EdtCity);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(EdtCity, &QLineEdit::textChanged, this, &TFormCityMod::EdtCityChange);
    connect(BtnOk, &QPushButton::clicked, this, &TFormCityMod::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormCityMod::BtnCancelClick);
    EdtCityChange();
}

void TFormCityMod::SetNoCancel()
{
    noCancel_ = true;
    BtnCancel->setEnabled(false);
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                   ~(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
}

void TFormCityMod::EdtCityChange()
{
    BtnOk->setEnabled(!EdtCity->text().isEmpty());
}

void TFormCityMod::BtnOkClick()
{
    switch (CheckGroupName(EdtCity->text(), namesInUse_)) {
    case GroupNameCheck::Accepted:
        done(MrOk);
        break;
    case GroupNameCheck::InUse:
        ReefCommonData->ShowWarning(469, 83, this);
        break;
    case GroupNameCheck::Empty:
    case GroupNameCheck::TooLong:
        // BtnOk is disabled while the edit is empty, and the edit takes no more than the limit.
        break;
    }
}

void TFormCityMod::BtnCancelClick()
{
    reject();
}

// Escape, the close box and Cancel all end here; the no-cancel form ignores them.
void TFormCityMod::reject()
{
    if (!noCancel_)
        done(MrCancel);
}
