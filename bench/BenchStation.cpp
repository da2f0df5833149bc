#include "BenchStation.h"

#include "BenchData.h"

#include <QAtomicInt>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// Days each station may use; every station gets days of its own, after the log's.
constexpr int daysAStation = 100;

QDate firstDayOfNextStation()
{
    static QAtomicInt stations;
    return QDate(2031, 1, 1).addDays(qint64(stations.fetchAndAddRelaxed(1)) * daysAStation);
}

} // namespace

BenchStation::BenchStation(const QString &location, int firstCard, int cards)
    : m_db(location), m_context{m_db, m_prompter, m_clock, m_silence, m_silence, m_values, {}},
      m_clocking(m_context, {}), m_firstDay(firstDayOfNextStation()), m_firstCard(firstCard),
      m_cards(cards), m_clockings(cards, 0)
{
    m_values.confirmation = false;
}

void BenchStation::clockNext()
{
    clock(m_next++ % m_cards);
}

void BenchStation::clock(int index)
{
    const int day = m_clockings[index]++;
    if (day >= daysAStation)
        throw std::runtime_error("a bench station ran out of days");
    m_clock.at = QDateTime(m_firstDay.addDays(day), QTime(9, 0));
    m_clocking.run(card(index));
}

QString BenchStation::card(int index) const
{
    return BenchData::card(m_firstCard + index);
}
