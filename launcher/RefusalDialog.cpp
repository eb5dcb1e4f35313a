// kelvaro-link-refused REASON: the message box that tells the user why kelvaro-launch refused a
// link of the web application.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    const QString reason = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QMessageBox::warning(nullptr, QStringLiteral("Saisie des Fiches - lien refusé"),
                         QStringLiteral("Le lien de l'application web a été refusé : %1.\n\n"
                                        "Aucun paramètre n'a été modifié.")
                             .arg(reason));
    return 0;
}
