// The production seam on a real (offscreen) screen: buttons, icons and results of the message
// box, and modal results of dialogs.
#include "app/AppSeam.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs action on the modal widget once it is up.
void whenModalIsUp(std::function<void(QWidget&)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            whenModalIsUp(action);
            return;
        }
        action(*modal);
    });
}

} // namespace

TEST(ProductionSeam, MessageBoxesShowTheirButtonsAndIconAndReportTheAnswer)
{
    struct Case
    {
        MessageButtons buttons;
        MessageIcon icon;
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButton pressed; // NoButton: closed with Esc
        int result;
    };
    const Case cases[] = {
        {MbOk, IconWarning, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok, IdOk},
        {MbOk, IconInformation, QMessageBox::Ok, QMessageBox::Information, QMessageBox::NoButton, IdOk},
        {MbOkCancel, IconQuestion, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question,
         QMessageBox::Cancel, IdCancel},
        {MbOkCancel, IconError, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Critical,
         QMessageBox::NoButton, IdCancel},
        {MbYesNo, IconQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes,
         IdYes},
        {MbYesNo, IconNone, QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QMessageBox::NoButton,
         IdNo},
        {MbYesNoCancel, IconWarning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Warning, QMessageBox::No, IdNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << int(c.buttons) << "/" << int(c.icon) << " pressing " << int(c.pressed));
        QMessageBox::StandardButtons seenButtons;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        QString seenTitle, seenText;
        whenModalIsUp([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            seenButtons = box.standardButtons();
            seenIcon = box.icon();
            seenTitle = box.windowTitle();
            seenText = box.text();
            if (c.pressed == QMessageBox::NoButton)
                box.reject();
            else
                box.button(c.pressed)->click();
        });
        EXPECT_EQ(appSeam().messageBox(nullptr, "text", "caption", c.buttons, c.icon), c.result);
        EXPECT_EQ(seenButtons, c.shown);
        EXPECT_EQ(seenIcon, c.qtIcon);
        EXPECT_EQ(seenTitle, "caption");
        EXPECT_EQ(seenText, "text");
    }
}

TEST(ProductionSeam, ModalResultIsOkOnlyWhenTheDialogWasAccepted)
{
    const std::pair<std::function<void(QDialog&)>, int> cases[] = {
        {[](QDialog& d) { d.accept(); }, MrOk},    {[](QDialog& d) { d.reject(); }, MrCancel},
        {[](QDialog& d) { d.close(); }, MrCancel}, {[](QDialog& d) { d.done(MrCancel); }, MrCancel},
        {[](QDialog& d) { d.done(7); }, MrCancel},
    };
    for (const auto& [finish, result] : cases) {
        QDialog dialog;
        whenModalIsUp([&, finish = finish](QWidget&) { finish(dialog); });
        EXPECT_EQ(appSeam().runModal(dialog), result);
    }
}
