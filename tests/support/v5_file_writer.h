#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <map>
#include <utility>
#include <vector>

// Writes a design file of the previous generation field by field from its layout, so
// that tests and the fuzz seeds do not depend on the reader they check.
struct V5File {
    struct Object {
        qint32 a, b, id, orientation;
    };

    quint8 style = 0;
    qint32 cellWidth = 300;
    qint32 cellHeight = 300;
    double scale = 1;
    qint32 offsetY = 0;
    qint32 offsetX = 0;
    // (column, row) 1..220 -> (product id, attribute); every other cell is empty.
    std::map<std::pair<int, int>, std::pair<qint32, qint32>> cells;
    qint32 shiftX = 0;
    qint32 shiftY = 0;
    std::vector<Object> objects;
    std::vector<QPoint> corners;
    QString name = QStringLiteral("王先生");
    QString telephone = QStringLiteral("0571-8888");
    QString address = QStringLiteral("西湖路1号");
    QString sex = QStringLiteral("男");
    qint32 amount = 0;
    QString designDate = QStringLiteral("2008-5-12");
    QString workDate = QStringLiteral("no date");
    QString endDate = QStringLiteral("2008/6/1");
    QString remarks = QStringLiteral("厨房");
    std::vector<std::pair<qint32, qint32>> otherItems; // V5 id, quantity
    std::vector<std::pair<qint32, double>> billLines;  // V5 id, unit price

    // Every cell of `column` (or of `row`) from `first` to `last` holds `id`.
    void fillColumn(int column, int first, int last, qint32 id);
    void fillRow(int row, int first, int last, qint32 id);

    QByteArray bytes() const;
};
