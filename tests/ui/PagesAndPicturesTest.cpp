// The page control's change events, the colour numbers and the drawn pictures.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>

#include "tests/ui/QtPrinting.h"
#include "ui/Colors.h"
#include "ui/PictureList.h"
#include "ui/Pictures.h"
#include "ui/controls/PageControl.h"

TEST(PageControl, AUserChangeIsAskedFirstAndMayBeRefused)
{
    PageControl pages;
    pages.resize(400, 200);
    for (const char* name : {"Sheet01", "Sheet02", "Sheet03"})
        pages.addTab(new QWidget, name);
    std::vector<std::string> events;
    bool allow = false;
    pages.onChanging = [&](bool& allowChange) {
        events.push_back("changing " + std::to_string(pages.currentIndex()));
        allowChange = allow;
    };
    pages.onChange = [&] { events.push_back("change " + std::to_string(pages.currentIndex())); };
    QTabBar* bar = pages.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(pages.currentIndex(), 0);
    allow = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(pages.currentIndex(), 2);
    // Pages set by the program raise nothing; hidden pages are skipped by the keys.
    pages.setCurrentIndex(0);
    pages.setTabVisible(1, false);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "changing 0", "change 2",
                                                "changing 0", "change 2"}));
}

TEST(Colors, NumbersOfTheDesignMapToColours)
{
    struct Case {
        unsigned value;
        QColor colour;
    };
    const Case cases[] = {
        {255, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0xF0CAA6, QColor(0xA6, 0xCA, 0xF0)},
        {16777200, QColor(0xF0, 0xFF, 0xFF)},
        {color::ButtonFace, QColor(240, 240, 240)},
        {color::Window, QColor(255, 255, 255)},
        {color::WindowText, QColor(0, 0, 0)},
        {color::InactiveBorder, QColor(0xF4, 0xF7, 0xFC)},
        {color::MenuBar, QColor(240, 240, 240)},
        {0xFF0000FFu, QColor(0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toQColor(c.value), c.colour) << std::hex << c.value;
}

namespace {
// Counts the pixels of a picture that are near a colour.
int pixelsNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (p.alpha() > 200 && std::abs(p.red() - colour.red()) < 60 &&
                std::abs(p.green() - colour.green()) < 60 &&
                std::abs(p.blue() - colour.blue()) < 60)
                ++count;
        }
    return count;
}
} // namespace

TEST(Pictures, TheImageListHoldsSixPicturesWithTheirMeanings)
{
    PictureList list;
    ASSERT_EQ(list.count(), 6);
    struct Meaning {
        int index;
        QColor main;
        QColor mark;
    };
    // 0 red with a white minus, 1 green with a white plus, 2 white, 3 a blue i, 4 green with a
    // white triangle, 5 grey.
    const Meaning meanings[] = {
        {0, QColor(205, 30, 30), Qt::white}, {1, QColor(30, 150, 40), Qt::white},
        {2, Qt::white, Qt::white},           {3, QColor(20, 60, 200), QColor(20, 60, 200)},
        {4, QColor(30, 150, 40), Qt::white}, {5, QColor(150, 150, 150), QColor(235, 235, 235)},
    };
    for (const Meaning& m : meanings) {
        const QImage image = list.picture(m.index).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_GT(pixelsNear(image, m.main), 10) << m.index;
        EXPECT_GT(pixelsNear(image, m.mark), 2) << m.index;
    }
    // Red, green and grey do not mix up.
    EXPECT_EQ(pixelsNear(list.picture(0).toImage(), QColor(30, 150, 40)), 0);
    EXPECT_EQ(pixelsNear(list.picture(1).toImage(), QColor(205, 30, 30)), 0);
    EXPECT_EQ(pixelsNear(list.picture(5).toImage(), QColor(30, 150, 40)), 0);
    EXPECT_TRUE(list.picture(6).isNull());
}

TEST(Pictures, GlyphsPlaceholderIconAndSplashAreDrawn)
{
    for (int g = 0; g <= int(pictures::Glyph::SearchMore); ++g) {
        const QImage image = pictures::glyph(pictures::Glyph(g), 32).toImage();
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                opaque += image.pixelColor(x, y).alpha() > 0;
        EXPECT_GT(opaque, 40) << g;
    }
    EXPECT_FALSE(pictures::noPhoto().isNull());
    EXPECT_FALSE(pictures::windowIcon().isNull());
    const QImage splash = pictures::splashPicture().toImage();
    EXPECT_EQ(splash.size(), QSize(545, 81));
    // A transparent background.
    EXPECT_EQ(splash.pixelColor(544, 0).alpha(), 0);
}
