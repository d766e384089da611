#include "app/clipboard_export.h"

#include <cstring>

#include "app/control_text.h"
#include "app/main_window.h"
#include "calc/result_text.h"
#include "res/resource_ids.h"

namespace {

constexpr UINT TextCodePage = 936;

// A moveable, zero-filled block holding the result text.
HGLOBAL resultTextBlock(const MainWindowState& state, const char* description) {
    std::size_t capacity = resultTextCapacity(state.table.rowCount(), std::strlen(description));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, capacity);
    if (block == nullptr) {
        return nullptr;
    }
    auto* text = static_cast<char*>(GlobalLock(block));
    if (text == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    formatResultText(description, state.table, text, capacity);
    GlobalUnlock(block);
    return block;
}

// The same text as UTF-16 in a block of its own, or null.
HGLOBAL unicodeBlock(HGLOBAL textBlock) {
    const auto* text = static_cast<const char*>(GlobalLock(textBlock));
    if (text == nullptr) {
        return nullptr;
    }
    HGLOBAL block = nullptr;
    // -1: the terminating zero is converted too.
    int count = MultiByteToWideChar(TextCodePage, 0, text, -1, nullptr, 0);
    if (count > 0) {
        block =
            GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(count) * sizeof(WCHAR));
    }
    if (block != nullptr) {
        auto* wide = static_cast<WCHAR*>(GlobalLock(block));
        if (wide == nullptr || MultiByteToWideChar(TextCodePage, 0, text, -1, wide, count) == 0) {
            if (wide != nullptr) GlobalUnlock(block);
            GlobalFree(block);
            block = nullptr;
        } else {
            GlobalUnlock(block);
        }
    }
    GlobalUnlock(textBlock);
    return block;
}

// Hands a block to the clipboard; until the clipboard accepts it, it is ours to free.
void handOver(UINT format, HGLOBAL block) {
    if (block != nullptr && SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
    }
}

}  // namespace

void copyResultsToClipboard(MainWindowState& state) {
    if (state.table.rowCount() == 0) {
        return;
    }
    // The main window's work text is large enough for the description.
    static_assert(sizeof state.workText >= ClipboardDescriptionCapacity);
    char* description = state.workText;
    readControlText(GetDlgItem(state.window, IDC_SITE_DESCRIPTION), description,
                    ClipboardDescriptionCapacity);
    HGLOBAL text = resultTextBlock(state, description);
    if (text == nullptr) {
        return;
    }
    HGLOBAL unicode = unicodeBlock(text);
    if (!OpenClipboard(state.window)) {
        GlobalFree(text);
        if (unicode != nullptr) GlobalFree(unicode);
        return;
    }
    EmptyClipboard();
    handOver(CF_TEXT, text);
    handOver(CF_UNICODETEXT, unicode);
    CloseClipboard();
}
