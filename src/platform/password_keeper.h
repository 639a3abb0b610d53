#pragma once

#include <QString>

struct ServerSettings;

// Keeps the customer store server's password out of "setup.ini": in the user's keyring
// (Secret Service or KWallet, through QtKeychain) when one answers, otherwise in
// PostgreSQL's own password file, which the server connection reads by itself when it is
// given no password.
namespace password_keeper {

enum class Place { Keyring, PasswordFile };

// Stores the password of `server` (its password field is ignored). False, with `error`
// set, when neither place could take it.
bool store(const ServerSettings& server, const QString& password, Place* place = nullptr,
           QString* error = nullptr);

// The password kept in the keyring, or empty: the connection then looks in the password
// file.
QString read(const ServerSettings& server);

// `server` with the kept password when it carries none; an empty password still lets the
// connection look in the password file.
ServerSettings withKeptPassword(ServerSettings server);

// "$PGPASSFILE", or "~/.pgpass", as PostgreSQL's own tools look for it.
QString passwordFilePath();

// Puts `server`'s line with `password` into the password file, replacing an earlier line
// for the same host, port, database and user. The file is written whole under a
// temporary name, readable by its owner only (the connection ignores the file
// otherwise), then renamed.
bool writePasswordFile(const ServerSettings& server, const QString& password, QString* error);

} // namespace password_keeper
