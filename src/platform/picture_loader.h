#pragma once
// Picture files of picture items: jpg, gif and bmp through Qt's image readers, wmf through
// libwmf. Each picture comes with its natural size in twips.

#include <QImage>
#include <QString>

namespace kestrin::platform {

struct LoadedPicture {
    QImage image;           // null when the file cannot be read
    int widthTwips = 0;     // the size the picture has by itself
    int heightTwips = 0;
    bool ok() const { return !image.isNull(); }
};

LoadedPicture loadPicture(const QString& path);

}  // namespace kestrin::platform
