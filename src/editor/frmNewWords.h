#pragma once

#include "NewWordsModel.h"
#include "NewWordsView.h"

#include <QDialog>

class MainWindowView;
class Module1;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct Platform;

// The word-list editor: a small fixed window beside the game in which the player types words,
// collects them in a list and saves it. NewWordsModel decides; this window shows and passes on.
class frmNewWords : public QDialog, public NewWordsView
{
public:
    frmNewWords(Module1 &state, const Platform &platform, MainWindowView &mainWindow,
        QWidget *parent = nullptr);

    const NewWordsModel &model() const { return m_model; }

    // The controls, for tests.
    QLabel *lblEnterWord() const { return m_lblEnterWord; }
    QLineEdit *txtWord() const { return m_txtWord; }
    QLabel *Label1() const { return m_Label1; }
    QLabel *lblList() const { return m_lblList; }
    QListWidget *lstWords() const { return m_lstWords; }
    QPushButton *cmdEnter() const { return m_cmdEnter; }
    QPushButton *cmdDelete() const { return m_cmdDelete; }
    QPushButton *cmdSave() const { return m_cmdSave; }
    QPushButton *cmdExit() const { return m_cmdExit; }
    QFrame *frmNewSave() const { return m_frmNewSave; }
    QLabel *lblNewSave() const { return m_lblNewSave; }
    QRadioButton *optDefaultYes() const { return m_optDefaultYes; }
    QRadioButton *optDefaultNo() const { return m_optDefaultNo; }
    QFrame *frmNewLoad() const { return m_frmNewLoad; }
    QLabel *lblNewLoad() const { return m_lblNewLoad; }
    QRadioButton *optNewYes() const { return m_optNewYes; }
    QRadioButton *optNewNo() const { return m_optNewNo; }

    // NewWordsView
    void appendEntry(const QString &entry) override;
    void removeEntry(int index) override;
    void setTypedWord(const QString &text) override;
    void selectTypedWord() override;
    void focusTypedWord() override;
    void setRemoveEnabled(bool enabled) override;
    void setSaveEnabled(bool enabled) override;
    void requestClose() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape asks to close like the close box, rather than hiding the window unasked.
    void reject() override;

private:
    void createControls();
    void createChoices();
    void setTabOrder();
    void connectControls();
    void passOnSelection();

    NewWordsModel m_model;

    QLabel *m_lblEnterWord = nullptr;
    QLineEdit *m_txtWord = nullptr;
    QLabel *m_Label1 = nullptr;
    QLabel *m_lblList = nullptr;
    QListWidget *m_lstWords = nullptr;
    QPushButton *m_cmdEnter = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdSave = nullptr;
    QPushButton *m_cmdExit = nullptr;
    QFrame *m_frmNewSave = nullptr;
    QLabel *m_lblNewSave = nullptr;
    QRadioButton *m_optDefaultYes = nullptr;
    QRadioButton *m_optDefaultNo = nullptr;
    QFrame *m_frmNewLoad = nullptr;
    QLabel *m_lblNewLoad = nullptr;
    QRadioButton *m_optNewYes = nullptr;
    QRadioButton *m_optNewNo = nullptr;
};
