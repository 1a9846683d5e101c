// Resources of modules: the loader hook, the extension chain, embedded bitmaps.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include "Support.h"
#include "afxresource.h"

namespace {

INT_PTR RunDialog(UINT id) {
    CDialog dialog(id);
    ScopedModalHook hook([](const afx::ModalInfo&) { afx::EndModal(IDOK); });
    return dialog.DoModal();
}

TEST(Resources, ALoadedExtensionModuleJoinsTheChainUntilItIsUnloaded) {
    EXPECT_EQ(-1, RunDialog(5101));
    void* library = dlopen(TEST_EXTENSION_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, library) << dlerror();
    using InstanceFn = HINSTANCE (*)();
    const auto instance = reinterpret_cast<InstanceFn>(dlsym(library, "ExtensionInstance"));
    ASSERT_NE(nullptr, instance);
    // DllMain ran at load with the library's own handle.
    EXPECT_EQ(afx::ModuleOf(reinterpret_cast<const void*>(instance)), instance());
    EXPECT_NE(AfxGetInstanceHandle(), instance());
    EXPECT_EQ(instance(), AfxFindResourceHandle(MAKEINTRESOURCE(5101), RT_DIALOG));
    EXPECT_EQ(IDOK, RunDialog(5101));
    dlclose(library);
    EXPECT_EQ(-1, RunDialog(5101));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCE(5101), RT_DIALOG));
}

TEST(Resources, EmbeddedBitmapsLoadThroughTheResourceHandle) {
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(7001));
    BITMAP info{};
    ASSERT_EQ(static_cast<int>(sizeof(BITMAP)), bitmap.GetBitmap(&info));
    EXPECT_EQ(32, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(7002));
    EXPECT_EQ(nullptr, missing.m_hObject);
    // Another module's resource handle does not hold the program's bitmap.
    static const char otherTag = 0;
    const HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(reinterpret_cast<HINSTANCE>(const_cast<char*>(&otherTag)));
    CBitmap elsewhere;
    EXPECT_FALSE(elsewhere.LoadBitmap(7001));
    AfxSetResourceHandle(before);
}

}  // namespace
