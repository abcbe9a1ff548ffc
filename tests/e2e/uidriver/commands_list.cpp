// Checks on and selection in list views.
#include <windows.h>
#include <commctrl.h>

#include "commands.h"
#include "remote_list.h"
#include "text.h"
#include "window_query.h"

namespace {

HWND ListControl(Session& session, long id) {
    HWND list = session.Control(id);
    if (list != nullptr && !IsClass(list, WC_LISTVIEWA)) {
        session.Fail(Format("control %ld is a %s, not a list view", id, ClassOf(list).c_str()));
        return nullptr;
    }
    return list;
}

std::string RowsText(const std::vector<int>& rows) {
    if (rows.empty()) return "none";
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) text += (i > 0 ? "," : "") + Format("%d", rows[i]);
    return text;
}

Outcome ExpectRowsWith(Session& session, const Args& args, UINT mask, const char* what) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    std::string want = "none";
    if (args[1] != "none") {
        long row;
        if (!NumberArg(session, args[1], row)) return Outcome::Fatal;
        want = Format("%ld", row);
    }
    if (HWND list = ListControl(session, id)) {
        const std::string got = RowsText(ListRowsWith(list, mask));
        session.Check(got == want, Format("%s rows of %ld", what, id), want, got);
    }
    return Outcome::Continue;
}

}  // namespace

Outcome CmdExpectList(Session& session, const Args& args) {
    long id, want;
    if (args[1] != "rows") return Fatal(session, "usage: expect-list <id> rows <n>");
    if (!NumberArg(session, args[0], id) || !NumberArg(session, args[2], want)) return Outcome::Fatal;
    if (HWND list = ListControl(session, id)) {
        const int rows = ListRowCount(list);
        session.Check(rows == want, Format("rows of %ld", id), Format("%ld", want), Format("%d", rows));
    }
    return Outcome::Continue;
}

Outcome CmdExpectListRow(Session& session, const Args& args) {
    long id, row;
    if (!NumberArg(session, args[0], id) || !NumberArg(session, args[1], row)) return Outcome::Fatal;
    HWND list = ListControl(session, id);
    if (list == nullptr) return Outcome::Continue;
    std::string text;
    if (row >= ListRowCount(list))
        session.Check(false, Format("row %ld of %ld", row, id), Quote(args[2]), "no such row");
    else if (!ListRowText(session.process, list, static_cast<int>(row), text))
        session.Fail(Format("row %ld of %ld cannot be read", row, id));
    else
        session.Check(text == args[2], Format("row %ld of %ld", row, id), Quote(args[2]), Quote(text));
    return Outcome::Continue;
}

Outcome CmdExpectListSelected(Session& session, const Args& args) {
    return ExpectRowsWith(session, args, LVIS_SELECTED, "selected");
}

Outcome CmdExpectListFocused(Session& session, const Args& args) {
    return ExpectRowsWith(session, args, LVIS_FOCUSED, "focused");
}

Outcome CmdExpectListColumns(Session& session, const Args& args) {
    long id;
    if (!NumberArg(session, args[0], id)) return Outcome::Fatal;
    HWND list = ListControl(session, id);
    if (list == nullptr) return Outcome::Continue;
    std::vector<std::string> columns;
    const int count = ListColumnCount(list);
    for (int column = 0; column < count; ++column) {
        std::string heading;
        int width = 0;
        if (!ListColumn(session.process, list, column, heading, width)) heading = "?";
        columns.push_back(Format("%s:%d", heading.c_str(), width));
    }
    const std::string got = JoinBar(columns);
    session.Check(got == args[1], Format("columns of %ld", id), Quote(args[1]), Quote(got));
    return Outcome::Continue;
}

Outcome CmdSelectList(Session& session, const Args& args) {
    long id, row = -1;
    if (!NumberArg(session, args[0], id) || (args[1] != "none" && !NumberArg(session, args[1], row)))
        return Outcome::Fatal;
    HWND list = ListControl(session, id);
    if (list == nullptr) return Outcome::Continue;
    if (row >= ListRowCount(list))
        session.Fail(Format("select-list: list %ld has no row %ld", id, row));
    else if (!ListSelect(session.process, list, static_cast<int>(row)))
        session.Fail(Format("select-list: list %ld did not take the selection", id));
    Settle(list);
    return Outcome::Continue;
}
