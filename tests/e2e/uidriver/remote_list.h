// List-view access across processes. List-view messages are not marshalled
// by the system, so every structure they point to lives in a buffer
// allocated inside the target process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return base_ != nullptr; }
    // Address inside the target, for pointers stored in remote structures.
    LPARAM At(size_t offset) const { return reinterpret_cast<LPARAM>(static_cast<char*>(base_) + offset); }
    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_;
    void* base_;
};

int ListRowCount(HWND list);
int ListColumnCount(HWND list);
UINT ListRowState(HWND list, int row, UINT mask);
// Rows whose state includes all bits of `mask`, first to last.
std::vector<int> ListRowsWith(HWND list, UINT mask);
bool ListCellText(HANDLE process, HWND list, int row, int column, std::string& text);
// Row texts of all columns, joined with '|'.
bool ListRowText(HANDLE process, HWND list, int row, std::string& text);
bool ListColumn(HANDLE process, HWND list, int column, std::string& heading, int& width);
// Sets selected and focused on one row (a user's click), or clears them on
// every row for row -1.
bool ListSelect(HANDLE process, HWND list, int row);
