#include "tests/gui/template_check.h"

#include <gtest/gtest.h>

#include "app/centre_window.h"
#include "tests/gui/modal_window.h"

void expectControlsAsTemplate(HWND dialog, const std::vector<TemplateControl>& expected) {
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const TemplateControl& control : expected) {
        ASSERT_NE(child, nullptr) << control.text;
        SCOPED_TRACE(control.text);
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        EXPECT_EQ(utf8FromWide(className), control.className);
        int id = GetDlgCtrlID(child);
        if (control.id == -1) {
            EXPECT_TRUE(id == -1 || id == 0xFFFF) << id;
        } else {
            EXPECT_EQ(id, control.id);
        }
        if (control.text != nullptr) {
            EXPECT_EQ(controlText(child), control.text);
        }

        RECT pixels = control.dialogUnits;
        MapDialogRect(dialog, &pixels);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, pixels.left);
        EXPECT_EQ(actual.top, pixels.top);
        if (control.size != TemplateSize::Ignored) {
            EXPECT_EQ(actual.right - actual.left, pixels.right);
        }
        if (control.size == TemplateSize::Kept) {
            EXPECT_EQ(actual.bottom - actual.top, pixels.bottom);
        }
        auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        EXPECT_EQ(style & control.requiredStyle, control.requiredStyle);
        EXPECT_EQ(style & control.forbiddenStyle, 0u);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template has";
}

void expectDialogFrame(HWND dialog, int width, int height, DWORD sizing) {
    auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), sizing);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size = {0, 0, width, height};
    MapDialogRect(dialog, &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
}

void expectCentred(HWND window) {
    RECT rect;
    RECT desktop;
    GetWindowRect(window, &rect);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(rect.left, halfRoundedDown(desktop.right - (rect.right - rect.left)));
    EXPECT_EQ(rect.top, halfRoundedDown(desktop.bottom - (rect.bottom - rect.top)));
}
