#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include "photos/BandBlur.h"
#include "photos/RgbBitmap.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRubberBand;
class QSlider;
class TFrmBlur;

// Image1: shows the working picture at its own size from the top-left corner and hands the left
// button's press, drags and release to the editor.
class BlurPictureBox : public QWidget {
public:
    BlurPictureBox(TFrmBlur& editor, QWidget* parent);
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TFrmBlur& editor_;
    QImage image_;
};

// The plate-blurring editor: the 640x480 photo on the left, where the user drags a rectangle
// around the plate; a diagonal band across that rectangle is blurred. Two track bars set the blur
// radius and the band's thickness, a button flips the band to the other diagonal; the user saves
// or quits. Each new selection starts from the picture as already blurred.
class TFrmBlur : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBlur(QWidget* owner = nullptr);
    ~TFrmBlur() override;

    // The working picture (Image1's). LoadPicture reads a JPEG file and returns the error, empty
    // when the picture was loaded.
    void setPicture(const RgbBitmap& picture);
    QString LoadPicture(const QString& path);
    const RgbBitmap& picture() const { return picture_; }
    // Image2's picture (the crop as selected) and Image3's (the crop after blurring).
    const RgbBitmap& selectedCrop() const { return crop_; }
    const RgbBitmap& blurredCrop() const { return blurred_; }

    // Mouse handlers of Image1, in Image1's coordinates.
    void Image1MouseDown(int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(int x, int y);

    void TrackBar1Change();
    void TrackBar2Change();
    void BtnInversionClick();
    void BtnSaveClick();
    void BtnQuitClick();
    void JvMemo1Enter();

    // Copies the selection into Image2 and blurs it (ApplyBlur).
    void CaptureSelection();
    // Blurs the band of the selection again from the unblurred crop and puts it into Image1.
    void ApplyBlur();

    // Editor state.
    PixelPoint StartPoint{-1, -1};
    PixelPoint EndPoint;
    bool BandDownRight = false;
    bool Dragging = false;
    bool FrameShown = false;
    PixelRect SelRect;
    bool SaveRequested = false;

    // Controls, named as designed.
    BlurPictureBox* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label2 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnQuit = nullptr;
    QPushButton* BtnInversion = nullptr;
    QPlainTextEdit* JvMemo1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The dotted selection frame, at SelectionRect; drawing it twice erases it.
    void toggleFrame();
    void showPicture();

    QRubberBand* frame_ = nullptr;
    RgbBitmap picture_;
    RgbBitmap crop_;    // Image2
    RgbBitmap blurred_; // Image3
};

// What the user did with the editor: "Sauver et Transférer l'Image" (saveRequested, with the
// blurred picture) or "Quitter" (or closing the window otherwise).
struct BlurEditorOutcome {
    bool saveRequested = false;
    RgbBitmap picture;
};

// Opens the editor modally on the picture, with the caption, and releases it afterwards.
BlurEditorOutcome runBlurEditor(QWidget* owner, const QString& caption, const RgbBitmap& picture);
