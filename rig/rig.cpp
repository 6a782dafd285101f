#include "rig.h"

#include <QCoreApplication>

namespace rig {

Core::~Core() {
    form1.reset();
    settle();
}

windows::Form1& Core::build() {
    form1 = std::make_unique<windows::Form1>(
        frame::Seams{*messages, ending, *source, [this] { return timeOfDay; }, dir.path()});
    return *form1;
}

windows::Form1& Core::load() {
    build().Form_Load();
    return *form1;
}

windows::Form1& Core::start(bool show) {
    load();
    if (show) {
        form1->showCentred();
        settle();
    }
    return *form1;
}

void Core::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace rig
