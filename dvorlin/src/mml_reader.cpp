#include "mml_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "cp932.h"
#include "messages.h"

namespace dvorlin {

using volemo::CharSize;
namespace {

constexpr int kMaxNesting = 32;
constexpr int64_t kMaxRepeat = 9999;
constexpr int64_t kWholeNote = 4 * kTicksPerQuarter;
// Digits beyond this are not read into the value; it is out of every range.
constexpr int64_t kSaturated = 1'000'000'000'000;

// Where a command stands decides what it may be: a chord holds only notes
// and octave changes; a Div holds notes, rests, ties, chords and the
// commands that shape them.
enum class Context { Top, Chord, Div };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAlpha(char c) { return IsUpper(c) || (c >= 'a' && c <= 'z'); }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsSpace(char c) { return c == ' ' || c == '\t'; }

bool SameWord(std::string_view word, std::string_view name) {
  if (word.size() != name.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if ((word[i] | 0x20) != (name[i] | 0x20)) return false;
  return true;
}

struct LengthText {
  Length length;
  bool written = false;  // a number or dots followed the command
};

class Reader {
 public:
  Reader(std::string_view text, Reporter& reporter) : s_(text), reporter_(reporter) {
    // Every instruction begins at a byte of its own, so the list never
    // grows (growing would copy it, and a composer's long melody holds more
    // than one instruction in two bytes), while capacity never used costs
    // nothing.
    code_.reserve(text.size() + 16);
  }

  Program Read() {
    while (!reporter_.Full()) {
      SkipBlanks(true);
      if (AtEnd()) break;
      ReadCommand(Context::Top);
    }
    for (const size_t open : repeats_)
      Report(code_[open].pos, [] { return msg::MissingClose("[", "]"); });
    return {std::move(code_), notes_, std::move(partNames_)};
  }

 private:
  bool AtEnd() const { return p_ >= s_.size(); }
  char Peek(size_t ahead = 0) const { return p_ + ahead < s_.size() ? s_[p_ + ahead] : '\0'; }
  std::string_view Text(size_t from) const { return s_.substr(from, p_ - from); }

  template <class MakeMessage>
  void Report(size_t offset, MakeMessage&& make) {
    reporter_.Report(offset, std::forward<MakeMessage>(make));
  }

  size_t Emit(Op op, size_t from) {
    Instr& instr = code_.emplace_back(Instr{op});
    instr.pos = static_cast<uint32_t>(from);
    SetSize(instr, from);
    return code_.size() - 1;
  }
  // Messages quote a few characters at most, so a long Div is cut short.
  void SetSize(Instr& instr, size_t from) const { instr.size = static_cast<uint16_t>(std::min<size_t>(p_ - from, 0xFFFF)); }

  // Blanks, bar lines, statement ends and comments. Inside a chord or a Div
  // reading stops at a line break, so one missing closer costs one message
  // instead of swallowing the rest of the document.
  void SkipBlanks(bool acrossLines) {
    while (!AtEnd()) {
      const char c = s_[p_];
      if (IsSpace(c) || c == '|' || c == ';' || c == '\v' || c == '\f') {
        ++p_;
      } else if (IsLineBreak(c)) {
        if (!acrossLines) return;
        ++p_;
      } else if (c == '/' && Peek(1) == '/') {
        while (!AtEnd() && !IsLineBreak(s_[p_])) ++p_;
      } else if (c == '/' && Peek(1) == '*') {
        const size_t end = s_.find("*/", p_ + 2);
        if (end == std::string_view::npos) {
          Report(p_, [] { return msg::MissingClose("/*", "*/"); });
          p_ = s_.size();
          return;
        }
        p_ = end + 2;
      } else {
        return;
      }
    }
  }

  void SkipSpaces() {
    while (IsSpace(Peek())) ++p_;
  }

  bool ReadDigits(int64_t& value) {
    if (!IsDigit(Peek())) return false;
    value = 0;
    while (IsDigit(Peek())) {
      if (value < kSaturated) value = value * 10 + (s_[p_] - '0');
      ++p_;
    }
    return true;
  }

  bool ReadSigned(int64_t& value) {
    const bool negative = Peek() == '-';
    if (negative || Peek() == '+') ++p_;
    if (!ReadDigits(value)) return false;
    if (negative) value = -value;
    return true;
  }

  // One-letter commands with a number straight after them: o4, v100, @1.
  bool ReadValue(size_t start, int64_t low, int64_t high, int32_t& out) {
    ++p_;
    int64_t value = 0;
    if (!ReadDigits(value)) {
      Report(start, [&] { return msg::MissingNumber(Text(start)); });
      return false;
    }
    if (value < low || value > high) {
      Report(start, [&] { return msg::OutOfRange(Text(start), low, high); });
      return false;
    }
    out = static_cast<int32_t>(value);
    return true;
  }

  // An optional length: n (an n-th note) or %n (ticks), then dots. False
  // after reporting a mistake in it.
  bool ReadLength(size_t start, LengthText& out) {
    out = {};
    int64_t amount = kWholeNote;
    int64_t divisor = 1;
    bool number = true;
    if (Peek() == '%') {
      ++p_;
      if (!ReadDigits(amount)) {
        Report(start, [&] { return msg::MissingNumber(Text(start)); });
        return false;
      }
    } else {
      number = ReadDigits(divisor);
    }
    int dots = 0;
    for (; Peek() == '.'; ++p_) dots += dots < 255;
    out.written = number || dots > 0;
    if (!number) {
      out.length.dots = static_cast<uint8_t>(dots);
      return true;
    }
    if (amount == 0 || divisor == 0) {
      Report(start, [&] { return msg::ZeroLength(Text(start)); });
      return false;
    }
    const int64_t ticks = divisor > kWholeNote ? 0 : DottedTicks(amount, divisor, dots);
    if (ticks == 0 || ticks > kMaxTick) {
      const int64_t high = divisor > 1 ? kWholeNote : kMaxTick;
      Report(start, [&] { return msg::OutOfRange(Text(start), 1, high); });
      return false;
    }
    out.length.ticks = static_cast<int32_t>(ticks);
    return true;
  }

  // A length where a note, rest or tie may carry one; inside a chord or a
  // Div the group's own length rules.
  bool ReadItemLength(size_t start, Context context, Length& out) {
    // Most items carry none: that is found without a call to read one.
    if (!IsDigit(Peek()) && Peek() != '%' && Peek() != '.') {
      out = {};
      return true;
    }
    LengthText text;
    if (!ReadLength(start, text)) return false;
    if (text.written && context == Context::Chord) {
      Report(start, [&] { return msg::LengthInChord(Text(start)); });
      return false;
    }
    if (text.written && context == Context::Div) {
      Report(start, [&] { return msg::LengthInDiv(Text(start)); });
      return false;
    }
    out = text.length;
    return true;
  }

  // Reports a command that its context does not allow; false then.
  bool Allowed(size_t start, Context context, bool inChord, bool inDiv) {
    if (context == Context::Chord && !inChord) {
      Report(start, [&] { return msg::NotInChord(Text(start)); });
      return false;
    }
    if (context == Context::Div && !inDiv) {
      Report(start, [&] { return msg::NotInDiv(Text(start)); });
      return false;
    }
    return true;
  }

  // Reads one command at p_; true when it is an item that takes a share of
  // a Div (note, rest, tie, chord).
  bool ReadCommand(Context context) {
    const size_t start = p_;
    const char c = s_[p_];
    // Notes, the most common, before the jump on the others.
    if (c >= 'a' && c <= 'g') {
      ReadNote(start, context);
      return true;
    }
    switch (c) {
      case 'r':
      case '^': {
        ++p_;
        if (!Allowed(start, context, false, true)) return false;
        Length length;
        if (ReadItemLength(start, context, length)) code_[Emit(c == 'r' ? Op::Rest : Op::Tie, start)].SetLength(length);
        return true;
      }
      case '\'':  // in a chord, its closer is taken before a command is read
        ReadChord(start, context);
        return true;
      case 'o': {
        int32_t octave = 0;
        if (ReadValue(start, 0, 10, octave)) code_[Emit(Op::Octave, start)].a = octave;
        return false;
      }
      case '>':
      case '<':
        ++p_;
        Emit(c == '>' ? Op::OctaveUp : Op::OctaveDown, start);
        return false;
      case 'v':
      case 'q': {
        const bool velocity = c == 'v';
        int32_t value = 0;
        if (ReadValue(start, velocity ? 1 : 0, velocity ? 127 : 100, value) &&
            Allowed(start, context, false, true))
          code_[Emit(velocity ? Op::Velocity : Op::Gate, start)].a = value;
        return false;
      }
      case 'l': {
        ++p_;
        LengthText text;
        if (!ReadLength(start, text) || !Allowed(start, context, false, false)) return false;
        if (text.length.ticks == 0) {
          Report(start, [&] { return msg::MissingNumber(Text(start)); });
          return false;
        }
        code_[Emit(Op::DefaultLength, start)].a = text.length.ticks;
        return false;
      }
      case 't':
      case '@': {
        const bool tempo = c == 't';
        int32_t value = 0;
        if (ReadValue(start, tempo ? 4 : 1, tempo ? 999 : 128, value) && Allowed(start, context, false, false))
          code_[Emit(tempo ? Op::Tempo : Op::Program, start)].a = tempo ? value : value - 1;
        return false;
      }
      case 'p':
        ReadBend(start, context);
        return false;
      case '[':
      case ':':
      case ']':
        ++p_;
        if (Allowed(start, context, false, false)) ReadRepeatMark(start, c);
        return false;
      case '}':
      case ')':
        ++p_;
        Report(start, [&] { return msg::UnmatchedClose(Text(start)); });
        return false;
      default:
        break;
    }
    if (IsUpper(c)) return ReadWord(start, context);
    if (IsDigit(c)) {
      while (IsDigit(Peek()) || Peek() == '.') ++p_;
      Report(start, [&] { return msg::StrayNumber(Text(start)); });
      return false;
    }
    p_ += CharSize(s_, p_);
    Report(start, [&] { return msg::UnknownCommand(Text(start)); });
    return false;
  }

  void ReadNote(size_t start, Context context) {
    static constexpr int32_t kPitchClass[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    int32_t pitch = kPitchClass[s_[p_] - 'a'];
    ++p_;
    for (;; ++p_) {
      const char c = Peek();
      if (c != '+' && c != '#' && c != '-') break;
      // Far past any key already; keeps the sum small.
      if (pitch > -1000 && pitch < 1000) pitch += c == '-' ? -1 : 1;
    }
    Length length;
    if (!ReadItemLength(start, context, length)) return;
    const size_t at = Emit(Op::Note, start);
    ++notes_;
    code_[at].a = pitch;
    code_[at].SetLength(length);
  }

  // Chords and Divs close on the line they open on. Returns the number of
  // items read, or -1 after reporting the group unclosed or empty.
  int ReadGroup(size_t start, std::string_view opener, char closer, Context inside) {
    int items = 0;
    while (true) {
      SkipBlanks(false);
      if (AtEnd() || IsLineBreak(Peek())) {
        Report(start, [&] { return msg::MissingCloseOnLine(opener, std::string_view(&closer, 1)); });
        return -1;
      }
      if (Peek() == closer) {
        ++p_;
        break;
      }
      items += ReadCommand(inside);
    }
    if (items == 0) {
      Report(start, [&] { return msg::EmptyGroup(Text(start)); });
      return -1;
    }
    return items;
  }

  void ReadChord(size_t start, Context context) {
    ++p_;
    const size_t begin = Emit(Op::ChordBegin, start);
    if (ReadGroup(start, "'", '\'', Context::Chord) > 0) {
      Length length;
      if (ReadItemLength(start, context, length)) code_[begin].SetLength(length);
    }
    SetSize(code_[begin], start);
    Emit(Op::ChordEnd, start);
  }

  void ReadDiv(size_t start) {
    SkipSpaces();
    if (Peek() != '{') {
      Report(start, [&] { return msg::DivWithoutBrace(); });
      return;
    }
    ++p_;
    const size_t begin = Emit(Op::DivBegin, start);
    const int items = ReadGroup(start, "Div{", '}', Context::Div);
    if (items > 0) {
      Length length;
      if (ReadItemLength(start, Context::Top, length)) code_[begin].SetLength(length);
    }
    code_[begin].a = items;
    SetSize(code_[begin], start);
  }

  void ReadRepeatMark(size_t start, char c) {
    if (c == '[') {
      int64_t count = 2;
      if (ReadDigits(count) && (count < 1 || count > kMaxRepeat)) {
        Report(start, [&] { return msg::OutOfRange(Text(start), 1, kMaxRepeat); });
        count = 1;
      }
      if (repeats_.size() == kMaxNesting) Report(start, [] { return msg::NestingTooDeep(kMaxNesting); });
      repeats_.push_back(code_.size());
      code_[Emit(Op::RepeatBegin, start)].a = static_cast<int32_t>(count);
    } else if (repeats_.empty()) {
      Report(start, [&] { return c == ':' ? msg::BreakOutsideRepeat() : msg::UnmatchedClose(Text(start)); });
    } else if (c == ':') {
      code_[Emit(Op::RepeatBreak, start)].b = static_cast<int32_t>(repeats_.back());
    } else {
      const size_t begin = repeats_.back();
      repeats_.pop_back();
      const size_t end = Emit(Op::RepeatEnd, start);
      code_[end].b = static_cast<int32_t>(begin);
      code_[begin].b = static_cast<int32_t>(end);
    }
  }

  // Words: Div{...}, Tempo, Channel and Voice with "=n" or "(n)", and
  // Meter with "=n/d" or "(n/d)". The
  // header's numbers are the user's field texts copied in, so anything may
  // stand where the number belongs.
  bool ReadWord(size_t start, Context context) {
    while (IsAlpha(Peek())) ++p_;
    const std::string_view word = Text(start);
    if (SameWord(word, "Div")) {
      if (!Allowed(start, context, false, false)) return false;
      ReadDiv(start);
      return false;
    }
    if (SameWord(word, "Part")) {
      if (Allowed(start, context, false, false)) ReadPart(start);
      return false;
    }
    Op op = Op::Tempo;
    int64_t low = 1;
    int64_t high = 0;
    if (SameWord(word, "Tempo")) {
      low = 4;
      high = 999;
    } else if (SameWord(word, "Channel")) {
      op = Op::Channel;
      high = 16;
    } else if (SameWord(word, "Voice")) {
      op = Op::Program;
      high = 128;
    } else if (SameWord(word, "Meter")) {
      op = Op::Meter;
      high = 255;
    } else {
      Report(start, [&] { return msg::UnknownCommand(word); });
      return false;
    }
    if (!Allowed(start, context, false, false)) return false;
    SkipSpaces();
    const char form = Peek();
    if (form != '=' && form != '(') {
      Report(start, [&] { return msg::WordSyntax(word); });
      return false;
    }
    ++p_;
    const std::string_view command = Text(start);
    SkipSpaces();
    const size_t argument = p_;
    while (!AtEnd() && !IsSpace(Peek()) && !IsLineBreak(Peek()) && Peek() != ';' && Peek() != ')' &&
           Peek() != '|')
      p_ += CharSize(s_, p_);
    const std::string_view text = Text(argument);
    int64_t value = 0, denominator = 0;
    p_ = argument;
    bool number = ReadSigned(value);
    if (op == Op::Meter) number = number && Peek() == '/' && (++p_, ReadDigits(denominator));
    number = number && p_ == argument + text.size();
    p_ = argument + text.size();
    if (text.empty()) {
      Report(start, [&] { return msg::MissingNumber(command); });
      return false;
    }
    if (op == Op::Meter) {
      int power = 0;
      while (power < 6 && (int64_t{1} << power) < denominator) ++power;
      if (!number || value < low || value > high || denominator != (int64_t{1} << power)) {
        Report(argument, [&] { return msg::MeterSyntax(text); });
        return false;
      }
      denominator = power;
    }
    if (!number) {
      Report(argument, [&] { return msg::NotANumber(text, command); });
      return false;
    }
    if (form == '(') {
      SkipSpaces();
      if (Peek() != ')') {
        Report(start, [&] { return msg::MissingClose(command, ")"); });
        return false;
      }
      ++p_;
    }
    if (value < low || value > high) {
      Report(start, [&] { return msg::OutOfRange(Text(start), low, high); });
      return false;
    }
    Instr& instr = code_[Emit(op, start)];
    instr.a = static_cast<int32_t>(op == Op::Tempo || op == Op::Meter ? value : value - 1);
    instr.b = static_cast<int32_t>(denominator);
    return false;
  }

  // Part(name): a new part from time zero. The name runs to the ")" on the
  // same line, blanks around it dropped.
  void ReadPart(size_t start) {
    SkipSpaces();
    if (Peek() != '(') {
      Report(start, [] { return msg::PartSyntax(); });
      return;
    }
    ++p_;
    size_t from = p_;
    while (!AtEnd() && !IsLineBreak(Peek()) && Peek() != ')') p_ += CharSize(s_, p_);
    if (Peek() != ')') {
      Report(start, [] { return msg::MissingCloseOnLine("Part(", ")"); });
      return;
    }
    size_t to = p_;
    ++p_;
    while (from < to && IsSpace(s_[from])) ++from;
    while (to > from && IsSpace(s_[to - 1])) --to;
    const std::string_view name = s_.substr(from, to - from);
    if (name.empty()) {
      Report(start, [] { return msg::PartSyntax(); });
    } else if (name.size() > kMaxPartName) {
      Report(start, [] { return msg::PartNameTooLong(kMaxPartName); });
    } else if (!repeats_.empty()) {
      Report(start, [] { return msg::PartInRepeat(); });
    } else if (partNames_.size() == kMaxParts) {
      Report(start, [] { return msg::TooManyParts(kMaxParts - 1); });
    } else {
      if (partNames_.empty()) partNames_.emplace_back();
      code_[Emit(Op::Part, start)].a = static_cast<int32_t>(partNames_.size());
      partNames_.push_back(name);
    }
  }

  // p%n sets the bend; p%.T(from,to,!n) sweeps it over a length.
  void ReadBend(size_t start, Context context) {
    ++p_;
    if (!Allowed(start, context, false, false)) return;
    if (Peek() != '%') {
      Report(start, [&] { return msg::BendSyntax(Text(start)); });
      return;
    }
    ++p_;
    int64_t from = 0;
    if (Peek() != '.') {
      if (!ReadSigned(from)) {
        Report(start, [&] { return msg::BendSyntax(Text(start)); });
      } else if (from < -8192 || from > 8191) {
        Report(start, [&] { return msg::OutOfRange(Text(start), -8192, 8191); });
      } else {
        code_[Emit(Op::Bend, start)].a = static_cast<int32_t>(from);
      }
      return;
    }
    ++p_;
    int64_t to = 0;
    int64_t ticks = 0;
    if (ReadSweep(start, from, to, ticks)) {
      const size_t at = Emit(Op::BendSweep, start);
      code_[at].a = static_cast<int32_t>(from);
      code_[at].b = static_cast<int32_t>(to);
      code_[at].ticks = static_cast<int32_t>(ticks);
      return;
    }
    // Go on after the parenthesis, if the line has one.
    while (!AtEnd() && !IsLineBreak(Peek()) && Peek() != ')') ++p_;
    if (Peek() == ')') ++p_;
  }

  bool ReadSweep(size_t start, int64_t& from, int64_t& to, int64_t& ticks) {
    auto syntax = [&] {
      Report(start, [&] { return msg::BendSyntax(Text(start)); });
      return false;
    };
    if (Peek() != 'T') return syntax();
    ++p_;
    SkipSpaces();
    if (Peek() != '(') return syntax();
    ++p_;
    for (int64_t* value : {&from, &to}) {
      SkipSpaces();
      const size_t number = p_;
      if (!ReadSigned(*value)) return syntax();
      if (*value < -8192 || *value > 8191) {
        Report(number, [&] { return msg::OutOfRange(Text(number), -8192, 8191); });
        return false;
      }
      SkipSpaces();
      if (Peek() != ',') return syntax();
      ++p_;
    }
    SkipSpaces();
    const size_t lengthStart = p_;
    if (Peek() == '!' && IsDigit(Peek(1))) {
      ++p_;
    } else if (Peek() != '%') {
      while (!AtEnd() && !IsLineBreak(Peek()) && Peek() != ')') ++p_;
      Report(lengthStart, [&] { return msg::SweepLength(Text(lengthStart)); });
      return false;
    }
    LengthText length;
    if (!ReadLength(lengthStart, length)) return false;
    ticks = length.length.ticks;
    SkipSpaces();
    if (Peek() != ')') {
      Report(start, [&] { return msg::MissingClose("p%.T(", ")"); });
      return false;
    }
    ++p_;
    return true;
  }

  std::string_view s_;
  Reporter& reporter_;
  size_t p_ = 0;
  std::vector<Instr> code_;
  size_t notes_ = 0;
  std::vector<size_t> repeats_;  // open RepeatBegin instructions
  std::vector<std::string_view> partNames_;
};

}  // namespace

Program ReadMml(std::string_view mml, Reporter& reporter) { return Reader(mml, reporter).Read(); }

}  // namespace dvorlin
