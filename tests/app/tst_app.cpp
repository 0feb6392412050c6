#include <QTest>
class TestApp : public QObject { Q_OBJECT private Q_SLOTS: void placeholder() {} };
QTEST_MAIN(TestApp)
#include "tst_app.moc"
