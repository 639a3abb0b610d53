// yanzhou-cli: the dealer's batch work on a program folder without a display and
// without questions. Standard output carries the result; standard error the messages,
// one line each, and the progress of long work when it is a terminal.

#include "batch_prompts.h"
#include "batch_session.h"
#include "commands.h"
#include "invocation.h"
#include "platform/chinese_fonts.h"
#include "platform/default_opener.h"
#include "platform/program_folder.h"
#include "progress.h"
#include "quote/program_version.h"

#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Failed = 1;
constexpr int BadArguments = 2;

void printError(const QString& text) {
    QString line = text.simplified();
    std::fprintf(stderr, "yanzhou-cli: %s\n", line.toLocal8Bit().constData());
}

// Qt's own diagnostics (no runtime folder on a server, font fallbacks) are not the
// dealer's business: only its critical errors reach standard error, as one line.
void qtDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        printError(text);
    }
}

// The messages of a failed command on one line; else the questions it was stopped by
// (nobody answers them here); else the command's name.
void reportFailure(const BatchPrompts& prompts, const QString& command) {
    if (!prompts.messages.isEmpty()) {
        printError(prompts.messages.join(u' '));
    } else if (!prompts.declined.isEmpty()) {
        printError(command + QStringLiteral(" 没有完成，命令行不回答问题: ") +
                   prompts.declined.join(u' '));
    } else {
        printError(command + QStringLiteral(" 没有完成"));
    }
}

int runIn(const QString& folder, const Invocation& run) {
    BatchPrompts prompts;
    Progress progress;
    BatchSession session(folder, prompts, progress);
    QTextStream out(stdout);
    bool done = false;
    try {
        progress.show(QStringLiteral("打开数据库"));
        done = session.start() && runCommand(run, session, out);
    } catch (const std::exception& e) {
        prompts.message(QString::fromUtf8(e.what()));
    }
    out.flush();
    progress.finish();
    if (!done) {
        reportFailure(prompts, run.command);
        return Failed;
    }
    for (const QString& notice : std::as_const(prompts.messages)) {
        printError(notice);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Room pictures and fonts need a GUI application, never a display; only the 3D picture
    // needs OpenGL, which the display offers when there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool drawsIn3D = std::any_of(argv + 1, argv + argc, [](const char* argument) {
            return qstrcmp(argument, "render3d") == 0;
        });
        const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
        qputenv("QT_QPA_PLATFORM", drawsIn3D && display ? "xcb;offscreen" : "offscreen");
    }
    qInstallMessageHandler(qtDiagnostics);
    QGuiApplication app(argc, argv);
    // The same names as the program, so that both resolve the same per-user folder.
    QCoreApplication::setOrganizationName(QStringLiteral("yanzhou"));
    QCoreApplication::setApplicationName(QStringLiteral("yanzhou"));
    QCoreApplication::setApplicationVersion(programVersion());

    const ParsedCommandLine parsed = parseCommandLine(app.arguments());
    if (!parsed.invocation) {
        printError(parsed.error);
        return BadArguments;
    }
    if (parsed.invocation->help) {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    const program_folder::Resolution home = program_folder::resolve(
        program_folder::currentCandidates(app.arguments(), QStringLiteral(YZ_BUILD_DATA_DIR)));
    if (!home.problem.isEmpty()) {
        printError(home.problem);
        return Failed;
    }
    useChineseFonts();
    // Nothing is opened: the paths written are printed instead.
    opener::setHandler([](const QString&) { return true; });
    return runIn(home.folder, *parsed.invocation);
}
