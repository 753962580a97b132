#pragma once

// The pictures of the exam screens, files of the tp folder. The windows and the
// artwork tool read this one table.
namespace ExamPictures {
struct Picture {
    const char* file;
    int width;
    int height;
    const char* caption; // drawn into the picture; empty for plain artwork
};

// Login screen.
inline constexpr Picture kLoginBackground{"dl-bg.jpg", 1024, 768, ""};
inline constexpr Picture kLoginBanner{"dl-banner.jpg", 606, 96, ""};
inline constexpr Picture kLoginLeft{"dl-left.jpg", 293, 190, ""};
inline constexpr Picture kLoginRight{"dl-right.jpg", 293, 190, ""};

// Candidate screen.
inline constexpr Picture kCandidateBackground{"kq-bg.jpg", 1024, 768, ""};
inline constexpr Picture kCandidatePanel{"kq-panel.jpg", 440, 420, ""};
inline constexpr Picture kCandidateTop{"kq-pic1.jpg", 200, 200, ""};
inline constexpr Picture kCandidateBottom{"kq-pic2.jpg", 200, 200, ""};
inline constexpr Picture kRelogin{"kq-cxdl.bmp", 100, 36, "重新登录"};
inline constexpr Picture kStartExam{"kq-ksks.bmp", 100, 36, "开始考试"};

// Exam window.
inline constexpr Picture kPrevious{"kc-syt.bmp", 113, 45, "上一题"};
inline constexpr Picture kNext{"kc-xyt.bmp", 113, 45, "下一题"};
inline constexpr Picture kCalculator{"kc-jsq.bmp", 113, 45, "计算器"};
inline constexpr Picture kSubmit{"kc-jj.bmp", 113, 45, "交 卷"};
}
