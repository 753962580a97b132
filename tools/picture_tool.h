#pragma once
#include <QFont>
#include <QImage>
#include <QString>

// The start shared by the build-time picture tools: a headless application,
// the CJK font and the output folder.
namespace PictureTool {
inline constexpr char kFamily[] = "WenQuanYi Zen Hei";

// Call before the application object exists: the tools run during headless builds.
void prepareHeadless();
// Creates OUTDIR/sub from the command line into folder; returns 0, or the exit status after a message.
int outputFolder(int argc, char** argv, const char* tool, const char* sub, QString& folder);
void ensureFont(const char* tool);
// The CJK font at a pixel size, antialiased.
QFont font(int pixelSize, bool bold = false);
// Writes image flattened to opaque RGB, in the format its name ends in (.jpg, .png,
// else BMP); false after a message naming tool when the file cannot be written.
bool write(const QImage& image, const QString& path, const char* tool, int jpegQuality);
}
