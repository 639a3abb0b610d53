// A report sheet drawn straight onto paper: heading, then its tables row by row, a row
// that does not fit on the rest of a page starting the next page.

#include "quote/report_document.h"
#include "quote/report_sheet.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor GridColour(0x99, 0x99, 0x99);
const QColor ShadeColour(0xef, 0xef, 0xef);

class SheetPainter {
public:
    SheetPainter(QPagedPaintDevice& device)
        : device_(device), painter_(&device), px_(device.logicalDpiY() / 96.0),
          width_(device.width()), height_(device.height()), normal_(font(12, false)),
          bold_(font(12, true)), metrics_(normal_, &device) {
        painter_.setFont(normal_);
    }
    ~SheetPainter() { flush(); }

    void heading(const SheetHeading& heading, const QString& folder) {
        const QImage logo(QDir(folder).filePath(heading.logo));
        if (!logo.isNull()) {
            painter_.drawImage(QRectF(0, 0, 172 * px_, 60 * px_), logo);
        }
        const double left = 190 * px_;
        const double titleWidth = (width_ - left) * 0.8;
        painter_.setFont(font(23, true));
        painter_.drawText(QRectF(left, 0, titleWidth, 36 * px_), Qt::AlignCenter, heading.title);
        painter_.setFont(font(19, false));
        painter_.drawText(QRectF(left, 36 * px_, titleWidth, 30 * px_), Qt::AlignCenter,
                          heading.subHeading);
        painter_.setFont(normal_);
        y_ = 66 * px_;
        painter_.drawText(QRectF(width_ * 0.55, y_, width_ * 0.45, 22 * px_), Qt::AlignVCenter,
                          heading.projectNumber);
        y_ += 22 * px_;
    }

    void table(const SheetTable& table) {
        if (table.newPage && y_ > 0) {
            newPage();
        }
        y_ += table.gap * px_;
        const double width = width_ * table.width;
        const double left = (width_ - width) / 2;
        double top = y_;
        const double padding = table.padding * px_;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const SheetRow& row = table.rows[r];
            const std::vector<double> widths = cellWidths(row, width);
            const double height = rowHeight(row, widths, padding);
            double together = height;
            if (row.keepWithNext && r + 1 < table.rows.size()) {
                const SheetRow& next = table.rows[r + 1];
                together += rowHeight(next, cellWidths(next, width), padding);
            }
            if (y_ + together > height_ && y_ > 0) {
                if (table.boxed) {
                    box(QRectF(left, top, width, y_ - top));
                }
                newPage();
                top = 0;
            }
            double x = left;
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                cell(row.cells[i], QRectF(x, y_, widths[i], height), padding);
                x += widths[i];
            }
            y_ += height;
        }
        if (table.boxed) {
            box(QRectF(left, top, width, y_ - top));
        }
    }

private:
    QFont font(int pixels, bool bold) const {
        QFont font(report_document::ChineseFamily);
        font.setPixelSize(qRound(pixels * px_));
        font.setBold(bold);
        return font;
    }

    static std::vector<double> cellWidths(const SheetRow& row, double width) {
        double shares = 0;
        for (const SheetCell& cell : row.cells) {
            shares += cell.width;
        }
        std::vector<double> widths;
        widths.reserve(row.cells.size());
        for (const SheetCell& cell : row.cells) {
            widths.push_back(width * cell.width / shares);
        }
        return widths;
    }

    // A picture's size on the page: its width, at most the cell's, and its proportions.
    QSizeF pictureSize(const SheetCell& cell, double room) const {
        if (cell.picture.isNull() || cell.picture.width() == 0) {
            return {};
        }
        const double width = std::min(cell.pictureWidth * px_, room);
        return {width, width * cell.picture.height() / cell.picture.width()};
    }

    // A row is as high as its highest cell's text, wrapped to the cell's width, or its
    // highest picture.
    double rowHeight(const SheetRow& row, const std::vector<double>& widths, double padding) {
        double height = std::max(row.minHeight * px_, metrics_.height() + 2 * padding);
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const QString& text = row.cells[i].text;
            const double room = widths[i] - 2 * padding;
            height = std::max(height, pictureSize(row.cells[i], room).height() + 2 * padding);
            if (text.contains(u'\n') || metrics_.horizontalAdvance(text) > room) {
                const QRectF bounds =
                    metrics_.boundingRect(QRectF(0, 0, room, height_), Qt::TextWordWrap, text);
                height = std::max(height, bounds.height() + 2 * padding);
            }
        }
        return height;
    }

    void cell(const SheetCell& cell, const QRectF& area, double padding) {
        if (cell.shaded) {
            painter_.fillRect(area, ShadeColour);
        }
        if (cell.borders & SheetCell::Left) {
            grid_.push_back({area.topLeft(), area.bottomLeft()});
        }
        if (cell.borders & SheetCell::Top) {
            grid_.push_back({area.topLeft(), area.topRight()});
        }
        if (cell.borders & SheetCell::Right) {
            grid_.push_back({area.topRight(), area.bottomRight()});
        }
        if (cell.borders & SheetCell::Bottom) {
            grid_.push_back({area.bottomLeft(), area.bottomRight()});
        }
        QRectF text = area.adjusted(padding, padding, -padding, -padding);
        if (const QSizeF size = pictureSize(cell, text.width()); !size.isEmpty()) {
            painter_.drawImage(QRectF(text.topLeft(), size), cell.picture);
            return;
        }
        if (!cell.lead.isEmpty()) {
            painter_.setFont(bold_);
            QRectF used;
            painter_.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, cell.lead, &used);
            painter_.setFont(normal_);
            text.setLeft(used.right());
        }
        if (!cell.text.isEmpty()) {
            painter_.drawText(text, cell.align | Qt::AlignVCenter | Qt::TextWordWrap, cell.text);
        }
    }

    void box(const QRectF& area) {
        painter_.setPen(QPen(Qt::black, px_));
        painter_.drawRect(area);
    }

    // The grid lines of a page, drawn at once.
    void flush() {
        painter_.setPen(QPen(GridColour, px_));
        painter_.drawLines(grid_);
        grid_.clear();
        painter_.setPen(Qt::black);
    }

    void newPage() {
        flush();
        device_.newPage();
        y_ = 0;
    }

    QPagedPaintDevice& device_;
    QPainter painter_;
    double px_;
    double width_;
    double height_;
    QFont normal_;
    QFont bold_;
    QFontMetricsF metrics_;
    QList<QLineF> grid_;
    double y_ = 0;
};

} // namespace

namespace report_document {

void paint(const ReportSheet& sheet, const QString& folder, QPagedPaintDevice& device) {
    SheetPainter painter(device);
    painter.heading(sheet.heading, folder);
    for (const SheetTable& table : sheet.tables) {
        painter.table(table);
    }
}

} // namespace report_document
