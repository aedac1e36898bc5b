#include "progress/ProgressReport.h"

#include "progress/ProgressView.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;
using Result = PracticeRound::Result;

namespace {

QString count(int n, QStringView one, QStringView many)
{
    return QString::number(n) + u' ' + (n == 1 ? one : many).toString();
}

// A cell a spreadsheet reads as text: quoted where it holds a separator, a quote or a line end,
// and never taken for a formula, since names and words come from anyone's typing.
QString csvCell(const QString &value)
{
    QString cell = value;
    if (!cell.isEmpty() && (u"=+@\t\r"_s).contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r'))
        cell = u'"' + cell.replace(u'"', u"\"\""_s) + u'"';
    return cell;
}

QString htmlTable(const QList<QStringList> &rows)
{
    QString html = u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"_s;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        html += u"<tr>"_s;
        for (const QString &cell : rows[r]) {
            const QString tag = r == 0 ? u"th"_s : u"td"_s;
            html += u'<' + tag + u'>' + cell.toHtmlEscaped() + u"</"_s + tag + u'>';
        }
        html += u"</tr>"_s;
    }
    return html + u"</table>"_s;
}

} // namespace

ProgressReport::ProgressReport(const QString &player, const PracticeSummary &summary, QDate today)
    : m_player(player)
    , m_figures(PracticeFigures::of(summary, today))
    , m_schedule(summary.schedule)
    , m_today(today)
{
    TroubleWords trouble;
    trouble.add(summary.troubleWords);
    m_trouble = trouble.words();
}

QString ProgressReport::tallyText(const PracticeFigures::Tally &tally)
{
    QString text = count(tally.played, u"round played", u"rounds played") + u", "_s
        + QString::number(tally.won) + u" won"_s;
    if (tally.abandoned > 0)
        text += u" ("_s + QString::number(tally.abandoned) + u" more left for a new word)"_s;
    return text;
}

QString ProgressReport::reviewText(const PracticeFigures::Review &review)
{
    QStringList boxes;
    for (const int n : review.inBox)
        boxes.append(QString::number(n));
    return u"Review: "_s + count(review.dueToday, u"word due today", u"words due today")
        + u"; in boxes 1 to "_s + QString::number(ReviewSchedule::BoxCount) + u": "_s
        + boxes.join(u", "_s) + u"; "_s + QString::number(review.knownThisWeek)
        + u" known this week"_s;
}

QString ProgressReport::chartDescription() const
{
    QStringList days;
    for (const PracticeFigures::Day &day : m_figures.days) {
        if (day.won + day.lost > 0)
            days.append(QLocale().toString(day.date, u"dddd d MMMM"_s) + u": "_s
                + QString::number(day.won) + u" won, "_s + QString::number(day.lost) + u" lost"_s);
    }
    const QString span = u"Rounds per day over the last "_s
        + QString::number(PracticeFigures::ChartWeeks) + u" weeks"_s;
    if (days.isEmpty())
        return span + u": none played."_s;
    return span + u": "_s + days.join(u"; "_s) + u'.';
}

QList<QStringList> ProgressReport::listRows() const
{
    QList<QStringList> rows{{u"List"_s, u"Played"_s, u"Won"_s, u"Lost"_s}};
    for (const PracticeFigures::List &list : m_figures.lists) {
        const PracticeFigures::Tally &t = list.tally;
        rows.append({list.name, QString::number(t.played), QString::number(t.won),
            QString::number(t.played - t.won)});
    }
    return rows;
}

QList<QStringList> ProgressReport::troubleRows() const
{
    QList<QStringList> rows{{u"Word"_s, u"Times in trouble"_s, u"Box"_s, u"Next due"_s}};
    for (const TroubleWords::Word &word : m_trouble) {
        const auto scheduled = std::find_if(m_schedule.cbegin(), m_schedule.cend(),
            [&word](const PracticeSummary::ScheduledWord &s) { return s.word == word.word; });
        ReviewSchedule::Word review;
        if (scheduled != m_schedule.cend())
            review = ReviewSchedule::Word{*scheduled};
        const QDate due = review.due();
        const QString dueText = !due.isValid() ? QString()
            : due <= m_today                   ? u"Today"_s
                                               : QLocale().toString(due, QLocale::ShortFormat);
        rows.append({word.word, QString::number(word.tries),
            review.isScheduled() ? QString::number(review.box) : QString(), dueText});
    }
    return rows;
}

void ProgressReport::showOn(ProgressView &view) const
{
    view.showPlayer(u"Progress of "_s + m_player);
    view.showTallies(u"This week: "_s + tallyText(m_figures.thisWeek),
        u"In all: "_s + tallyText(m_figures.allTime));
    view.showReview(reviewText(m_figures.review));
    view.showDays(m_figures.days, chartDescription());
    view.showLists(listRows());
    view.showTroubleWords(troubleRows());
}

QString ProgressReport::html() const
{
    return u"<html><body><h1>Progress of "_s + m_player.toHtmlEscaped()
        + u"</h1><p>This week: "_s + tallyText(m_figures.thisWeek).toHtmlEscaped()
        + u"<br>In all: "_s + tallyText(m_figures.allTime).toHtmlEscaped() + u"<br>"_s
        + reviewText(m_figures.review).toHtmlEscaped() + u"</p><p>"_s
        + chartDescription().toHtmlEscaped() + u"</p><h2>Lists</h2>"_s
        + htmlTable(listRows()) + u"<h2>Trouble words</h2>"_s
        + (m_trouble.isEmpty() ? u"<p>None.</p>"_s : htmlTable(troubleRows()))
        + u"</body></html>"_s;
}

QByteArray ProgressReport::csv(const QList<PracticeRound> &rounds)
{
    QString text = u"Date,Time,Player,List,Word,Result,Misses,Wrong letters\r\n"_s;
    for (const PracticeRound &round : rounds) {
        const QDateTime when = round.when.toLocalTime();
        const QStringList cells{when.toString(u"yyyy-MM-dd"_s), when.toString(u"HH:mm"_s),
            round.player, round.list, round.word, PracticeRound::resultName(round.result),
            QString::number(round.misses), round.wrongLetters};
        QStringList quoted;
        for (const QString &cell : cells)
            quoted.append(csvCell(cell));
        text += quoted.join(u',') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}
