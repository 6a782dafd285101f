#pragma once

class QKeyEvent;

namespace windows {

// Tells the keyboard's repeats of a held Enter from new presses. Every Enter
// opens or judges a problem, so repeats would record answers the child never
// gave; only a new press counts.
//
// Qt's repeat flag alone does not say it on X11: the server repeats a held
// key as a release and a press, and Qt 6.4's xcb plugin flags the pair only
// when it finds the press already queued behind the release, which depends
// on how busy the program and the machine are (under a window manager most
// pairs come unflagged). So on X11 the program asks the server, once, to
// send a held key's repeats as presses without the releases in between (XKB's
// detectable auto-repeat), and a press of Enter that no release went before
// is a repeat, whatever the timing. Where the platform repeats keys itself,
// as Qt does on Wayland, its flag is reliable and counts as well.
class HeldEnter {
public:
    HeldEnter();

    // Follows every key press and release that reaches the window; true for
    // a press of Enter that only repeats the one held down.
    bool repeats(const QKeyEvent* event);

    // The window lost the keyboard: the release may go to another window, so
    // the next press is a new one.
    void forget() { held_ = 0; }

private:
    int held_ = 0;  // the Qt key of the Enter held down, or 0
};

}  // namespace windows
