// Starting the program and waiting for its windows and its end.
#include <algorithm>

#include "commands.h"
#include "text.h"
#include "window_query.h"

namespace {

constexpr long kDefaultWaitMs = 20000;
constexpr DWORD kPollMs = 50;

bool TimeoutArg(Session& session, const Args& args, size_t index, long& timeout) {
    timeout = kDefaultWaitMs;
    return args.size() <= index || NumberArg(session, args[index], timeout);
}

std::string ExitText(HANDLE process) {
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return Format("exit code %lu (0x%lX)", code, code);
}

HWND FindByCaption(const Session& session, const std::string& caption) {
    for (HWND window : TopWindows(session.pid))
        if (Caption(window) == caption) return window;
    return nullptr;
}

// Polls `found` until it gives a window or the time is up; a program that
// ends meanwhile stops the wait at once.
template <typename Finder>
Outcome PollFor(Session& session, long timeout, const std::string& what, Finder found, HWND& window) {
    if (session.process == nullptr) return Fatal(session, "no program started");
    const DWORD begin = GetTickCount();
    for (;;) {
        window = found();
        if (window != nullptr) return Outcome::Continue;
        if (session.Exited())
            return Fatal(session, Format("%s: the program ended first, %s", what.c_str(),
                                         ExitText(session.process).c_str()));
        if (static_cast<long>(GetTickCount() - begin) >= timeout) break;
        Sleep(kPollMs);
    }
    std::vector<std::string> open;
    for (HWND other : TopWindows(session.pid)) open.push_back(Quote(Caption(other)));
    return Fatal(session, Format("%s: timed out after %ld ms; open windows: %s", what.c_str(), timeout,
                                 open.empty() ? "none" : JoinBar(open).c_str()));
}

}  // namespace

Outcome CmdStart(Session& session, const Args& args) {
    if (session.process != nullptr && !session.Exited()) return Fatal(session, "a program is already running");
    session.Terminate();
    std::wstring directory;
    if (args.size() == 3 && args[1] == "cwd") {
        directory = HostPath(args[2]);
    } else if (args.size() != 1) {
        return Fatal(session, "usage: start <exe> [cwd <dir>]");
    }
    session.exePath = HostPath(args[0]);
    const size_t slash = session.exePath.find_last_of(L"\\/");
    std::wstring title = session.exePath.substr(slash == std::wstring::npos ? 0 : slash + 1);
    const size_t dot = title.rfind(L'.');
    if (dot != std::wstring::npos) title.resize(dot);
    session.appTitle = title;

    std::wstring commandLine = L"\"" + session.exePath + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    session.startTick = GetTickCount();
    if (!CreateProcessW(session.exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        return Fatal(session, Format("cannot start %s (error %lu)", Narrow(session.exePath).c_str(), GetLastError()));
    CloseHandle(info.hThread);
    session.process = info.hProcess;
    session.pid = info.dwProcessId;
    session.current = nullptr;
    Emit(Format("started pid %lu", info.dwProcessId));
    return Outcome::Continue;
}

Outcome CmdWait(Session& session, const Args& args) {
    long timeout;
    if (!TimeoutArg(session, args, 1, timeout)) return Outcome::Fatal;
    HWND window = nullptr;
    const Outcome outcome = PollFor(session, timeout, "wait " + Quote(args[0]),
                                    [&] { return FindByCaption(session, args[0]); }, window);
    if (outcome == Outcome::Fatal) return outcome;
    Settle(window);
    session.current = window;
    return Outcome::Continue;
}

Outcome CmdWaitGone(Session& session, const Args& args) {
    long timeout;
    if (!TimeoutArg(session, args, 1, timeout)) return Outcome::Fatal;
    const DWORD begin = GetTickCount();
    while (session.process != nullptr && !session.Exited() && FindByCaption(session, args[0]) != nullptr) {
        if (static_cast<long>(GetTickCount() - begin) >= timeout)
            return Fatal(session, Format("wait-gone %s: still open after %ld ms", Quote(args[0]).c_str(), timeout));
        Sleep(kPollMs);
    }
    return Outcome::Continue;
}

namespace {

// Waits for a message box of the program; `whole` compares the full text,
// otherwise only its beginning (texts that carry paths and system errors).
Outcome WaitMessage(Session& session, const Args& args, bool whole) {
    long timeout;
    if (!TimeoutArg(session, args, 1, timeout)) return Outcome::Fatal;
    const std::string caption = Narrow(session.appTitle);
    auto find = [&]() -> HWND {
        for (HWND window : TopWindows(session.pid))
            if (IsClass(window, "#32770") && Caption(window) == caption) return window;
        return nullptr;
    };
    HWND box = nullptr;
    const Outcome outcome = PollFor(session, timeout, "wait-message (caption " + Quote(caption) + ")", find, box);
    if (outcome == Outcome::Fatal) return outcome;
    Settle(box);
    session.current = box;
    const std::string text = MessageBoxText(box);
    if (whole) {
        session.Check(text == args[0], "message text", Quote(args[0]), Quote(text));
    } else {
        Emit("message " + Quote(text));
        session.Check(text.compare(0, args[0].size(), args[0]) == 0, "message text beginning", Quote(args[0]),
                      Quote(text));
    }
    return Outcome::Continue;
}

}  // namespace

Outcome CmdWaitMessage(Session& session, const Args& args) { return WaitMessage(session, args, true); }

Outcome CmdWaitMessageStart(Session& session, const Args& args) { return WaitMessage(session, args, false); }

Outcome CmdWaitExit(Session& session, const Args& args) {
    long timeout;
    if (!TimeoutArg(session, args, 0, timeout)) return Outcome::Fatal;
    if (session.process == nullptr) return Fatal(session, "no program started");
    if (WaitForSingleObject(session.process, static_cast<DWORD>(timeout)) != WAIT_OBJECT_0) {
        std::vector<std::string> open;
        for (HWND other : TopWindows(session.pid)) open.push_back(Quote(Caption(other)));
        return Fatal(session, Format("wait-exit: still running after %ld ms; open windows: %s", timeout,
                                     open.empty() ? "none" : JoinBar(open).c_str()));
    }
    Emit(Format("exited after %lu ms, %s", GetTickCount() - session.startTick, ExitText(session.process).c_str()));
    session.Terminate();
    return Outcome::Continue;
}

Outcome CmdKill(Session& session, const Args&) {
    session.Terminate();
    return Outcome::Continue;
}

Outcome CmdExpectWindows(Session& session, const Args& args) {
    std::vector<std::string> expected;
    if (!args[0].empty()) expected = Split(args[0], '|');
    std::vector<std::string> open;
    if (session.process != nullptr)
        for (HWND window : TopWindows(session.pid)) open.push_back(Caption(window));
    std::sort(expected.begin(), expected.end());
    std::sort(open.begin(), open.end());
    session.Check(expected == open, "open windows", Quote(JoinBar(expected)), Quote(JoinBar(open)));
    return Outcome::Continue;
}
