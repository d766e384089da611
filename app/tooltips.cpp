#include "app/tooltips.h"

#include <commctrl.h>

#include "res/resource_ids.h"

namespace {

constexpr int TooltipAutoPopDelay = 20000;
constexpr int TooltipInitialDelay = 50;
constexpr int TooltipTextCapacity = 256;

}  // namespace

HWND addTooltips(HINSTANCE instance, HWND window) {
    HWND tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(TooltipAutoPopDelay, 0));
    SendMessageW(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(TooltipInitialDelay, 0));
    for (int id = IDC_SITE_DESCRIPTION; id <= IDC_SATELLITE_TABLE; ++id) {
        wchar_t text[TooltipTextCapacity];
        // Each control's tip is the string with the control's id.
        if (LoadStringW(instance, static_cast<UINT>(id), text, TooltipTextCapacity) <= 0) {
            continue;
        }
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window, id));
        tool.lpszText = text;  // the tooltip keeps its own copy
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltip;
}
