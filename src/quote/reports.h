#pragma once

#include "quote/report_writer.h"

#include <QString>

#include <functional>
#include <vector>

class BillOfMaterials;
class QImage;
class Database;
class OpenProject;
class Prompts;
class SetupFile;
class TRoom_OBJ;
struct HeldSettings;

// What the reports read: the open project with its bill, the product library, the
// company settings, "setup.ini" for the dealer details, and the program folder.
struct ReportSources {
    OpenProject& project;
    BillOfMaterials& bill;
    Database& library;
    const HeldSettings& held;
    const SetupFile& setup;
    Prompts& prompts;
    QString programFolder;
};

// The print and export commands: the three HTML pages with their pictures, written into
// the print folder or a chosen folder and opened, and the tab-separated statistics file.
class Reports {
public:
    explicit Reports(ReportSources sources);

    // The export dialog: given the start folder and the proposed name, the chosen folder
    // (already created), or empty when the user cancelled.
    std::function<QString(const QString& folder, const QString& proposal)> chooseExportFolder;

    // Writes the page into the print folder and opens it. The page's path, or empty when
    // nothing was written.
    QString print(ReportMode mode, TRoom_OBJ* active);
    // Writes the page into a folder the user chooses and opens the folder.
    QString exportPage(ReportMode mode, TRoom_OBJ* active);
    // The statistics file of the active room's list, or of the statistics table when no
    // room is active. The file written, or empty.
    QString sButton3Click(TRoom_OBJ* active);
    // The product number printed in the statistics file of companies 33 and 87.
    QString Getcpbh(qint32 tag, const QString& caption);

    // Menu enabling: the current-room entries need an active room, the others a room.
    static bool currentRoomAvailable(const TRoom_OBJ* active) { return active != nullptr; }
    bool pagesAvailable() const;

    // The print folder: program folder + "tmp".
    QString printFolder() const;

private:
    QString writePage(ReportMode mode, TRoom_OBJ* active, const QString& folder);
    bool currentRoomPage(ReportWriter& page, TRoom_OBJ& room, const QString& folder);
    bool drawingsPage(ReportWriter& page, const QString& folder);
    void statisticsPage(ReportWriter& page);
    // The current room page needs a room whose outline encloses an area.
    static bool pageAvailable(ReportMode mode, TRoom_OBJ* active);
    // A room's design picture as JPEG at quality 100.
    bool savePicture(const QImage& image, const QString& path);
    void projectTable(ReportWriter& page);
    void roomTable(ReportWriter& page, TRoom_OBJ& room);
    ReportHeader header(ReportMode mode) const;

    ReportSources s_;
};
