#ifdef _WIN32

#include "Win32DesktopInput.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "Cp1252.h"
#include "Processes.h"
#include "WindowChoice.h"

namespace kaj::platform::win {
namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM parameter) {
    auto* windows = reinterpret_cast<std::vector<ListedWindow>*>(parameter);
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t buffer[512];
    const int length = GetWindowTextW(window, buffer, 512);
    std::string title;
    for (int i = 0; i < length; ++i) {
        const auto byte = unicodeToCp1252(static_cast<char32_t>(buffer[i]));
        title.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    windows->push_back(
        {static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)), title});
    return TRUE;
}

WORD virtualKeyFor(NamedKey key) {
    switch (key) {
        case NamedKey::Enter:
            return VK_RETURN;
        case NamedKey::Tab:
            return VK_TAB;
        case NamedKey::Backspace:
            return VK_BACK;
        case NamedKey::Delete:
            return VK_DELETE;
        case NamedKey::Insert:
            return VK_INSERT;
        case NamedKey::Home:
            return VK_HOME;
        case NamedKey::End:
            return VK_END;
        case NamedKey::PageUp:
            return VK_PRIOR;
        case NamedKey::PageDown:
            return VK_NEXT;
        case NamedKey::Up:
            return VK_UP;
        case NamedKey::Down:
            return VK_DOWN;
        case NamedKey::Left:
            return VK_LEFT;
        case NamedKey::Right:
            return VK_RIGHT;
        case NamedKey::Escape:
            return VK_ESCAPE;
        case NamedKey::Break:
            return VK_CANCEL;
        case NamedKey::CapsLock:
            return VK_CAPITAL;
        case NamedKey::NumLock:
            return VK_NUMLOCK;
        case NamedKey::ScrollLock:
            return VK_SCROLL;
        case NamedKey::PrintScreen:
            return VK_SNAPSHOT;
        case NamedKey::Help:
            return VK_HELP;
        default:
            return static_cast<WORD>(VK_F1 +
                                     (static_cast<int>(key) - static_cast<int>(NamedKey::F1)));
    }
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
    std::vector<INPUT> inputs;
    for (const auto& stroke : strokes) {
        appendModifiers(inputs, stroke.modifiers, true);
        if (stroke.isNamed) {
            const WORD key = virtualKeyFor(stroke.key);
            inputs.push_back(virtualKeyInput(key, true));
            inputs.push_back(virtualKeyInput(key, false));
        } else if (stroke.modifiers != 0 && stroke.character < 0x10000 &&
                   VkKeyScanW(static_cast<wchar_t>(stroke.character)) != -1) {
            // A modified character ("^c") must reach the target as a key, not a character.
            const WORD key = LOBYTE(VkKeyScanW(static_cast<wchar_t>(stroke.character)));
            inputs.push_back(virtualKeyInput(key, true));
            inputs.push_back(virtualKeyInput(key, false));
        } else if (stroke.character < 0x10000) {
            inputs.push_back(unicodeInput(static_cast<wchar_t>(stroke.character), true));
            inputs.push_back(unicodeInput(static_cast<wchar_t>(stroke.character), false));
        }
        appendModifiers(inputs, stroke.modifiers, false);
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
