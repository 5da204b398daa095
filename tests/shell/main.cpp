#include "PictureButtonTest.h"
#include "TitleBarTest.h"
#include "ToolBarTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        ToolBarTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        TitleBarTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        PictureButtonTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
