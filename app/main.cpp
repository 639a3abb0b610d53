#include "library/catalogue_summary.h"
#include "platform/database.h"
#include "platform/program_folder.h"

#include <QApplication>

#include <cstdio>

// Opens both databases from the program folder and prints the delivered catalogue.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("yanzhou"));
    QString error;
    const QString home =
        program_folder::resolve(program_folder::currentCandidates(app.arguments()), &error);
    Database library;
    if (!library.open(home + QStringLiteral("/数据文件/db.data"), &error)) {
        std::fprintf(stderr, "%s\n", "产品库损坏或丢失,请重新下载安装软件.");
        return 1;
    }
    Database store;
    if (!store.open(home + QStringLiteral("/数据文件/Userdb.data"), &error)) {
        std::fprintf(stderr, "%s\n", "客户库损坏或丢失,请重新下载安装软件.");
        return 1;
    }
    std::printf("砚舟集成吊顶设计软件 V%s\n程序文件夹 %s\n%s\n", YZ_VERSION_TEXT, qPrintable(home),
                qPrintable(catalogueSummary(library)));
    return 0;
}
