// The help window: one browser that shows the program's help pages, kept while the program
// runs and raised for every topic.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QPushButton;

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(bool japanese);

    // Shows the page file, scrolled to the anchor when one is given.
    void showPage(const QString& file, const QString& anchor);
    QUrl source() const;

    QTextBrowser* Browser;
    QPushButton* BtnBack;
    QPushButton* BtnContents;

private:
    QUrl contents_;
};
