// A recording application seam for driving the program's windows headless. Include it in a
// test, make one TestSeam (it installs itself and restores the production seam when it goes):
// - modal runs are handed to onModal, which works the dialog and returns MrOk or MrCancel
//   (Cancel when no script is set);
// - message boxes are recorded and answered from answers, front first; with the queue empty
//   they are answered IdOk;
// - the open-picture dialog answers from pictures, front first; empty (cancelled) when none.
#pragma once

#include "app/AppSeam.h"

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

struct SeamBox
{
    QWidget* owner;
    QString text;
    QString caption;
    MessageButtons buttons;
    MessageIcon icon;
};

struct SeamPictureRequest
{
    QString filter;
    QString initialDir;
};

class TestSeam : public AppSeam
{
public:
    TestSeam() { setAppSeam(this); }
    ~TestSeam() override { setAppSeam(nullptr); }
    TestSeam(const TestSeam&) = delete;
    TestSeam& operator=(const TestSeam&) = delete;

    std::function<int(QDialog&)> onModal;
    std::vector<QString> modalTitles; // window title of every dialog run modally, in order

    std::vector<SeamBox> boxes;
    std::deque<int> answers;

    std::deque<QString> pictures;
    std::vector<SeamPictureRequest> pictureRequests;

    int runModal(QDialog& dialog) override
    {
        modalTitles.push_back(dialog.windowTitle());
        const int result = onModal ? onModal(dialog) : int(MrCancel);
        dialog.setResult(result == MrOk ? QDialog::Accepted : QDialog::Rejected);
        return result;
    }

    int messageBox(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                   MessageIcon icon) override
    {
        boxes.push_back({owner, text, caption, buttons, icon});
        if (answers.empty())
            return IdOk;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString openPicture(QWidget*, const QString& filter, const QString& initialDir) override
    {
        pictureRequests.push_back({filter, initialDir});
        if (pictures.empty())
            return {};
        QString picture = pictures.front();
        pictures.pop_front();
        return picture;
    }

    // Texts of the recorded boxes, for compact expectations.
    std::vector<QString> texts() const
    {
        std::vector<QString> all;
        for (const SeamBox& box : boxes)
            all.push_back(box.text);
        return all;
    }
};
