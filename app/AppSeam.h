// The application seam: the three things a form does that need a person at the screen
// (running a dialog modally, message boxes, the open-picture dialog) go through one object,
// so that every form can be driven headless in a test.
#pragma once

#include <QString>

class QDialog;
class QWidget;

// Buttons, icons and results use the classic message-box values, so callers read like the
// behaviour they implement.
enum MessageButtons { MbOk = 0x0, MbOkCancel = 0x1, MbYesNoCancel = 0x3, MbYesNo = 0x4 };
enum MessageIcon { IconNone = 0x0, IconError = 0x10, IconQuestion = 0x20, IconWarning = 0x30, IconInformation = 0x40 };
enum MessageResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// Modal results of forms: 1 OK, 2 Cancel or the close box.
enum ModalResult { MrOk = 1, MrCancel = 2 };

class AppSeam {
public:
    virtual ~AppSeam() = default;

    // Shows the dialog modally and returns its modal result (MrOk or MrCancel).
    virtual int runModal(QDialog& dialog) = 0;

    // Shows a message box; owner may be null. Returns an IdXxx value.
    virtual int messageBox(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                           MessageIcon icon) = 0;

    // Asks for one picture file; empty when cancelled.
    virtual QString openPicture(QWidget* owner, const QString& filter, const QString& initialDir) = 0;
};

// The seam in use: production by default; tests install their own.
AppSeam& appSeam();
void setAppSeam(AppSeam* seam); // nullptr restores the production seam
