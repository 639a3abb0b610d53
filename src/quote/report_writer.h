#pragma once

#include "quote/dealer_details.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

class ProductLibrary;
struct BillRow;
struct CustomerRecord;
struct StatisticsRow;

// One row of a bill as the pages print it: from the statistics table or from a room's
// statistics list. Headings (categories, "［附件］", "总计") carry only their caption.
struct ReportLine {
    QString caption;
    QString size;
    QString quantity;
    QString correction;
    QString unit;
    qint32 tag = -1;
    bool heading = false;
};

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
};

// Writes one HTML 4.01 page: the fixed head with heading, project number and customer
// block, bill tables, title bars, pictures and the foot. Every user text is escaped.
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
    // A table row with a grey title bar; `html` is already escaped.
    void titleBar(const QString& html, const QString& width = {});
    // A picture linked to itself, zoomed by the mouse wheel; a height of 0 keeps the
    // picture's proportions.
    void picture(const QString& fileName, int width, int height = 0);
    // Raw markup (already escaped).
    void append(const QString& markup) { html_ += markup; }
    // The foot of the page and the end of the document.
    void foot();

    bool specialLayout() const { return header_.compid == SpecialLayoutCompany; }
    const QString& html() const { return html_; }

private:
    void heading();
    void customerBlock();
    void specialCustomerBlock();
    void billHeader();
    void dealerFoot();
    void specialDrawingsFoot();
    void specialStatisticsFoot();

    ReportHeader header_;
    ProductLibrary& library_;
    QString html_;
};
