#pragma once

#include "platform/database.h"

class SetupFile;

// Which customer store the program opens: the local file "数据文件/Userdb.data" or a
// database on a PostgreSQL server shared by several seats.
struct StoreChoice {
    bool server = false;
    // Without the password, which "setup.ini" never holds.
    ServerSettings settings;
};

StoreChoice readStoreChoice(const SetupFile& setup);
// Texts are stored trimmed; false when the file could not be written.
bool writeStoreChoice(SetupFile& setup, const StoreChoice& choice);

// "host:port/database", as messages name the server.
QString serverCaption(const ServerSettings& server);
