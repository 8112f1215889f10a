#pragma once

#include <cstdint>
#include <string>

// A whole number as it is said in Mandarin, in UTF-8 Chinese numerals:
// 305 三百零五, 1010 一千零一十, 22222 两万二千二百二十二, 100000 十万.
// Speech engines misread Arabic digits, so whatever is spoken passes through here.
// Throws std::out_of_range outside 0 to 99,999,999 (亿 and beyond are never said).
std::string ChineseNumber(std::int64_t number);
