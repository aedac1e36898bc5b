#pragma once

#include "support/FakeFileDialogs.h"

#include <QString>

#include <random>

// File dialogs that choose at random as a player might: for opening, a list file in the home
// folder, the settings file, a file that is no list, a path that does not exist, a folder, or
// cancel; for saving, a new name, a name already taken, or cancel. The dialogs shown are recorded
// in the fake.
class MonkeyFileDialogs final : public FileDialogs
{
public:
    MonkeyFileDialogs(std::mt19937_64 &engine, QString home);

    std::optional<QString> getOpenFileName(const Options &options) override;
    std::optional<QString> getSaveFileName(const Options &options) override;

    // Puts the files the open dialog offers besides the lists back in place.
    void restoreFixtures() const;

    FakeFileDialogs record;
    long long opened = 0;
    long long saved = 0;

private:
    QString anyExistingList() const;
    int below(int count) { return int(m_engine() % unsigned(count)); }

    std::mt19937_64 &m_engine;
    QString m_home;
    int m_saved = 0;
};
