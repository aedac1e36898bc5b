#pragma once

#include "windows/HelpTopics.h"
#include "windows/HelpTopicsView.h"

#include <QStringList>

// Remembers what the help window would show. Selecting passes the change on to the model at
// once, as the real list does.
class FakeHelpTopicsView final : public HelpTopicsView
{
public:
    void addTitle(const QString &title) override { titles.append(title); }
    void selectPosition(int position) override
    {
        if (position == selected)
            return;
        selected = position;
        if (model)
            model->showTopic(position);
    }
    void setHeading(const QString &text) override { heading = text; }
    void setDescription(const QString &text) override { descriptions.append(text); }

    QString description() const { return descriptions.isEmpty() ? QString() : descriptions.last(); }

    HelpTopics *model = nullptr;
    QStringList titles;
    int selected = -1;
    QString heading;
    QStringList descriptions;
};
