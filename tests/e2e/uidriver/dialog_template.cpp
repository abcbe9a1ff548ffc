#include "dialog_template.h"

#include <cstring>

#include "text.h"

namespace {

class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    WORD Word() {
        WORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Take(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        BYTE value = 0;
        Take(&value, sizeof value);
        return value;
    }

    std::wstring String() {
        std::wstring text;
        for (WORD c = Word(); ok_ && c != 0; c = Word()) text += static_cast<wchar_t>(c);
        return text;
    }

    // A name or ordinal field: 0 (none), 0xFFFF followed by an ordinal, or
    // a zero-terminated string.
    std::wstring NameOrOrdinal(bool* isOrdinal = nullptr, WORD* ordinal = nullptr) {
        if (isOrdinal != nullptr) *isOrdinal = false;
        if (pos_ + 2 > size_) {
            ok_ = false;
            return std::wstring();
        }
        WORD first = 0;
        memcpy(&first, data_ + pos_, 2);
        if (first == 0) {
            pos_ += 2;
            return std::wstring();
        }
        if (first == 0xFFFF) {
            pos_ += 2;
            const WORD value = Word();
            if (isOrdinal != nullptr) *isOrdinal = true;
            if (ordinal != nullptr) *ordinal = value;
            return std::wstring();
        }
        return String();
    }

    void AlignDword() { pos_ = (pos_ + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t count) {
        if (pos_ + count > size_) ok_ = false;
        pos_ += count;
    }

private:
    void Take(void* out, size_t count) {
        if (!ok_ || pos_ + count > size_) {
            ok_ = false;
            return;
        }
        memcpy(out, data_ + pos_, count);
        pos_ += count;
    }

    const BYTE* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::wstring PredefinedClass(WORD atom) {
    switch (atom) {
        case 0x80: return L"Button";
        case 0x81: return L"Edit";
        case 0x82: return L"Static";
        case 0x83: return L"ListBox";
        case 0x84: return L"ScrollBar";
        case 0x85: return L"ComboBox";
        default: return Widen(Format("#%u", atom));
    }
}

void ReadItem(Reader& in, bool extended, TemplateItem& item) {
    in.AlignDword();
    if (extended) {
        in.Dword();  // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
    } else {
        item.style = in.Dword();
        item.exStyle = in.Dword();
    }
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = extended ? in.Dword() : in.Word();
    bool classIsAtom = false;
    WORD atom = 0;
    item.className = in.NameOrOrdinal(&classIsAtom, &atom);
    if (classIsAtom) item.className = PredefinedClass(atom);
    item.text = in.NameOrOrdinal(&item.textIsOrdinal, &item.textOrdinal);
    const WORD extra = in.Word();
    in.Skip(extra);
}

}  // namespace

bool ParseDialogTemplate(const BYTE* data, size_t size, DialogTemplate& result, std::string& error) {
    Reader in(data, size);
    result = DialogTemplate();
    const WORD version = in.Word();
    const WORD signature = in.Word();
    result.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (result.extended) {
        in.Dword();  // help id
        result.exStyle = in.Dword();
        result.style = in.Dword();
    } else {
        result.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        result.exStyle = in.Dword();
    }
    count = in.Word();
    result.x = in.Short();
    result.y = in.Short();
    result.cx = in.Short();
    result.cy = in.Short();
    in.NameOrOrdinal();  // menu
    in.NameOrOrdinal();  // class
    result.caption = in.String();
    if (result.style & DS_SETFONT) {
        result.pointSize = in.Word();
        if (result.extended) {
            result.weight = in.Word();
            result.italic = in.Byte();
            result.charset = in.Byte();
        }
        result.face = in.String();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        TemplateItem item;
        ReadItem(in, result.extended, item);
        if (in.ok()) result.items.push_back(item);
    }
    if (!in.ok()) {
        error = Format("template ends early (%u of %u controls read)", static_cast<unsigned>(result.items.size()),
                       count);
        return false;
    }
    return true;
}

bool LoadDialogTemplate(const std::wstring& exePath, int id, WORD language, DialogTemplate& result,
                        std::string& error) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        error = Format("cannot open %s for its resources (error %lu)", Narrow(exePath).c_str(), GetLastError());
        return false;
    }
    bool ok = false;
    HRSRC found = FindResourceExW(module, RT_DIALOG, MAKEINTRESOURCEW(id), language);
    if (found == nullptr) {
        error = Format("no dialog %d in language %u", id, language);
    } else {
        HGLOBAL loaded = LoadResource(module, found);
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr)
            error = Format("dialog %d cannot be loaded", id);
        else
            ok = ParseDialogTemplate(static_cast<const BYTE*>(bytes), SizeofResource(module, found), result, error);
    }
    FreeLibrary(module);
    return ok;
}

namespace {

struct CaptionSearch {
    HMODULE module;
    std::wstring caption;
    int id;
};

BOOL CALLBACK MatchCaption(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    if (!IS_INTRESOURCE(name)) return TRUE;
    HRSRC found = FindResourceW(module, name, RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    DialogTemplate dialog;
    std::string error;
    if (bytes != nullptr &&
        ParseDialogTemplate(static_cast<const BYTE*>(bytes), SizeofResource(module, found), dialog, error) &&
        dialog.caption == search->caption) {
        search->id = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int FindDialogByCaption(const std::wstring& exePath, const std::string& caption) {
    HMODULE module = LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return -1;
    CaptionSearch search{module, Widen(caption), -1};
    EnumResourceNamesW(module, RT_DIALOG, MatchCaption, reinterpret_cast<LONG_PTR>(&search));
    FreeLibrary(module);
    return search.id;
}
