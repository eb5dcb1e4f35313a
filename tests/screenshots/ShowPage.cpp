// Shows the main window on one of its pages for a screenshot, with a few sample lines so that the
// grids and lists can be looked at, or with the record of its start parameters. Prints "ready
// <window id>" once the window is drawn.
#include <cstdio>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/PictureBox.h"
#include "ui/grid/DataGrid.h"

namespace {

void fillRow(DataGrid& grid, const QStringList& cells)
{
    const int row = grid.addRow();
    for (int c = 0; c < cells.size() && c < grid.columnCount(); ++c)
        grid.setCell(c, row, cells[c]);
}

void fillSamples(TAxKelvaro& w)
{
    fillRow(*w.ngFrevo, {"0", "1204", "12/03/2009", "Pneus AV", "6150", "Garage Martin", "F2231",
                         "externe", "240.50"});
    fillRow(*w.ngFrevo, {"2", "1205", "18/03/2009", "Vidange", "", "Atelier", "", "interne", "85"});
    fillRow(*w.ngFrevo, {"1", "", "23/06/2009", "", "", "", "", "interne", "0"});
    for (int c = 1; c < w.ngFrevo->columnCount(); ++c)
        w.ngFrevo->setColumnCaption(c, w.ngFrevo->column(c).name);
    fillRow(*w.ngAction, {"0", "311", "20/05/2010", "DUPONT Paul", "Appel", "Relance entretien",
                          "Client intéressé par un véhicule plus récent, rappeler après l'été.",
                          "01/09/2010", "DUPONT Paul", "Proposition", "Haute"});
    fillRow(*w.ngAction,
            {"2", "298", "02/03/2010", "MARTIN Anne", "Visite", "Essai", "Essai d'un break diesel.",
             "15/03/2010", "MARTIN Anne", "Suivi", "Normale"});
    w.ngAction->selectCell(3, 0);
    fillRow(*w.ngVehicles, {"0", "5521", "AB-123-CD", "Peugeot 308 SW", ""});
    fillRow(*w.ngVehicles, {"0", "5522", "EF-456-GH", "Renault Clio", ""});
    w.ngVehicles->selectCell(2, 0);
    fillRow(*w.ngSearch,
            {"5521", "4", "VO-Bx-1234", "12/03/2009", "AB-123-CD", "Peugeot 308", "DUPONT PAUL"});
    fillRow(*w.ngSearch,
            {"5522", "3", "VO-Ev-1240", "15/03/2009", "EF-456-GH", "Renault Clio", "MARTIN ANNE"});
    fillRow(*w.ngSearch, {"5523", "2", "VN-Ve-88", "02/04/2009", "", "Citroën C4", ""});
    w.ngSearch->selectCell(2, 0);
    w.cInfoEquiInterieur->setItems({"Climatisation", "Sièges chauffants", "GPS", "Radio CD"});
    w.cInfoEquiInterieur->setSelected(0, true);
    w.cListImageSource->addItem("IMG_0012.JPG", {"25/12/07 14:30:05"});
    w.cListImageSource->addItem("IMG_0013.JPG", {"25/12/07 14:31:40"});
    w.cListImageVO->addItem("5521-1", {"12/03/2009 10:02", "***"});
    w.ImageSelection->setPicture(w.ImageNoPhoto->picture());
    w.ImageVO->setPicture(w.ImageNoPhoto->picture());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    installFontSubstitutes();
    const QString view = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("1");
    // With "record", the window shows the record of its start parameters as it is, without the
    // sample lines.
    const bool record = argc > 2 && QString::fromLocal8Bit(argv[2]) == "record";
    TAxKelvaro window;
    if (!record)
        fillSamples(window);
    window.show();

    // The first load hides the splash; then the view asked for is set up and drawn.
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, view, poll] {
        if (!window.PanelSplash->isHidden())
            return;
        poll->stop();
        bool isPage = false;
        const int page = view.toInt(&isPage);
        if (isPage) {
            window.Tabs->setCurrentIndex(page - 1);
            window.TabsChange();
        }
        if (view == "search") {
            window.Panel1->move(66, 64);
            window.Panel1->show();
            window.Panel1->raise();
        } else if (view == "splash") {
            window.UserConcession = "BRESMAN";
            window.ShowSplash();
        } else if (view == "warning") {
            window.setWarningText(
                "Exception : Failed to connect to 127.0.0.1 port 8080 after 0 ms: Couldn't "
                "connect to server");
        }
        window.repaint();
        QTimer::singleShot(300, &window, [&window] {
            std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
            std::fflush(stdout);
        });
    });
    poll->start(100);
    // Never left running if the script does not end it.
    QTimer::singleShot(60000, &application, &QApplication::quit);
    return application.exec();
}
