#pragma once

#include "platform/database.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "store/customer_store.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QStringList>

// The company the fixture's program folder belongs to.
inline constexpr qint32 Company = 7;

// What one run of the command line gave.
struct CliResult {
    int exitCode = -1;
    QString out;
    QStringList errorLines;
};

// A program folder with the demo product library and a customer store of company 7,
// and the built command line run on it as a process without any display.
class CliTest : public ::testing::Test {
protected:
    CliTest();

    // Runs the command line with `--home` of the fixture; QT_QPA_PLATFORM, DISPLAY (unless
    // kept for a command that draws in 3D) and WAYLAND_DISPLAY are removed from its
    // environment.
    CliResult run(const QStringList& arguments, bool keepDisplay = false) const;

    // Inserts a customer row without rooms.
    qint32 addCustomer(qint32 compid, const QString& name, const QDate& designDate, double price);
    // Stores a customer of the company as the program saves one: rooms laid with the
    // library's first square panel (in a strip mode its first strip) and the amount of
    // the statistics pass.
    qint32 addDesignedCustomer(const QString& name, const QStringList& rooms, int roomMode = 0);

    TempFolder home;
    Database storeDb;
    std::unique_ptr<CustomerStore> store;
};
