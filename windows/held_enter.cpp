#include "held_enter.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "controls.h"

namespace windows {

namespace {
void askForRepeatsWithoutReleases();
}

HeldEnter::HeldEnter() { askForRepeatsWithoutReleases(); }

bool HeldEnter::repeats(const QKeyEvent* event) {
    if (characterCode(event) != 13) return false;
    // A flagged release or press belongs to a hold that goes on either way.
    if (event->isAutoRepeat()) return event->type() == QEvent::KeyPress;
    if (event->type() == QEvent::KeyRelease) {
        if (event->key() == held_) held_ = 0;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const bool again = event->key() == held_;
    held_ = event->key();
    return again;
}

}  // namespace windows

// X11's headers define KeyPress, Bool, None and more as macros: they come
// last, after everything that speaks Qt.
#if defined(QUILLORY_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>

namespace windows {
namespace {
void askForRepeatsWithoutReleases() {
    static bool asked = false;
    if (asked) return;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return;  // not on X11: the platform's own flag holds
    asked = true;
    // Per client connection, and the server keeps it for the connection's
    // life. A server without XKB leaves Qt's flag as the only sign.
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
}
}  // namespace
}  // namespace windows
#else
namespace windows {
namespace {
void askForRepeatsWithoutReleases() {}
}  // namespace
}  // namespace windows
#endif
