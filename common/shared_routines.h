// Small shared string and number routines of the code module. Strings are 1-based in
// the positions these routines take, as the rest of the program counts them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace AvcalcMod {

// Numeric value of up to `length` characters from `start`, read leniently; 0 when
// start < 1, length < 1, the substring is empty or the number does not fit.
double MidVal(std::string_view text, std::int32_t start, std::int32_t length);

// The text without its last n characters; empty when n exceeds the length.
std::string DropRight(std::string_view text, std::int32_t n);

// Next value of the program's pseudo-random sequence scaled to low..high inclusive.
// Empty when high - low + 1 overflows.
std::optional<std::int32_t> RandomBetween(std::int32_t low, std::int32_t high);
// Next value of the sequence, 0 <= r < 1, as a single.
float NextRandom();
// Re-seeds the sequence from the clock, or from a given seed.
void Randomize();
void Randomize(std::uint32_t seed);
// Where the sequence starts before any seeding.
inline constexpr std::uint32_t InitialRandomState = 0x50000;
// Tests: Randomize() takes this seed instead of the clock (empty: the clock again), so a
// window painted in a test always gets the same gradient style.
void FixClockSeed(std::optional<std::uint32_t> seed);

// 1-based position of the first occurrence of pattern in text, letter case ignored;
// 0 when there is none or the text is empty.
std::int32_t InStrNoCase(std::string_view text, std::string_view pattern);

// The number in plain decimal form without the blank before non-negative numbers and
// without a zero before the point (".5", "-3", "1E+20").
std::string TrimmedStr(double number);
std::string TrimmedStr(float number);
std::string TrimmedStr(std::int32_t number);

// Single-byte code (0..255) of the character at a 1-based position; 0 outside the text.
std::int32_t CharCode(std::string_view text, std::int32_t position);

// True when low < value < high.
bool IsBetween(std::int32_t value, std::int32_t low, std::int32_t high);

// (index + 1) * step + offset in 32-bit arithmetic; empty on overflow.
std::optional<std::int32_t> GridPosition(std::int32_t index, std::int32_t step,
                                         std::int32_t offset);

// What a paste types: the clipboard's text up to its first line break, at most
// MaxPastedLength characters of it, without control characters (a pasted Esc or
// Backspace is no key press).
inline constexpr std::size_t MaxPastedLength = 1000;
std::string PastedText(std::string_view clipboard);

// Lower case of one single-byte (Windows-1252) character.
char LowerChar(char c);
char UpperChar(char c);
std::string Lower(std::string_view text);
std::string Upper(std::string_view text);

}  // namespace AvcalcMod
