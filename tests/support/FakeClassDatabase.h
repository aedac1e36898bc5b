#pragma once

#include "classrecord/ClassDatabase.h"

#include <memory>

// A class database that answers every open with the problem a test sets, and keeps what it is
// sent.
class FakeClassDatabase final : public ClassDatabase
{
public:
    explicit FakeClassDatabase(ClassProblem answer, std::shared_ptr<QList<PracticeRound>> all = {})
        : m_answer(std::move(answer))
        , m_all(std::move(all))
    {
    }

    // `all` collects what every database of the factory is sent, for a test to read once the
    // sender has marked it sent.
    static ClassDatabaseFactory factory(
        const ClassProblem &answer, std::shared_ptr<QList<PracticeRound>> all = {})
    {
        return [answer, all] { return std::make_unique<FakeClassDatabase>(answer, all); };
    }

    ClassProblem open(const QString &) override { return m_answer; }
    ClassProblem send(const QList<PracticeRound> &rounds, const QString &) override
    {
        sent += rounds;
        if (m_all && m_answer.ok())
            *m_all += rounds;
        return m_answer;
    }
    ClassProblem readView(const QDateTime &, ClassView &) override { return m_answer; }
    ClassProblem readRounds(QList<PracticeRound> &rounds) override
    {
        rounds = sent;
        return m_answer;
    }

    ClassProblem readLists(QList<ClassList> &lists) override
    {
        lists = published;
        return m_answer;
    }
    ClassProblem publishList(const ClassList &list) override
    {
        published.append(list);
        return m_answer;
    }
    ClassProblem withdrawList(const QString &) override { return m_answer; }
    ClassProblem markThisWeek(const QString &) override { return m_answer; }

    QList<PracticeRound> sent;
    QList<ClassList> published;

private:
    ClassProblem m_answer;
    std::shared_ptr<QList<PracticeRound>> m_all;
};
