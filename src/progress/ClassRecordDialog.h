#pragma once

#include "progress/ClassRecordSetupView.h"

#include <QDialog>

class ClassRecordSetup;
class QLabel;
class QLineEdit;
class QPushButton;

// "Class Record...": the service names (the room's, and the teacher's for the class view) and
// this computer's name, a test of the connection, and
// OK, Cancel and "Clear" (no class record). OK keeps what is typed.
class ClassRecordDialog : public QDialog, public ClassRecordSetupView
{
    Q_OBJECT

public:
    explicit ClassRecordDialog(QWidget *parent = nullptr);

    // Rules and dialog are made apart, each needing the other; set before showing.
    void setSetup(ClassRecordSetup &setup);

    QLineEdit *serviceEdit() const { return m_service; }
    QLineEdit *teacherServiceEdit() const { return m_teacherService; }
    QLineEdit *computerEdit() const { return m_computer; }
    QPushButton *testButton() const { return m_test; }
    QPushButton *clearButton() const { return m_clear; }
    QLabel *outcomeLabel() const { return m_outcome; }
    QLabel *waitingLabel() const { return m_waiting; }

    void accept() override;

    // ClassRecordSetupView
    void showSettings(
        const QString &service, const QString &teacherService, const QString &computer) override;
    void showWaiting(const QString &text) override;
    void showDefaultComputer(const QString &name) override;
    void showTesting(bool testing) override;
    void showOutcome(const QString &text, bool good) override;

private:
    void growToFit();
    ClassRecordSetup *m_setup = nullptr;
    QLineEdit *m_service = nullptr;
    QLineEdit *m_teacherService = nullptr;
    QLineEdit *m_computer = nullptr;
    QPushButton *m_test = nullptr;
    QPushButton *m_clear = nullptr;
    QLabel *m_outcome = nullptr;
    QLabel *m_waiting = nullptr;
};
