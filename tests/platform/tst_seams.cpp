// The process-wide seams: doubles put in place and taken away again.
#include "platform/ModalUi.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "support/RecordingProgramStarter.h"
#include "support/RecordingRegistry.h"
#include "support/ScriptedModalUi.h"
#include "support/TestMain.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// A double of Service installed inside another comes off again on its own:
// the outer one is back, and after it the system's own.
template <typename Double, typename Service>
void checkNesting(Service &(*inUse)())
{
    Service *const system = &inUse();
    QVERIFY(!dynamic_cast<Double *>(system));
    {
        Double outer;
        QCOMPARE(&inUse(), static_cast<Service *>(&outer));
        {
            Double inner;
            QCOMPARE(&inUse(), static_cast<Service *>(&inner));
        }
        QCOMPARE(&inUse(), static_cast<Service *>(&outer));
    }
    QCOMPARE(&inUse(), system);
}

} // namespace

class TestSeams : public QObject {
    Q_OBJECT
private slots:
    void doublesNest()
    {
        checkNesting<ScriptedModalUi>(platform::modalUi);
        checkNesting<RecordingProgramStarter>(platform::programStarter);
        // The system's registry reads its hive from beside the test, where there is none.
        if (!QFile::exists(platform::hiveFilePath()))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^registry hive .* not read")));
        checkNesting<RecordingRegistry>(platform::registry);
    }
};

ZIVENTA_TEST_MAIN(TestSeams)
#include "tst_seams.moc"
