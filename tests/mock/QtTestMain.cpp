// GoogleTest main for tests that need a QApplication (widgets, timers, the event loop).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("好友头像拼名字"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
