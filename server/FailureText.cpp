#include "server/FailureText.h"

namespace {
QString phrase(int curlCode, long httpStatus, const QString& libraryText)
{
    const bool proxy = libraryText.contains(QStringLiteral("proxy"), Qt::CaseInsensitive);
    if (curlCode == 5 || curlCode == 97 || httpStatus == 407 || (proxy && curlCode != 0))
        return QStringLiteral("le proxy a refusé la connexion");
    switch (curlCode) {
    case 0:
        return QStringLiteral("le serveur a répondu par l'erreur %1").arg(httpStatus);
    case 6:
        return QStringLiteral("serveur introuvable");
    case 7:
        return QStringLiteral("connexion au serveur impossible");
    case 28:
        // The read time-out says "too slow"; the limit on the whole transfer "timed out after".
        if (libraryText.startsWith(QStringLiteral("Operation timed out")))
            return QStringLiteral("le serveur n'a pas terminé sa réponse dans le temps imparti");
        return QStringLiteral("le serveur n'a pas répondu dans les 5 secondes");
    case 18:
    case 52:
    case 55:
    case 56:
        return QStringLiteral("la connexion au serveur a été interrompue");
    default:
        return QStringLiteral("la requête au serveur a échoué");
    }
}
} // namespace

QString failureSentence(int curlCode, long httpStatus, const QString& libraryText)
{
    return phrase(curlCode, httpStatus, libraryText) + " (" + libraryText + ")";
}
