#include "cpubudget.h"
#include "taskbase.h"
#include "taskfactory.h"
#include "taskstatus.h"
#include "testregistry.h"
#include "worklane.h"

#include <QMutex>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QThread>
#include <QWaitCondition>

using namespace Qt::StringLiterals;

namespace {

const QString kTestOption = u"test.behaviour"_s;

// Holds every gated task until released, and counts how many run at once.
class Gate
{
public:
    void enter()
    {
        QMutexLocker lock(&m_mutex);
        ++m_running;
        m_maxRunning = std::max(m_maxRunning, m_running);
        while (m_permits == 0)
            m_released.wait(&m_mutex);
        --m_permits;
        --m_running;
    }
    void release(int count)
    {
        QMutexLocker lock(&m_mutex);
        m_permits += count;
        m_released.wakeAll();
    }
    int maxRunning() const
    {
        QMutexLocker lock(&m_mutex);
        return m_maxRunning;
    }

private:
    mutable QMutex m_mutex;
    QWaitCondition m_released;
    int m_running = 0;
    int m_maxRunning = 0;
    int m_permits = 0;
};

Gate *g_gate = nullptr;

// Lets every gated job through and waits for the task centre to be empty, so that no job is
// left waiting at a gate that goes, whatever failed.
void drainGate(Gate &gate)
{
    gate.release(100);
    if (!QTest::qWaitFor([] { return Worklane::instance().liveTaskIds().isEmpty(); }, 30000))
        qWarning("jobs of the task centre still running");
    g_gate = nullptr;
}
QMutex g_seenMutex;
QStringList g_seenIds;

class ScriptedTask final : public TaskBase
{
public:
    using TaskBase::TaskBase;
    TaskResult run() override
    {
        const QString behaviour = request.options.value(kTestOption).toString();
        {
            QMutexLocker lock(&g_seenMutex);
            g_seenIds.append(request.taskId);
        }
        if (behaviour == u"gate"_s)
            g_gate->enter();
        if (behaviour == u"throw"_s)
            throw std::runtime_error("scripted failure");
        TaskResult result;
        result.taskId = request.taskId;
        result.success = behaviour != u"fail"_s;
        return result;
    }
};

struct Event
{
    QString kind;
    QString id;
    int value = -1;
};

// Lives on the test thread; status signals from pool threads reach it queued.
class Recorder : public QObject
{
public:
    Recorder()
    {
        Worklane &lane = Worklane::instance();
        connect(&lane, &Worklane::taskStarted, this, [this](const QString &id) {
            events.append({u"started"_s, id});
            startedOnThread.append(QThread::currentThread());
        });
        connect(&lane, &Worklane::taskStatus, this, [this](const QString &id, int status) {
            events.append({u"status"_s, id, status});
            if (status == TaskStatus::Completed || status == TaskStatus::Failed)
                stillRegisteredAtEnd.append(Worklane::instance().liveTaskIds().contains(id));
        });
        connect(&lane, &Worklane::taskFinished, this, [this](const QString &id, bool) {
            events.append({u"finished"_s, id});
        });
        connect(&lane, &Worklane::taskError, this, [this](const QString &id, const QString &text) {
            events.append({u"error"_s, id});
            errorTexts.append(text);
        });
        connect(
            &lane, &Worklane::taskStatus, this,
            [this](const QString &, int) {
                QMutexLocker lock(&threadMutex);
                statusThreads.insert(QThread::currentThread());
            },
            Qt::DirectConnection);
    }

    QList<Event> eventsFor(const QString &id) const
    {
        QList<Event> result;
        for (const Event &e : events)
            if (e.id == id)
                result.append(e);
        return result;
    }
    int countStatus(int status) const
    {
        return int(std::count_if(events.cbegin(), events.cend(), [status](const Event &e) {
            return e.kind == u"status"_s && e.value == status;
        }));
    }
    int indexOf(const QString &id, int status) const
    {
        for (int i = 0; i < events.size(); ++i)
            if (events[i].id == id && events[i].kind == u"status"_s && events[i].value == status)
                return i;
        return -1;
    }

    QList<Event> events;
    QList<QThread *> startedOnThread;
    QList<bool> stillRegisteredAtEnd;
    QStringList errorTexts;
    QMutex threadMutex;
    QSet<QThread *> statusThreads;
};

TaskRequest scripted(const QString &behaviour)
{
    TaskRequest request;
    request.type = TaskType::Compress;
    request.options.insert(kTestOption, behaviour);
    return request;
}

bool isBracedUuid(const QString &id)
{
    static const QRegularExpression pattern(
        u"^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"_s);
    return id.size() == 38 && pattern.match(id).hasMatch();
}

} // namespace

