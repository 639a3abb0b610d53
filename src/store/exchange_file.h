#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// One room of a project exchange file: its texts and its four blocks.
struct ExchangeRoom {
    QString title;
    QString roomstyle;
    QString userId;
    QString zoom;
    QString paperWidth;
    QByteArray wall;
    QByteArray kouban;
    QByteArray dianqi;
    QByteArray pic;
};

// The content of a project exchange file (.zpk): a little-endian stream with the magic
// number 0x0ABCDFF0, version 1, `ming`, company id, area id, the area name and the 27
// customer columns as GBK texts, the two stored lists as blocks, then the rooms. A file
// without the magic number is the older layout, which starts at the company id and
// stands for `ming` 5.
struct ExchangeFile {
    static constexpr qint32 Magic = 0x0ABCDFF0;
    static constexpr int FieldCount = 27;

    qint32 ming = 5;
    qint32 compid = 0;
    qint32 areaId = 0;
    QString areaTitle;
    QStringList fields; // projectname, name, ..., proid, Autoshoubian: FieldCount texts
    QByteArray prolist;
    QByteArray otherlist;
    std::vector<ExchangeRoom> rooms;
};

// How far a read got: the header (company and area), the customer part, and the rooms.
struct ExchangeRead {
    ExchangeFile file;
    bool headerRead = false;
    bool customerRead = false;
    // Rooms the file announced and the rooms read whole; complete when all were read.
    qint32 roomCount = 0;
    bool complete = false;
};

QByteArray encodeExchangeFile(const ExchangeFile& file);
// Never reads past the end: every count and length is checked against the bytes left.
ExchangeRead decodeExchangeFile(const QByteArray& bytes);
