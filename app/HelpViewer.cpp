#include "app/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(bool japanese)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(japanese ? QString::fromUtf8("Kelpset ヘルプ") : QStringLiteral("Kelpset Help"));
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    BtnBack = new QPushButton(QStringLiteral("<"), this);
    BtnBack->setObjectName(QStringLiteral("BtnBack"));
    BtnContents = new QPushButton(japanese ? QString::fromUtf8("目次") : QStringLiteral("Contents"), this);
    BtnContents->setObjectName(QStringLiteral("BtnContents"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnBack);
    buttons->addWidget(BtnContents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);
    resize(640, 560);

    connect(BtnBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, BtnBack, &QPushButton::setEnabled);
    BtnBack->setEnabled(false);
    connect(BtnContents, &QPushButton::clicked, this, [this] {
        if (contents_.isValid())
            Browser->setSource(contents_);
    });
}

void HelpViewer::showPage(const QString& file, const QString& anchor)
{
    const QFileInfo info(file);
    contents_ = QUrl::fromLocalFile(info.absolutePath() + QStringLiteral("/index.html"));
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    Browser->setSource(url);
    show();
    raise();
    activateWindow();
}

QUrl HelpViewer::source() const
{
    return Browser->source();
}
