#include "application.h"

#include <QFile>

#include "frame/main_module.h"
#include "frame/startup.h"

namespace rig {

detail::Surroundings::Surroundings() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (frame::useExistingRuntimeFolder()) return;
    runtime_ = std::make_unique<QTemporaryDir>();  // made private, removed at the end
    if (runtime_->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setQuitOnLastWindowClosed(false);
    frame::installFontSubstitutes();
}

}  // namespace rig
