// uidriver: runs one scenario file against the real program and prints a
// transcript. Exit status: 0 all checks passed, 1 some failed, 2 a wait or
// the program itself failed and the scenario stopped, 3 the scenario file
// is wrong.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "commands.h"
#include "script.h"
#include "text.h"

namespace {

bool Validate(const std::vector<ScriptLine>& lines) {
    bool ok = true;
    for (const ScriptLine& line : lines) {
        const Command* command = FindCommand(line.words[0]);
        const int count = static_cast<int>(line.words.size()) - 1;
        if (command == nullptr) {
            Emit(Format("line %d: unknown command %s", line.number, Quote(line.words[0]).c_str()));
            ok = false;
        } else if (count < command->minArgs || (command->maxArgs >= 0 && count > command->maxArgs)) {
            Emit(Format("line %d: usage: %s", line.number, command->usage));
            ok = false;
        }
    }
    return ok;
}

int Run(const std::vector<ScriptLine>& lines) {
    Session session;
    bool fatal = false;
    for (const ScriptLine& line : lines) {
        session.line = line.number;
        Emit("> " + line.source);
        const Command* command = FindCommand(line.words[0]);
        const Args args(line.words.begin() + 1, line.words.end());
        if (command->run(session, args) == Outcome::Fatal) {
            fatal = true;
            break;
        }
    }
    if (!fatal && session.process != nullptr && !session.Exited()) {
        Emit("note: the program was still running at the end of the scenario and is ended");
    }
    session.Terminate();
    if (fatal) {
        Emit(Format("RESULT: STOPPED at line %d (%d failure lines, %d checks)", session.line, session.failures,
                    session.checks));
        return 2;
    }
    if (session.failures > 0) {
        Emit(Format("RESULT: FAILED (%d failure lines, %d checks)", session.failures, session.checks));
        return 1;
    }
    Emit(Format("RESULT: OK (%d checks)", session.checks));
    return 0;
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2 || lstrcmpW(argv[1], L"--help") == 0) {
        Emit("usage: uidriver <scenario file>");
        Emit("commands:");
        PrintCommandReference();
        return 3;
    }
    std::vector<ScriptLine> lines;
    std::string error;
    if (!LoadScript(HostPath(Narrow(argv[1])), lines, error)) {
        Emit("scenario: " + error);
        return 3;
    }
    LocalFree(argv);
    if (!Validate(lines)) return 3;
    return Run(lines);
}
