#ifdef _WIN32

#include "Win32DesktopInput.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "ElevatedClient.h"
#include "Processes.h"
#include "VirtualKeys.h"
#include "WideText.h"
#include "WindowChoice.h"

namespace kaj::platform::win {
namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM parameter) {
    auto* windows = reinterpret_cast<std::vector<ListedWindow>*>(parameter);
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t title[512];
    const int titleLength = GetWindowTextW(window, title, 512);
    wchar_t windowClass[256];
    const int classLength = GetClassNameW(window, windowClass, 256);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    ListedWindow listed;
    listed.id = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
    listed.title = wideToCp1252(std::wstring_view(title, titleLength > 0 ? titleLength : 0));
    listed.windowClass =
        wideToCp1252(std::wstring_view(windowClass, classLength > 0 ? classLength : 0));
    listed.processId = processId;
    listed.processName = processName(processId);
    windows->push_back(std::move(listed));
    return TRUE;
}

INPUT virtualKeyInput(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

INPUT unicodeInput(wchar_t unit, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return input;
}

void appendModifiers(std::vector<INPUT>& inputs, std::uint8_t modifiers, bool down) {
    const WORD keys[3] = {VK_SHIFT, VK_CONTROL, VK_MENU};
    for (int bit = 0; bit < 3; ++bit) {
        if (modifiers & (1 << bit)) {
            inputs.push_back(virtualKeyInput(keys[bit], down));
        }
    }
}

}  // namespace

std::optional<std::vector<ListedWindow>> Win32DesktopInput::listWindows() {
    std::vector<ListedWindow> windows;
    EnumWindows(&collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

ActivationOutcome Win32DesktopInput::activate(std::uint64_t window) {
    const HWND found = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
    if (!IsWindow(found)) {
        return ActivationOutcome::NotFound;
    }
    target_ = window;
    if (IsIconic(found)) {
        ShowWindow(found, SW_RESTORE);
    }
    SetForegroundWindow(found);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    while (std::chrono::steady_clock::now() < deadline) {
        if (GetForegroundWindow() == found) {
            return ActivationOutcome::Activated;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return ActivationOutcome::NotFocused;
}

TypingOutcome Win32DesktopInput::typeKeys(const std::vector<KeyStroke>& strokes) {
    if (target_ != 0) {
        DWORD clientProcess = 0;
        GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(target_)),
                                 &clientProcess);
        if (auto refusal = elevatedClientRefusal(integrityLevelOf_(clientProcess),
                                                 integrityLevelOf_(GetCurrentProcessId()))) {
            return {false, *refusal};
        }
    }
    std::vector<INPUT> inputs;
    for (const auto& stroke : strokes) {
        if (stroke.isNamed) {
            const WORD key = virtualKeyFor(stroke.key);
            appendModifiers(inputs, stroke.modifiers, true);
            inputs.push_back(virtualKeyInput(key, true));
            inputs.push_back(virtualKeyInput(key, false));
            appendModifiers(inputs, stroke.modifiers, false);
            continue;
        }
        if (stroke.character >= 0x10000) {
            continue;
        }
        const auto unit = static_cast<wchar_t>(stroke.character);
        // A character held with a modifier ("^c", "+b") reaches the client as its key, as
        // a shortcut does, when the keyboard has that key without AltGr; every other
        // character is typed as itself, whatever the keyboard layout.
        const SHORT scan = stroke.modifiers != 0 ? VkKeyScanW(unit) : SHORT{-1};
        if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
            const std::uint8_t held =
                stroke.modifiers | ((HIBYTE(scan) & 1) != 0 ? modifier::kShift : std::uint8_t{0});
            appendModifiers(inputs, held, true);
            inputs.push_back(virtualKeyInput(LOBYTE(scan), true));
            inputs.push_back(virtualKeyInput(LOBYTE(scan), false));
            appendModifiers(inputs, held, false);
        } else {
            appendModifiers(inputs, stroke.modifiers, true);
            inputs.push_back(unicodeInput(unit, true));
            inputs.push_back(unicodeInput(unit, false));
            appendModifiers(inputs, stroke.modifiers, false);
        }
    }
    if (inputs.empty()) {
        return {};
    }
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) {
        // Release whatever modifier may still be down before reporting.
        std::vector<INPUT> release;
        appendModifiers(release, modifier::kShift | modifier::kControl | modifier::kAlt, false);
        SendInput(static_cast<UINT>(release.size()), release.data(), sizeof(INPUT));
        return {false, "the system blocked the key input"};
    }
    return {};
}

}  // namespace kaj::platform::win

#endif
