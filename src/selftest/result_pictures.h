#pragma once

// The pictures of the result window, files of the tp folder. The window and the
// artwork tool read this one table.
namespace ResultPictures {
struct Picture {
    const char* normal;
    const char* hover;
    const char* pressed;
    int width;
    int height;
    const char* caption; // drawn into the picture
};

inline constexpr Picture kClose{"gb-1.bmp", "gb-2.bmp", "gb-3.bmp", 95, 25, "关闭"};
// The strip under the page.
inline constexpr int kStripHeight = 41;
}
