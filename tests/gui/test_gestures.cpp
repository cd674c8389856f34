// The Screen Editor and the Tile, TSA and Structure Tables driven as a person drives them,
// over the made-up level: each file of tests/data/gestures is one case (the commands are
// described in gui/support/WindowScript.h and support/Script.h).
#include <QtTest>

#include "gui/support/WindowScript.h"

using namespace orvane;
using namespace orvane::testing;

class TestGestures : public QObject {
    Q_OBJECT
private slots:
    void cases_data() { scriptRows("gestures"); }
    void cases() { runScriptRow(runWindowScript); }
};

QTEST_MAIN(TestGestures)
#include "test_gestures.moc"
