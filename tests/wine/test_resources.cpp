// The compiled resources (menu, About dialog template, icon) and the About
// dialog at run time.
#include <tuple>

#include "about_dialog.h"
#include "wine_test_support.h"

namespace {

using wine_test::Open_Dialog;

const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The resource's bytes, in Japanese.
std::vector<unsigned char> Resource(LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceExA(Instance(), type, name, japanese);
  if (!found) return {};
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(Instance(), found)));
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
  DWORD Dword() { return Word() | (static_cast<DWORD>(Word()) << 16); }
  short Short() { return static_cast<short>(Word()); }
  std::wstring String() {
    std::wstring s;
    for (WORD c = Word(); c != 0; c = Word()) s += static_cast<wchar_t>(c);
    return s;
  }
  // A name or an ordinal: the ordinal comes back as "#n".
  std::wstring Name_Or_Ordinal() {
    if (at_ + 2 > bytes_.size() || bytes_[at_] != 0xFF || bytes_[at_ + 1] != 0xFF) return String();
    Word();
    return L"#" + std::to_wstring(Word());
  }
  void Align() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }
  std::size_t At() const { return at_; }

 private:
  const std::vector<unsigned char>& bytes_;
  std::size_t at_ = 0;
};

TEST(Resources, AboutDialogTemplate) {
  const std::vector<unsigned char> bytes = Resource("KavrinoVer", RT_DIALOG);
  ASSERT_FALSE(bytes.empty());
  Template_Reader r(bytes);
  EXPECT_EQ(r.Dword(), 0x00C80040u);  // WS_CAPTION | WS_SYSMENU | DS_SETFONT, not an extended template
  EXPECT_EQ(r.Dword(), 0u);
  EXPECT_EQ(r.Word(), 5u);
  for (short expected : {10, 10, 140, 90}) EXPECT_EQ(r.Short(), expected);
  EXPECT_EQ(r.Name_Or_Ordinal(), L"");  // no menu
  EXPECT_EQ(r.Name_Or_Ordinal(), L"");  // the dialog class
  EXPECT_EQ(r.String(), L"バージョン情報");
  EXPECT_EQ(r.Word(), 12u);
  EXPECT_EQ(r.String(), L"MS Shell Dlg");

  struct Item {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    const wchar_t* class_name;
    const wchar_t* text;  // null: any text but none
  };
  const Item items[5] = {
      {0x50020001, 8, 10, 120, 20, 0xFFFF, L"#130", L"ブラウン運動のシミュレーション \n Version 3.02"},
      {0x50020001, 8, 35, 120, 10, 0xFFFF, L"#130", nullptr},
      {0x50020001, 8, 45, 120, 10, 0xFFFF, L"#130", nullptr},
      {0x50010000, 50, 60, 40, 15, 1, L"#128", L"OK"},
      {0x50000003, 10, 24, 0, 0, 0, L"#130", L"KavrinoIcon"},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.y);
    r.Align();
    EXPECT_EQ(r.Dword(), item.style);
    EXPECT_EQ(r.Dword(), 0u);  // extended style
    for (short expected : {item.x, item.y, item.cx, item.cy}) EXPECT_EQ(r.Short(), expected);
    EXPECT_EQ(r.Word(), item.id);
    EXPECT_EQ(r.Name_Or_Ordinal(), item.class_name);
    const std::wstring text = r.Name_Or_Ordinal();
    if (!item.text) EXPECT_FALSE(text.empty());
    else if (item.id == 0) EXPECT_EQ(_wcsicmp(text.c_str(), item.text), 0);  // a resource name: any case
    else EXPECT_EQ(text, item.text);
    EXPECT_EQ(r.Word(), 0u);  // no creation data
  }
  EXPECT_EQ(r.At(), bytes.size());
}

// The menu bar walked depth first: (depth, text, command or 0 for a pop-up,
// entries of the pop-up), every entry a plain string, neither greyed nor checked.
using Menu_Entry = std::tuple<int, std::wstring, UINT, int>;
void Walk(HMENU menu, int depth, std::vector<Menu_Entry>& out) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoW(menu, i, TRUE, &info));
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(info.fState, 0u);
    out.emplace_back(depth, text, info.hSubMenu ? 0u : info.wID, info.hSubMenu ? GetMenuItemCount(info.hSubMenu) : -1);
    if (info.hSubMenu) Walk(info.hSubMenu, depth + 1, out);
  }
}

TEST(Resources, Menu) {
  ASSERT_NE(FindResourceExA(Instance(), RT_MENU, "Kavrino", japanese), nullptr);
  HMENU bar = LoadMenuA(Instance(), "Kavrino");
  ASSERT_NE(bar, nullptr);
  std::vector<Menu_Entry> entries;
  Walk(bar, 0, entries);
  DestroyMenu(bar);
  const std::vector<Menu_Entry> expected = {
      {0, L"設定", 0, 2},          {1, L"質量比変更", 40001, -1}, {1, L"初期化", 0, 4},
      {2, L"粒子数200", 40002, -1}, {2, L"粒子数20", 40003, -1},   {2, L"温度20℃", 40004, -1},
      {2, L"質量比20倍", 40006, -1}, {0, L"ヘルプ", 0, 1},          {1, L"バージョン情報", 40005, -1},
  };
  EXPECT_EQ(entries, expected);
}

