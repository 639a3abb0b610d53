#pragma once

class BatchSession;
class QTextStream;
struct Invocation;

// Runs the subcommand of `run` on a started session. The result (lines, the path or id
// written) goes to `out`; false when the command failed, and the session's prompts then
// hold the messages that say why.
bool runCommand(const Invocation& run, BatchSession& session, QTextStream& out);
