#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Library, DllNamesLoadSharedLibraries) {
    // The plugin is built as libCoreTestPlugin.so beside this test program.
    const std::string dir = TEST_PLUGIN_DIR;
    for (const std::string& name : {dir + "\\CoreTestPlugin.dll", dir + "/CoreTestPlugin.DLL",
                                    dir + "/CoreTestPlugin", std::string("CoreTestPlugin.dll")}) {
        HMODULE hModule = LoadLibraryA(name.c_str());
        ASSERT_NE(nullptr, hModule) << name;
        auto pfnAnswer = reinterpret_cast<int (*)()>(GetProcAddress(hModule, "CoreTestAnswer"));
        ASSERT_NE(nullptr, pfnAnswer) << name;
        EXPECT_EQ(42, pfnAnswer());
        EXPECT_EQ(nullptr, GetProcAddress(hModule, "NoSuchExport"));
        EXPECT_TRUE(FreeLibrary(hModule));
    }
    EXPECT_EQ(nullptr, LoadLibraryA((dir + "\\NoSuchLibrary.dll").c_str()));
    EXPECT_EQ(nullptr, LoadLibraryA(nullptr));
    EXPECT_FALSE(FreeLibrary(nullptr));
}
