#pragma once

#include <memory>
#include <string>

namespace kbs::bench {

// Watches another program's top-level window on an X display, as a second client of the
// server: the keys it is sent and the pixels drawn into it. The pixels are compared only
// where the server reports drawing (the damage extension), so watching costs nothing while
// nothing is drawn. Kept free of Qt: the X headers' macros and Qt's names do not mix.
class XWindowWatch {
public:
    XWindowWatch();
    ~XWindowWatch();
    XWindowWatch(const XWindowWatch&) = delete;
    XWindowWatch& operator=(const XWindowWatch&) = delete;

    // Empty on success, else why the window cannot be watched.
    std::string open(const std::string& display, unsigned long window);
    // The lowest pixel row drawn during `ms` of quiet, as a blinking text cursor redraws its
    // box: the rows above it and it are left out of the comparison from then on.
    int leaveOutDrawnWithin(int ms);
    // Takes the watched part of the window as it is now, as what a change is measured from.
    void takeReference();

    struct Change {
        bool keySeen = false;
        double firstMs = -1;  // from the key until the watched part first differs (the
                              // server's clock, in whole milliseconds)
        double lastMs = -1;   // until its last change before `quietMs` without one
    };
    // Waits for the next key press sent to the window, then for the watched part to change and
    // settle. Gives up `timeoutMs` after the key.
    Change awaitKeyAndChange(int timeoutMs, int quietMs);

private:
    struct X;
    std::unique_ptr<X> m_x;
};

}  // namespace kbs::bench
