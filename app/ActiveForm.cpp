// Start-up of the main window: formats, settings written, start parameters read, reload.
#include "ui/TAxKelvaro.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>

#include "app/FileVersion.h"
#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/StartParameters.h"

namespace {
constexpr const char* kSection = "Options";
const QString kStartText = QStringLiteral("Démarrage de AxKelvaro...");
} // namespace

void TAxKelvaro::SetTagRegistry(const QString& key, const QString& value)
{
    iniWrite(SettingsPath.toStdString(), kSection, key.toStdString(), value.toStdString());
}

QString TAxKelvaro::GetTagRegistry(const QString& key) const
{
    return QString::fromStdString(
        iniRead(SettingsPath.toStdString(), kSection, key.toStdString()).value_or(std::string()));
}

void TAxKelvaro::ActiveFormCreate()
{
    // Numbers are written with a point and dates as dd/mm/yyyy by the project's own formatters,
    // whatever the locale: nothing here depends on the system's formats.
    TraceOn = false;
    ParamSetCount = 0;
    LbDebugInfo3->setText(kStartText + " [" + QString::number(ParamSetCount) + "]" +
                          LbHttpRoot->text() + " - " + BaseHRef + " - " + LbIdTVO->text());
    LbDebugInfo1->setText(kStartText);

    SettingsPath = QString::fromStdString(SettingsFileName());
    makeSettingsFolder();
    SetTagRegistry("FirstApplicationHandle", QString::number(QCoreApplication::applicationPid()));
    SetTagRegistry("FirstFormHandle", QString::number(qulonglong(winId())));
    SetTagRegistry("Application", QCoreApplication::applicationFilePath());
    // The running program's version is the one compiled into it: its file is never read.
    SetTagRegistry("Version", QString::fromLatin1(compiledFileVersion()));
    OnStart();
}

void TAxKelvaro::ActiveFormDestroy() {}

void TAxKelvaro::OnStart()
{
    TraceOn = false;
    TempFolder = QString::fromStdString(defaultTempFolder());

    TraceOn = zeroPrefixedNumber(GetTagRegistry("Trace").toStdString()).value_or(0) != 0;
    const QString traceFolder = GetTagRegistry("TraceRepTemp");
    if (!traceFolder.isEmpty())
        TempFolder = traceFolder;
    makeFolder(TempFolder.toStdString());

    const QString typeText = GetTagRegistry("idTypeVO");
    if (const auto type = zeroPrefixedNumber(typeText.toStdString())) {
        idTypeVO = *type;
    } else {
        // A wrong value must not leave the record unloaded for the whole run: say so, take 0.
        idTypeVO = 0;
        const QString message =
            QStringLiteral("La valeur « %1 » du paramètre « idTypeVO » n'est pas un nombre "
                           "entier : le type de véhicule 0 est pris à sa place.")
                .arg(typeText);
        WriteTrace(message);
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Paramètres de démarrage"),
                                    message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setObjectName("MsgIdTypeVO");
        box->show();
    }

    for (const char* key : kStartParameterKeys)
        SetStartParameter(key, GetTagRegistry(key));
    ShowSplash();
}

void TAxKelvaro::SetStartParameter(const QString& name, const QString& value)
{
    if (name == "HttpRoot")
        LbHttpRoot->setText(value);
    else if (name == "BaseHRef") {
        BaseHRef = value;
        LbBaseHRef->setText(value);
    } else if (name == "idTVO")
        LbIdTVO->setText(value);
    else if (name == "OCXName")
        OCXName = value;
    else if (name == "OCXVersion")
        OCXVersion = value;
    else if (name == "URLImages")
        URLImages = value;
    else if (name == "idUser")
        idUser = value;
    else if (name == "UserConcession")
        UserConcession = value;
    else if (name == "UserSite")
        UserSite = value;
    else if (name == "WhereClause")
        WhereClause = value;
    else if (name == "OrderClause")
        OrderClause = value;
    else if (name == "idClient")
        LbIDCustomer->setText(value);
    else
        return;
    ++ParamSetCount;
    WriteTrace(QString::fromLatin1(startParameterTraceWord(name.toStdString())) + " : " + value);
}

void TAxKelvaro::OnMsgActualize()
{
    if (!settlePendingChanges()) {
        // The record on screen stays; the new start parameters wait for the next refresh.
        ReloadWaiting = true;
        WriteTrace("Message 1024 : rechargement différé, la fiche affichée reste");
        return;
    }
    ReloadWaiting = false;
    OnStart();
    IdHTTP1->closeConnection();
    UpdateParams();
    UpdateView(true);
}

void TAxKelvaro::onChannelMessage(const QString& message)
{
    if (message == "raise") {
        WriteTrace("Activation par une seconde instance");
        if (isMinimized())
            showNormal();
        show();
        raise();
        activateWindow();
    } else if (message == "1024") {
        WriteTrace("Message 1024 : rechargement");
        // A reload waits for the end of a running request, as the timer's work does.
        queueWork([this] { OnMsgActualize(); });
    }
}

void TAxKelvaro::ActiveFormActivate()
{
    LbDebugInfo3->setText(kStartText + " [" + QString::number(ParamSetCount) + "]" +
                          LbHttpRoot->text() + " - " + BaseHRef + " - " + LbIdTVO->text());
    LbDebugInfo1->setText(kStartText);
}
