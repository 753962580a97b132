#pragma once
#include "exam/draw_source.h"
#include <QList>

// Gives the draws a test asks for, then 0; a step of 1 allows only 0 and takes nothing from the list.
class ScriptedDraws : public DrawSource {
public:
    explicit ScriptedDraws(QList<int> draws = {}) : draws_(std::move(draws)) {}
    int draw(int step) override
    {
        if (step <= 1 || draws_.isEmpty())
            return 0;
        return draws_.takeFirst();
    }

private:
    QList<int> draws_;
};
