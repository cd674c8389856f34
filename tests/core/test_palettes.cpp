// Colours and tiles that follow the current section, as cases in tests/data/palettes (the
// commands are described in support/Script.h): the background palette record and mm4's
// palette objects, the palette-animation tick, mm4's effect lists and the sprite set-up.
#include <QtTest>

#include "support/Script.h"
#include "support/TestLevel.h"

using namespace orvane::testing;

class TestPalettes : public QObject {
    Q_OBJECT
private slots:
    void cases_data() { scriptRows("palettes"); }
    void cases() { runScriptRow(); }
};

QTEST_APPLESS_MAIN(TestPalettes)
#include "test_palettes.moc"
