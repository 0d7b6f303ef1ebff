// An image that reports mouse clicks, for pictures the user picks by clicking.
#pragma once

#include <QLabel>

class ClickableImage : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
