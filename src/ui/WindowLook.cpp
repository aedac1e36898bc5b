#include "ui/WindowLook.h"

#include <QLabel>

QLabel *createLabel(
    const QString &text, const QFont &font, Qt::Alignment alignment, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setText(text);
    return label;
}
