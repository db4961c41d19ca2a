#include "platform/ClassicWidgets.h"

#include <algorithm>
#include <cmath>

#include "platform/MenuStyle.h"

namespace {

// Thumb travel margin from each side, thumb half width, and the rows of the
// channel, thumb and ticks, at scale 1 from the control's top.
constexpr float kTravelMargin = 13, kChannelMargin = 8, kThumbHalf = 5;
constexpr float kChannelTop = 14, kChannelBottom = 18;
constexpr float kThumbTop = 8, kThumbBody = 23, kThumbPoint = 28;
constexpr float kTickTop = 30, kTickLength = 3, kEndTickLength = 4;
constexpr int kPageSize = 2;

void Line(ImDrawList* draw, float x0, float y0, float x1, float y1, ImU32 colour, float scale) {
  // Axis-aligned lines as filled rectangles, so edges stay whole pixels.
  draw->AddRectFilled(ImVec2(std::min(x0, x1), std::min(y0, y1)),
                      ImVec2(std::max(x0, x1) + scale, std::max(y0, y1) + scale), colour);
}

void DrawThumb(ImDrawList* draw, float cx, float top, float scale) {
  const float l = cx - kThumbHalf * scale, r = cx + kThumbHalf * scale;
  const float t = top + kThumbTop * scale, body = top + kThumbBody * scale, point = top + kThumbPoint * scale;
  const ImVec2 shape[5] = {{l, t}, {r + scale, t}, {r + scale, body}, {cx + scale / 2, point}, {l, body}};
  draw->AddConvexPolyFilled(shape, 5, classic::Face);
  Line(draw, l, t, r, t, classic::Light, scale);
  Line(draw, l, t, l, body, classic::Light, scale);
  Line(draw, r, t, r, body, classic::Dark, scale);
  draw->AddLine(ImVec2(l, body), ImVec2(cx, point), classic::Light, scale);
  draw->AddLine(ImVec2(r + scale, body), ImVec2(cx + scale / 2, point), classic::Dark, scale);
}

}  // namespace

void DrawEdge(ImDrawList* draw, const ScreenRect& r, float scale, bool sunken) {
  const float x0 = r.X, y0 = r.Y, x1 = r.X + r.W - scale, y1 = r.Y + r.H - scale;
  const ImU32 topLeft = sunken ? classic::Shadow : classic::Light;
  const ImU32 bottomRight = sunken ? classic::Light : classic::Shadow;
  Line(draw, x0, y0, x1, y0, topLeft, scale);
  Line(draw, x0, y0, x0, y1, topLeft, scale);
  Line(draw, x0, y1, x1, y1, bottomRight, scale);
  Line(draw, x1, y0, x1, y1, bottomRight, scale);
}

bool ClassicButton(const char* id, const std::string& caption, const ScreenRect& r, float scale, bool isDefault) {
  ImGui::SetCursorScreenPos(ImVec2(r.X, r.Y));
  const bool clicked = ImGui::InvisibleButton(id, ImVec2(r.W, r.H));
  const bool pressed = ImGui::IsItemActive() && ImGui::IsItemHovered();
  ImDrawList* draw = ImGui::GetWindowDrawList();
  draw->AddRectFilled(ImVec2(r.X, r.Y), ImVec2(r.X + r.W, r.Y + r.H), classic::Face);
  ScreenRect face = r;
  if (isDefault) {
    DrawEdge(draw, r, scale, false);
    draw->AddRect(ImVec2(r.X, r.Y), ImVec2(r.X + r.W, r.Y + r.H), classic::Dark, 0, 0, scale);
    face = {r.X + scale, r.Y + scale, r.W - 2 * scale, r.H - 2 * scale};
  }
  if (pressed) {
    draw->AddRect(ImVec2(face.X, face.Y), ImVec2(face.X + face.W, face.Y + face.H), classic::Shadow, 0, 0, scale);
  } else {
    Line(draw, face.X, face.Y + face.H - scale, face.X + face.W - scale, face.Y + face.H - scale, classic::Dark, scale);
    Line(draw, face.X + face.W - scale, face.Y, face.X + face.W - scale, face.Y + face.H - scale, classic::Dark, scale);
    DrawEdge(draw, {face.X, face.Y, face.W - scale, face.H - scale}, scale, false);
  }
  const ImVec2 size = ImGui::CalcTextSize(caption.c_str());
  const float shift = pressed ? scale : 0;
  DrawLabel(draw, std::floor(r.X + (r.W - size.x) / 2 + shift), std::floor(r.Y + (r.H - size.y) / 2 + shift), caption);
  return clicked;
}

