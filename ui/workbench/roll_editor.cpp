#include "roll_editor.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

#include "note_choice.h"

namespace volemo {
namespace {

constexpr double kMaxZoom = 64.0;
constexpr int kMinRows = 12;
// The changed notes' outline stays this long.
constexpr int kChangedMs = 2000;

}  // namespace

RollEditor::RollEditor(QObject* parent) : QObject(parent) {
  changedTimer_.setSingleShot(true);
  changedTimer_.setInterval(kChangedMs);
  connect(&changedTimer_, &QTimer::timeout, this, [this] {
    changed_.clear();
    emit viewChanged();
  });
}

void RollEditor::SetContent(RollContent content) {
  const bool sameNotes = content.notes.size() == content_.notes.size();
  const bool sameLength = content.endTick == content_.endTick;
  content_ = std::move(content);
  numbers_.clear();
  locked_.clear();
  changed_.clear();
  drag_.reset();
  if (!sameNotes) selected_ = -1;
  playhead_ = -1;
  if (!sameLength) {
    zoom_ = 1.0;
    scroll_ = 0;
  }
  if (Fit()) {
    CenterOn(content_.highKey < content_.lowKey ? (topKey_ + bottomKey_) / 2.0
                                                : (content_.lowKey + content_.highKey) / 2.0);
  }
  vscroll_ = std::clamp(vscroll_, 0, MaxVerticalScroll());
  emit viewChanged();
}

void RollEditor::DragNote(int note, const RollNote& to, uint32_t written) {
  if (note < 0 || size_t(note) >= content_.notes.size()) return;
  const bool starting = !Dragged(note);
  if (!starting && drag_->to == to && drag_->written == written) return;
  drag_ = NoteDrag{note, to, written};
  // The ghost goes into the picture once; the moves only repaint the marks.
  if (starting)
    emit viewChanged();
  else
    emit dragMoved();
}

void RollEditor::EndDrag() {
  if (!drag_) return;
  drag_.reset();
  emit viewChanged();
}

const RollNote& RollEditor::Shown(int note) const {
  return Dragged(note) ? drag_->to : content_.notes[size_t(note)];
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

void RollEditor::ShowChanged(std::vector<int> notes) {
  changed_.assign(content_.notes.size(), false);
  for (int note : notes)
    if (note >= 0 && size_t(note) < changed_.size()) changed_[size_t(note)] = true;
  changedTimer_.start();
  emit viewChanged();
}

bool RollEditor::Changed(int note) const {
  return note >= 0 && size_t(note) < changed_.size() && changed_[size_t(note)];
}

std::string RollEditor::PartOf(int note) const {
  const auto& parts = content_.song.parts;
  const size_t part = content_.notes[size_t(note)].part;
  return part < parts.size() && !parts[part].empty() ? parts[part] : "melody";
}

int RollEditor::StepProbability(int note) const {
  const auto found = marks_.stepProbability.find(PartOf(note));
  return found == marks_.stepProbability.end() ? 100 : found->second;
}

void RollEditor::SetScale(unsigned mask, int tonic) {
  if (mask == scaleMask_ && tonic == tonic_) return;
  scaleMask_ = mask;
  tonic_ = tonic;
  emit viewChanged();
}

void RollEditor::SetMarks(RollMarks marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  emit viewChanged();
}

void RollEditor::SetMiddleC(int key) {
  if ((key != 48 && key != 60) || key == middleC_) return;
  middleC_ = key;
  emit viewChanged();
}

QString RollEditor::KeyName(int key) const {
  return QString::fromLatin1(PitchClassName(key % 12)) + QString::number(key / 12 - (middleC_ - 48) / 12);
}

QString RollEditor::Position(int64_t tick) const {
  int bar = 1, beat = 1;
  int64_t beatTick = 0;
  for (const GridLine& line : Grid(0, tick)) {
    beat = line.bar ? 1 : beat + 1;
    bar = line.barNumber;
    beatTick = line.tick;
  }
  constexpr int64_t sixteenth = kTicksPerBeat / 4;
  return QStringLiteral("%1.%2.%3").arg(bar).arg(beat).arg((tick - beatTick) / sixteenth + 1);
}

QString RollEditor::Length(int64_t ticks) {
  constexpr int64_t whole = 4 * kTicksPerBeat;
  const int64_t common = std::gcd(ticks, whole);
  if (common == 0) return QStringLiteral("0");
  if (whole / common == 1) return QString::number(ticks / common);
  return QStringLiteral("%1/%2").arg(ticks / common).arg(whole / common);
}

bool RollEditor::Fit() {
  const bool notes = content_.lowKey <= content_.highKey;
  const bool range = keyRange_.first <= keyRange_.second;
  if (fitted_ && keyRange_ == fittedRange_ &&
      (!notes || (content_.lowKey >= bottomKey_ && content_.highKey <= topKey_)))
    return false;
  int low = notes ? content_.lowKey : range ? keyRange_.first : 60;
  int high = notes ? content_.highKey : range ? keyRange_.second : 60;
  if (range) {
    low = std::min(low, keyRange_.first);
    high = std::max(high, keyRange_.second);
  }
  low -= 1;
  high += 1;
  const int missing = kMinRows - (high - low + 1);
  if (missing > 0) {
    low -= missing / 2;
    high += missing - missing / 2;
  }
  bottomKey_ = std::clamp(low, 0, 127 - kMinRows + 1);
  topKey_ = std::min(127, std::max(high, bottomKey_ + kMinRows - 1));
  fittedRange_ = keyRange_;
  fitted_ = true;
  return true;
}

void RollEditor::SetViewSize(QSize size) {
  const double middle = MiddleKey();
  view_ = size.expandedTo(QSize(1, 1));
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  CenterOn(middle);
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

double RollEditor::RowHeight() const {
  return std::max<double>(kMinRowHeight, double(view_.height()) / (topKey_ - bottomKey_ + 1));
}

int RollEditor::ContentHeight() const { return int(std::lround((topKey_ - bottomKey_ + 1) * RowHeight())); }

int RollEditor::MaxVerticalScroll() const { return std::max(0, ContentHeight() - view_.height()); }

void RollEditor::SetVerticalScroll(int y) {
  y = std::clamp(y, 0, MaxVerticalScroll());
  if (y == vscroll_) return;
  vscroll_ = y;
  emit viewChanged();
}

void RollEditor::CenterOn(double key) {
  vscroll_ = std::clamp(int(std::lround((topKey_ - key + 0.5) * RowHeight() - view_.height() / 2.0)), 0,
                        MaxVerticalScroll());
}

double RollEditor::MiddleKey() const { return topKey_ + 0.5 - (vscroll_ + view_.height() / 2.0) / RowHeight(); }

int RollEditor::Y(int key) const { return int(std::lround((topKey_ - key) * RowHeight())) - vscroll_; }

int RollEditor::KeyAt(int y) const { return topKey_ - int(std::floor((y + vscroll_) / RowHeight())); }

namespace {

// What a text without a time signature is in.
constexpr dvorlin::TimeSignature kCommonTime{0, 4, 2};

Meter MeterOf(const dvorlin::TimeSignature& signature, const std::optional<Meter>& counted) {
  Meter meter;
  meter.numerator = signature.numerator;
  meter.denominator = 1 << signature.denominatorPower;
  if (counted && counted->numerator == meter.numerator && counted->denominator == meter.denominator) return *counted;
  try {
    return ParseMeter(std::to_string(meter.numerator) + "/" + std::to_string(meter.denominator));
  } catch (const std::invalid_argument&) {
    meter.beats.assign(size_t(meter.numerator), 1);  // beyond the meters the composer writes: every unit a beat
    return meter;
  }
}

}  // namespace

std::vector<RollEditor::GridLine> RollEditor::Grid(int64_t from, int64_t to) const {
  std::vector<GridLine> lines;
  const auto& signatures = content_.song.meters;
  size_t next = 0;
  const bool signed0 = !signatures.empty() && signatures[0].tick == 0;
  Meter meter = MeterOf(signed0 ? signatures[next++] : kCommonTime, marks_.meter);
  int64_t start = 0;
  int bar = 1;
  for (;;) {
    const int64_t end = next < signatures.size() ? signatures[next].tick : std::numeric_limits<int64_t>::max();
    const int64_t barTicks = BarTicks(meter);
    const std::vector<int> beats = BeatStarts(meter);
    for (int64_t b = from > start ? (from - start) / barTicks : 0;; ++b) {
      const int64_t barStart = start + b * barTicks;
      if (barStart >= end || barStart > to) break;
      for (size_t i = 0; i < beats.size(); ++i) {
        const int64_t tick = barStart + beats[i];
        if (tick >= end || tick > to) break;
        if (tick >= from) lines.push_back({tick, i == 0, bar + int(b)});
      }
    }
    if (end > to) return lines;
    bar += int((end - start + barTicks - 1) / barTicks);
    start = end;
    meter = MeterOf(signatures[next++], marks_.meter);
  }
}

int64_t RollEditor::FirstBarTicks() const {
  const auto& signatures = content_.song.meters;
  const bool signed0 = !signatures.empty() && signatures[0].tick == 0;
  return BarTicks(MeterOf(signed0 ? signatures[0] : kCommonTime, marks_.meter));
}

QRect RollEditor::NoteRect(int note) const { return RectOf(content_.notes[size_t(note)]); }

QRect RollEditor::RectOf(const RollNote& n) const {
  const int left = X(n.start);
  const int right = std::max(X(int64_t{n.start} + n.length) - 1, left + kMinNoteWidth - 1);
  return QRect(QPoint(left, Y(n.key) + 1), QPoint(right, RowBottom(n.key) - 1));
}

QRect RollEditor::LockMarkRect(int note) const {
  const QRect r = NoteRect(note);
  const int size = std::clamp(int(RowHeight() / 2), 6, 9);
  return QRect(r.left(), r.top() - size - 1, size, size);
}

int RollEditor::NoteAt(QPoint point) const {
  // Notes widened to be seen may overlap: the one whose own time is nearest
  // the point wins, then the narrower.
  int found = -1, width = 0;
  double distance = 0;
  const double x = point.x() + scroll_;
  for (int i = 0; i < int(content_.notes.size()); ++i) {
    const QRect r = NoteRect(i);
    if (!r.adjusted(0, -1, 0, 1).contains(point)) continue;
    const RollNote& n = content_.notes[size_t(i)];
    const double from = n.start * PixelsPerTick(), to = (int64_t{n.start} + n.length) * PixelsPerTick();
    const double d = std::max({0.0, from - x, x - to});
    if (found < 0 || d < distance || (d == distance && r.width() <= width)) {
      found = i;
      width = r.width();
      distance = d;
    }
  }
  return found;
}

std::vector<int> RollEditor::PaintOrder() const {
  std::vector<int> order(content_.notes.size());
  std::vector<int> widths(order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    order[i] = int(i);
    widths[i] = NoteRect(int(i)).width();
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return widths[size_t(a)] > widths[size_t(b)]; });
  return order;
}

void RollEditor::Select(int note) {
  if (note < -1 || note >= int(content_.notes.size()) || note == selected_) return;
  selected_ = note;
  if (note >= 0) {
    // Into sight when zoomed in or scrolled away.
    const QRect r = NoteRect(note);
    if (r.left() < 0 || r.right() >= view_.width()) {
      SetScroll(scroll_ + r.left() - view_.width() / 4);
    }
    if (r.top() < 0 || r.bottom() >= view_.height()) CenterOn(content_.notes[size_t(note)].key);
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
