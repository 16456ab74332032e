#pragma once

// What a text box keeps of the text typed or pasted into it. A box shows
// what it holds in its own face, and what it holds reads as it shows:
// - every decimal digit of any script (Unicode Nd) becomes the ASCII digit
//   of its value ("३००" is "300"); a full-width, half-width or small form
//   becomes the character it is a form of ("１ｅ３" is "1e3", "－５" is "-5",
//   "１．５" is "1.5"), and the minus sign U+2212 an ASCII '-'. No other
//   compatibility form is folded: "10²" is not "102", nor "½" "1/2";
// - what a number has no use for and would hide what the box holds is kept
//   out: default-ignorable code points (zero-width spaces and joiners,
//   variation selectors, Hangul fillers, bidirectional controls), combining
//   marks, controls, format characters, unpaired surrogates and the Hangul
//   jamo that join into a syllable;
// - what shows as a blank (every White_Space character, the braille blank,
//   the object replacement character) becomes a space.
// Every character left draws by itself, so a box counts its characters as
// code points.

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

std::u16string cleanBoxText(std::u16string_view text);

// The characters of cleaned text, and where the first `count` of them end
// (in UTF-16 code units), so that a cut never splits a surrogate pair.
std::size_t characterCount(std::u16string_view cleaned);
std::size_t characterBoundary(std::u16string_view cleaned, std::size_t count);

} // namespace core
