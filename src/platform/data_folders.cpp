#include "platform/data_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kestrin::platform {
namespace {

// QFileInfo::isWritable looks at permission bits only; creating a file is the real test.
bool canWriteIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kestrin-probe-XXXXXX")));
    return probe.open();
}

}  // namespace

QString dataBaseFolder(const QString& programFolder) {
    const QString forced = qEnvironmentVariable("KESTRIN_DATA_DIR");
    if (!forced.isEmpty()) return forced;
    const QString records = QDir(programFolder).filePath(QString::fromUtf8(kRecordFolder));
    if (QFileInfo(records).isDir() ? canWriteIn(records) : canWriteIn(programFolder)) return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool createDataFolders(const QString& base) {
    QDir dir(base);
    return dir.mkpath(QString::fromUtf8(kRecordFolder)) && dir.mkpath(QString::fromUtf8(kPictureFolder));
}

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

}  // namespace kestrin::platform
