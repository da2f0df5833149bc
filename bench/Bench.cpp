#include "Bench.h"

#include "BenchData.h"
#include "BenchStation.h"
#include "Timing.h"
#include "reports/core/DailyReport.h"
#include "reports/core/EmployeeHoursReport.h"
#include "reports/core/MonthlyReport.h"
#include "reports/core/NoClockReport.h"
#include "station/core/StationStartup.h"
#include "store/ChronelHome.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/LastIdentified.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int stationsAtOnce = 8;
// The clockings in the trace the references replay: one in, one out.
constexpr int clockingsTraced = 2;

void progress(const QString &text)
{
    QTextStream(stderr) << text << Qt::endl;
}

QString rowsText(int rows)
{
    return rows >= 1'000'000 ? u"%1M"_s.arg(rows / 1'000'000) : u"%1k"_s.arg(rows / 1000);
}

void warnAbout(const QStringList &prompts, const QString &where)
{
    if (!prompts.isEmpty())
        progress(u"warning: %1 showed %2 message(s), the first: %3"_s.arg(where)
                     .arg(prompts.size())
                     .arg(prompts.first()));
}

// A database of its own on the server, dropped when the bench ends.
class ServerDatabase
{
public:
    explicit ServerDatabase(const QString &adminUri) : m_adminUri(adminUri)
    {
        m_name =
            u"chronel_bench_"_s + QString::number(QRandomGenerator::global()->generate64(), 36);
        Database(adminUri).exec(u"create database "_s + m_name);
        QUrl url(adminUri);
        url.setPath(u"/"_s + m_name);
        m_uri = url.toString();
    }
    ~ServerDatabase()
    {
        try {
            Database(m_adminUri).exec(u"drop database if exists "_s + m_name + u" with (force)"_s);
        } catch (...) {
            progress(u"could not drop the database "_s + m_name);
        }
    }
    const QString &uri() const { return m_uri; }

private:
    QString m_adminUri;
    QString m_name;
    QString m_uri;
};

bool transactionControl(const QString &sql)
{
    const QString verb = sql.trimmed().section(u' ', 0, 0).toLower();
    return verb == u"begin"_s || verb == u"commit"_s || verb == u"rollback"_s;
}

void runStatement(Database &db, const Bench::Statement &statement)
{
    if (statement.sql.trimmed().startsWith(u"select"_s, Qt::CaseInsensitive))
        db.select(statement.sql, statement.values);
    else
        db.exec(statement.sql, statement.values);
}

// The clocking as the station did it before: a new connection for every statement and
// no transaction.
void replayOnNewConnections(const QString &location, const QList<Bench::Statement> &trace)
{
    for (const Bench::Statement &statement : trace) {
        if (transactionControl(statement.sql))
            continue;
        Database connection(location);
        runStatement(connection, statement);
    }
}

QList<Bench::Statement> traceOf(Database &db, const std::function<void()> &work)
{
    QList<Bench::Statement> trace;
    db.observe([&](const QString &sql, const QVariantList &values) {
        trace.append({sql, values});
    });
    work();
    db.observe({});
    return trace;
}

// The trace with `card` as the card of station `station`.
QList<Bench::Statement> forStation(QList<Bench::Statement> trace, const QString &card, int station)
{
    const QString own =
        BenchData::card(1 + station * BenchData::clockingEmployees / stationsAtOnce);
    for (Bench::Statement &statement : trace) {
        for (QVariant &value : statement.values) {
            if (value.toString() == card)
                value = own;
        }
    }
    return trace;
}

// The trace as a pgbench script; each client clocks cards of its own.
QString pgbenchScript(const QList<Bench::Statement> &trace, const QString &card)
{
    // Any of the client's share of the cards, as a station clocks each of its own in turn.
    const int cardsEach = BenchData::clockingEmployees / stationsAtOnce;
    QString script =
        u"\\set card 1 + :client_id * %1 + random(0, %2)\n"_s.arg(cardsEach).arg(cardsEach - 1);
    for (const Bench::Statement &statement : trace) {
        QString sql;
        qsizetype next = 0;
        for (const QChar c : statement.sql) {
            if (c != u'?') {
                sql += c;
                continue;
            }
            const QString value = statement.values.value(next++).toString();
            sql += value == card ? u":card"_s
                                 : u"'"_s + QString(value).replace(u"'"_s, u"''"_s) + u"'"_s;
        }
        script += sql + u";\n"_s;
    }
    return script;
}

