#include "platform/print_output.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/painter_surface.h"
#include "platform/qt_ui.h"

namespace kestrin::platform {
namespace {

constexpr int kTwipsPerInch = 1440;

class PdfOutput : public PrintOutput {
public:
    PdfOutput(const std::string& path, Fixed4 resolution) : writer_(toQString(path)) {
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer_.setResolution(kTwipsPerInch);  // one device unit is one twip
        writer_.setCreator("Kestrin Vorlana");
        started_ = painter_.begin(&writer_);
        surface_ = std::make_unique<PainterSurface>(painter_, resolution, [this] { return writer_.newPage(); });
        path_ = path;
    }
    PageSurface& surface() override { return *surface_; }
    bool finish(std::string& error) override {
        if (!started_ || !surface_->endDocument()) {
            error = "无法写入档案 " + path_;
            return false;
        }
        return true;
    }

private:
    QPdfWriter writer_;
    QPainter painter_;
    std::unique_ptr<PainterSurface> surface_;
    std::string path_;
    bool started_ = false;
};

class PngOutput : public PrintOutput {
public:
    PngOutput(const std::string& path, int dpi, Fixed4 resolution) : path_(path), dpi_(dpi) {
        beginPage();
        surface_ = std::make_unique<PainterSurface>(painter_, resolution, [this] { return nextPage(); });
    }
    PageSurface& surface() override { return *surface_; }
    bool finish(std::string& error) override {
        surface_->endDocument();
        if (!ok_ || !saveCurrent()) {
            error = "无法写入档案 " + pageName(pageNumber_);
            return false;
        }
        return true;
    }

private:
    void beginPage() {
        const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        const auto px = [this](double millimetres) { return static_cast<int>(std::lround(millimetres / 25.4 * dpi_)); };
        image_ = QImage(px(mm.width()), px(mm.height()), QImage::Format_RGB32);
        image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi_ / 0.0254)));
        image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi_ / 0.0254)));
        image_.fill(Qt::white);
        painter_.begin(&image_);
        painter_.scale(static_cast<double>(dpi_) / kTwipsPerInch, static_cast<double>(dpi_) / kTwipsPerInch);
    }
    bool nextPage() {
        painter_.end();
        ok_ = saveCurrent() && ok_;
        ++pageNumber_;
        beginPage();
        return ok_;
    }
    bool saveCurrent() { return image_.save(toQString(pageName(pageNumber_)), "PNG"); }
    std::string pageName(int page) const {
        if (page == 1) return path_;
        const QFileInfo info(toQString(path_));
        const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
        const QString base = info.path() + "/" + info.completeBaseName();
        return (base + "-" + QString::number(page) + suffix).toStdString();
    }

    std::string path_;
    int dpi_;
    int pageNumber_ = 1;
    bool ok_ = true;
    QImage image_;
    QPainter painter_;
    std::unique_ptr<PainterSurface> surface_;
};

class PrinterOutput : public PrintOutput {
public:
    PrinterOutput(const QPrinterInfo& info, Fixed4 resolution, const std::string& jobName)
        : printer_(info, QPrinter::HighResolution) {
        printer_.setFullPage(true);  // coordinates from the paper's corner, as on a PDF
        printer_.setDocName(toQString(jobName));
        started_ = painter_.begin(&printer_);
        if (started_) {
            const double scale = static_cast<double>(printer_.resolution()) / kTwipsPerInch;
            painter_.scale(scale, scale);
        }
        surface_ = std::make_unique<PainterSurface>(painter_, resolution, [this] { return printer_.newPage(); });
    }
    PageSurface& surface() override { return *surface_; }
    bool finish(std::string& error) override {
        if (!started_ || !surface_->endDocument() || printer_.printerState() == QPrinter::Error) {
            error = "印表机无法列印：" + printer_.printerName().toStdString();
            return false;
        }
        return true;
    }

private:
    QPrinter printer_;
    QPainter painter_;
    std::unique_ptr<PainterSurface> surface_;
    bool started_ = false;
};

}  // namespace

std::unique_ptr<PrintOutput> openPdf(const std::string& path, Fixed4 resolution) {
    return std::make_unique<PdfOutput>(path, resolution);
}

std::unique_ptr<PrintOutput> openPng(const std::string& path, int dpi, Fixed4 resolution) {
    return std::make_unique<PngOutput>(path, dpi, resolution);
}

std::unique_ptr<PrintOutput> openDefaultPrinter(Fixed4 resolution, const std::string& jobName, std::string& error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = "没有安装印表机";
        return nullptr;
    }
    return std::make_unique<PrinterOutput>(info, resolution, jobName);
}

}  // namespace kestrin::platform
