#pragma once

#include <QString>

class Database;
class OpenProject;
class Prompts;
class ProjectView;
class SetupFile;
class WorkProgress;
struct HeldSettings;

// "导入V5项目文件": a design file of the previous generation becomes a new, unsaved
// project with one room "V5房间". Its products are named through the old product
// library (a database of the product library's layout, at the setting `v5dbpath`) and
// mapped to the current library by exact name.
//
// The file is read whole and every old-library lookup is made before the open project is
// touched: a damaged file, one with too many entries or an old library that cannot be
// read is reported and leaves the open project as it was.
class LegacyImport {
public:
    struct Context {
        OpenProject& project;
        ProjectView& view;
        Database& library; // the current product library
        SetupFile& setup;
        const HeldSettings& held;
        Prompts& prompts;
    };

    explicit LegacyImport(const Context& context) : c_(context) {}

    // The whole command; true when a project was imported. The lookups in the old library
    // are the steps of the progress; stopping them leaves the open project as it was.
    bool run(WorkProgress& progress);

    // The old library's path: `v5dbpath` when a file is there, else the one the user
    // chooses (then stored). Empty when the user cancelled.
    QString oldLibraryPath();

private:
    Context c_;
};
