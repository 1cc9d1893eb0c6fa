#include "roll_editor.h"

#include <algorithm>
#include <cmath>

namespace volemo {
namespace {

constexpr double kMaxZoom = 64.0;
constexpr int kMinRows = 12;

}  // namespace

RollEditor::RollEditor(QObject* parent) : QObject(parent) {}

void RollEditor::SetContent(RollContent content) {
  const bool sameNotes = content.notes.size() == content_.notes.size();
  const bool sameLength = content.endTick == content_.endTick;
  content_ = std::move(content);
  numbers_.clear();
  locked_.clear();
  if (!sameNotes) selected_ = -1;
  playhead_ = -1;
  if (!sameLength) {
    zoom_ = 1.0;
    scroll_ = 0;
  }
  Fit();
  emit viewChanged();
}

void RollEditor::SetNote(int note, const RollNote& shown) {
  if (note < 0 || size_t(note) >= content_.notes.size() || content_.notes[size_t(note)] == shown) return;
  content_.notes[size_t(note)] = shown;
  emit viewChanged();
}

void RollEditor::SetNumbers(std::vector<int> numbers, std::vector<bool> locked) {
  numbers_ = std::move(numbers);
  locked_ = std::move(locked);
  emit viewChanged();
}

int RollEditor::Number(int note) const {
  return note >= 0 && size_t(note) < numbers_.size() ? numbers_[note] : 0;
}

bool RollEditor::Locked(int note) const {
  return note >= 0 && size_t(note) < locked_.size() && locked_[note];
}

void RollEditor::Fit() {
  int low = content_.lowKey, high = content_.highKey;
  if (high < low) low = high = 60;
  low -= 1;
  high += 1;
  const int missing = kMinRows - (high - low + 1);
  if (missing > 0) {
    low -= missing / 2;
    high += missing - missing / 2;
  }
  bottomKey_ = std::max(0, low);
  topKey_ = std::min(127, std::max(high, bottomKey_ + kMinRows - 1));
}

void RollEditor::SetViewSize(QSize size) {
  view_ = size.expandedTo(QSize(1, 1));
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  emit viewChanged();
}

double RollEditor::PixelsPerTick() const {
  return zoom_ * view_.width() / std::max<double>(content_.endTick, kTicksPerBeat);
}

int RollEditor::ContentWidth() const { return int(std::ceil(zoom_ * view_.width())); }

int RollEditor::MaxScroll() const { return std::max(0, ContentWidth() - view_.width()); }

int RollEditor::X(int64_t tick) const { return int(std::floor(tick * PixelsPerTick())) - scroll_; }

int RollEditor::TickAt(int x) const {
  return std::max(0, int((x + scroll_) / PixelsPerTick()));
}

void RollEditor::ZoomAt(int x, double factor) {
  const double tick = (x + scroll_) / PixelsPerTick();
  const double zoom = std::clamp(zoom_ * factor, 1.0, kMaxZoom);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  scroll_ = std::clamp(int(std::lround(tick * PixelsPerTick())) - x, 0, MaxScroll());
  emit viewChanged();
}

void RollEditor::SetScroll(int x) {
  x = std::clamp(x, 0, MaxScroll());
  if (x == scroll_) return;
  scroll_ = x;
  emit viewChanged();
}

double RollEditor::RowHeight() const { return double(view_.height()) / (topKey_ - bottomKey_ + 1); }

int RollEditor::Y(int key) const { return int(std::lround((topKey_ - key) * RowHeight())); }

QRect RollEditor::NoteRect(int note) const {
  const RollNote& n = content_.notes[size_t(note)];
  const int left = X(n.start);
  // At least two pixels wide, so that the shortest note can still be hit.
  const int right = std::max(X(int64_t{n.start} + n.length) - 1, left + 2);
  return QRect(QPoint(left, Y(n.key) + 1), QPoint(right, RowBottom(n.key) - 1));
}

int RollEditor::NoteAt(QPoint point) const {
  // The last drawn wins, as it lies on top.
  for (int i = int(content_.notes.size()) - 1; i >= 0; --i)
    if (NoteRect(i).adjusted(0, -1, 0, 1).contains(point)) return i;
  return -1;
}

void RollEditor::Select(int note) {
  if (note < -1 || note >= int(content_.notes.size()) || note == selected_) return;
  selected_ = note;
  if (note >= 0) {
    // Into sight when zoomed in.
    const QRect r = NoteRect(note);
    if (r.left() < 0 || r.right() >= view_.width()) {
      SetScroll(scroll_ + r.left() - view_.width() / 4);
    }
  }
  emit viewChanged();
}

void RollEditor::SelectNeighbour(int dx, int dy) {
  const int count = int(content_.notes.size());
  if (count == 0) return;
  if (selected_ < 0) return Select(dx < 0 || dy < 0 ? count - 1 : 0);
  const uint32_t start = content_.notes[size_t(selected_)].start;
  int next = selected_;
  if (dx > 0) {
    while (next + 1 < count && content_.notes[size_t(next)].start == start) ++next;
    if (content_.notes[size_t(next)].start == start) return;
    // Of the next start's notes, the lowest: notes are by start, then key.
  } else if (dx < 0) {
    while (next > 0 && content_.notes[size_t(next)].start == start) --next;
    if (content_.notes[size_t(next)].start == start) return;
    const uint32_t before = content_.notes[size_t(next)].start;
    while (next > 0 && content_.notes[size_t(next - 1)].start == before) --next;
  } else if (dy != 0) {
    next = selected_ + (dy > 0 ? 1 : -1);
    if (next < 0 || next >= count || content_.notes[size_t(next)].start != start) return;
  }
  Select(next);
}

void RollEditor::SetPlayhead(int tick) {
  if (tick == playhead_) return;
  const int oldX = playhead_ < 0 ? -1 : X(playhead_);
  playhead_ = tick;
  if (tick < 0) {
    emit playheadMoved(oldX, -1);
    return;
  }
  int x = X(tick);
  if (zoom_ > 1.0 && (x < 0 || x >= view_.width())) {
    SetScroll(scroll_ + x - view_.width() / 10);  // repaints everything anyway
    return;
  }
  emit playheadMoved(oldX, x);
}

}  // namespace volemo
