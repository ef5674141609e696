#pragma once
// The text form of one label design: one record of eleven fields for the label and its bars,
// then one per text item and one per picture item. The paste memory holds these records and
// the layout records file stores them, field for field.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/label.h"

namespace kestrin::document {

using LayoutRecord = std::array<std::string, 11>;

inline constexpr std::string_view kLabelRecordType = "条码";
inline constexpr std::string_view kTextRecordType = "标签";
inline constexpr std::string_view kPictureRecordType = "图片";

// Finds the picture files that designs name. A file name from a record is a name inside the
// picture folder and never a path, so a shared design cannot make the program read elsewhere.
struct PictureLookup {
    std::string folder;  // the picture folder, "" for none
    // True when a readable picture file stands at that full path (the platform checks it).
    std::function<bool(const std::string& path)> readable;
};

// The full path of a picture file name inside the folder, or nothing when the name is empty,
// holds a path separator, "..", a drive colon or a control character, or the file is missing
// or unreadable.
std::optional<std::string> resolvePictureFile(const PictureLookup& lookup, std::string_view fileName);

// Number forms of the records: whole values without a decimal point, "." as the point.
std::string numberText(double value);
std::string flagWord(bool flag);  // "True" / "False"

// The records of a label: the label record first, then per sub-index its text item before its
// picture item. Captions are filtered and trimmed in the label as they are written.
std::vector<LayoutRecord> labelRecords(Label& label);

// Applies records to a label, in order. The label record is applied only when every value in
// it can be read; otherwise nothing changes and the result is false. Item records are applied
// step by step, a value that cannot be read leaving that one property as it was. The preview
// label never shows its bar origin handle.
bool applyRecords(const std::vector<LayoutRecord>& records, Label& label, bool isPreview,
                  const PictureLookup& pictures);

}  // namespace kestrin::document
