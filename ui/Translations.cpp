#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QLocale frenchLocale()
{
    return QLocale(QLocale::French, QLocale::France);
}

void installFrenchTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(frenchLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("Traductions françaises de Qt introuvables (paquet qt6-translations-l10n)");
}
