#pragma once
// A drawing surface that draws nothing: it logs every call in order, keeps
// track of which pens and brushes exist and which are selected, the way a
// device context does, and notes every misuse (deleting a selected, stock,
// unknown or already deleted object).
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "draw_surface.h"

class Recording_Surface final : public Draw_Surface {
 public:
  enum class Kind { pen, brush };

  struct Object_Info {
    Kind kind;
    Colour colour;
    bool stock;      // shared stock object: never to be deleted
    bool created;    // made by Create_Pen / Create_Solid_Brush
    int deletions;
    std::string name;
  };

  // One drawing call (Rectangle, Ellipse, Line_To, Text_Out) with the state
  // of the surface it was drawn in.
  struct Drawn {
    std::string op;
    int a, b, c, d;  // corners; Line_To: start (a, b) and end (c, d); Text_Out: anchor (a, b)
    Colour pen, brush;
    int bk_mode;
    Colour bk_color, text_color;
    std::string text;  // Text_Out's bytes
  };

  // The objects the surface starts with, and the stock white pair.
  static constexpr Object own_pen = 1, own_brush = 2, white_pen = 3, white_brush = 4;
  static constexpr Colour own_pen_colour = 0x000000, own_brush_colour = 0xFFFFFF;

  std::vector<std::string> log;
  std::vector<std::string> faults;
  std::vector<Drawn> drawn;
  std::map<Object, Object_Info> objects;
  Object current_pen = own_pen, current_brush = own_brush;
  int bk_mode = 2;
  Colour bk_color = 0xFFFFFF, text_color = 0x000000;

  Recording_Surface() {
    objects[own_pen] = {Kind::pen, own_pen_colour, false, false, 0, "own_pen"};
    objects[own_brush] = {Kind::brush, own_brush_colour, false, false, 0, "own_brush"};
    objects[white_pen] = {Kind::pen, 0xFFFFFF, true, false, 0, "white_pen"};
    objects[white_brush] = {Kind::brush, 0xFFFFFF, true, false, 0, "white_brush"};
  }

  Object Create_Pen(Colour colour) override { return Create(Kind::pen, colour, "Create_Pen"); }
  Object Create_Solid_Brush(Colour colour) override { return Create(Kind::brush, colour, "Create_Solid_Brush"); }
  Object Stock_White_Pen() override { return white_pen; }
  Object Stock_White_Brush() override { return white_brush; }

  Object Select(Object object) override {
    auto it = objects.find(object);
    if (it == objects.end()) {
      faults.push_back("select of unknown object " + std::to_string(object));
      log.push_back("Select(?)=0");
      return 0;
    }
    if (it->second.deletions > 0) faults.push_back("select of deleted " + it->second.name);
    Object& slot = it->second.kind == Kind::pen ? current_pen : current_brush;
    const Object previous = slot;
    slot = object;
    log.push_back("Select(" + it->second.name + ")=" + objects[previous].name);
    return previous;
  }

  void Delete(Object object) override {
    auto it = objects.find(object);
    if (it == objects.end()) {
      faults.push_back("delete of unknown object " + std::to_string(object));
      log.push_back("Delete(?)");
      return;
    }
    Object_Info& info = it->second;
    log.push_back("Delete(" + info.name + ")");
    if (info.stock) faults.push_back("delete of stock " + info.name);
    if (!info.created) faults.push_back("delete of the surface's " + info.name);
    if (info.deletions > 0) faults.push_back("second delete of " + info.name);
    if (object == current_pen || object == current_brush) faults.push_back("delete of selected " + info.name);
    ++info.deletions;
  }

  void Rectangle(int left, int top, int right, int bottom) override { Draw("Rectangle", left, top, right, bottom); }
  void Ellipse(int left, int top, int right, int bottom) override { Draw("Ellipse", left, top, right, bottom); }

  void Move_To(int x, int y) override {
    position_x_ = x;
    position_y_ = y;
    log.push_back("Move_To(" + std::to_string(x) + "," + std::to_string(y) + ")");
  }

  void Line_To(int x, int y) override {
    Draw("Line_To", position_x_, position_y_, x, y);
    position_x_ = x;
    position_y_ = y;
  }

  void Set_Bk_Mode(int mode) override {
    bk_mode = mode;
    log.push_back("Set_Bk_Mode(" + std::to_string(mode) + ")");
  }
  void Set_Bk_Color(Colour colour) override {
    bk_color = colour;
    log.push_back("Set_Bk_Color(" + Hex(colour) + ")");
  }
  void Set_Text_Color(Colour colour) override {
    text_color = colour;
    log.push_back("Set_Text_Color(" + Hex(colour) + ")");
  }

  void Text_Out(int x, int y, const char* bytes, int length) override {
    Draw("Text_Out", x, y, length, 0);
    drawn.back().text.assign(bytes, static_cast<std::size_t>(length < 0 ? 0 : length));
  }

  // Objects made by the painter, and how many of those were deleted once.
  int Created_Count() const {
    int n = 0;
    for (const auto& entry : objects) n += entry.second.created ? 1 : 0;
    return n;
  }
  int Deleted_Once_Count() const {
    int n = 0;
    for (const auto& entry : objects) n += entry.second.created && entry.second.deletions == 1 ? 1 : 0;
    return n;
  }

  // Only the drawing calls, in order, by name.
  std::vector<std::string> Drawn_Ops() const {
    std::vector<std::string> ops;
    for (const Drawn& d : drawn) ops.push_back(d.op);
    return ops;
  }

  static std::string Hex(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour));
    return text;
  }

 private:
  Object Create(Kind kind, Colour colour, const char* op) {
    const Object object = next_object_++;
    const std::string name = (kind == Kind::pen ? "pen" : "brush") + std::to_string(kind == Kind::pen ? ++pens_ : ++brushes_);
    objects[object] = {kind, colour, false, true, 0, name};
    log.push_back(std::string(op) + "(" + Hex(colour) + ")=" + name);
    return object;
  }

  void Draw(const char* op, int a, int b, int c, int d) {
    drawn.push_back({op, a, b, c, d, objects[current_pen].colour, objects[current_brush].colour, bk_mode, bk_color,
                     text_color, {}});
    log.push_back(std::string(op) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) +
                  "," + std::to_string(d) + ")");
  }

  Object next_object_ = 10;
  int pens_ = 0;
  int brushes_ = 0;
  int position_x_ = 0;
  int position_y_ = 0;
};
