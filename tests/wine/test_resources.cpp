// The compiled resources (menu, About dialog template, icon) and the About
// dialog at run time.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "about_dialog.h"

namespace {

const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The resource's bytes, in Japanese.
std::vector<unsigned char> Resource(const char* name, LPCSTR type) {
  HRSRC found = FindResourceExA(Instance(), type, name, japanese);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(Instance(), found);
  const unsigned char* bytes = static_cast<const unsigned char*>(LockResource(loaded));
  return std::vector<unsigned char>(bytes, bytes + SizeofResource(Instance(), found));
}

// Reads the parts of a dialog template in order.
class Template_Reader {
 public:
  explicit Template_Reader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}
  WORD Word() {
    WORD w = 0;
    if (at_ + 2 <= bytes_.size()) std::memcpy(&w, bytes_.data() + at_, 2);
    at_ += 2;
    return w;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  std::wstring String() {
    std::wstring s;
    for (WORD c = Word(); c != 0; c = Word()) s += static_cast<wchar_t>(c);
    return s;
  }
  // A name or an ordinal: the ordinal comes back as "#n".
  std::wstring Name_Or_Ordinal() {
    WORD first = 0;
    if (at_ + 2 <= bytes_.size()) std::memcpy(&first, bytes_.data() + at_, 2);
    if (first == 0xFFFF) {
      Word();
      return L"#" + std::to_wstring(Word());
    }
    return String();
  }
  void Align() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }
  std::size_t At() const { return at_; }

 private:
  const std::vector<unsigned char>& bytes_;
  std::size_t at_ = 0;
};

struct Item {
  DWORD style;
  DWORD ex_style;
  short x, y, cx, cy;
  WORD id;
  std::wstring class_name;
  std::wstring text;
  WORD extra;
};

TEST(Resources, DialogTemplateHeader) {
  const std::vector<unsigned char> bytes = Resource("KavrinoVer", RT_DIALOG);
  ASSERT_FALSE(bytes.empty());
  ASSERT_NE(Template_Reader(bytes).Dword(), 0xFFFF0001u) << "an extended template";
  Template_Reader r(bytes);
  EXPECT_EQ(r.Dword(), 0x00C80040u);  // WS_CAPTION | WS_SYSMENU | DS_SETFONT
  EXPECT_EQ(r.Dword(), 0u);
  EXPECT_EQ(r.Word(), 5u);
  EXPECT_EQ(r.Short(), 10);
  EXPECT_EQ(r.Short(), 10);
  EXPECT_EQ(r.Short(), 140);
  EXPECT_EQ(r.Short(), 90);
  EXPECT_EQ(r.Name_Or_Ordinal(), L"");  // no menu
  EXPECT_EQ(r.Name_Or_Ordinal(), L"");  // the dialog class
  EXPECT_EQ(r.String(), L"バージョン情報");
  EXPECT_EQ(r.Word(), 12u);
  EXPECT_EQ(r.String(), L"MS Shell Dlg");
}

TEST(Resources, DialogTemplateItems) {
  const std::vector<unsigned char> bytes = Resource("KavrinoVer", RT_DIALOG);
  ASSERT_FALSE(bytes.empty());
  Template_Reader r(bytes);
  for (int i = 0; i < 9; ++i) r.Word();
  r.Name_Or_Ordinal();
  r.Name_Or_Ordinal();
  r.String();
  r.Word();
  r.String();
  std::vector<Item> items;
  for (int i = 0; i < 5; ++i) {
    r.Align();
    Item item;
    item.style = r.Dword();
    item.ex_style = r.Dword();
    item.x = r.Short();
    item.y = r.Short();
    item.cx = r.Short();
    item.cy = r.Short();
    item.id = r.Word();
    item.class_name = r.Name_Or_Ordinal();
    item.text = r.Name_Or_Ordinal();
    item.extra = r.Word();
    items.push_back(item);
  }
  EXPECT_EQ(r.At(), bytes.size());

  const std::wstring statics = L"#130";  // 0x0082
  const std::wstring buttons = L"#128";  // 0x0080
  struct Expected {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    std::wstring class_name;
  };
  const Expected expected[5] = {
      {0x50020001, 8, 10, 120, 20, 0xFFFF, statics}, {0x50020001, 8, 35, 120, 10, 0xFFFF, statics},
      {0x50020001, 8, 45, 120, 10, 0xFFFF, statics}, {0x50010000, 50, 60, 40, 15, 1, buttons},
      {0x50000003, 10, 24, 0, 0, 0, statics},
  };
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(items[i].style, expected[i].style);
    EXPECT_EQ(items[i].ex_style, 0u);
    EXPECT_EQ(items[i].x, expected[i].x);
    EXPECT_EQ(items[i].y, expected[i].y);
    EXPECT_EQ(items[i].cx, expected[i].cx);
    EXPECT_EQ(items[i].cy, expected[i].cy);
    EXPECT_EQ(items[i].id, expected[i].id);
    EXPECT_EQ(items[i].class_name, expected[i].class_name);
    EXPECT_EQ(items[i].extra, 0u);
  }
  EXPECT_EQ(items[0].text, L"ブラウン運動のシミュレーション \n Version 3.02");
  EXPECT_FALSE(items[1].text.empty());
  EXPECT_FALSE(items[2].text.empty());
  EXPECT_EQ(items[3].text, L"OK");
  EXPECT_EQ(_wcsicmp(items[4].text.c_str(), L"KavrinoIcon"), 0);
}

