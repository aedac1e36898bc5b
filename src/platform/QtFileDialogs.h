#pragma once

#include "platform/FileDialogs.h"

#include <QPointer>
#include <QWidget>

// Real file dialogs on QFileDialog.
class QtFileDialogs : public FileDialogs
{
public:
    // Boxes open over the program's active window, or over this one when none is active.
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    std::optional<QString> getOpenFileName(const Options &options) override;
    std::optional<QString> getSaveFileName(const Options &options) override;

private:
    std::optional<QString> run(const Options &options, bool save);

    QPointer<QWidget> m_parent;
};
