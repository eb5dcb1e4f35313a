#include "photos/Thumbnails.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>

#include "photos/Jpeg.h"
#include "photos/QtPictures.h"
#include "ui/controls/ListView.h"

ThumbnailLoader::ThumbnailLoader(ListView& list)
    : QObject(&list)
    , list_(list)
    , generation_(std::make_shared<std::atomic<int>>(0))
{
    list_.setIconSize(IconSize);
}

ThumbnailLoader::~ThumbnailLoader()
{
    cancel();
}

void ThumbnailLoader::cancel()
{
    ++*generation_;
    pending_ = 0;
}

void ThumbnailLoader::start(const QString& folder)
{
    cancel();
    const int generation = *generation_;
    const std::shared_ptr<std::atomic<int>> current = generation_;
    const QPointer<ThumbnailLoader> self(this);
    for (const QString& name : list_.items()) {
        ++pending_;
        const QString path = folder + QLatin1Char('/') + name;
        QThreadPool::globalInstance()->start([=] {
            if (*current != generation)
                return; // a newer listing replaced this one
            // The DCT scaling does most of the reduction; the rest is a small smooth scaling.
            const DecodedJpeg decoded =
                readJpegFileScaled(path, IconSize.width(), IconSize.height());
            QImage picture;
            if (decoded.ok())
                picture = toQImage(decoded.picture)
                              .scaled(IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            // Delivered on the window's thread, where the loader may have gone meanwhile.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, generation, name, picture] {
                    if (self)
                        self->show(generation, name, picture);
                },
                Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::show(int generation, const QString& name, const QImage& picture)
{
    if (generation != *generation_)
        return;
    --pending_;
    if (picture.isNull())
        return;
    // Found by name: a header click may have reordered the list meanwhile.
    for (int i = 0; i < list_.itemCount(); ++i)
        if (list_.caption(i) == name)
            list_.topLevelItem(i)->setIcon(0, QIcon(QPixmap::fromImage(picture)));
}
