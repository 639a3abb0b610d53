#pragma once

#include <QString>

class Prompts;
class SetupFile;
struct ServerSettings;
struct StoreChoice;

// The commands of the settings tab "客户库". A password typed into the tab replaces the
// kept one; an empty field keeps it.
namespace store_settings {

// "测试连接": logs in once with the settings and tells whether it worked; why not in
// the user's words, with the driver's text as detail.
QString testConnection(ServerSettings server);

// Writes the choice into "setup.ini" and keeps a typed password outside it. The choice
// takes effect at the next start. False, after telling the user, when not written.
bool save(SetupFile& setup, const StoreChoice& choice, Prompts& prompts);

// "上传到服务器": after asking, copies the program folder's local store file onto the
// server, which must hold no customer yet, and says how it went.
void upload(const QString& programFolder, ServerSettings server, Prompts& prompts);

} // namespace store_settings
