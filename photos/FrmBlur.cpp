#include "photos/FrmBlur.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRubberBand>
#include <QSlider>

#include "photos/Jpeg.h"
#include "photos/QtPictures.h"

BlurPictureBox::BlurPictureBox(TFrmBlur& editor, QWidget* parent)
    : QWidget(parent)
    , editor_(editor)
{}

void BlurPictureBox::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void BlurPictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, image_);
}

void BlurPictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        editor_.Image1MouseDown(at.x(), at.y());
}

void BlurPictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    editor_.Image1MouseMove(at.x(), at.y());
}

void BlurPictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        editor_.Image1MouseUp(at.x(), at.y());
}

namespace {

// The instructions shown over the right column until the first selection.
const char* const InstructionLines[] = {
    "Pour le Floutage ",
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
    "& la taille de la zone...",
};

void showCrop(QLabel* label, const RgbBitmap& crop)
{
    label->setPixmap(QPixmap::fromImage(toQImage(crop)));
}

} // namespace

TFrmBlur::TFrmBlur(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    buildControls();
    crop_ = RgbBitmap(10, 10); // Image2 starts as an empty 10x10 picture
    showCrop(Image2, crop_);
}

TFrmBlur::~TFrmBlur() = default;

void TFrmBlur::buildControls()
{
    setObjectName(QStringLiteral("FrmBlur"));
    setFixedSize(905, 516);
    constexpr int column = 648, columnWidth = 249;

    Image1 = new BlurPictureBox(*this, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 640, 480);

    Label1 = new QLabel(QStringLiteral("Facteur de Floutage :"), this);
    Label1->setGeometry(column, 4, columnWidth, 18);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(column, 22, columnWidth, 30);
    TrackBar1->setRange(2, 10);
    TrackBar1->setValue(5);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(column, 58, 156, 105);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(column, 169, 156, 97);
    Image3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    TrackBar2 = new QSlider(Qt::Vertical, this);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setGeometry(column + 160, 58, 30, 208);
    TrackBar2->setRange(1, 100);
    TrackBar2->setValue(30);
    TrackBar2->setSingleStep(5);
    TrackBar2->setTickInterval(5);
    TrackBar2->setTickPosition(QSlider::TicksBothSides);
    TrackBar2->setInvertedAppearance(true); // the minimum at the top
    Label2 = new QLabel(QStringLiteral("Taille Maximale de de la Zone :"), this);
    Label2->setGeometry(column + 192, 58, columnWidth - 192, 120);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BtnInversion = new QPushButton(QStringLiteral("Inverser la Zone de Floutage"), this);
    BtnInversion->setObjectName(QStringLiteral("BtnInversion"));
    BtnInversion->setGeometry(column, 276, columnWidth, 28);
    BtnInversion->setEnabled(false);

    JvMemo1 = new QPlainTextEdit(this);
    JvMemo1->setObjectName(QStringLiteral("JvMemo1"));
    JvMemo1->setGeometry(column, 4, columnWidth, 300);
    QStringList lines;
    for (const char* line : InstructionLines)
        lines << QString::fromUtf8(line);
    JvMemo1->setPlainText(lines.join(QLatin1Char('\n')));
    JvMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    JvMemo1->installEventFilter(this);

    BtnSave = new QPushButton(QStringLiteral("Sauver et Transférer l'Image"), this);
    BtnSave->setObjectName(QStringLiteral("BtnSave"));
    BtnSave->setGeometry(column, 430, columnWidth, 36);
    BtnQuit = new QPushButton(QStringLiteral("Quitter"), this);
    BtnQuit->setObjectName(QStringLiteral("BtnQuit"));
    BtnQuit->setGeometry(column, 474, columnWidth, 36);
    BtnSave->setAutoDefault(false);
    BtnQuit->setAutoDefault(false);
    BtnInversion->setAutoDefault(false);

    frame_ = new QRubberBand(QRubberBand::Rectangle, this);

    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    connect(TrackBar2, &QSlider::valueChanged, this, [this] { TrackBar2Change(); });
    connect(BtnInversion, &QPushButton::clicked, this, [this] { BtnInversionClick(); });
    connect(BtnSave, &QPushButton::clicked, this, [this] { BtnSaveClick(); });
    connect(BtnQuit, &QPushButton::clicked, this, [this] { BtnQuitClick(); });
}

