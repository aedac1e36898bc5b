#pragma once

#include <QString>

// The class record dialog as its rules see it.
class ClassRecordSetupView
{
public:
    virtual ~ClassRecordSetupView() = default;

    virtual void showSettings(
        const QString &service, const QString &teacherService, const QString &computer)
        = 0;
    // The name the rounds go under when the computer's name is left empty.
    virtual void showDefaultComputer(const QString &name) = 0;
    // While a test of the connection runs, the button that starts one is off.
    virtual void showTesting(bool testing) = 0;
    // How this computer's rounds stand: how many wait, since when and why.
    virtual void showWaiting(const QString &text) = 0;
    // What the test found, or why the settings cannot be kept, in words.
    virtual void showOutcome(const QString &text, bool good) = 0;
};
