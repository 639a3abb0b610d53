#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The date the store keeps for a date left empty: 30 December 1899 at midnight.
QDateTime zeroDate();

// One customer row (`userlist`) with the area and handler names of `user_view`.
struct CustomerRecord {
    qint32 id = -1;
    qint32 compid = 0;
    QString proid;
    QString projectname;
    QString name;
    bool sex = true; // true: 男
    QString work;
    QString addr;
    QString tele;
    QString tele2;
    QString fax;
    QString email;
    QString im;
    QDateTime designdate;
    QDateTime workdate;
    QDateTime enddate;
    qint32 smonth = 0;
    qint32 sday = 0;
    QString memo;
    qint32 areaId = -1;
    qint32 worker = -1;
    double price = 0;
    qint32 zk = 100;
    bool locked = false;
    // Accessory parameters, per square metre or per metre.
    double keelLength = 0;         // long
    double keelPrice = 0;          // longprice
    double triangleKeelLength = 0; // slong
    double triangleKeelPrice = 0;  // slongprice
    double connectors = 0;         // jie
    double hangers = 0;            // diao
    double installationFee = 0;    // anzhuangprice
    qint32 shoubian = 0;           // edge trim length, mm
    double shoubianPrice = 0;
    qint32 autoShoubian = 0; // 0: the edge trim is computed
    qint32 ming = 5;
    qint32 version = 0;
    QByteArray prolist;
    QByteArray otherlist;
    // Advanced by every save of the row: a save that finds another revision than the one
    // it read would overwrite a save made meanwhile.
    qint32 revision = 0;

    // Read through the view only.
    QString areaTitle;
    QString workerName;
};

// One room row (`roomlist`).
struct RoomRecord {
    qint32 id = -1;
    qint32 userId = -1;
    QString title;
    qint32 roomstyle = 0;
    qint32 zoom = 10;
    qint32 paperWidth = 2000;
    bool notCacl = false;
    QByteArray roomWall;
    QByteArray roomKouban;
    QByteArray roomDianqi;
    QByteArray pic;
};
