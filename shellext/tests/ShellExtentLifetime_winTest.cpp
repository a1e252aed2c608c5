// The COM server as Explorer loads it: the class object, the factory, the extension's interfaces and
// the count of live objects behind DllCanUnloadNow.
#include "common/tests/support/BoxWatcher_win.h"
#include "common/tests/support/Process_win.h"
#include "shellext/tests/support/ExtensionHost_win.h"

#include <gtest/gtest.h>

namespace pvn::test {
namespace {

class ShellExtentLifetimeTest : public ::testing::Test {
protected:
    ScopedCoInit m_com;
    ExtensionLibrary m_library;

    void SetUp() override { ASSERT_TRUE(m_library.loaded()) << "PVNShlEx64.dll beside the test, with both exports"; }
};

TEST_F(ShellExtentLifetimeTest, OnlyTheRegisteredClassIsServed) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, m_library.getClassObject(IID_IUnknown, IID_IClassFactory, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, m_library.getClassObject(kExtensionClassId, IID_IClassFactory, nullptr));

    ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, m_library.getClassObject(kExtensionClassId, IID_IUnknown, unknown.putVoid()));
    ComPtr<IContextMenu> notAFactory;
    EXPECT_EQ(E_NOINTERFACE, m_library.getClassObject(kExtensionClassId, IID_IContextMenu, notAFactory.putVoid()));
    EXPECT_FALSE(notAFactory);
    unknown.reset();
    EXPECT_EQ(S_OK, m_library.canUnloadNow()) << "a refused query must not leave a factory behind";
}

TEST_F(ShellExtentLifetimeTest, FactoryInterfacesAndItsRefusals) {
    ComPtr<IClassFactory> factory = m_library.factory();
    ASSERT_TRUE(factory);
    ComPtr<IUnknown> unknown = factory.as<IUnknown>(IID_IUnknown);
    EXPECT_TRUE(unknown);
    EXPECT_FALSE(factory.as<IShellExtInit>(IID_IShellExtInit));
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));

    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(unknown.get(), IID_IUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IDataObject, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IContextMenu, nullptr));
    EXPECT_EQ(E_POINTER, factory->QueryInterface(IID_IUnknown, nullptr));
    unknown.reset();
    factory.reset();
    EXPECT_EQ(S_OK, m_library.canUnloadNow()) << "refused instances must not stay alive";
}

TEST_F(ShellExtentLifetimeTest, UnloadWaitsForTheLastFactoryAndExtension) {
    EXPECT_EQ(S_OK, m_library.canUnloadNow());
    ComPtr<IClassFactory> factory = m_library.factory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(S_FALSE, m_library.canUnloadNow());

    ComPtr<IContextMenu> menu;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IContextMenu, menu.putVoid()));
    ComPtr<IContextMenu> second;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IShellExtInit, second.putVoid()));
    factory.reset();
    EXPECT_EQ(S_FALSE, m_library.canUnloadNow()) << "extensions are alive";
    menu.reset();
    EXPECT_EQ(S_FALSE, m_library.canUnloadNow()) << "one extension is still alive";
    second.reset();
    EXPECT_EQ(S_OK, m_library.canUnloadNow());
}

