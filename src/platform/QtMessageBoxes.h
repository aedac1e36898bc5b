#pragma once

#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Real message boxes, centred over a parent window when there is one.
class QtMessageBoxes : public MessageBoxes
{
public:
    // Boxes open over the program's active window, or over this one when none is active.
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void inform(const QString &text, const QString &title, Icon icon) override;
    Answer ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer) override;
    std::optional<QString> askText(
        const QString &text, const QString &title, const QString &suggested) override;

private:
    QPointer<QWidget> m_parent;
};
