#pragma once

#include "platform/ClassListSource.h"

// The published lists of a class as a test scripts them, shared by every computer's source, which
// answers each fetch at once as the server stands then.
struct FakeClassServer
{
    QList<ClassList> lists;
    bool online = true;
    int fetches = 0;

    class Source final : public ClassListSource
    {
    public:
        explicit Source(FakeClassServer &server)
            : m_server(server)
        {
        }
        void fetch() override
        {
            ++m_server.fetches;
            if (m_server.online)
                Q_EMIT fetched(m_server.lists);
            else
                Q_EMIT failed(QStringLiteral("offline"));
        }

    private:
        FakeClassServer &m_server;
    };

    ClassListSourceFactory factory()
    {
        return [this](const QString &) { return std::make_unique<Source>(*this); };
    }
};
