#include "photos/Thumbnails.h"

#include <algorithm>

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QThread>

#include "photos/Jpeg.h"
#include "photos/QtPictures.h"
#include "ui/controls/ListView.h"

ThumbnailLoader::ThumbnailLoader(ListView& list)
    : QObject(&list)
    , list_(list)
    , generation_(std::make_shared<std::atomic<int>>(0))
{
    list_.setIconSize(IconSize);
    // One core stays free for the window.
    pool_.setMaxThreadCount(std::clamp(QThread::idealThreadCount() - 1, 1, 4));
    list_.installEventFilter(this);
    // A new listing deletes the items the queue points to.
    connect(list_.model(), &QAbstractItemModel::modelAboutToBeReset, this,
            &ThumbnailLoader::cancel);
    connect(list_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        preferVisibleRows();
        pump();
    });
}

ThumbnailLoader::~ThumbnailLoader()
{
    cancel();
    pool_.clear();
    pool_.waitForDone();
}

void ThumbnailLoader::start(const QString& folder)
{
    cancel();
    folder_ = folder;
    if (list_.isVisible())
        resume();
}

void ThumbnailLoader::cancel()
{
    pause();
    folder_.clear();
    done_.clear();
}

void ThumbnailLoader::pause()
{
    ++*generation_;
    queue_.clear();
    started_ = done_;
    running_ = 0;
    pending_ = 0;
}

void ThumbnailLoader::resume()
{
    if (folder_.isEmpty())
        return;
    pause();
    for (int row = 0; row < list_.itemCount(); ++row)
        if (QTreeWidgetItem* item = list_.topLevelItem(row); !done_.contains(item))
            queue_.push_back(item);
    pending_ = int(queue_.size());
    preferVisibleRows();
    pump();
}

bool ThumbnailLoader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &list_ && event->type() == QEvent::Hide)
        pause();
    else if (watched == &list_ && event->type() == QEvent::Show)
        resume();
    return false;
}

void ThumbnailLoader::preferVisibleRows()
{
    const QRect area = list_.viewport()->rect();
    const int first = list_.indexAt(area.topLeft()).row();
    if (first < 0 || queue_.empty())
        return;
    int last = list_.indexAt(QPoint(area.left(), area.bottom())).row();
    if (last < 0)
        last = list_.itemCount() - 1;
    for (int row = last; row >= first; --row)
        if (QTreeWidgetItem* item = list_.topLevelItem(row); !started_.contains(item))
            queue_.push_front(item);
}

void ThumbnailLoader::pump()
{
    while (running_ < pool_.maxThreadCount() && !queue_.empty()) {
        QTreeWidgetItem* item = queue_.front();
        queue_.pop_front();
        if (!started_.insert(item).second)
            continue;
        ++running_;
        const QString path = folder_ + QLatin1Char('/') + item->text(0);
        const int generation = *generation_;
        pool_.start([this, path, generation, item, current = generation_] {
            if (*current != generation)
                return; // the queue was stopped meanwhile
            // The DCT scaling does most of the reduction; the rest is a small smooth scaling.
            const DecodedJpeg decoded =
                readJpegFileScaled(path, IconSize.width(), IconSize.height());
            QImage picture;
            if (decoded.ok())
                picture = toQImage(decoded.picture)
                              .scaled(IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            // The loader outlives its workers: its destructor waits for them.
            QMetaObject::invokeMethod(
                this,
                [this, generation, item, picture, error = decoded.error] {
                    show(generation, item, picture, error);
                },
                Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::show(int generation, QTreeWidgetItem* item, const QImage& picture,
                           const QString& error)
{
    if (generation != *generation_)
        return;
    --running_;
    --pending_;
    done_.insert(item);
    if (!picture.isNull())
        item->setIcon(0, QIcon(QPixmap::fromImage(picture)));
    else
        item->setToolTip(0, error); // a damaged or unreadable file says why it has no picture
    pump();
}