TEST_F(ShellExtentLifetimeTest, ExtensionInterfacesShareOneIdentityAndCount) {
    ComPtr<IContextMenu> menu = m_library.createMenu();
    ASSERT_TRUE(menu);
    ComPtr<IShellExtInit> init = menu.as<IShellExtInit>(IID_IShellExtInit);
    ASSERT_TRUE(init);
    ComPtr<IUnknown> fromMenu = menu.as<IUnknown>(IID_IUnknown);
    ComPtr<IUnknown> fromInit = init.as<IUnknown>(IID_IUnknown);
    EXPECT_EQ(fromMenu.get(), fromInit.get());
    EXPECT_EQ(static_cast<void*>(init.get()), static_cast<void*>(fromInit.get()))
        << "IUnknown is the IShellExtInit interface";
    EXPECT_EQ(menu.get(), init.as<IContextMenu>(IID_IContextMenu).get());
    EXPECT_FALSE(menu.as<IContextMenu2>(IID_IContextMenu2));
    EXPECT_FALSE(menu.as<IClassFactory>(IID_IClassFactory));

    // menu, init, fromMenu, fromInit hold four references.
    EXPECT_EQ(5u, menu->AddRef());
    EXPECT_EQ(4u, menu->Release());
    EXPECT_EQ(E_POINTER, menu->QueryInterface(IID_IUnknown, nullptr));
    char name[64] = "";
    EXPECT_EQ(E_NOTIMPL, menu->GetCommandString(0, GCS_VERBA, nullptr, name, 64)) << "no help texts or verbs";
}

TEST_F(ShellExtentLifetimeTest, InitializeKeepsTheDataObjectUntilReleaseOrReplacement) {
    FixtureFolder fixture(FixtureFolder::inTemp(L"PvnShlExLife"));
    ComPtr<IDataObject> first = shellDataObject({fixture.file(L"a.txt")});
    ComPtr<IDataObject> second = shellDataObject({fixture.file(L"b.txt")});
    ASSERT_TRUE(first && second);
    ComPtr<IContextMenu> menu = m_library.createMenu();
    ASSERT_TRUE(menu);

    auto refs = [](IDataObject* data) {
        data->AddRef();
        return data->Release();
    };
    const ULONG firstAlone = refs(first.get());
    ASSERT_EQ(S_OK, initialize(*menu.get(), first.get()));
    EXPECT_EQ(firstAlone + 1, refs(first.get()));
    ASSERT_EQ(S_OK, initialize(*menu.get(), second.get()));
    EXPECT_EQ(firstAlone, refs(first.get())) << "the earlier data object is released";
    // The folder's background: no data object, nothing to act on.
    EXPECT_EQ(E_INVALIDARG, initialize(*menu.get(), nullptr));
    const ULONG secondAlone = refs(second.get());
    ASSERT_EQ(S_OK, initialize(*menu.get(), second.get()));
    menu.reset();
    EXPECT_EQ(secondAlone, refs(second.get())) << "the last release gives the data object back";
    EXPECT_EQ(S_OK, m_library.canUnloadNow());
}

TEST(ShellExtentSealTest, AChangedDllSaysSoOnceAndServesNothing) {
    ScopedCoInit com;
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring changed = std::wstring(temp) + L"PvnShlExChanged.dll";
    ASSERT_TRUE(CopyFileW((binFolder() + L"PVNShlEx64.dll").c_str(), changed.c_str(), FALSE));
    // Two bytes appended: the file still loads, but it is no longer the file that was sealed.
    writeWholeFile(changed, readWholeFile(changed) + std::string(2, '\0'));
    {
        BoxWatcher boxes;
        ExtensionLibrary library(changed);
        ASSERT_TRUE(library.loaded());
        Sleep(300);
        EXPECT_TRUE(boxes.texts().empty()) << "loading shows nothing: no UI inside DllMain";

        ComPtr<IClassFactory> factory;
        EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
                  library.getClassObject(kExtensionClassId, IID_IClassFactory, factory.putVoid()));
        EXPECT_FALSE(factory);
        ASSERT_TRUE(boxes.waitFor(1));
        EXPECT_NE(std::wstring::npos, boxes.texts()[0].find(L"変更されています"));
        EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
                  library.getClassObject(kExtensionClassId, IID_IClassFactory, factory.putVoid()));
        Sleep(300);
        EXPECT_EQ(1u, boxes.texts().size()) << "the check runs once";
        EXPECT_EQ(S_OK, library.canUnloadNow());
    }
    DeleteFileW(changed.c_str());
}

} // namespace
} // namespace pvn::test
