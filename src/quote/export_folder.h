#pragma once

#include <QString>

#include <optional>

class Prompts;
struct CustomerRecord;

// The folder of an export ("导出网页格式").
namespace export_folder {

// The proposed folder name: area title, "_" and the customer name, or the project number
// when the customer has no name.
QString proposal(const CustomerRecord& customer);

// "确定" of the export dialog: the folder `name` (trimmed, made safe) in `parent`. An
// existing folder is used when the user agrees to overwrite; a new one is created. Nothing
// when the dialog should stay open.
std::optional<QString> accept(const QString& parent, const QString& name, Prompts& prompts);

} // namespace export_folder
