#pragma once
#include "support/test_folder.h"

// A bank for whole exams: singles 1–3 (options 101…, 111…, 121…; question 1 with a
// picture), multiples 4–7 (131…, 141…, 151…, 161…), cases 8 and 9/10 (171…, 181…, 191…),
// matching groups 12 and 13–15 (four choices). A later type of the paper steps over the
// first candidate of its list, so a full paper is 1–3, 5–7, 7.1/7.2 (questions 9, 10), 8 (group 6).
inline QString examBank(const QString& counts)
{
    using namespace fixture;
    return types() + node(1, "根", 0, 1) + node(2, "节", 1, 2) + node(3, "章", 2, 3)
        + group(1, 3, 3) + question(1, 1, "单一", "A", "pic/x.png") + question(2, 1, "单二", "B") + question(3, 1, "单三", "C")
        + options(101, 1, 5) + options(111, 2, 5) + options(121, 3, 5)
        + group(2, 3, 6) + question(4, 2, "多零", "AB") + question(5, 2, "多一", "AC") + question(6, 2, "多二", "BD")
        + question(7, 2, "多三", "ACE") + options(131, 4, 5) + options(141, 5, 5) + options(151, 6, 5) + options(161, 7, 5)
        + group(3, 3, 10, "案例零") + item(8, 3, 1, "零一", "A") + options(171, 8, 5)
        + group(4, 3, 10, "案例甲") + item(9, 4, 1, "甲一", "AB") + item(10, 4, 2, "甲二", "C") + options(181, 9, 5) + options(191, 10, 5)
        + group(5, 3, 11, "配伍零", 3) + item(12, 5, 1, "零项", "A")
        + group(6, 3, 11, "配伍乙", 4) + item(13, 6, 1, "乙一", "A") + item(14, 6, 2, "乙二", "B") + item(15, 6, 3, "乙三", "C")
        + counts;
}
