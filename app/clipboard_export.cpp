#include "app/clipboard_export.h"

#include <cstring>
#include <string>

#include "app/control_text.h"
#include "calc/result_text.h"

namespace {

// A moveable, zero-filled block holding `size` bytes copied from `bytes`, or null.
HGLOBAL blockHolding(const void* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block == nullptr) {
        return nullptr;
    }
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(memory, bytes, size);
    GlobalUnlock(block);
    return block;
}

// A moveable, zero-filled block holding the result text.
HGLOBAL resultTextBlock(const char* description, const SatelliteTable& table) {
    std::size_t capacity = resultTextCapacity(table.rowCount(), std::strlen(description));
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, capacity);
    if (block == nullptr) {
        return nullptr;
    }
    auto* text = static_cast<char*>(GlobalLock(block));
    if (text == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    formatResultText(description, table, text, capacity);
    GlobalUnlock(block);
    return block;
}

// The same text as UTF-16, with its terminating zero, in a block of its own, or null.
HGLOBAL unicodeBlock(HGLOBAL textBlock) {
    const auto* text = static_cast<const char*>(GlobalLock(textBlock));
    if (text == nullptr) {
        return nullptr;
    }
    std::wstring wide = wideText(text);
    GlobalUnlock(textBlock);
    return blockHolding(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

// Hands a block to the clipboard; until the clipboard accepts it, it is ours to free.
void handOver(UINT format, HGLOBAL block) {
    if (block != nullptr && SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
    }
}

}  // namespace

void copyResultsToClipboard(HWND owner, const char* description, const SatelliteTable& table) {
    if (table.rowCount() == 0) {
        return;
    }
    HGLOBAL text = resultTextBlock(description, table);
    if (text == nullptr) {
        return;
    }
    HGLOBAL unicode = unicodeBlock(text);
    const LCID locale = ClipboardTextLocale;
    HGLOBAL localeBlock = blockHolding(&locale, sizeof locale);
    if (!OpenClipboard(owner)) {
        GlobalFree(text);
        if (unicode != nullptr) GlobalFree(unicode);
        if (localeBlock != nullptr) GlobalFree(localeBlock);
        return;
    }
    EmptyClipboard();
    handOver(CF_TEXT, text);
    handOver(CF_UNICODETEXT, unicode);
    handOver(CF_LOCALE, localeBlock);
    CloseClipboard();
}
