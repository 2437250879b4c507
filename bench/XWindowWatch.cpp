#include "XWindowWatch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace kbs::bench {

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kBelowCursor = 12;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}
}  // namespace

struct XWindowWatch::X {
    Display* display = nullptr;
    Window window = 0;
    Damage damage = 0;
    int damageEvent = 0;
    int width = 0;
    int height = 0;
    int top = 0;  // the first pixel row compared
    std::vector<char> reference;

    ~X() {
        if (damage)
            XDamageDestroy(display, damage);
        if (display)
            XCloseDisplay(display);
    }

    std::vector<char> grab() const {
        std::vector<char> out;
        if (top >= height)
            return out;
        XImage* image = XGetImage(display, window, 0, top, unsigned(width), unsigned(height - top),
                                  AllPlanes, ZPixmap);
        if (!image)
            return out;
        out.assign(image->data,
                   image->data + std::ptrdiff_t(image->bytes_per_line) * image->height);
        XDestroyImage(image);
        return out;
    }

    // The next event within `ms`; false when none came.
    bool next(XEvent& event, int ms) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            if (::poll(&fd, 1, std::max(0, ms)) <= 0)
                return false;
            if (XPending(display) == 0)
                return false;
        }
        XNextEvent(display, &event);
        return true;
    }

    // The lowest row of a drawn rectangle, or -1 for another event.
    int drawnBottom(const XEvent& event) const {
        if (event.type != damageEvent + XDamageNotify)
            return -1;
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(event);
        return d.area.y + d.area.height - 1;
    }
};

XWindowWatch::XWindowWatch() : m_x(std::make_unique<X>()) {}
XWindowWatch::~XWindowWatch() = default;

std::string XWindowWatch::open(const std::string& display, unsigned long window) {
    X& x = *m_x;
    x.display = XOpenDisplay(display.c_str());
    if (!x.display)
        return "the display cannot be opened";
    int error = 0;
    if (!XDamageQueryExtension(x.display, &x.damageEvent, &error))
        return "the X server has no damage extension";
    x.window = Window(window);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x.display, x.window, &attributes))
        return "the window is gone";
    x.width = attributes.width;
    x.height = attributes.height;
    XSelectInput(x.display, x.window, KeyPressMask);
    x.damage = XDamageCreate(x.display, x.window, XDamageReportRawRectangles);
    XSync(x.display, False);
    return {};
}

int XWindowWatch::leaveOutDrawnWithin(int ms) {
    X& x = *m_x;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    // The smallest box drawn is the cursor's (the first report may be the whole window).
    long smallest = -1;
    int bottom = -1;
    XEvent event;
    while (Clock::now() < end) {
        if (!x.next(event, int(msBetween(Clock::now(), end)) + 1) ||
            event.type != x.damageEvent + XDamageNotify)
            continue;
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const long area = long(d.area.width) * d.area.height;
        if (smallest < 0 || area < smallest) {
            smallest = area;
            bottom = d.area.y + d.area.height - 1;
        }
    }
    // The text box's frame and its clear button reach a little below its cursor.
    x.top = bottom < 0 ? 0 : bottom + kBelowCursor;
    return x.top;
}

void XWindowWatch::takeReference() {
    X& x = *m_x;
    XEvent event;
    while (x.next(event, 0)) {
    }
    x.reference = x.grab();
}

XWindowWatch::Change XWindowWatch::awaitKeyAndChange(int timeoutMs, int quietMs) {
    X& x = *m_x;
    Change change;
    XEvent event;
    // The times are the server's: when it took the key and when it drew, whenever this
    // process comes to read them.
    Time keyTime = 0;
    Clock::time_point key;
    const Clock::time_point waitUntil = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!change.keySeen && x.next(event, int(msBetween(Clock::now(), waitUntil)) + 1)) {
        if (event.type == KeyPress) {
            key = Clock::now();
            keyTime = event.xkey.time;
            change.keySeen = true;
        }
    }
    if (!change.keySeen)
        return change;
    const Clock::time_point end = key + std::chrono::milliseconds(timeoutMs);
    Clock::time_point lastDrawn = key;
    for (;;) {
        const Clock::time_point now = Clock::now();
        const Clock::time_point until =
            change.firstMs < 0 ? end
                               : std::min(end, lastDrawn + std::chrono::milliseconds(quietMs));
        if (now >= until || !x.next(event, int(msBetween(now, until)) + 1))
            break;
        if (x.drawnBottom(event) < x.top)
            continue;
        lastDrawn = Clock::now();
        // What else was drawn meanwhile is in the pixels taken next: they are timed by the
        // last drawing, never earlier than they could have been.
        Time drawn = reinterpret_cast<const XDamageNotifyEvent&>(event).timestamp;
        while (x.next(event, 0)) {
            if (x.drawnBottom(event) >= x.top)
                drawn = reinterpret_cast<const XDamageNotifyEvent&>(event).timestamp;
        }
        const double ms = double(long(drawn - keyTime));
        // Drawn again with the same pixels is no change.
        std::vector<char> pixels = x.grab();
        if (pixels == x.reference)
            continue;
        x.reference = std::move(pixels);
        if (change.firstMs < 0)
            change.firstMs = ms;
        change.lastMs = ms;
    }
    return change;
}

}  // namespace kbs::bench
