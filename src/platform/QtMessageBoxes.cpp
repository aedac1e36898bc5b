#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon)
{
    return icon == MessageBoxes::Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::inform(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

MessageBoxes::Answer QtMessageBoxes::ask(
    const QString &text, const QString &title, Icon icon, Answer defaultAnswer)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box without an answer is a No: nothing is deleted or ended by accident.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
