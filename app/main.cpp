// Entry of the client: one window per user and settings folder.
#include <QApplication>

#include "app/FileVersion.h"
#include "app/SingleInstance.h"
#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"
#include "ui/Translations.h"

int main(int argc, char* argv[])
{
    // A second client only brings the first one to the front. No argument is read.
    if (SingleInstance::send("raise"))
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName("Saisie des Fiches Kelvaro & Ostrel");
    QApplication::setApplicationVersion(compiledFileVersion());
    installFontSubstitutes();
    installFrenchTranslations();

    SingleInstance channel;
    // Two clients started together: the one that could not open the channel gives way.
    if (!channel.listen()) {
        SingleInstance::send("raise");
        return 0;
    }

    TAxKelvaro window;
    QObject::connect(&channel, &SingleInstance::messageReceived, &window,
                     &TAxKelvaro::onChannelMessage);
    window.show();
    return application.exec();
}
