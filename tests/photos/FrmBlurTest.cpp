// The plate-blurring editor, driven with the mouse and the keyboard on the offscreen platform.
#include <algorithm>
#include <functional>
#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "photos/FrmBlur.h"
#include "photos/GaussBlur.h"
#include "tests/ui/QtPrinting.h"

namespace {

class FrmBlurTest : public testing::Test {
protected:
    void SetUp() override
    {
        editor.setWindowTitle(QStringLiteral("Formulaire de Floutage"));
        editor.setPicture(original);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    QWidget* image1() { return editor.Image1; }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(image1(), Qt::LeftButton, {}, from);
        QTest::mouseMove(image1(), (from + to) / 2);
        QTest::mouseMove(image1(), to);
        QTest::mouseRelease(image1(), Qt::LeftButton, {}, to);
    }
    // The original picture with the band of the rectangle blurred as BandBlur does it.
    RgbBitmap expectedAfter(const RgbBitmap& start, const PixelRect& rect, bool downRight,
                            int thickness = 30, int radius = 5)
    {
        const RgbBitmap crop = cropPicture(start, rect);
        RgbBitmap blurred = crop;
        EXPECT_EQ(BandBlur(crop, viewOf(blurred), downRight, thickness, radius), std::nullopt);
        RgbBitmap result = start;
        pastePicture(result, blurred, rect.left, rect.top);
        return result;
    }
    static bool samePixel(const RgbBitmap& a, const RgbBitmap& b, int x, int y)
    {
        return std::equal(a.at(x, y), a.at(x, y) + 3, b.at(x, y));
    }

