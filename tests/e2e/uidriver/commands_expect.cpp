// Checks on the controls of the current window.
#include <windows.h>
#include <commctrl.h>

#include "commands.h"
#include "dialog_template.h"
#include "layout.h"
#include "text.h"
#include "window_query.h"

namespace {

constexpr WORD kChineseSimplified = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

std::string Flag(bool value) { return value ? "1" : "0"; }

bool FlagArg(Session& session, const std::string& word, bool& value) {
    if (word == "0" || word == "1") {
        value = word == "1";
        return true;
    }
    Fatal(session, "expected 0 or 1, not " + Quote(word));
    return false;
}

std::string CheckState(HWND button) {
    LRESULT state = 0;
    if (!SendTimeout(button, BM_GETCHECK, 0, 0, &state)) return "no answer";
    return Format("%ld", static_cast<long>(state));
}

HWND FirstOfClass(HWND dialog, const char* name) {
    for (HWND child : Children(dialog))
        if (IsClass(child, name)) return child;
    return nullptr;
}

}  // namespace

Outcome CmdExpectChecked(Session& session, const Args& args) {
    long id;
    bool want = true;
    if (!NumberArg(session, args[0], id) || (args.size() > 1 && !FlagArg(session, args[1], want)))
        return Outcome::Fatal;
    if (HWND button = session.Control(id))
        session.Check(CheckState(button) == Flag(want), Format("checked %ld", id), Flag(want), CheckState(button));
    return Outcome::Continue;
}

Outcome CmdExpectNoneChecked(Session& session, const Args& args) {
    for (const std::string& word : args) {
        long id;
        if (!NumberArg(session, word, id)) return Outcome::Fatal;
        if (HWND button = session.Control(id))
            session.Check(CheckState(button) == "0", Format("checked %ld", id), "0", CheckState(button));
    }
    return Outcome::Continue;
}

Outcome CmdExpectEnabled(Session& session, const Args& args) {
    long id;
    bool want;
    if (!NumberArg(session, args[0], id) || !FlagArg(session, args[1], want)) return Outcome::Fatal;
    if (HWND control = session.Control(id)) {
        const bool enabled = IsWindowEnabled(control) != FALSE;
        session.Check(enabled == want, Format("enabled %ld", id), Flag(want), Flag(enabled));
    }
    return Outcome::Continue;
}

Outcome CmdExpectVisible(Session& session, const Args& args) {
    long id;
    bool want;
    if (!NumberArg(session, args[0], id) || !FlagArg(session, args[1], want)) return Outcome::Fatal;
    if (HWND control = session.Control(id)) {
        const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
        session.Check(visible == want, Format("visible %ld", id), Flag(want), Flag(visible));
    }
    return Outcome::Continue;
}

Outcome CmdExpectText(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    if (HWND control = session.Control(id)) {
        const std::string text = ControlText(control);
        session.Check(text == args[1], Format("text %ld", id), Quote(args[1]), Quote(text));
    }
    return Outcome::Continue;
}

Outcome CmdExpectCaption(Session& session, const Args& args) {
    if (HWND window = session.Window()) {
        const std::string caption = Caption(window);
        session.Check(caption == args[0], "caption", Quote(args[0]), Quote(caption));
    }
    return Outcome::Continue;
}

Outcome CmdExpectFocus(Session& session, const Args& args) {
    HWND window = session.Window();
    if (window == nullptr) return Outcome::Continue;
    HWND focus = FocusOf(window);
    std::string got = "none";
    if (focus != nullptr) {
        // A control's inner window (a combo box's edit) counts as the control.
        while (GetParent(focus) != nullptr && GetParent(focus) != window) focus = GetParent(focus);
        got = GetParent(focus) == window ? Format("%d", GetDlgCtrlID(focus)) : "outside the window";
    }
    std::string want = args[0];
    long id;
    if (want != "none") {
        if (!NumberArg(session, want, id)) return Outcome::Fatal;
        want = Format("%ld", id);
    }
    session.Check(got == want, "focus", want, got);
    return Outcome::Continue;
}

