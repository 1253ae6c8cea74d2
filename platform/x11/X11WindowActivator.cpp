#include "X11WindowActivator.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <thread>

#include "Cp1252.h"
#include "Processes.h"
#include "X11ErrorTrap.h"

namespace kaj::platform::x11 {
namespace {

Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// Reads a property as a list of 32-bit items (windows, atoms, cardinals).
std::vector<unsigned long> longListProperty(Display* display, Window window, Atom property,
                                            Atom type) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actualType,
                           &actualFormat, &count, &bytesAfter, &data) == Success &&
        data != nullptr) {
        if (actualType == type && actualFormat == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values.assign(items, items + count);
        }
        XFree(data);
    }
    return values;
}

std::optional<std::string> utf8Property(Display* display, Window window, Atom property) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    std::optional<std::string> text;
    if (XGetWindowProperty(display, window, property, 0, 4096, False, atom(display, "UTF8_STRING"),
                           &actualType, &actualFormat, &count, &bytesAfter, &data) == Success &&
        data != nullptr) {
        if (actualFormat == 8 && actualType == atom(display, "UTF8_STRING")) {
            text = std::string(reinterpret_cast<const char*>(data), count);
        }
        XFree(data);
    }
    return text;
}

bool isViewable(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

}  // namespace

X11WindowActivator::X11WindowActivator(Display* display, std::chrono::milliseconds focusTimeout)
    : display_(display), focusTimeout_(focusTimeout) {}

std::string X11WindowActivator::titleOf(Window window) const {
    if (auto utf8 = utf8Property(display_, window, atom(display_, "_NET_WM_NAME"))) {
        return utf8ToCp1252(*utf8);
    }
    XTextProperty property;
    std::string title;
    if (XGetWMName(display_, window, &property) != 0 && property.value != nullptr) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display_, &property, &list, &count) >= Success &&
            list != nullptr) {
            if (count > 0) {
                title = utf8ToCp1252(list[0]);
            }
            XFreeStringList(list);
        }
        XFree(property.value);
    }
    return title;
}

bool X11WindowActivator::windowManagerSupportsActivation() const {
    const Window root = DefaultRootWindow(display_);
    const auto check =
        longListProperty(display_, root, atom(display_, "_NET_SUPPORTING_WM_CHECK"), XA_WINDOW);
    if (check.empty()) {
        return false;
    }
    // A stale check window left by a window manager that has gone answers no query.
    const auto confirm = longListProperty(display_, check.front(),
                                          atom(display_, "_NET_SUPPORTING_WM_CHECK"), XA_WINDOW);
    if (confirm.empty() || confirm.front() != check.front()) {
        return false;
    }
    const auto supported =
        longListProperty(display_, root, atom(display_, "_NET_SUPPORTED"), XA_ATOM);
    const Atom active = atom(display_, "_NET_ACTIVE_WINDOW");
    for (auto item : supported) {
        if (item == active) {
            return true;
        }
    }
    return false;
}

ListedWindow X11WindowActivator::describe(Window window) const {
    ListedWindow listed{window, titleOf(window), {}, 0, {}};
    XClassHint hint{};
    if (XGetClassHint(display_, window, &hint) != 0) {
        if (hint.res_class != nullptr) {
            listed.windowClass = hint.res_class;
        }
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    const auto pid = longListProperty(display_, window, atom(display_, "_NET_WM_PID"), XA_CARDINAL);
    if (!pid.empty()) {
        listed.processId = pid.front();
        listed.processName = processName(listed.processId);
    }
    return listed;
}

// The window a window manager's frame holds: the one that carries WM_STATE.
std::optional<Window> X11WindowActivator::clientBelow(Window frame, int depth) const {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, frame, atom(display_, "WM_STATE"), 0, 0, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success) {
        if (data != nullptr) {
            XFree(data);
        }
        if (type != None) {
            return frame;
        }
    }
    if (depth == 0) {
        return std::nullopt;
    }
    Window rootReturn = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int count2 = 0;
    std::optional<Window> found;
    if (XQueryTree(display_, frame, &rootReturn, &parentReturn, &children, &count2) != 0) {
        for (unsigned int i = 0; i < count2 && !found; ++i) {
            found = clientBelow(children[i], depth - 1);
        }
        if (children != nullptr) {
            XFree(children);
        }
    }
    return found;
}

std::vector<ListedWindow> X11WindowActivator::topLevelWindows() const {
    X11ErrorTrap trap(display_);
    std::vector<ListedWindow> windows;
    const Window root = DefaultRootWindow(display_);
    if (windowManagerSupportsActivation()) {
        for (auto id :
             longListProperty(display_, root, atom(display_, "_NET_CLIENT_LIST"), XA_WINDOW)) {
            windows.push_back(describe(id));
        }
        if (!windows.empty()) {
            return windows;
        }
    }
    // No list (no window manager, or one that keeps none): the mapped windows below
    // the root, each the client its frame holds when a window manager framed it.
    Window rootReturn = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, root, &rootReturn, &parentReturn, &children, &count) == 0) {
        return windows;
    }
    for (unsigned int i = 0; i < count; ++i) {
        if (!isViewable(display_, children[i])) {
            continue;
        }
        windows.push_back(describe(clientBelow(children[i], 3).value_or(children[i])));
    }
    if (children != nullptr) {
        XFree(children);
    }
    return windows;
}

std::optional<Window> X11WindowActivator::findWindow(std::string_view title) const {
    if (const auto window = pickWindow(topLevelWindows(), title)) {
        return static_cast<Window>(window->id);
    }
    return std::nullopt;
}

bool windowHasFocus(Display* display, Window window) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    // The focus may rest on a child of the top-level window (toolkits and Wine do that).
    while (focus != 0 && focus != PointerRoot) {
        if (focus == window) {
            return true;
        }
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, focus, &rootReturn, &parent, &children, &count) == 0) {
            return false;
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == rootReturn) {
            return false;
        }
        focus = parent;
    }
    return false;
}

void X11WindowActivator::requestActivation(Window window, bool throughWindowManager) {
    if (throughWindowManager) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom(display_, "_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;  // the request comes from a pager-like tool: honour it
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XRaiseWindow(display_, window);
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    }
    XFlush(display_);
}

ActivationOutcome X11WindowActivator::activate(std::string_view title) {
    X11ErrorTrap trap(display_);
    const auto window = findWindow(title);
    if (!window) {
        return ActivationOutcome::NotFound;
    }
    return activate(*window);
}

ActivationOutcome X11WindowActivator::activate(Window window) {
    X11ErrorTrap trap(display_);
    activated_ = 0;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display_, window, &attributes) == 0) {
        return ActivationOutcome::NotFound;  // it closed since it was listed
    }
    if (windowHasFocus(display_, window)) {
        activated_ = window;
        return ActivationOutcome::Activated;
    }
    const bool throughWindowManager = windowManagerSupportsActivation();
    requestActivation(window, throughWindowManager);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto deadline = start + focusTimeout_;
    bool fellBack = !throughWindowManager;
    while (Clock::now() < deadline) {
        if (windowHasFocus(display_, window)) {
            activated_ = window;
            return ActivationOutcome::Activated;
        }
        // A window manager may refuse or delay the request; setting the focus
        // directly then still brings the keys to the right window.
        if (!fellBack && Clock::now() - start > focusTimeout_ / 3) {
            requestActivation(window, false);
            fellBack = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!windowHasFocus(display_, window)) {
        return ActivationOutcome::NotFocused;
    }
    activated_ = window;
    return ActivationOutcome::Activated;
}

}  // namespace kaj::platform::x11
