#include "tst_markup.h"
#include "tst_widgets.h"

#include "platform/gui/ErrorHandler.h"

#include <QTest>

// Runs every test class under the application object of the program, so that the
// default error handler is the one events go through.
int main(int argc, char** argv)
{
    platform::TApplication app(argc, argv);
    int failures = 0;
    {
        TestMarkup markup;
        failures += QTest::qExec(&markup, argc, argv);
    }
    {
        TestWidgets widgets;
        failures += QTest::qExec(&widgets, argc, argv);
    }
    {
        TestErrorHandler errors;
        failures += QTest::qExec(&errors, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