Outcome CmdExpectCombo(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    HWND combo = session.Control(id);
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        const std::string& key = args[i];
        if (key == "items") {
            if (combo == nullptr) continue;
            const std::string items = JoinBar(ComboItems(combo));
            session.Check(items == args[i + 1], Format("combo %ld items", id), Quote(args[i + 1]), Quote(items));
        } else if (key == "sel") {
            long want;
            if (!NumberArg(session, args[i + 1], want)) return Outcome::Fatal;
            if (combo == nullptr) continue;
            LRESULT sel = -2;
            SendTimeout(combo, CB_GETCURSEL, 0, 0, &sel);
            session.Check(sel == want, Format("combo %ld selection", id), Format("%ld", want),
                          Format("%ld", static_cast<long>(sel)));
        } else {
            return Fatal(session, "expect-combo: expected items or sel, not " + Quote(key));
        }
    }
    if (args.size() % 2 == 0) return Fatal(session, "expect-combo: a keyword lacks its value");
    return Outcome::Continue;
}

Outcome CmdExpectProgress(Session& session, const Args& args) {
    long want;
    if (!NumberArg(session, args.back(), want)) return Outcome::Fatal;
    HWND bar = nullptr;
    std::string name = "progress";
    if (args.size() == 2) {
        long id;
        if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
        bar = session.Control(id);
        name = Format("progress %ld", id);
    } else if (HWND window = session.Window()) {
        bar = FirstOfClass(window, PROGRESS_CLASSA);
        if (bar == nullptr) session.Fail("no progress bar in the current window");
    }
    if (bar == nullptr) return Outcome::Continue;
    LRESULT pos = 0;
    if (!SendTimeout(bar, PBM_GETPOS, 0, 0, &pos))
        session.Fail(name + ": the program does not answer");
    else
        session.Check(pos == want, name, Format("%ld", want), Format("%ld", static_cast<long>(pos)));
    return Outcome::Continue;
}

Outcome CmdExpectItemsCount(Session& session, const Args& args) {
    long id, want;
    if (!NumberArg(session, args[0], id) || !NumberArg(session, args[1], want)) return Outcome::Fatal;
    HWND control = session.Control(id);
    if (control == nullptr) return Outcome::Continue;
    UINT message = 0;
    if (IsClass(control, "ComboBox"))
        message = CB_GETCOUNT;
    else if (IsClass(control, "ListBox"))
        message = LB_GETCOUNT;
    else if (IsClass(control, WC_LISTVIEWA))
        message = LVM_GETITEMCOUNT;
    if (message == 0) {
        session.Fail(Format("control %ld (%s) has no items", id, ClassOf(control).c_str()));
        return Outcome::Continue;
    }
    LRESULT count = -1;
    SendTimeout(control, message, 0, 0, &count);
    session.Check(count == want, Format("items of %ld", id), Format("%ld", want), Format("%ld", static_cast<long>(count)));
    return Outcome::Continue;
}

Outcome CmdExpectControlCount(Session& session, const Args& args) {
    long want;
    if (!NumberArg(session, args[0], want)) return Outcome::Fatal;
    if (HWND window = session.Window()) {
        const long count = static_cast<long>(Children(window).size());
        session.Check(count == want, "number of controls", Format("%ld", want), Format("%ld", count));
    }
    return Outcome::Continue;
}

Outcome CmdExpectLayout(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    if (args.size() == 2 && args[1] != "ansi") return Fatal(session, "usage: expect-layout <template-id> [ansi]");
    HWND window = session.Window();
    if (window == nullptr) return Outcome::Continue;
    DialogTemplate expected;
    std::string error;
    if (!LoadDialogTemplate(session.exePath, static_cast<int>(id), kChineseSimplified, expected, error)) {
        session.Fail("layout: " + error);
        return Outcome::Continue;
    }
    ++session.checks;
    for (const std::string& problem : CompareLayout(window, expected, static_cast<int>(id), args.size() == 2)) session.Fail(problem);
    return Outcome::Continue;
}