    const RgbBitmap original = testPicture(640, 480, 21);
    TFrmBlur editor;
};

TEST_F(FrmBlurTest, OpensWithTheDesignedControls)
{
    EXPECT_EQ(editor.size(), QSize(905, 516));
    EXPECT_EQ(editor.BtnSave->text(), QStringLiteral("Sauver et Transférer l'Image"));
    EXPECT_EQ(editor.BtnQuit->text(), QStringLiteral("Quitter"));
    EXPECT_EQ(editor.BtnInversion->text(), QStringLiteral("Inverser la Zone de Floutage"));
    EXPECT_FALSE(editor.BtnInversion->isEnabled());
    EXPECT_EQ(editor.Label1->text(), QStringLiteral("Facteur de Floutage :"));
    EXPECT_EQ(editor.Label2->text(), QStringLiteral("Taille Maximale de de la Zone :"));
    EXPECT_EQ(std::make_tuple(editor.TrackBar1->minimum(), editor.TrackBar1->maximum(),
                              editor.TrackBar1->value()),
              std::make_tuple(2, 10, 5));
    EXPECT_EQ(std::make_tuple(editor.TrackBar2->minimum(), editor.TrackBar2->maximum(),
                              editor.TrackBar2->value(), editor.TrackBar2->singleStep(),
                              editor.TrackBar2->tickInterval()),
              std::make_tuple(1, 100, 30, 5, 5));
    EXPECT_EQ(editor.TrackBar2->orientation(), Qt::Vertical);
    EXPECT_EQ(editor.selectedCrop().width, 10);
    EXPECT_EQ(editor.selectedCrop().height, 10);

    const QStringList lines = editor.JvMemo1->toPlainText().split(QLatin1Char('\n'));
    const QStringList expected = {"Pour le Floutage ",
                                  "en 1 Cliquez-Relachez...",
                                  "",
                                  "Procédez comme suit :",
                                  "----------------------------",
                                  "",
                                  "->1<- cliquez en sélectionnant le coin ",
                                  "supérieur de la plaque,",
                                  "",
                                  "->2 <- relachez la souris au dessus du coin ",
                                  "inférieur...",
                                  "",
                                  "C'est Fait !!!",
                                  "",
                                  "",
                                  "Ajustez ensuite éventuellement ",
                                  "le facteur de floutage ",
                                  "& la taille de la zone..."};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(editor.JvMemo1->isVisible());
}

TEST_F(FrmBlurTest, TheInstructionsCannotBeEdited)
{
    QTest::mouseClick(editor.JvMemo1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(editor.JvMemo1->isEnabled());
    QTest::keyClicks(editor.JvMemo1, QStringLiteral("abc"));
    EXPECT_FALSE(editor.JvMemo1->toPlainText().contains(QStringLiteral("abc")));
}

TEST_F(FrmBlurTest, DragDownRightBlursTheBandAndNothingElse)
{
    drag({100, 100}, {260, 160});
    const PixelRect rect{100, 100, 260, 160};
    EXPECT_EQ(editor.SelRect, rect);
    EXPECT_TRUE(editor.BandDownRight);
    EXPECT_FALSE(editor.JvMemo1->isVisible());
    EXPECT_TRUE(editor.BtnInversion->isEnabled());
    EXPECT_TRUE(editor.selectedCrop() == cropPicture(original, rect));

    EXPECT_TRUE(editor.picture() == expectedAfter(original, rect, true));
    EXPECT_FALSE(samePixel(editor.picture(), original, 100, 100)); // the band's top-left end
    EXPECT_TRUE(samePixel(editor.picture(), original, 259, 100));  // outside the band
    EXPECT_TRUE(samePixel(editor.picture(), original, 99, 100));   // outside the selection
}

TEST_F(FrmBlurTest, DragUpLeftTakesTheOtherDiagonalAndInversionSwapsIt)
{
    drag({260, 100}, {100, 160});
    const PixelRect rect{100, 100, 260, 160};
    EXPECT_FALSE(editor.BandDownRight);
    EXPECT_TRUE(editor.picture() == expectedAfter(original, rect, false));

    QTest::mouseClick(editor.BtnInversion, Qt::LeftButton);
    EXPECT_TRUE(editor.BandDownRight);
    EXPECT_TRUE(editor.picture() == expectedAfter(original, rect, true));
}

TEST_F(FrmBlurTest, TrackBarsBlurTheLastSelectionAgain)
{
    drag({300, 200}, {420, 260});
    const PixelRect rect{300, 200, 420, 260};
    editor.TrackBar1->setFocus();
    QTest::keyClick(editor.TrackBar1, Qt::Key_End);
    EXPECT_EQ(editor.TrackBar1->value(), 10);
    EXPECT_TRUE(editor.picture() == expectedAfter(original, rect, true, 30, 10));

    editor.TrackBar2->setFocus();
    QTest::keyClick(editor.TrackBar2, Qt::Key_Down); // one line step of 5
    EXPECT_TRUE(editor.picture() ==
                expectedAfter(original, rect, true, editor.TrackBar2->value(), 10));
    EXPECT_NE(editor.TrackBar2->value(), 30);
}

TEST_F(FrmBlurTest, EachSelectionStartsFromThePictureAsBlurred)
{
    drag({20, 20}, {120, 60});
    const RgbBitmap afterFirst = editor.picture();
    drag({400, 300}, {500, 350});
    EXPECT_TRUE(editor.picture() == expectedAfter(afterFirst, {400, 300, 500, 350}, true));
}

TEST_F(FrmBlurTest, AClickWithoutADragChangesNothing)
{
    QTest::mouseClick(image1(), Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_TRUE(editor.SelRect.isEmpty());
    EXPECT_TRUE(editor.picture() == original);
    editor.TrackBar1->setFocus();
    QTest::keyClick(editor.TrackBar1, Qt::Key_End);
    EXPECT_TRUE(editor.picture() == original);
}

TEST_F(FrmBlurTest, ASelectionLeavingThePictureIsClipped)
{
    drag({560, 420}, {700, 530});
    const PixelRect rect{560, 420, 640, 480};
    EXPECT_EQ(editor.SelRect, rect);
    EXPECT_TRUE(editor.picture() == expectedAfter(original, rect, true));
}

TEST_F(FrmBlurTest, SaveAndQuitCloseTheEditorWithTheirChoice)
{
    QTest::mouseClick(editor.BtnSave, Qt::LeftButton);
    EXPECT_TRUE(editor.SaveRequested);
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_FALSE(editor.isVisible());

    editor.show();
    QTest::mouseClick(editor.BtnQuit, Qt::LeftButton);
    EXPECT_FALSE(editor.SaveRequested);
    EXPECT_FALSE(editor.isVisible());
}

// The modal editor as the photos page opens it: the test acts once it is up.
void whenEditorOpens(const std::function<void(TFrmBlur&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* editor = qobject_cast<TFrmBlur*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        act(*editor);
    });
}

TEST(RunBlurEditorTest, ReturnsTheBlurredPictureWhenSaved)
{
    const RgbBitmap picture = testPicture(640, 480, 22);
    whenEditorOpens([](TFrmBlur& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Floutage VO N°12"));
        QTest::mousePress(editor.Image1, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseRelease(editor.Image1, Qt::LeftButton, {}, QPoint(150, 90));
        QTest::mouseClick(editor.BtnSave, Qt::LeftButton);
    });
    const BlurEditorOutcome saved =
        runBlurEditor(nullptr, QStringLiteral("Floutage VO N°12"), picture);
    EXPECT_TRUE(saved.saveRequested);
    EXPECT_FALSE(saved.picture == picture);

    whenEditorOpens([](TFrmBlur& editor) { QTest::keyClick(&editor, Qt::Key_Escape); });
    const BlurEditorOutcome quit = runBlurEditor(nullptr, QStringLiteral("Floutage"), picture);
    EXPECT_FALSE(quit.saveRequested);
}

} // namespace