class TestWorklane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TaskFactory::setCreatorForTesting(
            [](const TaskRequest &request) -> std::shared_ptr<TaskBase> {
                if (!request.options.contains(kTestOption))
                    return {};
                return std::make_shared<ScriptedTask>(request);
            });
    }

    void cleanupTestCase() { TaskFactory::setCreatorForTesting({}); }

    void invalidTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("1 has no task") << 1;
        QTest::newRow("10 is beyond the last") << 10;
        QTest::newRow("negative") << -1;
        QTest::newRow("large") << 1000;
    }

    void invalidTypes()
    {
        QFETCH(int, type);
        Recorder recorder;
        TaskRequest request;
        request.type = type;
        const QString id = Worklane::instance().submitTask(request);
        QVERIFY(id.isEmpty());
        // Errors are reported synchronously on the caller's thread.
        QCOMPARE(recorder.events.size(), 1);
        QCOMPARE(recorder.events[0].kind, u"error"_s);
        QVERIFY(isBracedUuid(recorder.events[0].id));
        QCOMPARE(recorder.errorTexts, QStringList{u"invalid task"_s});
        QVERIFY(Worklane::instance().liveTaskIds().isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(recorder.events.size(), 1);
    }

    void signalOrderPerTask_data()
    {
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<int>("finalStatus");
        QTest::newRow("success") << u"succeed"_s << int(TaskStatus::Completed);
        QTest::newRow("failure") << u"fail"_s << int(TaskStatus::Failed);
        QTest::newRow("task throws") << u"throw"_s << int(TaskStatus::Failed);
    }

    void signalOrderPerTask()
    {
        QFETCH(QString, behaviour);
        QFETCH(int, finalStatus);
        Recorder recorder;
        QStringList ids;
        for (int i = 0; i < 6; ++i)
            ids.append(Worklane::instance().submitTask(scripted(behaviour)));
        // taskStarted was emitted before submitTask returned, on this thread.
        QCOMPARE(recorder.startedOnThread.size(), 6);
        for (QThread *thread : recorder.startedOnThread)
            QCOMPARE(thread, QThread::currentThread());
        QTRY_COMPARE(recorder.countStatus(finalStatus), 6);
        for (const QString &id : ids) {
            const QList<Event> events = recorder.eventsFor(id);
            // A failure says why just before its final status.
            const bool failed = finalStatus == TaskStatus::Failed;
            QCOMPARE(events.size(), failed ? 4 : 3);
            QCOMPARE(events[0].kind, u"started"_s);
            QCOMPARE(events[1].kind, u"status"_s);
            QCOMPARE(events[1].value, int(TaskStatus::Running));
            if (failed)
                QCOMPARE(events[2].kind, u"error"_s);
            QCOMPARE(events.last().kind, u"status"_s);
            QCOMPARE(events.last().value, finalStatus);
        }
        QMutexLocker lock(&recorder.threadMutex);
        QVERIFY(!recorder.statusThreads.contains(QThread::currentThread()));
    }

    void realTaskClassesReportFailureForEmptyRequests_data()
    {
        QTest::addColumn<int>("type");
        for (int type : {0, 2, 3, 4, 5, 6})
            QTest::newRow(qPrintable(u"type %1"_s.arg(type))) << type;
    }

    void realTaskClassesReportFailureForEmptyRequests()
    {
        QFETCH(int, type);
        Recorder recorder;
        TaskRequest request;
        request.type = type;
        const QString id = Worklane::instance().submitTask(request);
        QVERIFY(isBracedUuid(id));
        QTRY_COMPARE(recorder.eventsFor(id).size(), 4);
        QCOMPARE(recorder.eventsFor(id).at(2).kind, u"error"_s);
        QCOMPARE(recorder.eventsFor(id).last().value, int(TaskStatus::Failed));
    }

    // Jobs share the program's CPU budget: no more run at once than there are cores (and than
    // the task centre's four threads). Office to PDF runs in the office helpers, so four of
    // those run at once anywhere.
    void jobsAtOnce_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("atOnce");
        QTest::newRow("compress") << int(TaskType::Compress) << std::min(4, cpubudget::capacity());
        QTest::newRow("text recognition")
            << int(TaskType::RecognizeText) << std::min(4, cpubudget::capacity());
        QTest::newRow("office to PDF") << int(TaskType::OfficeToPdf) << 4;
    }

    void jobsAtOnce()
    {
        QFETCH(int, type);
        QFETCH(int, atOnce);
        if (cpubudget::capacity() == 0)
            QSKIP("VELMORA_CPU_BUDGET=0 turns the budget off");
        Gate gate;
        g_gate = &gate;
        const auto drain = qScopeGuard([&gate] { drainGate(gate); });
        Recorder recorder;
        QStringList ids;
        for (int i = 0; i <= atOnce; ++i) {
            TaskRequest request = scripted(u"gate"_s);
            request.type = type;
            ids.append(Worklane::instance().submitTask(request));
        }
        QTRY_COMPARE(recorder.countStatus(TaskStatus::Running), atOnce);
        QTest::qWait(100);
        QCOMPARE(recorder.countStatus(TaskStatus::Running), atOnce);
        QCOMPARE(Worklane::instance().liveTaskIds().size(), atOnce + 1);
        // Which one waits is up to the threads; one does.
        QString waiting;
        for (const QString &id : std::as_const(ids))
            if (recorder.indexOf(id, TaskStatus::Running) < 0)
                waiting = id;
        QVERIFY(!waiting.isEmpty());

        gate.release(1);
        QTRY_VERIFY(recorder.indexOf(waiting, TaskStatus::Running) >= 0);
        // It started only after one of the others had reported its end.
        int firstEnd = -1;
        for (int i = 0; i < recorder.events.size() && firstEnd < 0; ++i)
            if (recorder.events[i].kind == u"status"_s &&
                recorder.events[i].value == TaskStatus::Completed)
                firstEnd = i;
        QVERIFY(firstEnd >= 0);
        QVERIFY(firstEnd < recorder.indexOf(waiting, TaskStatus::Running));

        gate.release(atOnce);
        QTRY_COMPARE(recorder.countStatus(TaskStatus::Completed), atOnce + 1);
        QCOMPARE(gate.maxRunning(), atOnce);
    }

    // A job waiting for a core can be cancelled, and then never runs.
    void cancelWhileWaitingForACore()
    {
        const int cores = cpubudget::capacity();
        if (cores == 0 || cores >= 4)
            QSKIP("the task centre's threads run out before the cores do");
        Gate gate;
        g_gate = &gate;
        const auto drain = qScopeGuard([&gate] { drainGate(gate); });
        Recorder recorder;
        for (int i = 0; i < cores; ++i)
            Worklane::instance().submitTask(scripted(u"gate"_s));
        QTRY_COMPARE(recorder.countStatus(TaskStatus::Running), cores);
        const QString waiting = Worklane::instance().submitTask(scripted(u"succeed"_s));
        QTest::qWait(150);
        QCOMPARE(recorder.indexOf(waiting, TaskStatus::Running), -1);
        Worklane::instance().cancelTask(waiting);
        QTRY_VERIFY(recorder.indexOf(waiting, TaskStatus::Cancelled) >= 0);
        QCOMPARE(recorder.indexOf(waiting, TaskStatus::Running), -1);
        gate.release(cores);
        QTRY_COMPARE(recorder.countStatus(TaskStatus::Completed), cores);
    }

    void identifiersAreUniqueAndSeenByTheTask()
    {
        Recorder recorder;
        {
            QMutexLocker lock(&g_seenMutex);
            g_seenIds.clear();
        }
        QSet<QString> ids;
        for (int i = 0; i < 40; ++i) {
            const QString id = Worklane::instance().submitTask(scripted(u"succeed"_s));
            QVERIFY2(isBracedUuid(id), qPrintable(id));
            ids.insert(id);
        }
        QCOMPARE(ids.size(), 40);
        QTRY_COMPARE(recorder.countStatus(TaskStatus::Completed), 40);
        QMutexLocker lock(&g_seenMutex);
        QCOMPARE(QSet<QString>(g_seenIds.cbegin(), g_seenIds.cend()), ids);
    }

    void registryEmptyAfterFinalStatus()
    {
        Recorder recorder;
        for (int i = 0; i < 12; ++i)
            Worklane::instance().submitTask(scripted(i % 2 ? u"fail"_s : u"succeed"_s));
        QTRY_COMPARE(recorder.stillRegisteredAtEnd.size(), 12);
        QVERIFY(!recorder.stillRegisteredAtEnd.contains(true));
        QVERIFY(Worklane::instance().liveTaskIds().isEmpty());
        for (const Event &e : recorder.events)
            QVERIFY(e.kind != u"finished"_s);
    }
};

VELMORA_REGISTER_TEST(TestWorklane);
#include "tst_worklane.moc"
