#pragma once

#include "platform/database.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>

// Tests against a program folder written by the delivered-data builder: built once per
// test process, with its product library open.
class DeliveredLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static const QString& folder();
    static Database& library();

private:
    static std::unique_ptr<TempFolder> folder_;
    static std::unique_ptr<Database> library_;
};
