#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <vector>

// A report page as paper draws it: the same texts and figures as the HTML page, held as
// plain tables of single cells that a painter lays out row by row. Sizes are CSS pixels.

struct SheetCell {
    enum Border : quint8 { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    QString text;
    // Printed bold before `text` on the same line (the room name of a title bar).
    QString lead;
    // Share of the row's width; the cells of a row are scaled to fill it.
    double width = 1;
    Qt::Alignment align = Qt::AlignLeft;
    quint8 borders = 0;
    bool shaded = false;
    // A picture shown below the text at `pictureWidth`, its proportions kept.
    QImage picture{};
    double pictureWidth = 0;
};

struct SheetRow {
    std::vector<SheetCell> cells;
    double minHeight = 0;
    // Starts a page together with the next row (a title bar with its picture).
    bool keepWithNext = false;
};

struct SheetTable {
    // Share of the page's width, centred.
    double width = 1;
    double padding = 0;
    // A black frame around the whole table.
    bool boxed = false;
    // Space above the table.
    double gap = 0;
    std::vector<SheetRow> rows;
    // Starts on a page of its own.
    bool newPage = false;
};

struct SheetHeading {
    // The logo's file name in the page's folder.
    QString logo;
    QString title;
    QString subHeading;
    QString projectNumber;
};

struct ReportSheet {
    SheetHeading heading;
    std::vector<SheetTable> tables;
    // False when the page holds markup the sheet cannot draw (free layout).
    bool complete = true;
};
