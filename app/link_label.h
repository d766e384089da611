#pragma once
// Link labels: static controls of the about box that open an address when
// clicked, drawn in blue underlined text with the hand cursor over them.

#include <windows.h>

// Opens a link target. The program uses openWithShell.
using LinkOpener = void (*)(const char* target);

// ShellExecuteW (the target converted from code page 936) with no owner window, the default verb
// and SW_SHOW; a failure is ignored.
void openWithShell(const char* target);

// What the labels of a box share. The box keeps it in its DWLP_USER.
struct LinkLabelHost {
    HCURSOR handCursor = nullptr;
    LinkOpener openLink = openWithShell;
    // One underlined font per label, created when it is first drawn and
    // released by releaseLinkFonts.
    HFONT homePageFont = nullptr;
    HFONT mailFont = nullptr;
};

// The targets of labels IDC_HOME_PAGE_LINK and IDC_MAIL_LINK (the mail subject is raw code page
// 936).
extern const char* const HomePageUrl;
extern const char* const MailLink;

// The target of the label with this control id, or null.
const char* linkTarget(int controlId);

// Installs LinkLabelProc as the label's window procedure, keeping the
// previous one in the label's user data (GWLP_USERDATA).
void installLinkLabel(HWND label);

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);

// The box's answer to WM_CTLCOLORSTATIC for a link label: its underlined
// font (created on first use from the label's font), blue text on the menu
// colour, and the hollow brush so that only the text is painted. Null for
// any other control.
HBRUSH colourLinkLabel(LinkLabelHost& host, HDC dc, HWND label);

// When the box closes: gives the labels back the box's font and deletes the
// underlined ones.
void releaseLinkFonts(LinkLabelHost& host, HWND box);
