#include <gtest/gtest.h>

#include <afxautomation.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    afx::AutomationSession session;
    return RUN_ALL_TESTS();
}
