#pragma once

#include "batch_prompts.h"
#include "progress.h"
#include "quote/bill_of_materials.h"
#include "quote/no_window.h"
#include "quote/open_project.h"
#include "quote/reports.h"
#include "quote/startup_session.h"
#include "store/customer_store.h"
#include "store/database_maintenance.h"

// The program without its windows, on one program folder: the start-up, the customer
// store, the open project with its bill and reports, and the maintenance of both
// databases, wired as the main window wires them but with a view that shows nothing.
class BatchSession {
public:
    BatchSession(const QString& programFolder, BatchPrompts& prompts, Progress& progress);

    // Opens both databases as the program's start does; false when it could not.
    bool start();
    qint32 company();

    // Whether `id` is a customer of the company (the customers the browser lists);
    // "未发现记录!" when not.
    bool companyCustomer(qint32 id);
    // Opens the company's customer `id` as the open project. False, with the message
    // of what failed, for a customer that is not the company's or that did not load
    // without a message.
    bool open(qint32 id);
    // The room the program shows after opening a customer; none for an empty project.
    TRoom_OBJ* shownRoom();

    BatchPrompts& prompts() { return prompts_; }
    StartupSession& startup() { return startup_; }
    CustomerStore& store() { return store_; }
    OpenProject& project() { return project_; }
    Reports& reports() { return reports_; }
    DatabaseMaintenance& maintenance() { return maintenance_; }
    Progress& progress() { return progress_; }

private:
    // Reports the progress of opening a project.
    class View : public NoWindow {
    public:
        View(Database& library, Prompts& prompts, Progress& progress)
            : NoWindow(library, &prompts), progress_(progress) {}
        WorkProgress& work() override { return progress_; }

    private:
        Progress& progress_;
    };

    BatchPrompts& prompts_;
    Progress& progress_;
    StartupSession startup_;
    CustomerStore store_;
    View view_;
    OpenProject project_;
    BillOfMaterials bill_;
    Reports reports_;
    DatabaseMaintenance maintenance_;
};
