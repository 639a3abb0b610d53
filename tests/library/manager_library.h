#pragma once

#include "library/product_manager.h"
#include "platform/database.h"
#include "platform/profile_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>

// A small library for the product manager: vendor category 1 (sub-categories 11, 12),
// general category 50001 (sub-category 50011) and custom category 100005 (sub-category
// 100007), with products in 11 and 50011, one of them without a picture.
class ManagerLibrary : public ::testing::Test {
protected:
    ManagerLibrary();

    std::unique_ptr<ProductManager> manager(ManagerScope scope = {7, 3});
    void product(int id, int sub, const QString& title, int status, double price,
                 bool withPicture = true);
    int count(const QString& sql);
    double priceOf(int id);
    int statusOf(const QString& table, int id);

    TempFolder home;
    Database db;
    ProfileFile setup;
    ScriptedPrompts prompts;
};
