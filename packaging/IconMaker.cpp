// Draws the application's icon for the package with the window's own drawing: a scalable SVG
// picture and PNG pictures of the sizes asked.
//   kelvaro-icon-maker FOLDER SIZE...   writes FOLDER/kelvaro.svg and FOLDER/kelvaro-SIZE.png
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include "ui/Pictures.h"

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage : kelvaro-icon-maker DOSSIER TAILLE...\n");
        return 2;
    }
    // Drawn without a screen, as part of the build.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    QSvgGenerator svg;
    svg.setFileName(folder.filePath("kelvaro.svg"));
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Saisie des Fiches"));
    svg.setDescription(QStringLiteral("Icône de Saisie des Fiches (Kelvaro)"));
    {
        QPainter painter(&svg);
        pictures::paintWindowIcon(painter);
    }

    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "kelvaro-icon-maker : taille « %s » invalide\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.scale(size / 64.0, size / 64.0);
            pictures::paintWindowIcon(painter);
        }
        const QString file = folder.filePath(QStringLiteral("kelvaro-%1.png").arg(size));
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "kelvaro-icon-maker : impossible d'écrire %s\n",
                         file.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
