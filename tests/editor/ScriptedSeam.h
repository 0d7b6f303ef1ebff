// A seam for driving the editor's windows headless: modal runs are handed to a script that
// works the dialog and returns its result, message boxes are recorded and answered OK.
#pragma once

#include "app/AppSeam.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

struct RecordedBox
{
    QString text;
    QString caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class ScriptedSeam : public AppSeam
{
public:
    ScriptedSeam() { setAppSeam(this); }
    ~ScriptedSeam() override { setAppSeam(nullptr); }

    std::function<int(QDialog&)> onModal = [](QDialog&) { return int(MrCancel); };
    std::vector<RecordedBox> boxes;
    int modalRuns = 0;

    int runModal(QDialog& dialog) override
    {
        ++modalRuns;
        return onModal(dialog);
    }
    int messageBox(QWidget*, const QString& text, const QString& caption, MessageButtons buttons,
                   MessageIcon icon) override
    {
        boxes.push_back({text, caption, buttons, icon});
        return IdOk;
    }
    QString openPicture(QWidget*, const QString&, const QString&) override { return {}; }
};
