#include "platform/picture_loader.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

extern "C" {
#include <libwmf/api.h>
#include <libwmf/gd.h>
}

namespace kestrin::platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kWmfRenderDpi = 192.0;  // sharp enough for labels at twice screen density
constexpr unsigned kMaxWmfPixels = 4096;  // a hostile header must not ask for gigabytes

int twipsFromPixels(int pixels, double dotsPerMeter) {
    const double dpi = dotsPerMeter > 0 ? dotsPerMeter * 0.0254 : 96.0;
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}

// Frees the libwmf player however the reading ends.
struct WmfPlayer {
    wmfAPI* api = nullptr;
    ~WmfPlayer() {
        if (api != nullptr) wmf_api_destroy(api);
    }
};

LoadedPicture loadWmf(const QString& path) {
    WmfPlayer player;
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&player.api, flags, &options) != wmf_E_None) return {};
    const QByteArray file = QFile::encodeName(path);
    if (wmf_file_open(player.api, file.constData()) != wmf_E_None) return {};
    wmfD_Rect bbox{};
    if (wmf_scan(player.api, 0, &bbox) != wmf_E_None) return {};
    unsigned width = 0, height = 0, twipsW = 0, twipsH = 0;
    if (wmf_display_size(player.api, &twipsW, &twipsH, kTwipsPerInch, kTwipsPerInch) != wmf_E_None) return {};
    if (wmf_display_size(player.api, &width, &height, kWmfRenderDpi, kWmfRenderDpi) != wmf_E_None) return {};
    if (width == 0 || height == 0 || width > kMaxWmfPixels || height > kMaxWmfPixels) return {};

    wmf_gd_t* device = WMF_GD_GetData(player.api);
    device->type = wmf_gd_image;
    device->width = width;
    device->height = height;
    device->bbox = bbox;
    if (wmf_play(player.api, 0, &bbox) != wmf_E_None || device->gd_image == nullptr) return {};
    const int* pixels = wmf_gd_image_pixels(device->gd_image);
    if (pixels == nullptr) return {};

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    for (unsigned y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (unsigned x = 0; x < width; ++x) {
            // gd keeps 7-bit transparency in the top byte: 0 opaque, 127 clear.
            const auto p = static_cast<unsigned>(pixels[static_cast<std::size_t>(y) * width + x]);
            const unsigned alpha = 255 - (((p >> 24) & 0x7F) * 255 / 127);
            line[x] = qRgba(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                            static_cast<int>(p & 0xFF), static_cast<int>(alpha));
        }
    }
    return {image, static_cast<int>(twipsW), static_cast<int>(twipsH)};
}

}  // namespace

LoadedPicture loadPicture(const QString& path) {
    if (QFileInfo(path).suffix().compare("wmf", Qt::CaseInsensitive) == 0) return loadWmf(path);
    QImage image(path);
    if (image.isNull()) return {};
    return {image, twipsFromPixels(image.width(), image.dotsPerMeterX()),
            twipsFromPixels(image.height(), image.dotsPerMeterY())};
}

}  // namespace kestrin::platform
