// Renders every tab of the main window and the sound chooser offscreen, in English and in
// Japanese, fails when a visible text has a character that no installed font can draw,
// and leaves the pictures in the build folder's screens/ for people to look at.
#include "app/TFormAbout.h"
#include "worldtime/TFormCityMod.h"
#include "editor/TFormAlarmChoose.h"
#include "tests/editor/EditorFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextLayout>
#include <QTreeWidget>

namespace {

// Characters of the text that come out as glyph 0 (the font's "missing" box) after font
// fallback has had its go.
QString missingGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QString missing;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                missing += QStringLiteral("?");
        }
    }
    return missing.isEmpty() ? QString() : text;
}

// A caption wider than the fixed place its control was given.
bool captionCut(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (const auto* push = qobject_cast<const QPushButton*>(w)) {
        // A push button's size hint has a minimum width of its own; the text is what counts.
        QString text = push->text();
        text.remove(QLatin1Char('&'));
        return push->fontMetrics().horizontalAdvance(text) + 8 > push->width();
    }
    const bool fixedCaption =
        (label && !label->wordWrap() && !label->text().isEmpty()) || (button && !button->text().isEmpty());
    return fixedCaption && w->sizeHint().width() > w->width();
}

struct ShownText
{
    QString owner;
    QString text;
    QFont font;
};

// Every text a person can see in the widget: captions, titles, list items, column titles.
std::vector<ShownText> visibleTexts(QWidget* top)
{
    std::vector<ShownText> texts;
    auto add = [&](const QWidget* w, QString text) {
        text.remove(QLatin1Char('&'));
        if (!text.trimmed().isEmpty())
            texts.push_back({w->objectName(), text, w->font()});
    };
    add(top, top->windowTitle());
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            add(w, group->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(w, edit->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(w, group->title());
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i)
                add(w, box->itemText(i));
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, tabs->tabText(i));
        }
        if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int i = 0; i < tree->columnCount(); ++i)
                add(w, tree->headerItem()->text(i));
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            add(w, menu->title());
            for (QAction* action : menu->actions()) {
                add(w, action->text());
                add(w, action->toolTip());
            }
        }
        if (!w->toolTip().isEmpty())
            add(w, w->toolTip());
    }
    return texts;
}

class RenderGlyphs : public EditorFixture, public ::testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        useLocale(GetParam());
        QDir().mkpath(QStringLiteral(KELPSET_SCREENS_DIR));
    }

    QString language() const { return QString::fromLatin1(GetParam()).left(2); }

    void checkAndSave(QWidget* top, const QString& name)
    {
        for (const ShownText& shown : visibleTexts(top)) {
            EXPECT_TRUE(missingGlyphs(shown.text, shown.font).isEmpty())
                << name.toStdString() << ": " << shown.owner.toStdString() << " \""
                << shown.text.toStdString() << "\" has characters no font can draw";
        }
        for (QWidget* child : top->findChildren<QWidget*>()) {
            if (child->isVisibleTo(top) && captionCut(child))
                ADD_FAILURE() << name.toStdString() << ": the caption of "
                              << child->objectName().toStdString() << " is cut off";
        }
        const QString file = QStringLiteral(KELPSET_SCREENS_DIR "/%1-%2.png").arg(name, language());
        EXPECT_TRUE(top->grab().save(file)) << file.toStdString();
    }
};

TEST_P(RenderGlyphs, EveryWindowAndDialog)
{
    TFormPGM& w = makeWindow();
    w.show();
    checkAndSave(&w, QStringLiteral("main-empty"));

    w.DecodeSettingsRecord();
    w.PTabSystem->show();
    int tabsWidth = 0;
    for (int i = 0; i < w.PTabSystem->count(); ++i)
        tabsWidth += w.PTabSystem->tabBar()->tabRect(i).width();
    EXPECT_LE(tabsWidth, w.PTabSystem->width()) << "the tab captions do not all fit in one row";
    for (int i = 0; i < w.PTabSystem->count(); ++i) {
        w.PTabSystem->setCurrentIndex(i);
        checkAndSave(&w, QStringLiteral("main-") + w.PTabSystem->widget(i)->objectName());
    }
    for (QMenu* menu : {w.MuTitlePGM, w.MuTitleOption, w.MuTitleHelp})
        checkAndSave(menu, menu->objectName());

    TFormAlarmChoose chooser(&w);
    chooser.SetSelectedSound(3);
    chooser.show();
    checkAndSave(&chooser, QStringLiteral("TFormAlarmChoose"));

    TFormAbout about(&w, QLatin1Char('1'));
    about.show();
    checkAndSave(&about, QStringLiteral("TFormAbout"));

    const QStringList groups{QStringLiteral("ASIA")};
    TFormCityMod groupName(&w, groups);
    groupName.show();
    checkAndSave(&groupName, QStringLiteral("TFormCityMod"));
}

INSTANTIATE_TEST_SUITE_P(Languages, RenderGlyphs, ::testing::Values("en_US.UTF-8", "ja_JP.UTF-8"),
                         [](const auto& info) { return std::string(info.param).substr(0, 2); });

} // namespace

namespace {

TEST(GlyphCheck, ReportsACharacterNoFontHas)
{
    const QFont font;
    EXPECT_TRUE(missingGlyphs(QStringLiteral("Kelpset 基本設定"), font).isEmpty());
    const char32_t unassigned = 0x10FFFD; // private use: no installed font draws it
    EXPECT_FALSE(missingGlyphs(QString::fromUcs4(&unassigned, 1), font).isEmpty());
}

} // namespace
