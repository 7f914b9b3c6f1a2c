// Holds a text in the X clipboard and the primary selection, so a paste (Ctrl+V or the middle
// button) into the program under test brings it in. Reads the text, UTF-8, from standard
// input, prints "ready" once it owns both selections, and serves requests until it loses
// them or the given number of seconds has passed.
//
//   clipboard_owner SECONDS < text

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Atoms {
    Atom clipboard, targets, utf8String, text;
};

void answer(Display* display, const XSelectionRequestEvent& request, const Atoms& atoms,
            const std::string& text) {
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = request.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = request.property == None ? request.target : request.property;
    if (request.target == atoms.targets) {
        const std::vector<Atom> offered{atoms.targets, atoms.utf8String, atoms.text, XA_STRING};
        XChangeProperty(display, request.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(offered.data()),
                        static_cast<int>(offered.size()));
    } else if (request.target == atoms.utf8String || request.target == atoms.text ||
               request.target == XA_STRING) {
        XChangeProperty(display, request.requestor, reply.property, request.target, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(text.data()),
                        static_cast<int>(text.size()));
    } else {
        reply.property = None; // a format we do not offer
    }
    XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    XFlush(display);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: clipboard_owner SECONDS < text\n");
        return 2;
    }
    const auto deadline = Clock::now() + std::chrono::seconds(std::atoi(argv[1]));
    const std::string text{std::istreambuf_iterator<char>(std::cin), {}};

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "clipboard_owner: no X display\n");
        return 1;
    }
    const Atoms atoms{
        XInternAtom(display, "CLIPBOARD", False), XInternAtom(display, "TARGETS", False),
        XInternAtom(display, "UTF8_STRING", False), XInternAtom(display, "TEXT", False)};
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom selections[] = {atoms.clipboard, XA_PRIMARY};
    for (const Atom selection : selections) {
        XSetSelectionOwner(display, selection, window, CurrentTime);
        if (XGetSelectionOwner(display, selection) != window) {
            std::fprintf(stderr, "clipboard_owner: could not own the selection\n");
            return 1;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);

    int owned = 2;
    while (owned > 0 && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == SelectionRequest) {
                answer(display, event.xselectionrequest, atoms, text);
            } else if (event.type == SelectionClear) {
                --owned;
            }
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }
    XCloseDisplay(display);
    return 0;
}
