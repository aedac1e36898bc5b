#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon)
{
    return icon == MessageBoxes::Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
}

// Over the window the player is using, so that window is active again once the box closes.
QWidget *boxParent(QWidget *fallback)
{
    QWidget *active = QApplication::activeWindow();
    return active ? active : fallback;
}

} // namespace

void QtMessageBoxes::inform(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, boxParent(m_parent));
    box.exec();
}

MessageBoxes::Answer QtMessageBoxes::ask(
    const QString &text, const QString &title, Icon icon, Answer defaultAnswer)
{
    QMessageBox box(
        toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, boxParent(m_parent));
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box without an answer is a No: nothing is deleted or ended by accident.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtMessageBoxes::askText(
    const QString &text, const QString &title, const QString &suggested)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(
        boxParent(m_parent), title, text, QLineEdit::Normal, suggested, &ok);
    return ok ? std::optional(typed) : std::nullopt;
}
