#pragma once

#include "abacus/AbacusObserver.h"

#include <string>

// The lines that explain an animation, in UTF-8, as the main window's status
// line shows them.

// "十位 加3：三下五去二", "十位 进一：一上一", "个位 减4：四退一还六",
// "十位 退一：一下一"; a rod that goes straight to a digit: "万位 拨成7".
std::string StepLine(const RodStep& step);

// "58 + 47 = 105", "52 − 3 = 49" (with the minus sign U+2212), and where the
// rods show something else, what they show: "3 − 5 = −2，算盘上显示不出负数",
// "0 − 23 = −23，算盘上是它的补数 9999999977",
// "99999 + 1 = 100000，算盘上只留下 00000".
std::string SumLine(const AbacusSum& sum);
