#include "platform/print_destination.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace kestrin::platform {
namespace {

constexpr const char* kJobName = "Kestrin Vorlana";

std::string fallbackPdfPath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (base.isEmpty()) base = QDir::homePath();
    const QString folder = base + "/Kestrin Vorlana";
    QDir().mkpath(folder);
    const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd HHmmss");
    QString path = folder + "/标签 " + stamp + ".pdf";
    for (int n = 2; QFile::exists(path); ++n) path = folder + "/标签 " + stamp + " (" + QString::number(n) + ").pdf";
    return path.toStdString();
}

}  // namespace

PrintDestination openPrintDestination(Fixed4 resolution) {
    PrintDestination d;
    std::string error;
    d.output = openDefaultPrinter(resolution, kJobName, error);
    if (!d.output) {
        d.fallbackPdf = fallbackPdfPath();
        d.output = openPdf(d.fallbackPdf, resolution);
    }
    return d;
}

bool finishPrint(PrintDestination& destination, Ui& ui) {
    std::string error;
    if (!destination.output->finish(error)) {
        ui.message(MessageIcon::Critical, "错误提示", "列印失败：" + error);
        return false;
    }
    if (!destination.fallbackPdf.empty()) {
        ui.message(MessageIcon::Information, "提示", "没有找到印表机，标签已存为 PDF 档案：\n" + destination.fallbackPdf);
    }
    return true;
}

}  // namespace kestrin::platform