void TFrmBlur::setPicture(const RgbBitmap& picture)
{
    picture_ = picture;
    showPicture();
}

QString TFrmBlur::LoadPicture(const QString& path)
{
    DecodedJpeg decoded = readJpegFile(path);
    if (decoded.ok())
        setPicture(decoded.picture);
    return decoded.error;
}

void TFrmBlur::showPicture()
{
    Image1->setImage(toQImage(picture_));
}

bool TFrmBlur::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == JvMemo1 && event->type() == QEvent::FocusIn)
        JvMemo1Enter();
    return QDialog::eventFilter(watched, event);
}

void TFrmBlur::toggleFrame()
{
    if (frame_->isVisible()) {
        frame_->hide();
        return;
    }
    const PixelRect rect = SelectionRect(StartPoint, EndPoint, {Image1->x(), Image1->y()},
                                         picture_.width, picture_.height);
    frame_->setGeometry(rect.left, rect.top, std::max(rect.width(), 1), std::max(rect.height(), 1));
    frame_->show();
}

void TFrmBlur::Image1MouseDown(int x, int y)
{
    if (FrameShown)
        toggleFrame();
    StartPoint = EndPoint = {x, y};
    toggleFrame();
    Dragging = true;
    FrameShown = true;
}

void TFrmBlur::Image1MouseMove(int x, int y)
{
    if (!Dragging)
        return;
    toggleFrame();
    EndPoint = {x, y};
    toggleFrame();
}

void TFrmBlur::Image1MouseUp(int x, int y)
{
    if (FrameShown) {
        toggleFrame();
        EndPoint = {x, y};
        BandDownRight = EndPoint.x > StartPoint.x;
        SelRect = SelectionRect(StartPoint, EndPoint, {Image1->x(), Image1->y()}, picture_.width,
                                picture_.height);
        JvMemo1->hide();
        CaptureSelection();
        BtnInversion->setEnabled(true);
    }
    Dragging = false;
    FrameShown = false;
}

void TFrmBlur::CaptureSelection()
{
    SelRect = SelRect.movedBy(-Image1->x(), -Image1->y());
    crop_ = cropPicture(picture_, SelRect);
    showCrop(Image2, crop_);
    ApplyBlur();
}

void TFrmBlur::ApplyBlur()
{
    blurred_ = crop_;
    if (auto failure = BandBlur(crop_, viewOf(blurred_), BandDownRight, TrackBar2->value(),
                                TrackBar1->value())) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*failure));
        return;
    }
    showCrop(Image3, blurred_);
    if (blurred_.width == 0)
        return; // an empty selection changes nothing
    pastePicture(picture_, blurred_, SelRect.left, SelRect.top);
    showPicture();
}

void TFrmBlur::TrackBar1Change()
{
    if (blurred_.width != 0)
        ApplyBlur();
}

void TFrmBlur::TrackBar2Change()
{
    if (blurred_.width != 0)
        ApplyBlur();
}

void TFrmBlur::BtnInversionClick()
{
    BandDownRight = !BandDownRight;
    TrackBar1Change();
}

void TFrmBlur::BtnSaveClick()
{
    SaveRequested = true;
    accept();
}

void TFrmBlur::BtnQuitClick()
{
    SaveRequested = false;
    reject();
}

void TFrmBlur::JvMemo1Enter()
{
    JvMemo1->setEnabled(false);
}

BlurEditorOutcome runBlurEditor(QWidget* owner, const QString& caption, const RgbBitmap& picture)
{
    TFrmBlur editor(owner);
    editor.setWindowTitle(caption);
    editor.setPicture(picture);
    editor.exec();
    return {editor.SaveRequested, editor.picture()};
}