TEST(Resources, IconGroupOfThreeSixteenColourImages) {
#pragma pack(push, 2)
  struct Group_Entry {
    BYTE width, height, colours, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
  };
#pragma pack(pop)
  const std::vector<unsigned char> group = Resource("KavrinoIcon", RT_GROUP_ICON);
  ASSERT_EQ(group.size(), 6u + 3 * sizeof(Group_Entry));
  const WORD header[3] = {0, 1, 3};
  ASSERT_EQ(std::memcmp(group.data(), header, 6), 0);
  // The standard 16 colours, as RGBQUAD (blue, green, red, 0).
  const unsigned char palette[16][4] = {
      {0, 0, 0, 0},     {0, 0, 128, 0},   {0, 128, 0, 0},     {0, 128, 128, 0}, {128, 0, 0, 0},   {128, 0, 128, 0},
      {128, 128, 0, 0}, {128, 128, 128, 0}, {192, 192, 192, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
      {255, 0, 0, 0},   {255, 0, 255, 0}, {255, 255, 0, 0},   {255, 255, 255, 0},
  };
  const int sizes[3] = {48, 32, 16};
  for (int i = 0; i < 3; ++i) {
    const int size = sizes[i];
    SCOPED_TRACE(size);
    Group_Entry e;
    std::memcpy(&e, group.data() + 6 + i * sizeof e, sizeof e);
    EXPECT_EQ(std::make_tuple(e.width, e.height, e.colours, e.planes, e.bit_count),
              std::make_tuple(BYTE(size), BYTE(size), BYTE(16), WORD(1), WORD(4)));
    // Header, palette, 4-bit rows and 1-bit mask rows, each padded to 4 bytes.
    EXPECT_EQ(e.bytes, 40u + 64 + (((size * 4 + 31) / 32) * 4 + ((size + 31) / 32) * 4) * size);
    const std::vector<unsigned char> image = Resource(MAKEINTRESOURCEA(e.id), RT_ICON);
    ASSERT_EQ(image.size(), e.bytes);
    BITMAPINFOHEADER bih;
    std::memcpy(&bih, image.data(), sizeof bih);
    EXPECT_EQ(std::make_tuple(bih.biSize, bih.biWidth, bih.biHeight, bih.biPlanes, bih.biBitCount, bih.biCompression),
              std::make_tuple(DWORD(40), LONG(size), LONG(2 * size), WORD(1), WORD(4), DWORD(BI_RGB)));  // image and mask
    EXPECT_EQ(std::memcmp(image.data() + 40, palette, sizeof palette), 0);

    HICON icon = static_cast<HICON>(LoadImageA(Instance(), "KavrinoIcon", IMAGE_ICON, size, size, 0));
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour;
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

std::wstring Text_Of(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The About dialog made non-modal, so its window can be looked at directly;
// its procedure handles every command and ends the dialog on IDOK only.
TEST(About_Dialog, WindowAndProcedure) {
  HWND dialog = CreateDialogParamA(Instance(), "KavrinoVer", nullptr, AboutDlgProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text_Of(dialog), L"バージョン情報");
  EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_POPUP), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(Text_Of(GetDlgItem(dialog, IDOK)), L"OK");
  EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  int children = 0, first_texts = 0;
  HWND icon = nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
    first_texts += Text_Of(child) == L"ブラウン運動のシミュレーション \n Version 3.02";
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = child;
  }
  EXPECT_EQ(children, 5);
  EXPECT_EQ(first_texts, 1);
  ASSERT_NE(icon, nullptr);
  EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);

  EXPECT_EQ(AboutDlgProc(dialog, WM_INITDIALOG, 0, 0), FALSE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_PAINT, 0, 0), FALSE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, IDCANCEL, 0), TRUE);
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0), TRUE);
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(AboutDlgProc(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0), TRUE);
  DestroyWindow(dialog);
}

// The modal run, driven step by step by a timer on this thread: IDCANCEL and
// Escape leave it open, then the OK button or the close box ends it with 1.
struct {
  HWND owner;
  bool close_box;
  int step;
  bool owner_disabled, open_after_cancel, open_after_escape;
} script;

TEST(About_Dialog, ModalRunStaysThroughCancelAndEndsWithOne) {
  for (bool close_box : {false, true}) {
    SCOPED_TRACE(close_box ? "close box" : "OK button");
    script = {CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, Instance(),
                              nullptr),
              close_box, 0, false, false, false};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND dialog = Open_Dialog();
      if (!dialog) return;
      switch (script.step++) {
        case 0:
          script.owner_disabled = !IsWindowEnabled(script.owner);
          PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
          break;
        case 1:
          script.open_after_cancel = IsWindowVisible(dialog);
          PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);  // the dialog manager makes it IDCANCEL
          break;
        case 2:
          script.open_after_escape = IsWindowVisible(dialog);
          if (script.close_box) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
          else PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
          break;
        default:
          EndDialog(dialog, 99);  // gave up
      }
    });
    EXPECT_EQ(DialogBoxParamA(Instance(), "KavrinoVer", script.owner, AboutDlgProc, 0), 1);
    KillTimer(nullptr, timer);
    EXPECT_EQ(script.step, 3);
    EXPECT_TRUE(script.owner_disabled);
    EXPECT_TRUE(script.open_after_cancel);
    EXPECT_TRUE(script.open_after_escape);
    EXPECT_TRUE(IsWindowEnabled(script.owner));
    DestroyWindow(script.owner);
  }
}

}  // namespace
