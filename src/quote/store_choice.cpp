#include "quote/store_choice.h"

#include "quote/setup_file.h"

StoreChoice readStoreChoice(const SetupFile& setup) {
    StoreChoice choice;
    choice.server = setup.read(setup::storeServer);
    choice.settings.host = setup.read(setup::storeHost);
    choice.settings.port = setup.read(setup::storePort);
    choice.settings.database = setup.read(setup::storeDatabase);
    choice.settings.user = setup.read(setup::storeUser);
    return choice;
}

bool writeStoreChoice(SetupFile& setup, const StoreChoice& choice) {
    bool ok = setup.write(setup::storeServer, choice.server);
    ok = setup.write(setup::storeHost, choice.settings.host.trimmed()) && ok;
    ok = setup.write(setup::storePort, choice.settings.port) && ok;
    ok = setup.write(setup::storeDatabase, choice.settings.database.trimmed()) && ok;
    return setup.write(setup::storeUser, choice.settings.user.trimmed()) && ok;
}

QString serverCaption(const ServerSettings& server) {
    return server.host + u':' + QString::number(server.port) + u'/' + server.database;
}
