#pragma once

#include "quote/dealer_details.h"
#include "quote/priced_bill.h"
#include "quote/report_sheet.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

class ProductLibrary;
struct BillRow;
struct CustomerRecord;
struct StatisticsRow;

std::vector<ReportLine> reportLines(const std::vector<BillRow>& table);
std::vector<ReportLine> reportLines(const std::vector<StatisticsRow>& list);

// The three pages: the current room, all design drawings, all statistics tables.
enum class ReportMode { CurrentRoom = 1, DesignDrawings = 2, Statistics = 3 };

// The company whose pages have their own layout.
inline constexpr int SpecialLayoutCompany = 308;

struct ReportHeader {
    const CustomerRecord& customer;
    DealerDetails dealer;
    QString vendorAddress;
    int compid = 0;
    ReportMode mode = ReportMode::CurrentRoom;
    // Laid out on paper pages rather than shown in a browser.
    bool paper = false;
    // The page's folder holds the logo; without it the logo's place stays empty.
    bool logo = false;
};

// Writes one HTML 4.01 page: the fixed head with heading, project number and customer
// block, bill tables, title bars, pictures and the foot. Every user text is escaped. For
// paper pages it also records the same texts and figures as a sheet.
class ReportWriter {
public:
    using PriceOf = std::function<double(const ReportLine&)>;

    ReportWriter(ReportHeader header, ProductLibrary& library);

    // Document head, style sheet, heading block and customer block.
    void readbaseinfor();
    // A row holding one centred bill table of `lines`, priced by `price`, with its sum.
    void readproceduretoprint(const std::vector<ReportLine>& lines, const PriceOf& price);
    // The table that holds a page's title bars, bill tables and pictures, with `spacing`
    // between its rows. In a browser it sits in a frame of at least 700 pixels, which
    // keeps the foot low on the screen; on paper pages the frame is left out, as a fixed
    // height there would let a long bill run over the foot, and each level of tables
    // around the bill tables multiplies the time their layout takes.
    void pageFrameOpen(int spacing, bool centred = false);
    void pageFrameClose();
    // A table row with a grey title bar: `name` in bold, then `rest`.
    void titleBar(const QString& name, const QString& rest = {}, const QString& width = {});
    // A picture linked to itself, zoomed by the mouse wheel; a height of 0 keeps the
    // picture's proportions.
    void picture(const QString& fileName, int width, int height = 0);
    // One room of the design drawings page, two to a row: its title bar and its picture
    // (none when `pictureName` is empty) shown 320 pixels wide; on paper `printed` is the
    // picture drawn, and below it the room in 3D when the page has 3D pictures
    // (`inThreeD` not null; the picture itself may be null).
    void drawing(const QString& name, const QString& pictureName, const QImage& printed,
                 const QImage* inThreeD, bool opensRow, bool closesRow);
    // The discount and amount lines below the statistics of company 308.
    void discountRow();
    // Raw markup (already escaped), which a sheet cannot draw.
    void append(const QString& markup) {
        html_ += markup;
        sheet_.complete = false;
    }
    // The foot of the page and the end of the document.
    void foot();

    bool specialLayout() const { return header_.compid == SpecialLayoutCompany; }
    const QString& html() const { return html_; }
    const ReportSheet& sheet() const { return sheet_; }

private:
    void titleBarMarkup(const QString& name, const QString& rest, const QString& width);
    void pictureMarkup(const QString& fileName, int width, int height);
    void heading();
    void customerBlock();
    void specialCustomerBlock();
    void billHeader();
    void billRow(const std::vector<QString>& cells);
    bool recording() const { return header_.paper; }
    // A table of the sheet; inside the page frame it keeps the frame's spacing above it.
    SheetTable& newSheetTable(double width, double padding, bool boxed = false);
    void dealerFoot();
    void specialDrawingsFoot();
    void specialStatisticsFoot();

    ReportHeader header_;
    ProductLibrary& library_;
    QString html_;
    ReportSheet sheet_;
    // The spacing of the open page frame's rows; -1 outside the frame.
    int frameSpacing_ = -1;
};
