// One QApplication for every test of the window.
#include "errors/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless always, test discovery at build time included.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    rmnra::ui::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
