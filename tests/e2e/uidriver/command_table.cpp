#include "commands.h"

#include "text.h"

namespace {

const Command kCommands[] = {
    {"start", 1, 3, CmdStart, "start <exe> [cwd <dir>]"},
    {"wait", 1, 2, CmdWait, "wait <caption> [timeout-ms]"},
    {"wait-gone", 1, 2, CmdWaitGone, "wait-gone <caption> [timeout-ms]"},
    {"wait-message", 1, 2, CmdWaitMessage, "wait-message <text> [timeout-ms]"},
    {"wait-message-start", 1, 2, CmdWaitMessageStart, "wait-message-start <beginning of text> [timeout-ms]"},
    {"wait-exit", 0, 1, CmdWaitExit, "wait-exit [timeout-ms]"},
    {"kill", 0, 0, CmdKill, "kill"},
    {"expect-windows", 1, 1, CmdExpectWindows, "expect-windows <caption|caption|...>"},
    {"expect-checked", 1, 2, CmdExpectChecked, "expect-checked <id> [0|1]"},
    {"expect-none-checked", 1, -1, CmdExpectNoneChecked, "expect-none-checked <id>..."},
    {"expect-enabled", 2, 2, CmdExpectEnabled, "expect-enabled <id> 0|1"},
    {"expect-visible", 2, 2, CmdExpectVisible, "expect-visible <id> 0|1"},
    {"expect-text", 2, 2, CmdExpectText, "expect-text <id> <text>"},
    {"expect-caption", 1, 1, CmdExpectCaption, "expect-caption <text>"},
    {"expect-focus", 1, 1, CmdExpectFocus, "expect-focus <id>|none"},
    {"expect-combo", 3, 5, CmdExpectCombo, "expect-combo <id> [items <a|b|c>] [sel <n>]"},
    {"expect-progress", 1, 2, CmdExpectProgress, "expect-progress [<id>] <pos>"},
    {"expect-items-count", 2, 2, CmdExpectItemsCount, "expect-items-count <id> <n>"},
    {"expect-control-count", 1, 1, CmdExpectControlCount, "expect-control-count <n>"},
    {"expect-layout", 1, 2, CmdExpectLayout, "expect-layout <template-id> [ansi]"},
    {"expect-list", 3, 3, CmdExpectList, "expect-list <id> rows <n>"},
    {"expect-list-row", 3, 3, CmdExpectListRow, "expect-list-row <id> <row> <col0|col1|...>"},
    {"expect-list-selected", 2, 2, CmdExpectListSelected, "expect-list-selected <id> <row>|none"},
    {"expect-list-focused", 2, 2, CmdExpectListFocused, "expect-list-focused <id> <row>|none"},
    {"expect-list-columns", 2, 2, CmdExpectListColumns, "expect-list-columns <id> <heading:width|...>"},
    {"select-list", 2, 2, CmdSelectList, "select-list <id> <row>|none"},
    {"click", 1, 1, CmdClick, "click <id>"},
    {"bm-click", 1, 1, CmdBmClick, "bm-click <id>"},
    {"select-combo", 2, 2, CmdSelectCombo, "select-combo <id> <index>"},
    {"key", 1, 1, CmdKey, "key <KEY>[+<KEY>...]"},
    {"post-key", 1, 1, CmdPostKey, "post-key <KEY>"},
    {"close", 0, 0, CmdClose, "close"},
    {"sysmenu", 1, 1, CmdSysMenu, "sysmenu <command-id>"},
    {"focus", 1, 1, CmdFocus, "focus <id>"},
    {"ok-message", 0, 0, CmdOkMessage, "ok-message"},
    {"dump", 0, 0, CmdDump, "dump"},
    {"screenshot", 1, 1, CmdScreenshot, "screenshot <name>"},
    {"sleep", 1, 1, CmdSleep, "sleep <ms>"},
    {"time-mark", 1, 1, CmdTimeMark, "time-mark <label>"},
    {"echo", 0, -1, CmdEcho, "echo <text>..."},
};

}  // namespace

const Command* FindCommand(const std::string& name) {
    for (const Command& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

void PrintCommandReference() {
    for (const Command& command : kCommands) Emit(Format("  %s", command.usage));
}

Outcome Fatal(Session& session, const std::string& message) {
    session.Fail(message);
    if (session.process != nullptr && !session.Exited()) Emit("the program is ended");
    session.Terminate();
    return Outcome::Fatal;
}

bool NumberArg(Session& session, const std::string& word, long& value) {
    if (ParseLong(word, value)) return true;
    Fatal(session, "not a number: " + Quote(word));
    return false;
}
