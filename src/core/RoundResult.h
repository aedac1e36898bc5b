#pragma once

#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace Wordrow {
Q_NAMESPACE

// How a round ended. The record and its export name a result by its key in lower case ("won"),
// so the names are read from the enum itself and cannot drift from it.
enum class RoundResult { Won, Lost, Abandoned };
Q_ENUM_NS(RoundResult)

QString resultName(RoundResult result);
// Nothing for a name that is no result's.
std::optional<RoundResult> resultFromName(QStringView name);
// Every result's name, in the enum's order.
const QStringList &resultNames();

} // namespace Wordrow

using Wordrow::RoundResult;
