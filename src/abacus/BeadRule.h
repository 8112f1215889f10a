#pragma once

#include <string>

// The bead rules (珠算口诀) a child recites while moving beads, and the names
// of the rods, in UTF-8.
namespace BeadRule {

// The four groups in which children learn the rules, in that order.
enum class Group {
    Direct,  // 直加, 直减: 三上三, 五上五, 三下三
    Five,    // 满五加, 破五减: 三下五去二, 三上二去五
    Ten,     // 进十加, 退十减: 七去三进一, 四退一还六
    Mixed,   // 破五进十加, 退十还五减: 六上一去五进一, 六退一还五去一
};

// Which group the rule for adding (change 1 to 9) or taking away (change -1
// to -9) one digit on a rod showing `digit` (0 to 9) belongs to.
Group GroupOf(int digit, int change);

// That rule's words: "三下五去二", "七去三进一", "四退一还六". A carry or
// borrow it names (进一, 退一) is the next rod's step.
std::string Words(int digit, int change);

// The name of a rod by its place counted from the units rod (0): "个位",
// "十位", ... "亿位", "十亿位", on to "万亿亿位" for the 21st rod.
std::string Place(int place);

}  // namespace BeadRule
