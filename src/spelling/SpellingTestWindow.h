#pragma once

#include "platform/Services.h"
#include "spelling/SpellingTest.h"
#include "spelling/SpellingTestView.h"
#include "ui/FileExport.h"

#include <QWidget>

#include <optional>

class Clock;
class PracticeRecordStore;
class QLabel;
class QLineEdit;
class QPushButton;

// A spelling test in a window of its own beside the game: the word is heard, typed whole and
// marked. It deletes itself when closed; the answers given are kept already.
class SpellingTestWindow : public QWidget, public SpellingTestView
{
    Q_OBJECT

public:
    SpellingTestWindow(SpellingTest::Setup setup, const Services &services,
        PracticeRecordStore &record, const Clock &clock, QWidget *parent = nullptr);

    const SpellingTest &test() const { return *m_test; }
    // The result as a one-page PDF, written whole; false (and said) when it could not be.
    bool writePdf(const QString &path);

    // The controls, for tests.
    QLineEdit *answerEdit() const { return m_answer; }
    QLabel *markingLabel() const { return m_marking; }
    QPushButton *sayAgainButton() const { return m_sayAgain; }
    QPushButton *printButton() const { return m_print; }

    // SpellingTestView
    void showWordNumber(const QString &text) override;
    void showPrompt(const QString &text) override;
    void showFeedback(const QString &text, const QList<SpellingMarking::Cell> &cells,
        const QString &description) override;
    void clearAnswer() override;
    void showEnd(const QString &score, const QStringList &missed) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void print();
    // Tells the failure, if any; true when there was none.
    bool said(const FileExport::Failure &failure);

    Services m_services;
    std::optional<SpellingTest> m_test;

    QLabel *m_number = nullptr;
    QLabel *m_feedback = nullptr;
    QLabel *m_marking = nullptr;
    QLabel *m_legend = nullptr;
    QLabel *m_prompt = nullptr;
    QLineEdit *m_answer = nullptr;
    QPushButton *m_sayAgain = nullptr;
    QLabel *m_score = nullptr;
    QLabel *m_missed = nullptr;
    QPushButton *m_print = nullptr;
};
