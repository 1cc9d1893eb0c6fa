// Every message the compiler gives, in Japanese. Results are CP932; the
// texts passed in are the MML's own bytes (CP932) and are quoted as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace dvorlin::msg {

std::string Place(int line, int column);

// Reading the MML.
std::string TextTooLong(size_t megabytes);
std::string UnknownCommand(std::string_view token);
std::string StrayNumber(std::string_view token);
std::string MissingNumber(std::string_view command);
std::string NotANumber(std::string_view token, std::string_view command);
std::string OutOfRange(std::string_view token, int64_t low, int64_t high);
std::string ZeroLength(std::string_view token);
std::string MissingClose(std::string_view opener, std::string_view closer);
std::string MissingCloseOnLine(std::string_view opener, std::string_view closer);
std::string UnmatchedClose(std::string_view closer);
std::string NotInChord(std::string_view token);
std::string NotInDiv(std::string_view token);
std::string LengthInChord(std::string_view token);
std::string LengthInDiv(std::string_view token);
std::string EmptyGroup(std::string_view group);
std::string BreakOutsideRepeat();
std::string WordSyntax(std::string_view word);
std::string DivWithoutBrace();
std::string BendSyntax(std::string_view token);
std::string MeterSyntax(std::string_view token);
std::string SweepLength(std::string_view token);
std::string NestingTooDeep(int limit);
std::string PartSyntax();
std::string PartInRepeat();
std::string PartNameTooLong(size_t limit);
std::string TooManyParts(size_t limit);

// Playing it.
std::string KeyOutOfRange(std::string_view token, int64_t octave, int64_t key);
std::string DivTooShort(std::string_view token, int64_t ticks, int items);
std::string TooManyEvents(int limit);
std::string TooLong();
std::string TooMuchWork(int64_t limit);

// The C functions.
std::string NoMml();
std::string NoPath();
std::string NoBuffer();
std::string CannotWrite(int error);
std::string OutOfMemory();
std::string InternalError(std::string_view what);
// For a failure that reached the C boundary: out of memory for
// std::bad_alloc, else an internal error quoting its text. Empty when not
// even that could be made.
std::string ForException(std::exception_ptr error) noexcept;

}  // namespace dvorlin::msg
