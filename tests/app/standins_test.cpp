// Pure pieces of the application core and its platform stand-ins: locale identifiers, the
// short date format, help topics, file filters and the WAV reader of the sample player.
#include "app/DateFormat.h"
#include "app/FileFilter.h"
#include "app/HelpTopic.h"
#include "platform/user_locale.h"
#include "platform/wave_player.h"
#include "tests/app/AppFixture.h"

#include <set>

TEST(UserLocale, NamesMapToLocaleIdentifiers)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"ja_JP.UTF-8", 1041},
        {"ja", 1041},
        {"ja_JP.eucJP", 1041},
        {"en_GB.UTF-8", 2057},
        {"en_GB", 2057},
        {"en_US.UTF-8", 1033},
        {"en", 1033},
        {"de_DE.UTF-8", 1033},
        {"C", 1033},
        {"POSIX", 1033},
        {"", 1033},
        {"jp", 1033},
    };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(locale_id_from_name(name), id) << name;
    EXPECT_EQ(locale_id_from_name(nullptr), 1033u);
}

class UserLocaleEnvironment : public AppFixture
{
};

TEST_F(UserLocaleEnvironment, FirstSetVariableDecides)
{
    struct Case
    {
        const char* all;
        const char* messages;
        const char* lang;
        uint32_t id;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", 1041},
        {"", "ja_JP.UTF-8", "en_US.UTF-8", 1041},
        {"", "", "en_GB.UTF-8", 2057},
        {"", "", "", 1033},
        {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", 1033},
    };
    for (const Case& c : cases) {
        setEnv("LC_ALL", c.all);
        setEnv("LC_MESSAGES", c.messages);
        setEnv("LANG", c.lang);
        EXPECT_EQ(user_locale_id(), c.id) << c.all << "|" << c.messages << "|" << c.lang;
    }
}

TEST(DateFormat, KeepsOrderAndSeparatorWithFullWidthParts)
{
    struct Case
    {
        const char* format;
        char separator;
        const char* normalised;
    };
    const Case cases[] = {
        {"M/d/yy", '/', "mm/dd/yyyy"},     {"d/M/yy", '/', "dd/mm/yyyy"},
        {"yyyy/MM/dd", '/', "yyyy/mm/dd"}, {"d.M.yyyy", '.', "dd.mm.yyyy"},
        {"yyyy-MM-dd", '-', "yyyy-mm-dd"}, {"dd/MM/yyyy", '/', "dd/mm/yyyy"},
        {"yy.M.d", '.', "yyyy.mm.dd"},     {"", '/', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormaliseDateFormat(QString::fromLatin1(c.format), QLatin1Char(c.separator)),
                  QString::fromLatin1(c.normalised))
            << c.format;
}

TEST(DateFormat, NormalisingTwiceChangesNothing)
{
    NormaliseDateFormat();
    const QString once = ShortDateFormat();
    NormaliseDateFormat();
    EXPECT_EQ(ShortDateFormat(), once);
    EXPECT_TRUE(once.contains(QLatin1String("yyyy"))) << once.toStdString();
    // The display of a date follows the format: every part two or four digits wide.
    const QString shown = FormatShortDate(QDate(2007, 3, 4));
    EXPECT_TRUE(shown.contains(QLatin1String("2007"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QLatin1String("03"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QLatin1String("04"))) << shown.toStdString();
}

TEST(HelpTopics, PagesAndAnchorsInsideTheHelpFolderOnly)
{
    struct Case
    {
        const char* topic;
        const char* page;
        const char* anchor;
    };
    const Case cases[] = {
        {"Kelpset.chm", "index.html", ""},
        {"Kelpset.chm::/Recv.html", "Recv.html", ""},
        {"Kelpset.chm::/TIMESYNC.html#anchor74350", "TIMESYNC.html", "anchor74350"},
        {"Kelpset.chm::/", "index.html", ""},
        {"Kelpset.chm::/../secret.html", "", ""},
        {"Kelpset.chm::/ja/../../secret.html", "", ""},
        {"Kelpset.chm::///etc/passwd", "", ""},
    };
    for (const Case& c : cases) {
        const HelpTopic topic = ParseHelpTopic(QString::fromLatin1(c.topic));
        EXPECT_EQ(topic.page, QString::fromLatin1(c.page)) << c.topic;
        EXPECT_EQ(topic.anchor, QString::fromLatin1(c.anchor)) << c.topic;
    }
}

TEST(FileFilters, PairsBecomeDialogFilters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Bitmap(*.bmp)|*.bmp", "Bitmap(*.bmp) (*.bmp)"},
        {"JPEG File(*.jpeg;*.jpg)|*.jpeg;*.jpg|All Files (*.*)|*.*",
         "JPEG File(*.jpeg;*.jpg) (*.jpeg *.jpg);;All Files (*.*) (*.*)"},
        {"Pictures (*.bmp)", "Pictures (*.bmp)"},
        {"Dangling|", "Dangling ()"},
    };
    for (const auto& [pairs, dialog] : cases)
        EXPECT_EQ(DialogFilterFromPairs(QString::fromLatin1(pairs)), QString::fromLatin1(dialog)) << pairs;
}

namespace {

void put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char(v >> (8 * i) & 0xFF));
}
void put16(std::string& out, uint16_t v)
{
    out.push_back(char(v & 0xFF));
    out.push_back(char(v >> 8));
}
std::string chunk(const std::string& id, const std::string& body, int64_t declared = -1)
{
    std::string out = id;
    put32(out, declared < 0 ? uint32_t(body.size()) : uint32_t(declared));
    out += body;
    if (body.size() % 2 && declared < 0)
        out.push_back('\0');
    return out;
}
std::string fmt(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, size_t length = 16)
{
    std::string body;
    put16(body, format);
    put16(body, channels);
    put32(body, rate);
    put32(body, rate * channels * bits / 8);
    put16(body, uint16_t(channels * bits / 8));
    put16(body, bits);
    body.resize(length, '\0');
    return chunk("fmt ", body);
}
std::string riff(const std::string& chunks, int declared = -1)
{
    std::string out = "RIFF";
    put32(out, declared < 0 ? uint32_t(chunks.size() + 4) : uint32_t(declared));
    return out + "WAVE" + chunks;
}
int parse(const std::string& image, WaveFormat* format)
{
    return parse_wave(reinterpret_cast<const uint8_t*>(image.data()), image.size(), format);
}

} // namespace

TEST(WaveReader, GoodAndMalformedImages)
{
    const std::string samples(400, '\x10');
    struct Case
    {
        const char* name;
        std::string image;
        int result;
        size_t dataSize;
    };
    const Case cases[] = {
        {"16-bit mono", riff(fmt(1, 1, 22050, 16) + chunk("data", samples)), WaveOk, 400},
        {"8-bit stereo", riff(fmt(1, 2, 8000, 8) + chunk("data", samples)), WaveOk, 400},
        {"odd chunk padded before data",
         riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abc") + chunk("data", samples)), WaveOk, 400},
        {"longer fmt chunk", riff(fmt(1, 1, 44100, 16, 18) + chunk("data", samples)), WaveOk, 400},
        {"partial last frame dropped", riff(fmt(1, 2, 22050, 16) + chunk("data", std::string(402, 'a'))),
         WaveOk, 400},
        {"not RIFF", "RIFX" + riff(fmt(1, 1, 22050, 16)).substr(4), WaveMalformed, 0},
        {"not WAVE", riff(fmt(1, 1, 22050, 16)).replace(8, 4, "AVI "), WaveMalformed, 0},
        {"header only", riff(""), WaveMalformed, 0},
        {"shorter than a header", "RIFF", WaveMalformed, 0},
        {"data before fmt", riff(chunk("data", samples) + fmt(1, 1, 22050, 16)), WaveMalformed, 0},
        {"no data chunk", riff(fmt(1, 1, 22050, 16)), WaveMalformed, 0},
        {"data runs past the end", riff(fmt(1, 1, 22050, 16) + chunk("data", samples, 100000)), WaveMalformed,
         0},
        {"data length near 4 GiB", riff(fmt(1, 1, 22050, 16) + chunk("data", samples, 0xFFFFFFF0)),
         WaveMalformed, 0},
        {"RIFF size cuts the data", riff(fmt(1, 1, 22050, 16) + chunk("data", samples), 100), WaveMalformed,
         0},
        {"short fmt", riff(chunk("fmt ", std::string(10, '\1')) + chunk("data", samples)), WaveMalformed, 0},
        {"compressed", riff(fmt(2, 1, 22050, 4) + chunk("data", samples)), WaveUnsupported, 0},
        {"24-bit", riff(fmt(1, 1, 22050, 24) + chunk("data", samples)), WaveUnsupported, 0},
        {"six channels", riff(fmt(1, 6, 22050, 16) + chunk("data", samples)), WaveUnsupported, 0},
        {"rate zero", riff(fmt(1, 1, 0, 16) + chunk("data", samples)), WaveUnsupported, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaveFormat format{};
        ASSERT_EQ(parse(c.image, &format), c.result);
        if (c.result == WaveOk) {
            EXPECT_EQ(format.dataSize, c.dataSize);
            EXPECT_LE(format.dataOffset + format.dataSize, c.image.size());
        }
    }
    // Every prefix of a good image is handled without reading past it.
    const std::string good = riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abc") + chunk("data", samples));
    for (size_t cut = 0; cut < good.size(); ++cut) {
        const std::vector<uint8_t> prefix(good.begin(), good.begin() + cut);
        WaveFormat format{};
        const int rc = parse_wave(prefix.data(), prefix.size(), &format);
        if (rc == WaveOk) {
            EXPECT_LE(format.dataOffset + format.dataSize, cut);
        }
    }
}

TEST(WaveReader, PlayerRefusesWhatItCannotReadBeforeTouchingTheSoundServer)
{
    EXPECT_EQ(play_wave_file(nullptr), WaveCannotOpen);
    EXPECT_EQ(play_wave_file("/nonexistent/AL1.WAV"), WaveCannotOpen);
    const std::string path = ::testing::TempDir() + "broken.wav";
    std::ofstream(path, std::ios::binary) << riff(chunk("data", "xx"));
    EXPECT_EQ(play_wave_file(path.c_str()), WaveMalformed);
    std::remove(path.c_str());
}

#ifdef KELPSET_SAMPLE_DIR
TEST(WaveReader, GeneratedAlarmSamplesAreShortDistinctPcm)
{
    std::set<std::string> seen;
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        std::ifstream in(std::string(KELPSET_SAMPLE_DIR) + "/AL" + std::to_string(n) + ".WAV",
                         std::ios::binary);
        const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        WaveFormat format{};
        ASSERT_EQ(parse(image, &format), WaveOk);
        const double seconds =
            double(format.dataSize) / (format.sampleRate * format.channels * format.bitsPerSample / 8);
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 3.0);
        EXPECT_TRUE(seen.insert(image).second) << "same as an earlier sample";
    }
}
#endif
