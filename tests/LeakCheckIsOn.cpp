// Loses an object with no owner, as an object created without a parent is lost at exit; the sanitizer build's leak
// check must report it, or the other tests' clean runs prove nothing about leaks.
#include <QObject>
#include <cstdio>

int main()
{
    QObject* lost = new QObject;
    lost->setObjectName(QStringLiteral("lost"));
    std::printf("%s\n", qPrintable(lost->objectName()));
    lost = nullptr;
    return 0;
}
