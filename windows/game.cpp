#include "game.h"

#include <QApplication>

#include "accessibility.h"
#include "engine/uniform_source.h"
#include "form1.h"
#include "frame/language.h"
#include "frame/main_module.h"
#include "frame/seams.h"
#include "frame/startup.h"

namespace windows {

int runGame(int argc, char** argv, const std::function<void(Form1&)>& alongside) {
    static std::vector<char*> args = frame::qtArguments(argc, argv);
    static int qtArgc = 1;
    frame::keepQtFromMakingARuntimeFolder();
    leaveAccessibilityToQt();
    // Chosen before Qt starts, so that a start without a desktop is told in
    // the player's language too.
    frame::Language language;
    frame::PlatformStart platform;
    QApplication app(qtArgc, args.data());
    platform.started();
    language.install();
    // Only the game's own ending closes it; hiding the main window for the
    // summary must not look like the last window closing.
    app.setQuitOnLastWindowClosed(false);
    // Ties the windows to the menu entry (its icon and name) on desktops
    // that match them by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillory.Quillory"));
    frame::installFontSubstitutes();
    // The answer box's caret stands still. Blinking, it redrew the box twice
    // a second on top of the countdown's one redraw, each time a wake-up of
    // the program and a round trip to the display server; the box holds the
    // focus, framed, whenever a child can type.
    QApplication::setCursorFlashTime(0);

    frame::ModalMessageBoxes boxes;
    frame::ProcessEnding ending;
    engine::Mt19937Source random;
    const frame::Seams seams{boxes, ending, random, &frame::secondsSinceMidnightNow,
                             frame::applicationFolder()};
    Form1 form(seams);
    form.Form_Load();
    form.showCentred();
    if (alongside) QMetaObject::invokeMethod(&form, [&] { alongside(form); }, Qt::QueuedConnection);
    return app.exec();
}

}  // namespace windows
