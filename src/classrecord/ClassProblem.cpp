#include "classrecord/ClassProblem.h"

using namespace Qt::StringLiterals;

QString ClassProblem::message(const QString &service) const
{
    switch (kind) {
    case None:
        return u"The class database answers, and its tables are ready."_s;
    case NoDriver:
        return u"This computer cannot reach a class database: Qt's PostgreSQL driver is not "
               u"installed (Debian package libqt6sql6-psql)."_s;
    case UnknownService:
        return u"There is no service \""_s + service
            + u"\" in this computer's pg_service.conf. Check the name with whoever runs the "
              u"school's database."_s;
    case LoginRefused:
        return u"The class database refused the login of service \""_s + service
            + u"\": check the user in pg_service.conf and the password in .pgpass."_s;
    case Unreachable:
        return u"The class database's server cannot be reached: it may be down, or this "
               u"computer off the school's network. Rounds wait here and go later."_s;
    case NotSetUp:
        return u"The class database of service \""_s + service
            + u"\" is not set up for this login: the administrator runs \"wordrow "
              u"--set-up-class-record\" once with the database owner's service (the manual's "
              u"section for schools tells how). Rounds wait here until then."_s;
    case NotAllowed:
        return u"The login of service \""_s + service
            + u"\" may add rounds but not read the class record: the class view needs the "
              u"teacher's service."_s;
    case LaterSchema:
        return u"The class database was set up by a later version of Wordrow. Update Wordrow on "
               u"this computer to use it; rounds wait here until then."_s;
    case Failed:
        break;
    }
    return u"The class database did not answer as expected: "_s + detail.trimmed();
}

// libpq's own messages, as it writes them without a translation.
ClassProblem ClassProblem::ofConnection(const QString &libraryText)
{
    static const QString serviceSigns[] = {u"definition of service"_s, u"service file"_s,
        u"invalid connection option"_s, u"missing \"=\""_s, u"syntax error in service file"_s};
    static const QString loginSigns[]
        = {u"password authentication failed"_s, u"no password supplied"_s, u"pg_hba.conf"_s,
            u"does not exist"_s, u"authentication failed"_s, u"permission denied"_s};
    for (const QString &sign : serviceSigns) {
        if (libraryText.contains(sign, Qt::CaseInsensitive))
            return {UnknownService, libraryText};
    }
    for (const QString &sign : loginSigns) {
        if (libraryText.contains(sign, Qt::CaseInsensitive))
            return {LoginRefused, libraryText};
    }
    return {Unreachable, libraryText};
}
