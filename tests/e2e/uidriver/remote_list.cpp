#include "remote_list.h"

#include <windows.h>
#include <commctrl.h>

#include "text.h"
#include "window_query.h"

namespace {
constexpr size_t kTextChars = 1024;
}

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process), base_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
    if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
    SIZE_T written = 0;
    return WriteProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &written) && written == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process_, static_cast<char*>(base_) + offset, data, size, &got) && got == size;
}

int ListRowCount(HWND list) {
    LRESULT count = 0;
    return SendTimeout(list, LVM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

int ListColumnCount(HWND list) {
    LRESULT header = 0;
    if (!SendTimeout(list, LVM_GETHEADER, 0, 0, &header) || header == 0) return -1;
    LRESULT count = 0;
    return SendTimeout(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

UINT ListRowState(HWND list, int row, UINT mask) {
    LRESULT state = 0;
    SendTimeout(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask, &state);
    return static_cast<UINT>(state);
}

std::vector<int> ListRowsWith(HWND list, UINT mask) {
    std::vector<int> rows;
    const int count = ListRowCount(list);
    for (int row = 0; row < count; ++row)
        if ((ListRowState(list, row, mask) & mask) == mask) rows.push_back(row);
    return rows;
}

bool ListCellText(HANDLE process, HWND list, int row, int column, std::string& text) {
    RemoteBuffer remote(process, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!remote.Valid()) return false;
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(remote.At(sizeof item));
    if (!remote.Write(0, &item, sizeof item)) return false;
    LRESULT length = 0;
    if (!SendTimeout(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.At(0), &length)) return false;
    if (length < 0 || static_cast<size_t>(length) >= kTextChars) return false;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0 && !remote.Read(sizeof item, &wide[0], wide.size() * sizeof(wchar_t))) return false;
    text = Narrow(wide);
    return true;
}

bool ListRowText(HANDLE process, HWND list, int row, std::string& text) {
    int columns = ListColumnCount(list);
    if (columns < 1) columns = 1;
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) {
        std::string cell;
        if (!ListCellText(process, list, row, column, cell)) return false;
        cells.push_back(cell);
    }
    text = JoinBar(cells);
    return true;
}

bool ListColumn(HANDLE process, HWND list, int column, std::string& heading, int& width) {
    RemoteBuffer remote(process, sizeof(LVCOLUMNW) + kTextChars * sizeof(wchar_t));
    if (!remote.Valid()) return false;
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.cchTextMax = kTextChars;
    info.pszText = reinterpret_cast<LPWSTR>(remote.At(sizeof info));
    if (!remote.Write(0, &info, sizeof info)) return false;
    LRESULT ok = 0;
    if (!SendTimeout(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), remote.At(0), &ok) || !ok) return false;
    LVCOLUMNW back = {};
    std::wstring wide(kTextChars, L'\0');
    if (!remote.Read(0, &back, sizeof back) || !remote.Read(sizeof info, &wide[0], wide.size() * sizeof(wchar_t)))
        return false;
    wide.resize(wcsnlen(wide.c_str(), kTextChars));
    heading = Narrow(wide);
    width = back.cx;
    return true;
}

bool ListSelect(HANDLE process, HWND list, int row) {
    RemoteBuffer remote(process, sizeof(LVITEMW));
    if (!remote.Valid()) return false;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
    if (!remote.Write(0, &item, sizeof item)) return false;
    LRESULT ok = 0;
    return SendTimeout(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.At(0), &ok) && ok;
}
