#pragma once

#include <QObject>
#include <QPixmap>
#include <vector>

// ImageList: the six 16 x 16 pictures of the grids' image columns (see pictures::listPicture).
class PictureList : public QObject {
public:
    explicit PictureList(QObject* parent = nullptr);

    int count() const { return int(pictures_.size()); }
    // An empty picture for an index out of range.
    QPixmap picture(int index) const;

private:
    std::vector<QPixmap> pictures_;
};
