#include "TestHome.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>

std::unique_ptr<QObject> makeFilesTest();
std::unique_ptr<QObject> makeSettingsTest();

int main(int argc, char** argv)
{
    const TestHome home;
    if (!home.isValid())
        return 1;
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (const auto& test : {makeFilesTest(), makeSettingsTest()})
        failures += QTest::qExec(test.get(), argc, argv);
    return failures;
}