struct Menu_Entry {
  std::wstring text;
  UINT id;  // the command, or 0 for a pop-up
  int children;
};

Menu_Entry Entry(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
  EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
  EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING));
  EXPECT_EQ(info.fState, 0u);  // not greyed, not checked
  const int children = info.hSubMenu ? GetMenuItemCount(info.hSubMenu) : -1;
  return {text, info.hSubMenu ? 0u : info.wID, children};
}

TEST(Resources, Menu) {
  ASSERT_NE(FindResourceExA(Instance(), RT_MENU, "Kavrino", japanese), nullptr);
  HMENU bar = LoadMenuA(Instance(), "Kavrino");
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);

  const Menu_Entry settings = Entry(bar, 0);
  EXPECT_EQ(settings.text, L"設定");
  EXPECT_EQ(settings.children, 2);
  HMENU settings_menu = GetSubMenu(bar, 0);
  const Menu_Entry change = Entry(settings_menu, 0);
  EXPECT_EQ(change.text, L"質量比変更");
  EXPECT_EQ(change.id, 40001u);
  EXPECT_EQ(change.children, -1);
  const Menu_Entry init = Entry(settings_menu, 1);
  EXPECT_EQ(init.text, L"初期化");
  EXPECT_EQ(init.children, 4);
  HMENU init_menu = GetSubMenu(settings_menu, 1);
  const Menu_Entry expected[4] = {
      {L"粒子数200", 40002, -1}, {L"粒子数20", 40003, -1}, {L"温度20℃", 40004, -1}, {L"質量比20倍", 40006, -1}};
  for (int i = 0; i < 4; ++i) {
    const Menu_Entry e = Entry(init_menu, i);
    EXPECT_EQ(e.text, expected[i].text);
    EXPECT_EQ(e.id, expected[i].id);
    EXPECT_EQ(e.children, -1);
  }

  const Menu_Entry help = Entry(bar, 1);
  EXPECT_EQ(help.text, L"ヘルプ");
  EXPECT_EQ(help.children, 1);
  const Menu_Entry version = Entry(GetSubMenu(bar, 1), 0);
  EXPECT_EQ(version.text, L"バージョン情報");
  EXPECT_EQ(version.id, 40005u);
  DestroyMenu(bar);
}

