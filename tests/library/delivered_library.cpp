#include "delivered_library.h"

#include "catalogue/program_data.h"

std::unique_ptr<TempFolder> DeliveredLibrary::folder_;
std::unique_ptr<Database> DeliveredLibrary::library_;

void DeliveredLibrary::SetUpTestSuite() {
    if (!folder_) {
        folder_ = std::make_unique<TempFolder>();
        program_data::build(folder_->path());
    }
    library_ = std::make_unique<Database>();
    QString error;
    ASSERT_TRUE(library_->open(program_data::libraryPath(folder_->path()), &error))
        << error.toStdString();
}

void DeliveredLibrary::TearDownTestSuite() {
    library_.reset();
}

const QString& DeliveredLibrary::folder() {
    return folder_->path();
}

Database& DeliveredLibrary::library() {
    return *library_;
}
