#pragma once

#include <atomic>
#include <deque>
#include <memory>
#include <unordered_set>

#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

class ListView;
class QImage;
class QTreeWidgetItem;

// The small pictures beside the names of the local photo list. The names show at once; the
// pictures are decoded at reduced scale by a few worker threads of the loader's own, the rows in
// view first (rows scrolled into view go to the front of the queue), and fill in as they come.
// Hiding the list (leaving the page) stops the queue and showing it again goes on with the rows
// still without a picture; a new listing (the list cleared) drops it.
class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    static constexpr QSize IconSize{32, 24};

    explicit ThumbnailLoader(ListView& list);
    ~ThumbnailLoader() override;

    // Decodes the files of the folder named by the list's captions.
    void start(const QString& folder);
    // Forgets the folder and its queue; pictures already decoding are dropped when they come.
    void cancel();
    // Rows whose picture has not come yet (while the queue runs).
    int pending() const { return pending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Stops the queue, keeping what has been shown.
    void pause();
    // Queues the rows still without a picture, in list order.
    void resume();
    // Puts the rows in view at the front of the queue.
    void preferVisibleRows();
    // Starts decoding while fewer than the bound are under way.
    void pump();
    // A picture decoded, or the reason there is none.
    void show(int generation, QTreeWidgetItem* item, const QImage& picture, const QString& error);

    ListView& list_;
    QThreadPool pool_;
    QString folder_;
    std::shared_ptr<std::atomic<int>> generation_;
    std::deque<QTreeWidgetItem*> queue_;
    std::unordered_set<QTreeWidgetItem*> started_; // decoding or done
    std::unordered_set<QTreeWidgetItem*> done_;
    int running_ = 0;
    int pending_ = 0;
};
