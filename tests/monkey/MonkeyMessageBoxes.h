#pragma once

#include "support/FakeMessageBoxes.h"

#include <random>

// Answers every question at random, except the quit question: Yes there would end the event loop
// the test runs in, so a restart of the program stands in for it. The boxes shown are recorded
// in the fake.
class MonkeyMessageBoxes final : public MessageBoxes
{
public:
    explicit MonkeyMessageBoxes(std::mt19937_64 &engine)
        : m_engine(engine)
    {
    }

    void inform(const QString &text, const QString &title, Icon icon) override
    {
        ++informed;
        record.inform(text, title, icon);
    }
    Answer ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer) override
    {
        ++asked;
        const bool quit = text == QStringLiteral("Do you want to quit?");
        record.answers = {quit || m_engine() % 2 ? Answer::No : Answer::Yes};
        return record.ask(text, title, icon, defaultAnswer);
    }

    std::optional<QString> askText(
        const QString &text, const QString &title, const QString &suggested) override
    {
        ++asked;
        // The suggestion taken, or the box cancelled.
        record.texts.clear();
        if (m_engine() % 2)
            record.texts.append(std::nullopt);
        return record.askText(text, title, suggested);
    }

    FakeMessageBoxes record;
    long long informed = 0;
    long long asked = 0;

private:
    std::mt19937_64 &m_engine;
};
