#pragma once

#include <QDialog>
#include <QStringList>

class PlayerChoice;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Picks who is playing, adds a player or renames one. OK makes the selected player the current
// one; a rename is kept at once, since the rounds already carry the name.
class PlayerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PlayerDialog(PlayerChoice &choice, QWidget *parent = nullptr);

    // The controls, for tests.
    QListWidget *players() const { return m_players; }
    QLineEdit *nameEdit() const { return m_name; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *renameButton() const { return m_rename; }
    QLabel *problemLabel() const { return m_problem; }

    void accept() override;

private:
    void fill(const QString &selected);
    void addPlayer();
    void renamePlayer();
    QString selected() const;

    PlayerChoice &m_choice;
    // Added in this dialog, with no rounds yet.
    QStringList m_added;

    QListWidget *m_players = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_rename = nullptr;
    QLabel *m_problem = nullptr;
};