// Clockings a second of `stations` threads, each a station with its own connection doing
// `work` until the time is up.
template <typename Station>
double perSecond(int seconds, const std::function<std::unique_ptr<Station>(int)> &make,
                 const std::function<void(Station &)> &work,
                 const std::function<void(Station &)> &check = {})
{
    QSemaphore ready;
    QSemaphore go;
    std::atomic<long> done = 0;
    std::atomic<std::chrono::steady_clock::time_point> deadline{};
    QList<QThread *> threads;
    for (int t = 0; t < stationsAtOnce; ++t) {
        threads << QThread::create([&, t] {
            const std::unique_ptr<Station> station = make(t);
            for (int i = 0; i < 3; ++i)
                work(*station);
            ready.release();
            go.acquire();
            long count = 0;
            while (std::chrono::steady_clock::now() < deadline.load()) {
                work(*station);
                ++count;
            }
            done += count;
            if (check)
                check(*station);
        });
        threads.last()->start();
    }
    ready.acquire(stationsAtOnce);
    const auto start = std::chrono::steady_clock::now();
    deadline = start + std::chrono::seconds(seconds);
    go.release(stationsAtOnce);
    for (QThread *thread : threads) {
        thread->wait();
        delete thread;
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return done / elapsed;
}

double pgbenchPerSecond(const QString &pgbench, const QString &uri, const QString &script,
                        int seconds)
{
    QTemporaryFile file(QDir::tempPath() + u"/chronel-bench-XXXXXX.sql"_s);
    if (!file.open())
        return 0;
    file.write(script.toUtf8());
    file.flush();
    QProcess process;
    process.start(pgbench, {u"-n"_s, u"-M"_s, u"prepared"_s, u"-c"_s,
                            QString::number(stationsAtOnce), u"-j"_s, u"2"_s, u"-T"_s,
                            QString::number(seconds), u"-f"_s, file.fileName(), uri});
    process.waitForFinished(seconds * 1000 + 60'000);
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    const auto match = QRegularExpression(u"tps = ([0-9.]+)"_s).match(output);
    if (!match.hasMatch()) {
        progress(u"pgbench gave no figure: "_s + output +
                 QString::fromUtf8(process.readAllStandardError()));
        return 0;
    }
    return match.captured(1).toDouble() * clockingsTraced;
}

} // namespace

void Bench::run()
{
    const QString home = ChronelHome::path();
    QDir().mkpath(home + u"/small"_s);
    const int smallRows = m_options.quick ? 2'000 : 10'000;
    const QString small = home + u"/small/main.db"_s;
    // Where the station finds its database in the home.
    const QString large = home + u"/main.db"_s;
    progress(u"making the SQLite logs (%1 and %2 rows)"_s.arg(smallRows).arg(logRows()));
    {
        Database db(small);
        BenchData::fill(db, smallRows);
    }
    {
        Database db(large);
        BenchData::fill(db, logRows());
    }
    clockingFigures(u"SQLite"_s, large);
    reportFigures(u"SQLite"_s, small, large, smallRows);
    startupFigure();

    if (m_options.serverUri.isEmpty()) {
        m_table.note(u"PostgreSQL: not measured (CHRONEL_TEST_PG_URI is not set)."_s);
        return;
    }
    ServerDatabase serverSmall(m_options.serverUri);
    ServerDatabase serverLarge(m_options.serverUri);
    progress(u"making the PostgreSQL logs (%1 and %2 rows)"_s.arg(smallRows).arg(logRows()));
    for (const ServerDatabase *server : {&serverSmall, &serverLarge}) {
        Database db(server->uri());
        BenchData::fill(db, server == &serverSmall ? smallRows : logRows());
        // What the server's autovacuum does after a load this size.
        db.exec(u"analyze"_s);
    }
    {
        Database db(serverLarge.uri());
        const SqlRow settings = db.first(u"select current_setting('fsync') as fsync,"
                                         " current_setting('synchronous_commit') as sync"_s);
        m_table.note(u"PostgreSQL server: fsync=%1, synchronous_commit=%2."_s.arg(
            settings[u"fsync"_s], settings[u"sync"_s]));
    }
    clockingFigures(u"PostgreSQL"_s, serverLarge.uri());
    concurrencyFigure(serverLarge.uri());
    reportFigures(u"PostgreSQL"_s, serverSmall.uri(), serverLarge.uri(), smallRows);
}

void Bench::clockingFigures(const QString &engine, const QString &location)
{
    progress(engine + u": clockings"_s);
    BenchStation station(location, 1, BenchData::clockingEmployees);
    // Every card clocks in and out once first. Indexes just built have full pages, so a
    // card's first clocking splits a page in each index ordered by card; after a
    // station's first day its log has room where its cards go, as here.
    const int warmUp = 2 * BenchData::clockingEmployees;
    for (int i = 0; i < warmUp; ++i)
        station.clockNext();
    // One clock-in and one clock-out of a card, which the references replay: both
    // change what they find, so the replay can run again and again.
    // The card's number must differ from every other value they bind, states included.
    constexpr int traced = 9;
    m_trace = traceOf(station.db(), [&] {
        station.clock(traced);
        station.clock(traced);
    });
    m_tracedCard = station.card(traced);

    Database &db = station.db();
    // A card `ahead` of the `n`th one in the round, so that the references' pages are no
    // warmer than a clocking's.
    const auto cardAhead = [](int n, int ahead) {
        return 1 + (n + ahead) % BenchData::clockingEmployees;
    };
    // The row a clocking adds, for a card half the round away from the one clocked last;
    // on a day before the log's.
    const QString referenceDay = u"01/01/14"_s;
    int bareInserts = 0;
    const auto bare = [&] {
        const int card = cardAhead(bareInserts++, BenchData::clockingEmployees / 2);
        return Timing::ms([&] {
            ClockingLog::add(db, referenceDay, u"12:00:00"_s, BenchData::name(card),
                             BenchData::card(card), ClockingLog::in);
        });
    };
    // What a clocking writes, and nothing else: no read, no check. The row of the card's
    // state is written back as it is, so the station's cards keep theirs.
    int floors = 0;
    const auto writesAlone = [&](bool out) {
        const int card = cardAhead(floors++, BenchData::clockingEmployees / 4);
        return Timing::ms([&] {
            Transaction transaction(db);
            db.exec(u"update locked set locked = locked where cardnum = ?"_s,
                    {BenchData::card(card)});
            ClockingLog::add(db, referenceDay, u"12:00:00"_s, BenchData::name(card),
                             BenchData::card(card), ClockingLog::in);
            if (out)
                ClockingLog::markDone(db, referenceDay, BenchData::card(card));
            LastIdentified::set(db, BenchData::name(card), BenchData::card(card));
            transaction.commit();
        });
    };
    const auto oldWay = [&] {
        return Timing::ms([&] { replayOnNewConnections(location, m_trace); }) / clockingsTraced;
    };
    // As many clock-ins as clock-outs: every card clocks a whole number of times in and out.
    QList<double> clockings;
    QList<double> clockIns;
    QList<double> clockOuts;
    QList<double> bares;
    QList<double> writesIn;
    QList<double> writesOut;
    const bool sqlite = engine == u"SQLite"_s;
    const int cycles = std::max(1, rounds(1200) / (2 * BenchData::clockingEmployees));
    for (int round = 0; round < cycles * 2 * BenchData::clockingEmployees; ++round) {
        const double took = Timing::ms([&] { station.clockNext(); });
        clockings << took;
        (station.lastKind() == ClockingFeedback::Kind::Out ? clockOuts : clockIns) << took;
        bares << bare();
        // A server takes the writes as one statement; on SQLite they are what a
        // clocking cannot do without.
        if (sqlite)
            (round % 2 ? writesOut : writesIn) << writesAlone(round % 2);
    }
    // Apart, and beside the same reference: its many new connections slow whatever runs
    // just after them.
    const Timing::Pair before = Timing::interleaved(rounds(40), oldWay, [] { return 0.0; });
    warnAbout(station.prompts(), engine + u" clocking"_s);
    const double reference = Timing::median(bares);
    const auto row = [&](const QString &figure, const QList<double> &samples,
                         const QString &target) {
        const double measured = Timing::median(samples);
        m_table.add({figure, BenchTable::ms(measured), BenchTable::ms(reference),
                     BenchTable::ratio(measured / reference), target});
    };
    row(engine + (sqlite ? u" clocking ÷ one bare durable INSERT commit"_s
                         : u" clocking ÷ one bare INSERT"_s),
        clockings, sqlite ? u"≤ 1.2×"_s : u"≤ 2×"_s);
    row(u"  clock-ins alone"_s, clockIns, u"-"_s);
    row(u"  clock-outs alone (they also mark the day done)"_s, clockOuts, u"-"_s);
    if (sqlite) {
        row(u"  a clock-in's writes alone, in one commit, nothing read"_s, writesIn, u"-"_s);
        row(u"  a clock-out's writes alone, in one commit, nothing read"_s, writesOut, u"-"_s);
    }
    m_table.add({u"  the same clocking the old way (a connection a statement, no transaction)"_s,
                 BenchTable::ms(before.measured), BenchTable::ms(reference),
                 BenchTable::ratio(before.measured / reference), u"-"_s});
}

void Bench::concurrencyFigure(const QString &location)
{
    progress(u"PostgreSQL: %1 stations at once"_s.arg(stationsAtOnce));
    const int seconds = m_options.quick ? 1 : 3;
    const int cardsEach = BenchData::clockingEmployees / stationsAtOnce;
    QStringList prompts;
    QMutex promptsLock;
    const auto stations = [&] {
        return perSecond<BenchStation>(
            seconds,
            [&](int t) {
                return std::make_unique<BenchStation>(location, 1 + t * cardsEach, cardsEach);
            },
            [](BenchStation &station) { station.clockNext(); },
            [&](BenchStation &station) {
                const QMutexLocker locker(&promptsLock);
                prompts += station.prompts();
            });
    };
    const QString pgbench = QStandardPaths::findExecutable(u"pgbench"_s);
    QString referenceName;
    std::function<double()> reference;
    if (!pgbench.isEmpty()) {
        referenceName = u"pgbench"_s;
        const QString script = pgbenchScript(m_trace, m_tracedCard);
        reference = [=, this] { return pgbenchPerSecond(pgbench, location, script, seconds); };
    } else {
        referenceName = u"bare statements"_s;
        reference = [&] {
            return perSecond<std::pair<Database, QList<Statement>>>(
                       seconds,
                       [&](int t) {
                           return std::make_unique<std::pair<Database, QList<Statement>>>(
                               location, forStation(m_trace, m_tracedCard, t));
                       },
                       [](std::pair<Database, QList<Statement>> &station) {
                           for (const Statement &statement : station.second)
                               runStatement(station.first, statement);
                       }) *
                   clockingsTraced;
        };
    }
    const Timing::Pair rates = Timing::interleaved(m_options.quick ? 1 : 5, stations, reference);
    warnAbout(prompts, u"the stations at once"_s);
    m_table.add(
        {u"PostgreSQL, %1 stations at once ÷ %2 running the same statements at %1 "
         "clients"_s.arg(stationsAtOnce)
             .arg(referenceName),
         u"%1 /s"_s.arg(rates.measured, 0, 'f', 0), u"%1 /s"_s.arg(rates.reference, 0, 'f', 0),
         rates.reference > 0 ? u"%1"_s.arg(rates.measured / rates.reference, 0, 'f', 2) : u"-"_s,
         u"≥ 0.9"_s});
}

void Bench::reportFigures(const QString &engine, const QString &smallLocation,
                          const QString &largeLocation, int smallRows)
{
    progress(engine + u": reports"_s);
    Database small(smallLocation);
    Database large(largeLocation);
    KeepingPrompter prompter;
    StartupValues values;
    values.numberOfBreaks = 2;
    values.breakNames = {u"Coffee"_s, u"Tea"_s, u"-"_s};
    const QString sizes = u"%1 ÷ %2"_s.arg(rowsText(logRows()), rowsText(smallRows));

    struct Figure
    {
        QString name;
        std::function<void(Database &, int rows)> run;
        QString target;
        bool ratioIsTheFigure = false;
    };
    const QList<Figure> figures = {
        {u"monthly report, %1-row log"_s.arg(rowsText(logRows())),
         [&](Database &db, int rows) {
             const QDate last = BenchData::lastDay(rows);
             MonthlyReport(db, prompter).run({last.addDays(-27), last, true, true});
         },
         u"< 50 ms"_s},
        {u"no-clock report, %1 rows, %2 employees"_s.arg(rowsText(logRows()))
             .arg(BenchData::employees),
         [&](Database &db, int rows) {
             NoClockReport(db, prompter).run({BenchData::lastDay(rows), true, true});
         },
         u"< 50 ms"_s},
        {u"daily report with breaks, "_s + sizes,
         [&](Database &db, int rows) {
             DailyReport(db, prompter, values).run({BenchData::lastDay(rows), true, true, true});
         },
         u"≤ 2×"_s, true},
        {u"employee hours, one employee (four weeks), %1 rows"_s.arg(rowsText(logRows())),
         [&](Database &db, int rows) {
             const QDate last = BenchData::lastDay(rows);
             EmployeeHoursReport(db, prompter)
                 .run({BenchData::name(7), BenchData::card(7), last.addDays(-27), last});
         },
         u"< 15 ms, flat"_s},
    };
    for (const Figure &figure : figures) {
        const auto onLarge = [&] { return Timing::ms([&] { figure.run(large, logRows()); }); };
        const auto onSmall = [&] { return Timing::ms([&] { figure.run(small, smallRows); }); };
        onLarge();
        onSmall();
        const Timing::Pair times = Timing::interleaved(rounds(15), onLarge, onSmall);
        m_table.add({engine + u" "_s + figure.name, BenchTable::ms(times.measured),
                     BenchTable::ms(times.reference) + u" at "_s + rowsText(smallRows),
                     BenchTable::ratio(times.measured / times.reference), figure.target});
    }
    warnAbout(prompter.shown, engine + u" reports"_s);
}

void Bench::startupFigure()
{
    progress(u"station start-up"_s);
    QList<double> times;
    QList<double> memory;
    for (int round = 0; round < rounds(7); ++round) {
        QProcess probe;
        probe.start(m_options.program, {u"--startup-probe"_s});
        probe.waitForFinished(60'000);
        const QStringList figures =
            QString::fromUtf8(probe.readAllStandardOutput()).split(u' ', Qt::SkipEmptyParts);
        if (probe.exitCode() != 0 || figures.size() != 2) {
            progress(u"the start-up probe failed: "_s +
                     QString::fromUtf8(probe.readAllStandardError()));
            return;
        }
        times << figures[0].toDouble();
        memory << figures[1].toDouble() / 1024;
    }
    m_table.add({u"station start-up to ready (headless: location, checks, upgrade, start-up "
                 "values) on the %1 log"_s.arg(rowsText(logRows())),
                 BenchTable::ms(Timing::median(times)), u"-"_s, u"-"_s, u"< 100 ms"_s});
    m_table.add({u"memory after that start-up (resident, Qt Core and Sql only)"_s,
                 u"%1 MB"_s.arg(Timing::median(memory), 0, 'f', 1), u"-"_s, u"-"_s, u"< 50 MB"_s});
}

int Bench::startupProbe()
{
    KeepingPrompter prompter;
    StationStartup startup(prompter);
    const double ms = Timing::ms([&] { startup.run(); });
    const auto db = startup.takeDatabase();
    if (!db) {
        QTextStream(stderr) << prompter.shown.join(u'\n') << Qt::endl;
        return 1;
    }
    QFile status(u"/proc/self/status"_s);
    long kb = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                kb = line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    QTextStream(stdout) << ms << ' ' << kb << Qt::endl;
    return 0;
}
