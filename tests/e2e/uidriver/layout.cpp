#include "layout.h"

#include <cstdlib>

#include "text.h"
#include "window_query.h"

namespace {

const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool Near(LONG a, LONG b) { return std::labs(a - b) <= 1; }

std::string RectText(const RECT& r) {
    return Format("(%ld,%ld %ldx%ld)", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Whether the template text of this control is what its window shows.
bool ShowsTemplateText(const TemplateItem& item) {
    if (item.textIsOrdinal) return false;
    if (lstrcmpiW(item.className.c_str(), L"Button") == 0) return true;
    if (lstrcmpiW(item.className.c_str(), L"Static") != 0) return false;
    const DWORD type = item.style & SS_TYPEMASK;
    return type != SS_ICON && type != SS_BITMAP && type != SS_ENHMETAFILE;
}

// Icon statics take the size of their icon, whatever the template says.
bool SizesItself(const TemplateItem& item) {
    return lstrcmpiW(item.className.c_str(), L"Static") == 0 && (item.style & SS_TYPEMASK) == SS_ICON &&
           !(item.style & (SS_CENTERIMAGE | SS_REALSIZECONTROL));
}

std::wstring ThroughAnsi(const std::wstring& text) {
    if (text.empty()) return text;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &ansi[0], bytes, nullptr, nullptr);
    const int chars = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring back(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &back[0], chars);
    back.resize(static_cast<size_t>(chars > 0 ? chars - 1 : 0));
    return back;
}

std::string TemplateText(const TemplateItem& item) {
    return item.textIsOrdinal ? Format("#%u", item.textOrdinal) : Quote(Narrow(item.text));
}

}  // namespace

SIZE TemplateBaseUnits(const DialogTemplate& dialog) {
    SIZE base = {};
    if (!(dialog.style & DS_SETFONT)) {
        const LONG units = GetDialogBaseUnits();
        base.cx = LOWORD(units);
        base.cy = HIWORD(units);
        return base;
    }
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(dialog.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    HFONT font = CreateFontW(height, 0, 0, 0, dialog.weight, dialog.italic, FALSE, FALSE,
                             dialog.extended ? dialog.charset : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_DONTCARE, dialog.face.c_str());
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SIZE extent = {};
    GetTextExtentPoint32W(screen, kAlphabet, 52, &extent);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    base.cx = (extent.cx / 26 + 1) / 2;
    base.cy = metrics.tmHeight;
    return base;
}

RECT DluToPixels(short x, short y, short cx, short cy, SIZE base) {
    RECT r;
    r.left = MulDiv(x, base.cx, 4);
    r.top = MulDiv(y, base.cy, 8);
    r.right = r.left + MulDiv(cx, base.cx, 4);
    r.bottom = r.top + MulDiv(cy, base.cy, 8);
    return r;
}

RECT ClientRectOf(HWND control) {
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::string> CompareLayout(HWND dialog, const DialogTemplate& expected, int templateId,
                                       bool throughAnsi) {
    std::vector<std::string> problems;
    auto shown = [throughAnsi](const std::wstring& text) { return Narrow(throughAnsi ? ThroughAnsi(text) : text); };
    const SIZE base = TemplateBaseUnits(expected);

    RECT client = {};
    GetClientRect(dialog, &client);
    const RECT wanted = DluToPixels(0, 0, expected.cx, expected.cy, base);
    if (!Near(client.right, wanted.right) || !Near(client.bottom, wanted.bottom))
        problems.push_back(Format("dialog %d client size (base units %ldx%ld) expected %ldx%ld got %ldx%ld",
                                  templateId, base.cx, base.cy, wanted.right, wanted.bottom, client.right,
                                  client.bottom));
    const std::string caption = Caption(dialog);
    if (caption != shown(expected.caption))
        problems.push_back(Format("dialog %d caption expected %s got %s", templateId,
                                  Quote(shown(expected.caption)).c_str(), Quote(caption).c_str()));

    const std::vector<HWND> children = Children(dialog);
    if (children.size() != expected.items.size())
        problems.push_back(Format("dialog %d number of controls expected %u got %u", templateId,
                                  static_cast<unsigned>(expected.items.size()),
                                  static_cast<unsigned>(children.size())));

    const size_t rows = children.size() < expected.items.size() ? children.size() : expected.items.size();
    for (size_t i = 0; i < rows; ++i) {
        const TemplateItem& item = expected.items[i];
        HWND control = children[i];
        const std::string name = Format("dialog %d row %u id %d %s", templateId, static_cast<unsigned>(i + 1),
                                        static_cast<int>(static_cast<short>(item.id)),
                                        TemplateText(item).c_str());
        std::vector<std::string> what, want, got;
        auto differ = [&](const char* field, const std::string& w, const std::string& g) {
            what.push_back(field);
            want.push_back(w);
            got.push_back(g);
        };

        const WORD liveId = static_cast<WORD>(GetDlgCtrlID(control));
        if (liveId != static_cast<WORD>(item.id))
            differ("id", Format("%d", static_cast<short>(item.id)), Format("%d", static_cast<short>(liveId)));

        const std::string liveClass = ClassOf(control);
        if (lstrcmpiA(liveClass.c_str(), Narrow(item.className).c_str()) != 0)
            differ("class", Narrow(item.className), liveClass);

        if (ShowsTemplateText(item)) {
            const std::string text = ControlText(control);
            if (text != shown(item.text)) differ("text", Quote(shown(item.text)), Quote(text));
        }

        const RECT want_r = DluToPixels(item.x, item.y, item.cx, item.cy, base);
        const RECT live = ClientRectOf(control);
        const bool combo = lstrcmpiA(liveClass.c_str(), "ComboBox") == 0;
        const bool icon = SizesItself(item);
        const bool rectOk = Near(live.left, want_r.left) && Near(live.top, want_r.top) &&
                            (icon || Near(live.right - live.left, want_r.right - want_r.left)) &&
                            (icon || combo || Near(live.bottom - live.top, want_r.bottom - want_r.top));
        if (!rectOk)
            differ(icon ? "position" : combo ? "rect (height not compared)" : "rect", RectText(want_r), RectText(live));

        const bool wantVisible = (item.style & WS_VISIBLE) != 0;
        const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
        if (wantVisible != visible) differ("visible", wantVisible ? "1" : "0", visible ? "1" : "0");

        if (!what.empty())
            problems.push_back(Format("%s %s expected %s got %s", name.c_str(), JoinBar(what).c_str(),
                                      JoinBar(want).c_str(), JoinBar(got).c_str()));
    }
    return problems;
}
