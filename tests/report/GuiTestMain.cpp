#include <QGuiApplication>

#include <gtest/gtest.h>

// The report tests measure fonts, which needs Qt Gui: on the offscreen
// platform, chosen here so that no environment has to.
int main(int argc, char** argv)
{
    int qtArgc = 3;
    char name[] = "report_tests", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
