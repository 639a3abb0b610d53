#pragma once

#include "platform/database.h"
#include "quote/cursor_table.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"

#include <QString>
#include <QStringList>

#include <functional>

class Prompts;
struct ServerSettings;

// The exit status of a start that could not open its databases.
inline constexpr int FatalStartExitStatus = 1;

inline constexpr auto LibraryBrokenMessage = "产品库损坏或丢失,请重新下载安装软件.";
inline constexpr auto StoreBrokenMessage = "客户库损坏或丢失,请重新下载安装软件.";

// Logs in to the customer store on a server, with the password kept for it when `server`
// carries none, and gives a
// new, empty server database the store's tables. On failure `error` says why.
bool openServerStore(Database& db, ServerSettings server, QString* error);

// The main window's start-up work that needs no window: settings, both connections,
// the schema upgrade, the lists, the cursors and the working folders. It owns the two
// connections for the whole run.
class StartupSession {
public:
    explicit StartupSession(QString programFolder);

    const QString& programFolder() const { return folder_; }
    QString path(const QString& relative) const { return folder_ + u'/' + relative; }

    SetupFile& setup() { return setup_; }
    HeldSettings& held() { return held_; }
    Database& library() { return library_; }
    Database& store() { return store_; }
    const CursorTable& cursors() const { return cursors_; }
    const QStringList& areaTitles() const { return areaTitles_; }
    const QStringList& handlerNames() const { return handlerNames_; }

    // The model part of `initDB`. Returns false when start-up must end: a database could
    // not be opened or upgraded, and the message has been shown. `fillPicker` runs once
    // both connections are up (the product picker's category list).
    bool initDB(Prompts& prompts, const std::function<void()>& fillPicker = {});

    // `InitOtherDB`: the area and handler lists, then the column upgrade of both
    // databases. Engine errors are thrown (DatabaseError).
    void InitOtherDB();
    // The area and handler lists read again (after "数据设置" changed them): four spaces
    // (no choice), then every name in row order.
    void reloadNameLists();

    // The working folders "设计文件", "导出文件", "数据文件", "备份文件", each created
    // (one level) when missing.
    void createWorkingFolders();

private:
    bool openDatabases(Prompts& prompts);

    QString folder_;
    SetupFile setup_;
    HeldSettings held_;
    Database library_;
    Database store_;
    CursorTable cursors_;
    QStringList areaTitles_;
    QStringList handlerNames_;
};
