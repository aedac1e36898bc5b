#pragma once

#include <QList>
#include <QString>

// One word as another file or a paste holds it, with the line it stands on and its sentence, so
// that the editor can say which words it left out and where.
struct ImportedWord
{
    QString text;
    // Counted from 1.
    int line = 0;
    // The sentence that came with it, if any, unchecked.
    QString sentence{};

    bool operator==(const ImportedWord &) const = default;
};

using ImportedWords = QList<ImportedWord>;
