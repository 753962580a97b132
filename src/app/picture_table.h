#pragma once
#include <array>
#include <cctype>
#include <string>

// Every picture button of the practice window: where it sits, the files it shows
// and the handler it starts. The window, the artwork tool and the tests read this
// one table.
namespace PictureTable {
enum class Bar { Title, Toolbar, PageBar };

struct Entry {
    Bar bar;
    const char* name;    // objectName of the picture
    const char* stem;    // file stem under tp/
    const char* caption; // the caption drawn on the picture; empty for title glyphs
    int left;            // title strip and page bar; the toolbar lines its pictures up
    int width;
    bool shown;          // shown when the window opens
    const char* handler; // the handler a click starts
};

inline constexpr Entry kEntries[] = {
    {Bar::Title, "NewImage9", "MinBtn", "", 911, 31, true, "Image4Click"},
    {Bar::Title, "NewImage8", "MaxBtn", "", 940, 31, true, "Image6Click"},
    {Bar::Title, "NewImage19", "resBtn", "", 940, 31, false, "Image6Click"},
    {Bar::Title, "NewImage7", "CloseBtn", "", 969, 45, true, "tcxtClick"},

    {Bar::Toolbar, "gjst", "kstk", "考试题库", 0, 63, true, "gjstClick"},
    {Bar::Toolbar, "NewImage1", "wdsc", "我的收藏", 0, 58, true, "NewImage1Click"},
    {Bar::Toolbar, "rjdh", "rjdh", "人机对话", 0, 58, true, "rjdhClick"},
    {Bar::Toolbar, "NewImage6", "mnkc", "模拟考场", 0, 58, true, "NewImage6Click"},
    {Bar::Toolbar, "NewImage20", "cttk", "错题题库", 0, 58, true, "NewImage20Click"},
    {Bar::Toolbar, "NewImage4", "sjbf", "数据备份", 0, 58, true, "NewImage4Click"},
    {Bar::Toolbar, "NewImage2", "sjhy", "数据还原", 0, 58, true, "NewImage2Click"},
    {Bar::Toolbar, "rjsj", "rjsj", "软件升级", 0, 58, true, "rjsjClick"},
    {Bar::Toolbar, "zxkf", "zxkf", "在线客服", 0, 58, true, "zxkfClick"},
    {Bar::Toolbar, "zxsc", "zxsc", "在线商城", 0, 58, true, "zxscClick"},
    {Bar::Toolbar, "sybz", "sybz", "使用帮助", 0, 58, true, "sybzClick"},

    {Bar::PageBar, "NewImage10", "xsda", "显示答案", 30, 95, true, "NewImage10Click"},
    {Bar::PageBar, "NewImage16", "ycda", "隐藏答案", 29, 95, false, "NewImage16Click"},
    {Bar::PageBar, "NewImage11", "cxdt", "重新答题", 147, 95, true, "NewImage11Click"},
    {Bar::PageBar, "NewImage12", "tjsj", "提交试卷", 261, 95, true, "BitBtn1Click"},
    {Bar::PageBar, "NewImage14", "da", "放大", 466, 76, true, "SpeedButton2Click"},
    {Bar::PageBar, "NewImage15", "xiao", "缩小", 561, 76, true, "SpeedButton3Click"},
    {Bar::PageBar, "NewImage17", "qpxs", "全屏", 648, 76, true, "NewImage17Click"},
    {Bar::PageBar, "NewImage18", "ckxs", "退出", 649, 76, false, "NewImage18Click"},
    // The study record sits in the free gap before the font tools; the bar's right
    // end, which only a maximized window widens, is left to the search field.
    {Bar::PageBar, "NewImage21", "xxjl", "学习记录", 368, 86, true, "NewImage21Click"},
};

struct Geometry {
    int top;
    int height;
};

inline constexpr Geometry geometryOf(Bar bar)
{
    return bar == Bar::Title ? Geometry{-2, 33} : bar == Bar::Toolbar ? Geometry{0, 64} : Geometry{3, 25};
}

// The normal, hover and pressed files, as the program asks for them ("/tp/KSTK-2.jpg").
inline std::array<std::string, 3> files(const Entry& entry)
{
    const std::string ext = entry.bar == Bar::Toolbar ? ".jpg" : ".bmp";
    std::array<std::string, 3> names;
    for (int state = 0; state < 3; ++state) {
        std::string stem = entry.stem;
        // The first toolbar picture asks for its hover and pressed files in upper case.
        if (stem == "kstk" && state > 0)
            for (char& c : stem)
                c = char(std::toupper(static_cast<unsigned char>(c)));
        // "数据还原" keeps its normal picture while pressed.
        const int number = stem == "sjhy" && state == 2 ? 1 : state + 1;
        names[state] = "/tp/" + stem + "-" + std::to_string(number) + ext;
    }
    return names;
}
}
