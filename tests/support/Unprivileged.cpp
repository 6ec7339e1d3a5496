#include "Unprivileged.h"

#include "TestChild.h"

#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr char CHILD_VARIABLE[] = "CORVANE_UNPRIVILEGED_CHILD";
constexpr int CANNOT_TAKE_IDS = 125;

void runAsNobody()
{
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        QSKIP("there is no user \"nobody\"");
    const uid_t user = nobody->pw_uid;
    const gid_t group = nobody->pw_gid;
    QByteArray output;
    const int code = TestChild::run(CHILD_VARIABLE, QStringLiteral("1"), {}, [user, group] {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(group, group, group) != 0
            || ::setresuid(user, user, user) != 0)
            ::_exit(CANNOT_TAKE_IDS);
    }, &output);
    if (code == CANNOT_TAKE_IDS)
        QSKIP("a child cannot take on the ids of \"nobody\" here");
    QVERIFY2(code == 0, output.constData());
}

} // namespace

bool Unprivileged::here()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet(CHILD_VARIABLE))
        return true;
    runAsNobody();
    return false;
}
