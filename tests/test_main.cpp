#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <string_view>

#include "frame/main_module.h"
#include "support.h"

// Every UI test runs on real widgets, offscreen, inside one QApplication.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QDir::toNativeSeparators(runtime.path()).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    frame::installFontSubstitutes();
    // A helper run for a test that starts this binary again, not a test.
    if (argc > 1 && std::string_view(argv[1]) == "--seed11-transcript")
        return testing_support::printSeed11Transcript();
    return RUN_ALL_TESTS();
}
