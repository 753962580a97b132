#pragma once
#include <QString>

// Scripts and font steps of the page bar.
namespace PageTools {
// Clicks every show-answer button whose caption is the given one (ids xs1 to xs10000).
QString answersScript(const QString& caption);
QString showAllScript();
QString hideAllScript();

// One press of "放大" or "缩小": the new level, the font size to apply (0 for none)
// and the message to show (empty for none).
struct FontStep {
    int level = 0;
    int fontSize = 0;
    QString message;
};
FontStep largerFont(int level);
FontStep smallerFont(int level);
}
