// The scenario language: one handler per command, bound by a plain table.
#pragma once
#include <string>
#include <vector>

#include "session.h"

enum class Outcome { Continue, Fatal };
using Args = std::vector<std::string>;
using Handler = Outcome (*)(Session&, const Args&);

struct Command {
    const char* name;
    int minArgs;
    int maxArgs;  // -1: any number
    Handler run;
    const char* usage;
};

const Command* FindCommand(const std::string& name);
void PrintCommandReference();

// Prints FAIL, ends the started program and stops the scenario.
Outcome Fatal(Session& session, const std::string& message);
// A numeric argument; a bad one is a fatal script error.
bool NumberArg(Session& session, const std::string& word, long& value);

// commands_process.cpp
Outcome CmdStart(Session&, const Args&);
Outcome CmdWait(Session&, const Args&);
Outcome CmdWaitGone(Session&, const Args&);
Outcome CmdWaitMessage(Session&, const Args&);
Outcome CmdWaitMessageStart(Session&, const Args&);
Outcome CmdWaitExit(Session&, const Args&);
Outcome CmdKill(Session&, const Args&);
Outcome CmdExpectWindows(Session&, const Args&);

// commands_expect.cpp
Outcome CmdExpectChecked(Session&, const Args&);
Outcome CmdExpectNoneChecked(Session&, const Args&);
Outcome CmdExpectEnabled(Session&, const Args&);
Outcome CmdExpectVisible(Session&, const Args&);
Outcome CmdExpectText(Session&, const Args&);
Outcome CmdExpectCaption(Session&, const Args&);
Outcome CmdExpectFocus(Session&, const Args&);
Outcome CmdExpectCombo(Session&, const Args&);
Outcome CmdExpectProgress(Session&, const Args&);
Outcome CmdExpectItemsCount(Session&, const Args&);
Outcome CmdExpectControlCount(Session&, const Args&);
Outcome CmdExpectLayout(Session&, const Args&);

// commands_list.cpp
Outcome CmdExpectList(Session&, const Args&);
Outcome CmdExpectListRow(Session&, const Args&);
Outcome CmdExpectListSelected(Session&, const Args&);
Outcome CmdExpectListFocused(Session&, const Args&);
Outcome CmdExpectListColumns(Session&, const Args&);
Outcome CmdSelectList(Session&, const Args&);

// commands_action.cpp
Outcome CmdClick(Session&, const Args&);
Outcome CmdBmClick(Session&, const Args&);
Outcome CmdSelectCombo(Session&, const Args&);
Outcome CmdKey(Session&, const Args&);
Outcome CmdPostKey(Session&, const Args&);
Outcome CmdClose(Session&, const Args&);
Outcome CmdSysMenu(Session&, const Args&);
Outcome CmdFocus(Session&, const Args&);
Outcome CmdOkMessage(Session&, const Args&);

// commands_misc.cpp
Outcome CmdDump(Session&, const Args&);
Outcome CmdScreenshot(Session&, const Args&);
Outcome CmdSleep(Session&, const Args&);
Outcome CmdTimeMark(Session&, const Args&);
Outcome CmdEcho(Session&, const Args&);
