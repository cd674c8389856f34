// The scroll map and the current section, as cases in tests/data/scrollmap (the commands
// are described in support/Script.h): decoding and rebuilding, the settings that travel
// with their sections, the direction and split shown, the section walk, the detailed edits
// of the current section byte and the Screen Editor's limits.
#include <QtTest>

#include "support/Script.h"
#include "support/TestLevel.h"

using namespace orvane::testing;

class TestScrollMap : public QObject {
    Q_OBJECT
private slots:
    void cases_data() { scriptRows("scrollmap"); }
    void cases() { runScriptRow(); }
};

QTEST_APPLESS_MAIN(TestScrollMap)
#include "test_scrollmap.moc"
