#include "platform/picture_loader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace kestrin::platform {
namespace {

void put16(std::vector<char>& b, std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
}
void put32(std::vector<char>& b, std::uint32_t v) {
    put16(b, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A placeable metafile one inch wide and half an inch high, filled with a red rectangle.
std::vector<char> redRectangleWmf() {
    std::vector<char> b;
    const std::uint16_t placeable[10] = {0xCDD7, 0x9AC6, 0, 0, 0, 1440, 720, 1440, 0, 0};
    std::uint16_t checksum = 0;
    for (auto w : placeable) {
        put16(b, w);
        checksum ^= w;
    }
    put16(b, checksum);
    put16(b, 1); put16(b, 9); put16(b, 0x0300); put32(b, 40); put16(b, 1); put32(b, 7); put16(b, 0);
    put32(b, 5); put16(b, 0x020B); put16(b, 0); put16(b, 0);           // window origin
    put32(b, 5); put16(b, 0x020C); put16(b, 720); put16(b, 1440);      // window extent
    put32(b, 7); put16(b, 0x02FC); put16(b, 0); put32(b, 0x0000FF); put16(b, 0);  // red brush
    put32(b, 4); put16(b, 0x012D); put16(b, 0);                        // select it
    put32(b, 7); put16(b, 0x041B); put16(b, 720); put16(b, 1440); put16(b, 0); put16(b, 0);
    put32(b, 3); put16(b, 0);                                          // end of file
    return b;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

TEST(PictureLoader, ReadsWindowsMetafilesAtTheirNaturalSize) {
    QTemporaryDir dir;
    const auto wmf = redRectangleWmf();
    const LoadedPicture p = loadPicture(write(dir, "box.wmf", QByteArray(wmf.data(), static_cast<qsizetype>(wmf.size()))));
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.widthTwips, 1440);
    EXPECT_EQ(p.heightTwips, 720);
    const QColor centre = p.image.pixelColor(p.image.width() / 2, p.image.height() / 2);
    EXPECT_EQ(centre.red(), 255);
    EXPECT_EQ(centre.green(), 0);
}

TEST(PictureLoader, RasterFormatsTakeTheirSizeFromTheirResolution) {
    QTemporaryDir dir;
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setDotsPerMeterX(3780);  // 96 dpi: one pixel is 15 twips
    image.setDotsPerMeterY(3780);
    for (const char* format : {"bmp", "jpg", "png"}) {
        const QString path = dir.filePath(QString("p.") + format);
        ASSERT_TRUE(image.save(path, format)) << format;
        const LoadedPicture p = loadPicture(path);
        ASSERT_TRUE(p.ok()) << format;
        EXPECT_EQ(p.widthTwips, 1440) << format;
        EXPECT_EQ(p.heightTwips, 720) << format;
    }
}

TEST(PictureLoader, DamagedOrMissingFilesGiveNoPicture) {
    QTemporaryDir dir;
    auto wmf = redRectangleWmf();
    wmf.resize(30);
    for (const QString& path : {write(dir, "cut.wmf", QByteArray(wmf.data(), 30)),
                                write(dir, "noise.jpg", QByteArray("not a picture")),
                                write(dir, "empty.gif", QByteArray()), dir.filePath("missing.bmp")}) {
        EXPECT_FALSE(loadPicture(path).ok()) << path.toStdString();
    }
}

}  // namespace
}  // namespace kestrin::platform
