#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "app/SingleInstance.h"
#include "ui/Colors.h"
#include "ui/PictureList.h"
#include "ui/Pictures.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"
#include "ui/grid/DataGrid.h"
#include "ui/layout/ControlSpec.h"
#include "ui/layout/GridColumns.h"

namespace {
constexpr const char* kSheetNames[] = {"Sheet01", "Sheet02", "Sheet03", "Sheet04", "Sheet05",
                                       "Sheet06", "Sheet07", "Sheet08", "Sheet09"};
// Font heights of the design, in pixels.
constexpr int kWindowFont = 11;
constexpr int kPagesFont = 12;
constexpr int kSearchPanelBevel = 7;
} // namespace

TAxKelvaro::TAxKelvaro(QWidget* parent)
    : QWidget(parent)
    , IdHTTP1(std::make_unique<RequestClient>(true))
    , IdHTTP2(std::make_unique<RequestClient>(false))
{
    setObjectName("AxKelvaro");
    buildLayout();
    bindDesignedHandlers();
    bindShortcuts();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &TAxKelvaro::Timer1Timer);
    // A field that refused to be left is remembered until the focus goes elsewhere.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != RefusedExit)
            RefusedExit = nullptr;
    });
    ActiveFormCreate();
    Timer1->start();
}

TAxKelvaro::~TAxKelvaro()
{
    ActiveFormDestroy();
}

bool TAxKelvaro::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        ActiveFormActivate();
    return QWidget::event(event);
}

void TAxKelvaro::buildLayout()
{
    setWindowTitle("Kelvaro ");
    setFixedSize(825, 596);
    setWindowIcon(pictures::windowIcon());
    QPalette back = palette();
    back.setColor(QPalette::Window, toQColor(color::ButtonFace));
    setPalette(back);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(kWindowFont);
    setFont(font);

    ImageList = new PictureList(this);
    ImageList->setObjectName("ImageList");

    // The page control first: the command buttons of the top strip lie over its tabs.
    auto* pages = new PageControl(this);
    pages->setObjectName("Tabs");
    pages->setGeometry(0, 56, 825, 513);
    QFont pagesFont = font;
    pagesFont.setPixelSize(kPagesFont);
    pages->setFont(pagesFont);
    Tabs = pages;
    QWidget** sheets[] = {&Sheet01, &Sheet02, &Sheet03, &Sheet04, &Sheet05,
                          &Sheet06, &Sheet07, &Sheet08, &Sheet09};
    for (int i = 0; i < 9; ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(kSheetNames[i]);
        *sheets[i] = sheet;
        pages->addTab(sheet, QString::fromLatin1(kSheetNames[i]));
    }
    pages->setCurrentIndex(0);

    buildControls(*this, this, windowLayout());
    buildControls(*this, Sheet01, sheet01Layout());
    buildControls(*this, Sheet02, sheet02Layout());
    buildControls(*this, Sheet03, sheet03Layout());
    buildControls(*this, PanelCompta, panelComptaLayout());
    buildControls(*this, Sheet04, sheet04Layout());
    buildControls(*this, Sheet05, sheet05Layout());
    buildControls(*this, Sheet06, sheet06Layout());
    buildControls(*this, Sheet07, sheet07Layout());
    buildControls(*this, Sheet08, sheet08Layout());
    buildControls(*this, Sheet09, sheet09Layout());
    buildControls(*this, this, overlayLayout());
    static_cast<Panel*>(Panel1)->setBevel(kSearchPanelBevel);
    static_cast<Panel*>(PanelSplash)->setBevel(1);
    buildControls(*this, Panel1, searchPanelLayout());
    buildControls(*this, PanelSplash, splashLayout());

    static_cast<PictureBox*>(ImageSplash)->setPicture(pictures::splashPicture());
    ImageNoPhoto->setPicture(pictures::noPhoto());
    prepareStatusLabels();
    setUpFrevoGrid(*ngFrevo, ImageList);
    setUpActionGrid(*ngAction, ImageList);
    setUpVehicleGrid(*ngVehicles, ImageList);
    setUpSearchGrid(*ngSearch, ImageList);
}

void TAxKelvaro::prepareStatusLabels()
{
    // The status labels of the bottom strip carry state other parts read; they show it without
    // ever lying over a control that can be used: no click, a long text cut with an ellipsis.
    for (QLabel* label : {LbInfoTimer, LbHttpRoot, LbBaseHRef, LbVersion, LbIdTVO, LbIDCustomer,
                          LbDebugInfo0, LbDebugInfo1, LbDebugInfo2, LbDebugInfo3}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        static_cast<TextLabel*>(label)->setElided(true);
    }
    for (TextEdit* box :
         {xcInfoTitre, xcInfoNVO, xcIdentity, xcInfoField1, xcInfoField2, xcInfoField3})
        box->setElided(true);
    PanelWarning->setToolTip(QStringLiteral("Cliquer pour masquer le message"));
}
