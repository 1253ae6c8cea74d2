// fakeclient: an X11 window that stands in for the game client in tests and the demo.
//
//   fakeclient [--title TITLE] [--class CLASS] --log FILE [--ready FILE]
//
// Every key the window receives is appended to FILE as UTF-8: characters as typed
// (shifted ones included), Enter as a line break, and any other key, or a key held
// with Ctrl or Alt, in angle brackets: "<TAB>", "<F5>", "<Shift+TAB>", "<Ctrl+c>",
// "<Alt+f>". Modifier keys alone write nothing. The keymap is read lazily after a
// mapping change, as toolkits do. --ready names a file created once the window is
// mapped. --class sets both strings of WM_CLASS (a client's program name, as SDL
// sets it); _NET_WM_PID names this process. The window ends on SIGTERM or when closed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "Cp1252.h"
#include "KeySymbols.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

bool isModifierKey(KeySym symbol) {
    return IsModifierKey(symbol) || symbol == XK_ISO_Level3_Shift || symbol == XK_Mode_switch;
}

std::string describeKey(XKeyEvent& event) {
    char buffer[32];
    KeySym symbol = NoSymbol;
    XLookupString(&event, buffer, sizeof buffer, &symbol, nullptr);
    if (symbol == NoSymbol || isModifierKey(symbol)) {
        return {};
    }
    const bool shift = (event.state & ShiftMask) != 0;
    const bool control = (event.state & ControlMask) != 0;
    const bool alt = (event.state & Mod1Mask) != 0;
    auto prefix = [&](bool withShift) {
        std::string p = "<";
        if (withShift && shift)
            p += "Shift+";
        if (control)
            p += "Ctrl+";
        if (alt)
            p += "Alt+";
        return p;
    };
    using namespace kaj::platform;
    if (const auto named = x11::namedKeyForKeySymbol(symbol)) {
        if (*named == NamedKey::Enter && !shift && !control && !alt) {
            return "\n";
        }
        return prefix(true) + std::string(namedKeyName(*named)) + ">";
    }
    if (control || alt) {
        const KeySym base = XLookupKeysym(&event, 0);
        std::string text = prefix(true);
        if (const auto character = x11::characterForKeySymbol(base)) {
            appendUtf8(text, *character);
        } else {
            text += std::to_string(base);
        }
        return text + ">";
    }
    if (const auto character = x11::characterForKeySymbol(symbol)) {
        std::string text;
        appendUtf8(text, *character);
        return text;
    }
    char hex[32];
    std::snprintf(hex, sizeof hex, "<0x%lx>", symbol);
    return hex;
}

}  // namespace

int main(int argc, char** argv) {
    std::string title = "Ultima Online";
    std::string logPath;
    std::string readyPath;
    std::string windowClass = "fakeclient";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--title") {
            title = argv[i + 1];
        } else if (option == "--log") {
            logPath = argv[i + 1];
        } else if (option == "--class") {
            windowClass = argv[i + 1];
        } else if (option == "--ready") {
            readyPath = argv[i + 1];
        } else {
            std::fprintf(stderr, "fakeclient: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (logPath.empty()) {
        std::fprintf(
            stderr,
            "usage: fakeclient [--title TITLE] [--class CLASS] --log FILE [--ready FILE]\n");
        return 2;
    }
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "fakeclient: cannot open the display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 40, 40, 320, 120, 1,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    const std::string latin1Title = kaj::platform::utf8ToCp1252(title);
    XStoreName(display, window, latin1Title.c_str());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    XClassHint classHint{};
    classHint.res_name = windowClass.data();
    classHint.res_class = windowClass.data();
    XSetClassHint(display, window, &classHint);
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(display, window, &hints);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window,
                 KeyPressMask | FocusChangeMask | StructureNotifyMask | ExposureMask);
    XMapWindow(display, window);
    XFlush(display);

    std::ofstream log(logPath, std::ios::binary | std::ios::app);
    bool announced = false;
    const int fd = ConnectionNumber(display);
    while (!stopRequested) {
        if (XPending(display) == 0) {
            pollfd waiting{fd, POLLIN, 0};
            poll(&waiting, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
            case MapNotify:
                if (!announced && !readyPath.empty()) {
                    std::ofstream(readyPath) << window << "\n";
                }
                announced = true;
                break;
            case MappingNotify:
                XRefreshKeyboardMapping(&event.xmapping);
                break;
            case KeyPress: {
                const std::string text = describeKey(event.xkey);
                if (!text.empty()) {
                    log << text;
                    log.flush();
                }
                break;
            }
            case ClientMessage:
                if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
                    stopRequested = 1;
                }
                break;
            default:
                break;
        }
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return 0;
}
