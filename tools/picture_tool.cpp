#include "picture_tool.h"
#include <QDir>
#include <QFontDatabase>
#include <cstdio>

namespace PictureTool {
void prepareHeadless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int outputFolder(int argc, char** argv, const char* tool, const char* sub, QString& folder)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", tool);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder + QLatin1Char('/') + QString::fromLatin1(sub))) {
        std::fprintf(stderr, "%s: cannot create %s/%s\n", tool, qPrintable(folder), sub);
        return 1;
    }
    return 0;
}

void ensureFont(const char* tool)
{
    if (QFontDatabase::families().contains(QString::fromLatin1(kFamily)))
        return;
    for (const char* path : {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", "/usr/share/fonts/wqy-zenhei/wqy-zenhei.ttc"})
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(path)) >= 0)
            return;
    std::fprintf(stderr, "%s: warning: font \"%s\" not found, using a fallback\n", tool, kFamily);
}

QFont font(int pixelSize, bool bold)
{
    QFont f{QString::fromLatin1(kFamily)};
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

bool write(const QImage& image, const QString& path, const char* tool, int jpegQuality)
{
    // Opaque RGB, so that no writer has to deal with alpha.
    const QImage flat = image.convertToFormat(QImage::Format_RGB32);
    const bool ok = path.endsWith(QLatin1String(".jpg"))   ? flat.save(path, "JPEG", jpegQuality)
                    : path.endsWith(QLatin1String(".png")) ? flat.save(path, "PNG")
                                                           : flat.save(path, "BMP");
    if (!ok)
        std::fprintf(stderr, "%s: cannot write %s\n", tool, qPrintable(path));
    return ok;
}
}
