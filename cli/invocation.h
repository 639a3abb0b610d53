#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One command line parsed: the subcommand with its arguments and options.
struct Invocation {
    QString command;
    QStringList arguments;    // the subcommand's own positional arguments
    QString home;             // --home; empty: the folder the program resolves itself
    QString out;              // --out, or --pdf of "quote"
    int mode = 0;             // --mode of "pages"
    int room = 0;             // --room: the room's number from 1; 0 for every room ("dxf") or the
                              // room shown after opening (one-room commands)
    bool cuttingList = false; // --cutting of "quote": the cutting list follows the quotation
    bool replace = false;     // --replace of "backup": an earlier backup in the folder is replaced
    bool help = false;
};

struct ParsedCommandLine {
    std::optional<Invocation> invocation;
    QString error; // one line saying what is wrong, when there is no invocation
};

// Parses the program's arguments (the program name first). A subcommand's argument
// count and required options are checked here, so that a run starts only when it can.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The usage text that --help prints.
QString usageText();
