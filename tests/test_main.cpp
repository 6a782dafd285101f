#include <gtest/gtest.h>

#include <string_view>

#include "rig/application.h"
#include "support.h"

// Every UI test runs on real widgets, offscreen, inside one QApplication.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Before the application object, as the program chooses its language.
    if (argc > 1 && std::string_view(argv[1]) == "--chosen-language")
        return testing_support::printChosenLanguage(argc, argv);
    rig::Application app(argc, argv);
    // A helper run for a test that starts this binary again, not a test.
    if (argc > 1 && std::string_view(argv[1]) == "--seed11-transcript")
        return testing_support::printSeed11Transcript();
    return RUN_ALL_TESTS();
}
