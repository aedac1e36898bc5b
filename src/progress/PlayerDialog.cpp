#include "progress/PlayerDialog.h"

#include "game/PlayerChoice.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;
using Problem = PlayerChoice::Problem;

PlayerDialog::PlayerDialog(PlayerChoice &choice, QWidget *parent)
    : QDialog(parent)
    , m_choice(choice)
{
    setWindowTitle(u"Player"_s);
    auto *layout = new QGridLayout(this);
    auto *listLabel = new QLabel(u"&Who is playing?"_s, this);
    m_players = new QListWidget(this);
    m_players->setObjectName(u"lstPlayers"_s);
    listLabel->setBuddy(m_players);
    auto *nameLabel = new QLabel(u"&Name:"_s, this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(u"txtPlayerName"_s);
    m_name->setMaxLength(PlayerChoice::MaxNameLength);
    nameLabel->setBuddy(m_name);
    m_add = new QPushButton(u"&Add"_s, this);
    m_add->setObjectName(u"cmdAddPlayer"_s);
    m_rename = new QPushButton(u"&Rename"_s, this);
    m_rename->setObjectName(u"cmdRenamePlayer"_s);
    m_rename->setToolTip(u"Gives the selected player the name typed above."_s);
    m_problem = new QLabel(this);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setAccessibleName(u"Problem"_s);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    layout->addWidget(listLabel, 0, 0, 1, 3);
    layout->addWidget(m_players, 1, 0, 1, 3);
    layout->addWidget(nameLabel, 2, 0);
    layout->addWidget(m_name, 2, 1, 1, 2);
    layout->addWidget(m_add, 3, 1);
    layout->addWidget(m_rename, 3, 2);
    layout->addWidget(m_problem, 4, 0, 1, 3);
    layout->addWidget(buttons, 5, 0, 1, 3);

    connect(m_add, &QPushButton::clicked, this, &PlayerDialog::addPlayer);
    connect(m_rename, &QPushButton::clicked, this, &PlayerDialog::renamePlayer);
    connect(m_players, &QListWidget::itemDoubleClicked, this, &PlayerDialog::accept);
    connect(m_players, &QListWidget::currentTextChanged, m_name, &QLineEdit::setText);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlayerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlayerDialog::reject);
    fill(m_choice.current());
}

void PlayerDialog::fill(const QString &selected)
{
    QStringList names = m_choice.players();
    for (const QString &name : std::as_const(m_added)) {
        if (!names.contains(name))
            names.append(name);
    }
    PlayerChoice::sortNames(names);
    m_players->clear();
    m_players->addItems(names);
    const QList<QListWidgetItem *> found = m_players->findItems(selected, Qt::MatchExactly);
    if (!found.isEmpty())
        m_players->setCurrentItem(found.first());
}

QString PlayerDialog::selected() const
{
    return m_players->currentItem() ? m_players->currentItem()->text() : QString();
}

void PlayerDialog::addPlayer()
{
    const QString name = m_name->text().simplified();
    if (name.isEmpty()) {
        m_problem->setText(PlayerChoice::problemText(Problem::EmptyName));
        return;
    }
    m_problem->clear();
    const QList<QListWidgetItem *> known = m_players->findItems(name, Qt::MatchFixedString);
    if (known.isEmpty())
        m_added.append(name);
    fill(known.isEmpty() ? name : known.first()->text());
}

void PlayerDialog::renamePlayer()
{
    const QString from = selected();
    if (from.isEmpty())
        return;
    const QString to = m_name->text().simplified();
    const qsizetype added = m_added.indexOf(from);
    Problem problem = Problem::None;
    if (added >= 0 && !to.isEmpty())
        m_added[added] = to;
    else
        problem = m_choice.rename(from, to);
    m_problem->setText(PlayerChoice::problemText(problem));
    if (problem == Problem::None)
        fill(to);
}

void PlayerDialog::accept()
{
    const QString name = selected();
    if (name.isEmpty())
        return;
    const Problem problem = m_choice.choose(name);
    if (problem != Problem::None) {
        m_problem->setText(PlayerChoice::problemText(problem));
        return;
    }
    QDialog::accept();
}
