#include "ui/PictureList.h"

#include "ui/Pictures.h"

PictureList::PictureList(QObject* parent)
    : QObject(parent)
{
    for (int i = 0; i < pictures::kListCount; ++i)
        pictures_.push_back(pictures::listPicture(i));
}

QPixmap PictureList::picture(int index) const
{
    return index >= 0 && index < count() ? pictures_[std::size_t(index)] : QPixmap();
}
