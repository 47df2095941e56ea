// SPDX-License-Identifier: GPL-3.0-or-later
// Loses objects with no owner, as objects created without a parent are lost at exit; the sanitizer build's leak
// check must report them, or the other tests' clean runs prove nothing about leaks.
#include <QObject>
#include <cstdio>

namespace {

// Many objects, made in a function of their own: a stale copy of one pointer left in a register or on the stack
// would hide that one from the check, never all of them.
[[gnu::noinline]] int loseObjects()
{
    int made = 0;
    for (int i = 0; i < 64; ++i) {
        QObject* lost = new QObject;
        lost->setObjectName(QStringLiteral("lost"));
        made += lost->objectName().size() > 0;
    }
    return made;
}

} // namespace

int main()
{
    std::printf("%d objects lost\n", loseObjects());
    return 0;
}
