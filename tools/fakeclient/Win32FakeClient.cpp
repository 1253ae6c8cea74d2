// fakeclient.exe: a Win32 window that stands in for the game client in the Windows tests.
//
//   fakeclient [--title TITLE] [--class CLASS] [--log FILE] [--ready FILE]
//
// Every key the window receives is appended to FILE in the form the X11 stand-in
// writes: characters as UTF-8 (shifted ones included), Enter as a line break, and any
// other named key, or a key held with Ctrl or Alt, in angle brackets: "<TAB>", "<F5>",
// "<Shift+TAB>", "<Ctrl+c>", "<Alt+f>". Modifier keys alone write nothing. Without
// --log, FILE is keys.log beside the program, so that a launcher can start it as a
// client with no arguments. It is a windowed program: started through the shell,
// it opens no console. --class
// names the window class; --ready names a file written once the window shows. The
// window ends when closed or when its process is ended.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <cwctype>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Cp1252.h"
#include "KeyScript.h"
#include "VirtualKeys.h"
#include "WideText.h"

namespace {

std::FILE* keyLog = nullptr;
// A character typed as itself arrives as VK_PACKET and then as a character message;
// one typed by its key has already been written when its key went down.
bool characterCameAsPacket = false;

void write(const std::string& text) {
    if (keyLog != nullptr && !text.empty()) {
        std::fwrite(text.data(), 1, text.size(), keyLog);
        std::fflush(keyLog);
    }
}

bool isHeld(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

std::string bracketOpening(bool withShift) {
    std::string text = "<";
    if (withShift && isHeld(VK_SHIFT))
        text += "Shift+";
    if (isHeld(VK_CONTROL))
        text += "Ctrl+";
    if (isHeld(VK_MENU))
        text += "Alt+";
    return text;
}

bool isModifierKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_SHIFT:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_CONTROL:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_MENU:
        case VK_LMENU:
        case VK_RMENU:
        case VK_LWIN:
        case VK_RWIN:
            return true;
        default:
            return false;
    }
}

void onKeyDown(WPARAM virtualKey) {
    characterCameAsPacket = virtualKey == VK_PACKET;
    if (characterCameAsPacket || isModifierKey(virtualKey)) {
        return;
    }
    using namespace kaj::platform;
    const bool commanded = isHeld(VK_CONTROL) || isHeld(VK_MENU);
    if (const auto named = win::namedKeyForVirtualKey(static_cast<std::uint16_t>(virtualKey))) {
        if (*named == NamedKey::Enter && !commanded && !isHeld(VK_SHIFT)) {
            write("\n");
        } else {
            write(bracketOpening(true) + std::string(namedKeyName(*named)) + ">");
        }
        return;
    }
    if (commanded) {
        std::string text = bracketOpening(true);
        const UINT character = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR);
        if ((character & 0x7FFFFFFF) != 0) {
            appendUtf8(text, static_cast<char32_t>(std::towlower(character & 0xFFFF)));
        } else {
            text += std::to_string(virtualKey);
        }
        write(text + ">");
    }
}

void onCharacter(WPARAM unit) {
    const bool commanded = isHeld(VK_CONTROL) || isHeld(VK_MENU);
    if (commanded && !characterCameAsPacket) {
        return;
    }
    if (unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit < 0xE000)) {
        return;
    }
    std::string text;
    kaj::platform::appendUtf8(text, static_cast<char32_t>(unit));
    write(commanded ? bracketOpening(false) + text + ">" : text);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            onKeyDown(wParam);
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            onCharacter(wParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    using kaj::platform::utf8ToWide;
    const std::vector<std::string> arguments = kaj::platform::commandLineArguments(argc, argv);
    std::string title = "Ultima Online";
    std::string windowClass = "fakeclient";
    std::string logPath;
    std::string readyPath;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        if (option == "--title") {
            title = arguments[i + 1];
        } else if (option == "--class") {
            windowClass = arguments[i + 1];
        } else if (option == "--log") {
            logPath = arguments[i + 1];
        } else if (option == "--ready") {
            readyPath = arguments[i + 1];
        }
    }
    std::wstring logFile = utf8ToWide(logPath);
    if (logFile.empty()) {
        wchar_t program[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
        logFile = (std::filesystem::path(std::wstring(program, length)).parent_path() / L"keys.log")
                      .wstring();
    }
    keyLog = _wfopen(logFile.c_str(), L"ab");
    if (keyLog == nullptr) {
        std::fprintf(stderr, "fakeclient: cannot open its key log\n");
        return 1;
    }

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = utf8ToWide(windowClass);
    WNDCLASSW windowType{};
    windowType.lpfnWndProc = &windowProcedure;
    windowType.hInstance = instance;
    windowType.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowType.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowType.lpszClassName = className.c_str();
    RegisterClassW(&windowType);
    const HWND window = CreateWindowExW(0, className.c_str(), utf8ToWide(title).c_str(),
                                        WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320, 200,
                                        nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "fakeclient: cannot create the window (error %lu)\n", GetLastError());
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (!readyPath.empty()) {
        if (std::FILE* ready = _wfopen(utf8ToWide(readyPath).c_str(), L"wb")) {
            std::fprintf(ready, "%llu\n",
                         static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
            std::fclose(ready);
        }
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::fclose(keyLog);
    return 0;
}
