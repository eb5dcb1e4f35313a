#include "tests/editing/EditingWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/Cp1252.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/PictureButton.h"

EditingWindow::EditingWindow(const WindowHarness::Options& options)
    : harness(options)
{
    w().show();
    w().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w()));
    // As after a load: no splash, the default cursor.
    w().hideSplash();
    w().FlagEditable = true;
    w().FlagSiteRights = true;
}

void EditingWindow::addKey(int entry, const char* name, const char* orgValue, int infoType)
{
    TsDesc key;
    key.FieldName = name;
    key.InfoType = infoType;
    key.OrgValue = key.Value = orgValue;
    w().TabDesc[entry].Fields.push_back(key);
}

int EditingWindow::bind(int entry, ControlFace* control, const char* name, int infoType,
                        const char* orgValue, int ctrlKind)
{
    TAxKelvaro& window = w();
    std::vector<TsDesc>& fields = window.TabDesc[entry].Fields;
    const int position = int(fields.size());
    TsDesc d;
    d.CtrlKind = ctrlKind;
    d.InfoType = infoType;
    d.FieldName = name;
    d.Caption = std::string(name) + " :";
    d.OrgValue = d.Value = orgValue;
    d.ListName = d.ListKey = d.ListField = name;
    d.Width = control->width();
    d.Control = control;
    if (ctrlKind == 110)
        d.ListBox = control;
    else if (ctrlKind != 109)
        d.Combo = control;
    fields.push_back(d);
    control->setTag(fieldTag(entry, position));
    window.FlagLoading = true;
    control->setText(fromCp1252(orgValue));
    window.FlagLoading = false;
    auto on = [&window](auto method) {
        return [&window, method](auto&&... args) { (window.*method)(args...); };
    };
    if (ctrlKind == 110) {
        if (!control->onClick)
            control->onClick = on(&TAxKelvaro::LBoxChange);
        return position;
    }
    const bool combo = ctrlKind == 111 || ctrlKind == 112;
    if (!control->onChange)
        control->onChange = combo ? on(&TAxKelvaro::CBoxChange) : on(&TAxKelvaro::EditChange);
    if (!control->onKeyPress)
        control->onKeyPress = on(&TAxKelvaro::GoOnKeyPress);
    control->onKeyDown = on(&TAxKelvaro::CBoxKeyDown);
    if (combo) {
        control->onKeyUp = on(&TAxKelvaro::cBoxKeyUp);
        control->onEnter = on(&TAxKelvaro::CBoxEnter);
        control->onExit = on(&TAxKelvaro::CBoxExit);
    }
    return position;
}

void EditingWindow::usedVehicle(const std::string& baseUrl)
{
    TAxKelvaro& window = w();
    window.BaseHRef = QString::fromStdString(baseUrl);
    window.idUser = "1000001";
    window.UserConcession = "BRESMAN";
    window.JvXPBtnNewVO->setText("VO");
    window.LbIdTVO->setText("1001");
    window.TabDesc[0].TableName = "tVehicles";
    window.cNVO->setText("1");
    window.cSite->setItems({"CHARTRES"});
    window.cSite->setText("CHARTRES");
    window.cInfoMarque->setItems({"VOLKSWAGEN"});
    window.cInfoMarque->setText("VOLKSWAGEN");
    // Date pickers start on a date of their own.
    for (ControlFace* date : {window.cDateOrdre, window.cDateEntree, window.cMEC})
        date->setText("");
    window.Tabs->setCurrentIndex(0);
    addKey(1, "idVO", "5001");
}

int EditingWindow::entryOf(ControlFace* control)
{
    for (QWidget* p = control->widget(); p; p = p->parentWidget()) {
        const int page = w().Tabs->indexOf(p);
        if (page >= 0)
            return page + 1;
    }
    return 0;
}

void EditingWindow::showPageOf(ControlFace* control)
{
    w().Tabs->setCurrentIndex(entryOf(control) - 1);
}

std::string databaseValue(const std::string& baseUrl, const std::string& select, const char* column)
{
    ClientSession session;
    TXml rows = session.fetch(endpoint::querySearch(baseUrl, cp1252(select), 10));
    XmlFind(rows, "AXQueryS");
    EXPECT_GT(XmlNext(rows, "AXQuery"), 0) << select << session.lastWarning();
    return utf8(XmlUnescape(valueOf(rows, column), true));
}

std::string vehicleValue(const std::string& baseUrl, const char* idVO, const char* column)
{
    return databaseValue(
        baseUrl, std::string("Select ") + column + " from tVehicles where idVO=" + idVO, column);
}

std::vector<std::string> updatesIn(const std::string& traceLog)
{
    std::vector<std::string> lines;
    for (size_t at = traceLog.find("/AxUpdate?"); at != std::string::npos;
         at = traceLog.find("/AxUpdate?", at + 1))
        lines.push_back(traceLog.substr(at, traceLog.find(" -> ", at) - at));
    return lines;
}

void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

MessageBoxSeen closingMessageBoxes(const std::function<void()>& action)
{
    const Answered answered = answering(QMessageBox::Ok, action);
    MessageBoxSeen seen;
    seen.count = int(answered.titles.size());
    if (seen.count > 0) {
        seen.title = answered.titles.back();
        seen.text = answered.texts.back();
    }
    return seen;
}

Answered answering(int standardButton, const std::function<void()>& action)
{
    Answered seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (!box || !box->isVisible())
                continue;
            seen.titles << box->windowTitle();
            seen.texts << box->text();
            if (QAbstractButton* button =
                    box->button(static_cast<QMessageBox::StandardButton>(standardButton)))
                button->click();
            else
                box->accept();
        }
    });
    watch.start(0);
    action();
    return seen;
}
