#pragma once

#include "project_fixture.h"
#include "quote/bill_of_materials.h"
#include "quote/reports.h"

#include <QStringList>

// A small fixed project for the reports: a named customer of an area with dealer details
// in "setup.ini", rooms with hand-made bill lines in two categories, a non-display item
// and accessories; opening is recorded instead of done.
class ReportTest : public ProjectTest {
protected:
    ReportTest();
    ~ReportTest() override;

    // Adds room `index` of the fixed set ("客厅", "卧室", "厨房") and makes it active.
    TRoom_OBJ& addRoom(int index);
    // The page at `path` decoded from its code page.
    static QString decoded(const QString& path);
    // A program on PATH, or empty.
    static QString tool(const char* name);

    BillOfMaterials bill;
    Reports reports;
    QStringList opened;
    qint32 categoryA = 0;
    qint32 categoryB = 0;
};
