// The main window: its class, the hand-over of a second start and the small
// helpers that read and write its controls' texts.
#pragma once

#include <windows.h>

#include <string>

// Window class of the main window, also the class a second start looks for.
inline constexpr char MAIN_CLASS[] = "Nimbrel";
inline constexpr char MAIN_TITLE[] = "Nimbrel";
// Private message of a second start: the payload is the main window's caption.
inline constexpr UINT HANDOVER_MESSAGE = 0x010A;
// Largest caption the hand-over handler reads (a 512-byte buffer).
inline constexpr size_t HANDOVER_MAX_BYTES = 511;

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT layout_controls(HWND window, WPARAM wparam, LPARAM lparam);
void apply_rounded_region(HWND window);
void handover_received(HWND window);

// Whole text of a window or control.
std::string window_text(HWND window);
void set_status_text(int part, const char* text);
// The main window's caption, the prompt line.
void set_title(const char* text);
