#pragma once

#include <atomic>
#include <memory>

#include <QObject>
#include <QSize>
#include <QStringList>

class ListView;

// The small pictures beside the names of the local photo list, decoded at reduced scale on worker
// threads, so that the names show at once and the pictures fill in. A new listing cancels the
// pictures still to come of the one before.
class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    static constexpr QSize IconSize{32, 24};

    explicit ThumbnailLoader(ListView& list);
    ~ThumbnailLoader() override;

    // Decodes the files of the folder named by the list's captions.
    void start(const QString& folder);
    void cancel();
    // Pictures still being decoded.
    int pending() const { return pending_; }

private:
    void show(int generation, const QString& name, const QImage& picture);

    ListView& list_;
    std::shared_ptr<std::atomic<int>> generation_;
    int pending_ = 0;
};
