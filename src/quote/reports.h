#pragma once

#include "platform/work_progress.h"
#include "quote/report_writer.h"
#include "quote/room_pictures.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class BillOfMaterials;
class QPagedPaintDevice;
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
// the print folder or a chosen folder and opened, the same pages as PDF files or on a
// printer, and the tab-separated statistics file.
class Reports {
public:
    explicit Reports(ReportSources sources);

    // The export dialog: given the start folder and the proposed name, the chosen folder
    // (already created), or empty when the user cancelled.
    std::function<QString(const QString& folder, const QString& proposal)> chooseExportFolder;
    // The 3D picture of the room at `index` of the project, as seen standing inside it,
    // `size` pixels: the design drawings on paper (the PDF design scheme) show it after the
    // room's plan. Unset, or a null picture (no OpenGL here), shows none. The model code
    // draws no 3D: the windows fill it in.
    std::function<QImage(int index, QSize size)> roomPicture3D;

    // Each page reports its progress to `progress`, one step per room picture and one for
    // the page; the work can be cancelled until the page is written, which leaves every
    // file of the page as it was.

    // Writes the page into the print folder and opens it. The page's path, or empty when
    // nothing was written.
    QString print(ReportMode mode, TRoom_OBJ* active, WorkProgress& progress = noProgress());
    // Writes the page into a folder the user chooses and opens the folder.
    QString exportPage(ReportMode mode, TRoom_OBJ* active, WorkProgress& progress = noProgress());
    // Writes the page of `mode` (Statistics or DesignDrawings) as one A4 PDF file `file`.
    // The file written, or empty when nothing was written (the user was told why, unless
    // they cancelled). With `cuttingList` the statistics page is followed by the cutting
    // list's pages.
    QString writePdf(ReportMode mode, const QString& file, WorkProgress& progress = noProgress(),
                     bool cuttingList = false);
    // The PDF export: a save dialog proposing a file in the export folder, then the file
    // written and opened. The file written, or empty.
    QString exportPdf(ReportMode mode, WorkProgress& progress = noProgress());
    // Lays the page of `mode` out on the pages of `device` (a printer, a preview, a PDF
    // writer) with its page layout. False, after telling the user, when the page could
    // not be composed; false too when the user cancelled, and then nothing is drawn.
    bool printDocument(ReportMode mode, QPagedPaintDevice& device,
                       WorkProgress& progress = noProgress(), bool cuttingList = false);
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
    // A page's markup and, for paper, its sheet.
    struct ComposedPage {
        QString html;
        ReportSheet sheet;
    };
    // The open project's cutting list as the sheet's last pages.
    void appendCuttingList(ReportSheet& sheet) const;

    QString writePage(ReportMode mode, TRoom_OBJ* active, const QString& folder,
                      WorkProgress& progress);
    bool paintDocument(ReportMode mode, QPagedPaintDevice& device, ProgressScope& progress,
                       bool cuttingList);
    // The steps of a page's progress: one per room picture it shows, one for the page.
    int progressSteps(ReportMode mode) const;
    // Opens a written page, file or folder; names it to the user when nothing opens it.
    void openOrTell(const QString& path);
    // The page (for paper pages or a browser), with the logo and the pictures it shows
    // written into `folder`; nothing when the page is not available or a file could not be
    // written.
    std::optional<ComposedPage> composePage(ReportMode mode, TRoom_OBJ* active,
                                            const QString& folder, bool paper,
                                            ProgressScope& progress);
    QString pageName(ReportMode mode, TRoom_OBJ* active) const;
    bool currentRoomPage(ReportWriter& page, TRoom_OBJ& room, const QString& folder);
    // False when a picture could not be written or the user cancelled.
    bool drawingsPage(ReportWriter& page, const QString& folder, bool paper,
                      ProgressScope& progress);
    // Writes the rooms' pictures into the folder, all at once; false, after telling the
    // user, when one could not be written.
    bool writePictures(const QString& folder, const std::vector<QString>& names,
                       const std::vector<RoomJpeg>& jpegs);
    void statisticsPage(ReportWriter& page);
    // The current room page needs a room whose outline encloses an area.
    static bool pageAvailable(ReportMode mode, TRoom_OBJ* active);
    void projectTable(ReportWriter& page);
    void roomTable(ReportWriter& page, TRoom_OBJ& room);
    ReportHeader header(ReportMode mode, bool paper) const;

    ReportSources s_;
};
