#include "app/TFormAbout.h"

#include "app/CommonData.h"
#include "app/ProgramFile.h"
#include "platform/version_block.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <vector>

namespace {

constexpr int kClientWidth = 297;
constexpr int kClientHeight = 157;
const char* const kStringTable = "\\StringFileInfo\\041103A4\\";

} // namespace

TFormAbout::TFormAbout(QWidget* owner, QChar selector) : QDialog(owner)
{
    setObjectName(QStringLiteral("TFormAbout"));
    QFont common = font();
    ReefCommonData->ApplyFont(common);
    setFont(common);
    setWindowTitle(ReefCommonData->GetMessageText(459));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    PnlAbout = new QFrame(this);
    PnlAbout->setObjectName(QStringLiteral("PnlAbout"));
    PnlAbout->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PnlAbout->setLineWidth(2);
    PnlAbout->setGeometry(8, 8, 281, 105);

    ImgIcon = new QLabel(PnlAbout);
    ImgIcon->setObjectName(QStringLiteral("ImgIcon"));
    ImgIcon->setGeometry(8, 8, 32, 32);

    const auto label = [this](const char* name, int top) {
        auto* text = new QLabel(PnlAbout);
        text->setObjectName(QString::fromLatin1(name));
        text->setGeometry(52, top, 221, 18);
        return text;
    };
    LblProductName = label("LblProductName", 12);
    LblVersion = label("LblVersion", 40);
    LblCopyright = label("LblCopyright", 68);
    LblCopyright->setWordWrap(true);
    LblCopyright->setGeometry(52, 64, 221, 34);

    BtnOk = new QPushButton(ReefCommonData->GetMessageText(136), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(111, 124, 75, 25);
    // Enter and Esc both press it: default button here, and Esc rejects the dialog.
    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &TFormAbout::BtnOkClick);

    const QString images = QString::fromStdString(programFolder()) + QStringLiteral("images/");
    for (int i = 0; i < 3; ++i)
        IconList << QPixmap(images + QStringLiteral("about%1.png").arg(i));

    LblProductName->clear();
    LblVersion->clear();
    LblCopyright->clear();

    if (selector >= QLatin1Char('0') && selector <= QLatin1Char('2'))
        ImgIcon->setPixmap(IconList[selector.unicode() - '0']);

    readVersionBlock();
}

void TFormAbout::readVersionBlock()
{
    const std::string file = programFile();
    const int size = version_block_size(file.c_str());
    if (size == 0)
        return;
    std::vector<char> block(size);
    if (!version_block_read(file.c_str(), size, block.data()))
        return;
    const std::pair<const char*, QLabel*> keys[] = {
        {"ProductName", LblProductName}, {"FileVersion", LblVersion}, {"LegalCopyright", LblCopyright}};
    for (const auto& [key, target] : keys) {
        const std::string path = std::string(kStringTable) + key;
        if (const char* value = version_block_query(block.data(), size, path.c_str()))
            target->setText(QString::fromUtf8(value));
    }
}

void TFormAbout::BtnOkClick()
{
    accept();
}