void DrawLabel(ImDrawList* draw, float x, float y, const std::string& text) {
  draw->AddText(ImVec2(x, y), classic::Dark, text.c_str());
}

void ClassicSeparator() {
  const float scale = std::max(1.0f, std::floor(ImGui::GetFontSize() / kMenuFontHeight));
  const ImVec2 window = ImGui::GetWindowPos();
  const float left = std::floor(window.x + ImGui::GetWindowContentRegionMin().x);
  const float right = std::floor(window.x + ImGui::GetWindowContentRegionMax().x) - scale;
  const float top = std::floor(ImGui::GetCursorScreenPos().y);
  ImDrawList* draw = ImGui::GetWindowDrawList();
  Line(draw, left, top, right, top, classic::Shadow, scale);
  Line(draw, left, top + scale, right, top + scale, classic::Light, scale);
  ImGui::Dummy(ImVec2(0, 2 * scale));
}

float TrackBarThumbX(const ScreenRect& r, float scale, int position, int max) {
  const float left = r.X + kTravelMargin * scale;
  const float travel = r.W - 2 * kTravelMargin * scale;
  if (max <= 0) return left;
  return left + travel * static_cast<float>(position) / static_cast<float>(max);
}

int TrackBarPositionAt(const ScreenRect& r, float scale, float x, int max) {
  const float left = r.X + kTravelMargin * scale;
  const float travel = r.W - 2 * kTravelMargin * scale;
  if (travel <= 0 || max <= 0) return 0;
  const int position = static_cast<int>(std::lround((x - left) / travel * static_cast<float>(max)));
  return std::clamp(position, 0, max);
}

int ClassicTrackBar(const char* id, const ScreenRect& r, float scale, int position, int max, TrackBarDrag& drag) {
  ImGui::SetCursorScreenPos(ImVec2(r.X, r.Y));
  ImGui::InvisibleButton(id, ImVec2(r.W, r.H));
  const float mouseX = ImGui::GetIO().MousePos.x;
  const float thumbX = TrackBarThumbX(r, scale, position, max);
  int shown = position;
  if (!ImGui::IsItemActive()) {
    drag.Dragging = false;
  } else if (ImGui::IsItemActivated()) {
    drag.Dragging = std::fabs(mouseX - thumbX) <= kThumbHalf * scale + scale;
  }
  if (ImGui::IsItemActive()) {
    if (drag.Dragging) {
      shown = TrackBarPositionAt(r, scale, mouseX, max);
    } else if (ImGui::IsMouseClicked(ImGuiMouseButton_Left, true)) {
      const int target = TrackBarPositionAt(r, scale, mouseX, max);
      if (target < position) shown = std::max(target, position - kPageSize);
      if (target > position) shown = std::min(target, position + kPageSize);
    }
  }

  ImDrawList* draw = ImGui::GetWindowDrawList();
  const ScreenRect channel{r.X + kChannelMargin * scale, r.Y + kChannelTop * scale, r.W - 2 * kChannelMargin * scale,
                           (kChannelBottom - kChannelTop) * scale};
  draw->AddRectFilled(ImVec2(channel.X, channel.Y), ImVec2(channel.X + channel.W, channel.Y + channel.H),
                      classic::Light);
  DrawEdge(draw, channel, scale, true);
  const float innerTop = channel.Y + scale;
  Line(draw, channel.X + scale, innerTop, channel.X + channel.W - 2 * scale, innerTop, classic::Dark, scale);
  for (int v = 0; v <= max; ++v) {
    const float x = std::floor(TrackBarThumbX(r, scale, v, max));
    const float length = (v == 0 || v == max) ? kEndTickLength : kTickLength;
    Line(draw, x, r.Y + kTickTop * scale, x, r.Y + (kTickTop + length - 1) * scale, classic::Dark, scale);
  }
  DrawThumb(draw, std::floor(TrackBarThumbX(r, scale, shown, max)), r.Y, scale);
  return shown;
}
