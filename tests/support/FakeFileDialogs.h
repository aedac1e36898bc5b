#pragma once

#include "platform/FileDialogs.h"

#include <QList>

// Returns scripted choices (nullopt for a cancel) and remembers how each dialog was set up.
class FakeFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> getOpenFileName(const Options &options) override
    {
        opened.append(options);
        return next();
    }
    std::optional<QString> getSaveFileName(const Options &options) override
    {
        saved.append(options);
        return next();
    }

    QList<std::optional<QString>> choices; // an unscripted dialog is cancelled
    QList<Options> opened;
    QList<Options> saved;

private:
    std::optional<QString> next() { return choices.isEmpty() ? std::nullopt : choices.takeFirst(); }
};
