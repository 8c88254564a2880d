#pragma once
// A drawing surface that draws nothing: it logs every call in order, tracks
// which pens and brushes exist and are selected, as a device context does, and
// notes every misuse (selecting a deleted or unknown object; deleting one that
// is selected, unknown, already deleted or not made through it).
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "draw_surface.h"

class Recording_Surface final : public Draw_Surface {
 public:
  struct Object_Info {
    bool pen;
    Colour colour;
    bool created;  // by Create_Pen / Create_Solid_Brush; the others are not to be deleted
    int deletions;
    std::string name;
  };
  // Rectangle, Ellipse, Line_To (a, b: the start) or Text_Out (c: the length),
  // with the pen selected when it was drawn.
  struct Drawn {
    std::string op;
    int a, b, c, d;
    Colour pen;
  };

  // The surface's own pair, then the stock white pair.
  static constexpr Object own_pen = 1, own_brush = 2, white_pen = 3, white_brush = 4;

  std::vector<std::string> log, faults;
  std::vector<Drawn> drawn;
  std::map<Object, Object_Info> objects = {{own_pen, {true, 0x000000, false, 0, "own_pen"}},
                                           {own_brush, {false, 0xFFFFFF, false, 0, "own_brush"}},
                                           {white_pen, {true, 0xFFFFFF, false, 0, "white_pen"}},
                                           {white_brush, {false, 0xFFFFFF, false, 0, "white_brush"}}};
  Object pen = own_pen, brush = own_brush;

  Object Create_Pen(Colour colour) override { return Create(true, colour); }
  Object Create_Solid_Brush(Colour colour) override { return Create(false, colour); }
  Object Stock_White_Pen() override { return white_pen; }
  Object Stock_White_Brush() override { return white_brush; }

  Object Select(Object object) override {
    auto it = objects.find(object);
    if (it == objects.end()) {
      Fault("select of unknown object");
      return 0;
    }
    if (it->second.deletions > 0) Fault("select of deleted " + it->second.name);
    Object& slot = it->second.pen ? pen : brush;
    const Object previous = slot;
    slot = object;
    log.push_back("Select(" + it->second.name + ")=" + objects[previous].name);
    return previous;
  }

  void Delete(Object object) override {
    auto it = objects.find(object);
    if (it == objects.end()) {
      Fault("delete of unknown object");
      return;
    }
    Object_Info& info = it->second;
    log.push_back("Delete(" + info.name + ")");
    if (!info.created) Fault("delete of the surface's " + info.name);
    if (info.deletions++ > 0) Fault("second delete of " + info.name);
    if (object == pen || object == brush) Fault("delete of selected " + info.name);
  }

  void Rectangle(int l, int t, int r, int b) override { Draw("Rectangle", l, t, r, b); }
  void Ellipse(int l, int t, int r, int b) override { Draw("Ellipse", l, t, r, b); }
  void Move_To(int x, int y) override {
    x_ = x;
    y_ = y;
    log.push_back("Move_To(" + std::to_string(x) + "," + std::to_string(y) + ")");
  }
  void Line_To(int x, int y) override {
    Draw("Line_To", x_, y_, x, y);
    x_ = x;
    y_ = y;
  }
  void Set_Bk_Mode(int mode) override { log.push_back("Set_Bk_Mode(" + std::to_string(mode) + ")"); }
  void Set_Bk_Color(Colour colour) override { log.push_back("Set_Bk_Color(" + Hex(colour) + ")"); }
  void Set_Text_Color(Colour colour) override { log.push_back("Set_Text_Color(" + Hex(colour) + ")"); }
  // Logs the bytes themselves: Text_Out(x,y,bytes).
  void Text_Out(int x, int y, const char* bytes, int length) override {
    drawn.push_back({"Text_Out", x, y, length, 0, objects[pen].colour});
    log.push_back("Text_Out(" + std::to_string(x) + "," + std::to_string(y) + "," +
                  std::string(bytes, static_cast<std::size_t>(length < 0 ? 0 : length)) + ")");
  }

  static std::string Hex(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour));
    return text;
  }

 private:
  void Fault(const std::string& fault) { faults.push_back(fault); }
  Object Create(bool is_pen, Colour colour) {
    const std::string name = is_pen ? "pen" + std::to_string(++pens_) : "brush" + std::to_string(++brushes_);
    objects[next_] = {is_pen, colour, true, 0, name};
    log.push_back((is_pen ? "Create_Pen(" : "Create_Solid_Brush(") + Hex(colour) + ")=" + name);
    return next_++;
  }
  void Draw(const char* op, int a, int b, int c, int d) {
    drawn.push_back({op, a, b, c, d, objects[pen].colour});
    log.push_back(std::string(op) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) +
                  "," + std::to_string(d) + ")");
  }

  Object next_ = 10;
  int pens_ = 0, brushes_ = 0, x_ = 0, y_ = 0;
};
