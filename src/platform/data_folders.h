#pragma once
// Where the data folders 记录资料 and 图形资料 live: beside the program when its folder can
// be written, otherwise (an installed program) in the user's application data folder.

#include <QString>
#include <filesystem>

namespace kestrin::platform {

inline constexpr const char* kRecordFolder = "记录资料";
inline constexpr const char* kPictureFolder = "图形资料";

// The folder that holds the two data folders. KESTRIN_DATA_DIR, when set, wins (tests point
// it at a temporary folder).
QString dataBaseFolder(const QString& programFolder);
// Creates the two data folders under base where missing; false when either cannot be made.
bool createDataFolders(const QString& base);
std::filesystem::path toPath(const QString& folder);

}  // namespace kestrin::platform
