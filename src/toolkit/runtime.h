// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Numeric services the event procedures are written with.
namespace toolkit {

// The largest whole number not greater than x.
double Int(double x);

// Number of characters of a text (one byte per Windows-1252 character).
int Len(std::string_view text);

// Number of characters of a whole number's shortest decimal text: Len(5) is 1, Len(24) is 2.
int Len(long long number);

// The number formed by the text's leading decimal digits; a text that does not start with a
// digit, the empty text included, gives 0. Never fails: a digit string too long for a double
// saturates at a finite ceiling far above any answer.
double Val(std::string_view text);

} // namespace toolkit
