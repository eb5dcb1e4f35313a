#include "ui/TAxKelvaro.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include "app/SingleInstance.h"

TAxKelvaro::TAxKelvaro(QWidget* parent)
    : QWidget(parent)
    , IdHTTP1(std::make_unique<RequestClient>(true))
    , IdHTTP2(std::make_unique<RequestClient>(false))
{
    setObjectName("AxKelvaro");
    buildLayout();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(250);
    connect(Timer1, &QTimer::timeout, this, &TAxKelvaro::Timer1Timer);
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

    auto label = [this](const char* name, int x, int y, bool visible) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->move(x, y);
        l->setVisible(visible);
        return l;
    };
    auto page = [](const char* name) {
        auto* w = new QWidget;
        w->setObjectName(name);
        return w;
    };

    Tabs = new QTabWidget(this);
    Tabs->setObjectName("Tabs");
    Tabs->setGeometry(0, 56, 825, 513);
    QWidget** sheets[] = {&Sheet01, &Sheet02, &Sheet03, &Sheet04, &Sheet05,
                          &Sheet06, &Sheet07, &Sheet08, &Sheet09};
    const char* names[] = {"Sheet01", "Sheet02", "Sheet03", "Sheet04", "Sheet05",
                           "Sheet06", "Sheet07", "Sheet08", "Sheet09"};
    for (int i = 0; i < 9; ++i) {
        *sheets[i] = page(names[i]);
        Tabs->addTab(*sheets[i], names[i]);
    }

    Shape1 = new QFrame(Sheet01);
    Shape1->setObjectName("Shape1");
    Shape1->resize(27, 25);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->hide();

    LbInfoTimer = label("LbInfoTimer", 557, 576, false);
    LbHttpRoot = label("LbHttpRoot", 630, 576, false);
    LbBaseHRef = label("LbBaseHRef", 630, 592, false);
    LbVersion = label("LbVersion", 630, 608, true);
    LbIdTVO = label("LbIdTVO", 630, 624, true);
    LbIDCustomer = label("LbIDCustomer", 734, 624, true);
    LbDebugInfo3 = label("LbDebugInfo3", 0, 576, false);
    LbDebugInfo2 = label("LbDebugInfo2", 0, 592, false);
    LbDebugInfo1 = label("LbDebugInfo1", 0, 608, false);
    LbDebugInfo0 = label("LbDebugInfo0", 0, 624, true);
    LbDebugInfo0->setStyleSheet("color: red");

    PanelWarning = new QFrame(this);
    PanelWarning->setObjectName("PanelWarning");
    PanelWarning->setGeometry(0, 0, 825, 81);
    PanelWarning->setStyleSheet("background: red");
    PanelWarning->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(66, 624, 681, 521);
    Panel1->hide();

    PanelSplash = new QFrame(this);
    PanelSplash->setObjectName("PanelSplash");
    PanelSplash->setGeometry(16, 16, 793, 545);
    PanelSplash->setAutoFillBackground(true);
    LbSplash = new QLabel(PanelSplash);
    LbSplash->setObjectName("LbSplash");
    LbSplash->move(24, 136);
    ImageSplash = new QLabel(PanelSplash);
    ImageSplash->setObjectName("ImageSplash");
    ImageSplash->setGeometry(24, 48, 545, 81);
    LbConcession = new QLabel("NomConcession", PanelSplash);
    LbConcession->setObjectName("LbConcession");
    LbConcession->setGeometry(16, 10, 662, 130);
    LbConcession->hide();
    PanelSplash->hide();
}
