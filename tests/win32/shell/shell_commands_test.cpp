// Recognising the shell's menu items by their Japanese texts, and carrying out commands.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/menu_driver.h"
#include "shell/shell_allocator.h"
#include "shell/shell_commands.h"
#include "shell/shell_items.h"
#include "shell/shell_test_support.h"

namespace {

class FindMenuItemTest : public ::testing::Test {
protected:
  void Add(const wchar_t* text, UINT flags = MF_STRING) { ::AppendMenuW(menu.Get(), flags, ++id, text); }
  TMenuHandle menu{::CreatePopupMenu()};
  UINT id = 100;
};

TEST_F(FindMenuItemTest, EnabledItemsAreMatchedAtTheirByte) {
  Add(L"送る(&N)", MF_STRING | MF_GRAYED);
  Add(L"送る(&N)", MF_STRING | MF_DISABLED);
  Add(nullptr, MF_SEPARATOR);
  Add(L"新規作成(&N)");
  Add(L"貼り付け(&P)");
  Add(L"送る(&N)");
  Add(L"ｺﾋﾟｰ(&N)");
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&N)", 5), 6);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&N)", 9), 4);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&P)", 9), 5);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&P)", 5), -1);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&T)", 5), -1);
}

TEST_F(FindMenuItemTest, HalfWidthKanaCountOneByteAndLongTextsAreReadIn254Bytes) {
  Add(L"ｺﾋﾟｰ(&C)");
  Add((std::wstring(126, L'あ') + L"(&X)").c_str());
  Add((std::wstring(125, L'あ') + L"(&Y)").c_str());
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&C)", 5), 1);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&X)", 253), -1);
  EXPECT_EQ(FindMenuItem(menu.Get(), L"(&Y)", 251), 3);
  const TMenuHandle empty(::CreatePopupMenu());
  EXPECT_EQ(FindMenuItem(empty.Get(), L"(&N)", 5), -1);
}

// A COM object living on the test's stack: it answers for `Interface` and IUnknown, and
// counts no references.
template <typename Interface, const IID& InterfaceId>
class TTestObject : public Interface {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == InterfaceId) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

// A context menu whose every command is refused, recording how it was asked.
class TRefusingMenu final : public TTestObject<IContextMenu, IID_IContextMenu> {
public:
  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU, UINT, UINT, UINT, UINT) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override {
    Asked = *info;
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }
  CMINVOKECOMMANDINFO Asked{};
};

class ShellCommands : public ShellTest {};

TEST_F(ShellCommands, ARefusedCommandShowsTheOneMessageBox) {
  TRefusingMenu refusing;
  const TMenuDriver user;
  EXPECT_FALSE(InvokeMenuCommand(refusing, window.Get(), CommandIdOf(TShellCommand::scCopy)));
  EXPECT_EQ(refusing.Asked.cbSize, sizeof(CMINVOKECOMMANDINFO));
  EXPECT_EQ(refusing.Asked.fMask, 0u);
  EXPECT_EQ(refusing.Asked.hwnd, window.Get());
  EXPECT_EQ(refusing.Asked.lpVerb, MAKEINTRESOURCEA(25));
  EXPECT_EQ(refusing.Asked.nShow, SW_SHOWNORMAL);
  ASSERT_EQ(user.Boxes().size(), 1u);
  EXPECT_EQ(user.Boxes()[0].Text, L" InvokeCommand failed! ");
  EXPECT_EQ(user.Boxes()[0].Caption, L" TContextMenuEx component version 2.05");
  EXPECT_TRUE(user.Boxes()[0].InformationIcon);
}

TEST_F(ShellCommands, StandardCopyOfOneItemNeedsNoMenu) {
  const std::wstring file = folder.WriteFile(L"複写.txt");
  TShellAllocator allocator;
  const TComPtr<IShellFolder> parent = ParentFolderOf(allocator, file);
  ASSERT_TRUE(parent);
  const TIdList item = LastItemFromPath(allocator, file);
  SetClipboardText(L"before");
  const TMenuDriver user;
  EXPECT_TRUE(InvokeStandardCommand(window.Get(), parent.Get(), TShellCommand::scCopy, item.Get()));
  EXPECT_EQ(ClipboardFiles(), std::vector<std::wstring>{file});
  EXPECT_TRUE(user.Menus().empty());

  EXPECT_FALSE(InvokeStandardCommand(nullptr, parent.Get(), TShellCommand::scCopy, item.Get()));
  EXPECT_FALSE(InvokeStandardCommand(window.Get(), nullptr, TShellCommand::scCopy, item.Get()));
  EXPECT_FALSE(InvokeStandardCommand(window.Get(), parent.Get(), TShellCommand::scCopy, nullptr));
  EXPECT_TRUE(user.Boxes().empty());
}

// A folder whose items can be copied but not deleted, recording what it was asked.
class TCopyOnlyFolder final : public TTestObject<IShellFolder, IID_IShellFolder> {
public:
  HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, LPITEMIDLIST*, ULONG*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToStorage(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF* attributes) override {
    AskedMask = *attributes;
    *attributes = SFGAO_CANCOPY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void** object) override {
    ++MenusAsked;
    *object = nullptr;
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE GetDisplayNameOf(LPCITEMIDLIST, SHGDNF, STRRET*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetNameOf(HWND, LPCITEMIDLIST, LPCWSTR, SHGDNF, LPITEMIDLIST*) override {
    return E_NOTIMPL;
  }
  SFGAOF AskedMask = 0;
  int MenusAsked = 0;
};

TEST_F(ShellCommands, ACommandTheItemCannotTakeIsNeverAskedFor) {
  TCopyOnlyFolder copyOnly;
  const TIdByte item[] = {4, 0, 'x', 0, 0, 0};
  EXPECT_FALSE(InvokeStandardCommand(window.Get(), &copyOnly, TShellCommand::scDelete, item));
  EXPECT_EQ(copyOnly.AskedMask, SFGAOF{0x800F0177});
  EXPECT_EQ(copyOnly.MenusAsked, 0);
  EXPECT_FALSE(InvokeStandardCommand(window.Get(), &copyOnly, TShellCommand::scCopy, item));
  EXPECT_EQ(copyOnly.MenusAsked, 1);  // allowed: its menu is asked for (and refused here)
}

}  // namespace