#pragma pack(push, 2)
struct Group_Entry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(Resources, IconGroupOfThreeSixteenColourImages) {
  const std::vector<unsigned char> group = Resource("KavrinoIcon", RT_GROUP_ICON);
  ASSERT_EQ(group.size(), 6u + 3 * sizeof(Group_Entry));
  WORD header[3];
  std::memcpy(header, group.data(), 6);
  EXPECT_EQ(header[0], 0u);
  EXPECT_EQ(header[1], 1u);
  ASSERT_EQ(header[2], 3u);
  // The standard 16 colours, as RGBQUAD (blue, green, red, 0).
  const unsigned char palette[16][4] = {
      {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},   {0, 128, 128, 0},
      {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0}, {128, 128, 128, 0},
      {192, 192, 192, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},   {0, 255, 255, 0},
      {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0}, {255, 255, 255, 0},
  };
  const int sizes[3] = {48, 32, 16};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(sizes[i]);
    Group_Entry e;
    std::memcpy(&e, group.data() + 6 + i * sizeof e, sizeof e);
    EXPECT_EQ(e.width, sizes[i]);
    EXPECT_EQ(e.height, sizes[i]);
    EXPECT_EQ(e.colours, 16);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.bit_count, 4);

    HRSRC found = FindResourceExA(Instance(), RT_ICON, MAKEINTRESOURCEA(e.id), japanese);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(Instance(), found), e.bytes);
    const unsigned char* image = static_cast<const unsigned char*>(LockResource(LoadResource(Instance(), found)));
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, image, sizeof bih);
    EXPECT_EQ(bih.biSize, 40u);
    EXPECT_EQ(bih.biWidth, sizes[i]);
    EXPECT_EQ(bih.biHeight, 2 * sizes[i]);  // colour image and mask
    EXPECT_EQ(bih.biPlanes, 1);
    EXPECT_EQ(bih.biBitCount, 4);
    EXPECT_EQ(bih.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(std::memcmp(image + 40, palette, sizeof palette), 0);
    // Header, palette, 4-bit rows and 1-bit mask rows, each padded to 4 bytes.
    const DWORD colour_row = ((sizes[i] * 4 + 31) / 32) * 4;
    const DWORD mask_row = ((sizes[i] + 31) / 32) * 4;
    EXPECT_EQ(e.bytes, 40 + 64 + (colour_row + mask_row) * sizes[i]);

    HICON icon = static_cast<HICON>(LoadImageA(Instance(), "KavrinoIcon", IMAGE_ICON, sizes[i], sizes[i], 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour;
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, sizes[i]);
    EXPECT_EQ(colour.bmHeight, sizes[i]);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

// The About dialog, non-modal, so its window can be looked at directly.
class About_Window : public ::testing::Test {
 protected:
  HWND dialog = nullptr;
  void SetUp() override {
    dialog = CreateDialogParamA(Instance(), "KavrinoVer", nullptr, AboutDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override {
    if (IsWindow(dialog)) DestroyWindow(dialog);
  }
};

std::wstring Text_Of(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

TEST_F(About_Window, ShowsCaptionTextsIconAndOk) {
  EXPECT_EQ(Text_Of(dialog), L"バージョン情報");
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_POPUP), static_cast<LONG>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDOK)), L"OK");
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  int children = 0;
  bool first_text_found = false;
  HWND icon_control = nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
    if (Text_Of(child) == L"ブラウン運動のシミュレーション \n Version 3.02") first_text_found = true;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon_control = child;
  }
  EXPECT_EQ(children, 5);
  EXPECT_TRUE(first_text_found);
  ASSERT_NE(icon_control, nullptr);
  EXPECT_NE(SendMessageA(icon_control, STM_GETICON, 0, 0), 0);
}

TEST_F(About_Window, ProcedureResults) {
  EXPECT_EQ(AboutDlgProc(dialog, WM_INITDIALOG, 0, 0), FALSE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_PAINT, 0, 0), FALSE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, IDCANCEL, 0), TRUE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0), TRUE);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0), TRUE);
}

// The modal run: a timer on this thread drives the open dialog step by step.
struct Modal_Script {
  enum Ending { ok_button, close_box };
  Ending ending = ok_button;
  HWND owner = nullptr;
  int step = 0;
  bool owner_disabled = false;
  bool open_after_cancel = false;
  bool open_after_escape = false;
  bool gave_up = false;
};
Modal_Script script;

BOOL CALLBACK Find_Dialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Drive_Dialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), Find_Dialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  switch (script.step++) {
    case 0:
      script.owner_disabled = !IsWindowEnabled(script.owner);
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      break;
    case 1:
      script.open_after_cancel = IsWindowVisible(dialog) != FALSE;
      PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);  // the dialog manager makes it IDCANCEL
      break;
    case 2:
      script.open_after_escape = IsWindowVisible(dialog) != FALSE;
      if (script.ending == Modal_Script::ok_button) {
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      } else {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    default:
      script.gave_up = true;
      EndDialog(dialog, 99);
      break;
  }
}

INT_PTR Run_Modal(Modal_Script::Ending ending) {
  script = Modal_Script();
  script.ending = ending;
  script.owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, Instance(), nullptr);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, Drive_Dialog);
  const INT_PTR result = DialogBoxParamA(Instance(), "KavrinoVer", script.owner, AboutDlgProc, 0);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(IsWindowEnabled(script.owner));
  DestroyWindow(script.owner);
  return result;
}

TEST(About_Dialog, OkButtonEndsTheModalRunWithOne) {
  EXPECT_EQ(Run_Modal(Modal_Script::ok_button), 1);
  EXPECT_TRUE(script.owner_disabled);
  EXPECT_TRUE(script.open_after_cancel);
  EXPECT_TRUE(script.open_after_escape);
  EXPECT_FALSE(script.gave_up);
  EXPECT_EQ(script.step, 3);
}

TEST(About_Dialog, CloseBoxEndsTheModalRunWithOne) {
  EXPECT_EQ(Run_Modal(Modal_Script::close_box), 1);
  EXPECT_TRUE(script.owner_disabled);
  EXPECT_TRUE(script.open_after_cancel);
  EXPECT_FALSE(script.gave_up);
  EXPECT_EQ(script.step, 3);
}

}  // namespace
