// Help: pages beside the program open at their topic and anchor; without them the one notice
// at start and nothing afterwards.
#include "app/CommonData.h"
#include "app/HelpTopic.h"
#include "app/HelpViewer.h"
#include "tests/app/AppFixture.h"

#include <QTextBrowser>

class HelpTest : public AppFixture
{
protected:
    void TearDown() override
    {
        ReefCommonData = nullptr;
        AppFixture::TearDown();
    }
    void writePages()
    {
        for (const char* page : {"index.html", "Recv.html", "TIMESYNC.html"})
            writeFile(programDir() / "help" / page,
                      std::string("<html><body><h1>") + page + "</h1></body></html>");
        writeFile(programDir() / "help/ja/Recv.html", "<html><body>受信</body></html>");
    }
    QString shown(const CommonData& data) const
    {
        const QUrl source = data.helpViewer()->source();
        const QString relative = QString::fromStdString(programDir().string() + "/help/");
        QString text = source.toLocalFile().remove(relative);
        if (source.hasFragment())
            text += QLatin1Char('#') + source.fragment();
        return text;
    }
};

TEST_F(HelpTest, TopicsOpenTheirPageAtTheAnchor)
{
    writePages();
    CommonData data(11);
    EXPECT_TRUE(seam.boxes.empty()) << "no notice when the help is there";
    EXPECT_TRUE(data.helpAvailable());
    EXPECT_EQ(data.helpViewer(), nullptr);

    const std::pair<const char*, const char*> cases[] = {
        {"Kelpset.chm::/Recv.html", "Recv.html"},
        {"Kelpset.chm::/TIMESYNC.html#anchor74350", "TIMESYNC.html#anchor74350"},
        {"Kelpset.chm", "index.html"},
        {"Kelpset.chm::/Daily.html", "index.html"},
        {"Kelpset.chm::/../../outside.html", "index.html"},
    };
    for (const auto& [topic, page] : cases) {
        data.ShowHelp(QString::fromLatin1(topic));
        ASSERT_NE(data.helpViewer(), nullptr) << topic;
        EXPECT_TRUE(data.helpViewer()->isVisible()) << topic;
        EXPECT_EQ(shown(data), QString::fromLatin1(page)) << topic;
    }
}

TEST_F(HelpTest, JapaneseUsersGetTheJapanesePageWhereThereIsOne)
{
    writePages();
    useLocale("ja_JP.UTF-8");
    CommonData data(11);
    data.ShowHelp(QStringLiteral("Kelpset.chm::/Recv.html"));
    EXPECT_EQ(shown(data), "ja/Recv.html");
    data.ShowHelp(QStringLiteral("Kelpset.chm::/TIMESYNC.html"));
    EXPECT_EQ(shown(data), "TIMESYNC.html");
}

TEST_F(HelpTest, WithoutHelpPagesOneNoticeAtStartAndHelpDoesNothing)
{
    for (const char* locale : {"en_US.UTF-8", "ja_JP.UTF-8"}) {
        SCOPED_TRACE(locale);
        useLocale(locale);
        seam.boxes.clear();
        CommonData data(11);
        ASSERT_EQ(seam.boxes.size(), 1u);
        EXPECT_EQ(seam.boxes[0].text, QString::fromUtf8("このコンピュータではHTMLヘルプは動作しません。"));
        EXPECT_EQ(seam.boxes[0].caption, "NOTICE");
        EXPECT_EQ(seam.boxes[0].buttons, MbOk);
        EXPECT_EQ(seam.boxes[0].icon, IconInformation);

        data.ShowHelp(QStringLiteral("Kelpset.chm::/Recv.html"));
        data.ShowHelp(QStringLiteral("Kelpset.chm"));
        EXPECT_EQ(data.helpViewer(), nullptr);
        EXPECT_EQ(seam.boxes.size(), 1u);
    }
}

#ifdef KELPSET_HELP_DIR
// Every topic a window of the program opens has its page beside the program, in both languages
// where a translation exists, with the anchor the transfer dialog jumps to.
TEST(HelpPages, EveryTopicOfTheProgramHasItsPage)
{
    const std::filesystem::path help = KELPSET_HELP_DIR;
    for (const char* topic : {"Kelpset.chm", "Kelpset.chm::/Recv.html", "Kelpset.chm::/Send.html",
                              "Kelpset.chm::/TIMESYNC.html#anchor74350", "Kelpset.chm::/TIMESYNC.html",
                              "Kelpset.chm::/Daily.html", "Kelpset.chm::/CityGroup.html",
                              "Kelpset.chm::/CityEdit.html", "Kelpset.chm::/AlarmSelect.html"}) {
        SCOPED_TRACE(topic);
        const HelpTopic parsed = ParseHelpTopic(QString::fromLatin1(topic));
        for (const bool japanese : {false, true}) {
            const QString page = HelpPagePath(QString::fromStdString(help.string()), parsed.page, japanese);
            ASSERT_FALSE(page.isEmpty());
            if (!parsed.anchor.isEmpty()) {
                std::ifstream in(page.toStdString());
                const std::string text((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
                EXPECT_NE(text.find("id=\"" + parsed.anchor.toStdString() + "\""), std::string::npos);
            }
        }
    }
}
#endif
