#pragma once

#include "spelling/SpellingTestView.h"

// Keeps what the test last showed.
class FakeSpellingTestView final : public SpellingTestView
{
public:
    void showWordNumber(const QString &text) override { number = text; }
    void showPrompt(const QString &text) override { prompt = text; }
    void showFeedback(const QString &text, const QList<SpellingMarking::Cell> &marked,
        const QString &said) override
    {
        feedback = text;
        cells = marked;
        description = said;
    }
    void clearAnswer() override { ++clears; }
    void showEnd(const QString &text, const QStringList &words) override
    {
        score = text;
        missed = words;
    }

    QString number;
    QString prompt;
    QString feedback;
    QList<SpellingMarking::Cell> cells;
    QString description;
    int clears = 0;
    QString score;
    QStringList missed;
};
