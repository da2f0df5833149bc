#pragma once

#include "reports/core/WorkPeriods.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

class Database;

// What a payroll export covers: a period and everyone, or one card.
struct PayrollRequest
{
    QDate from;
    QDate to;
    QString cardNumber; // empty: every employee
};

// The paid hours of a period, per employee and day, with their weeks and totals: what
// every payroll file shows, whatever its format.
struct Payroll
{
    struct Employee
    {
        QString name;
        QString cardNumber;
        QList<WorkPeriods::Day> days;
        QList<WorkPeriods::Week> weeks;
        QList<WorkPeriods::Incomplete> incomplete; // of the period's dates
        int workedMinutes = 0;
        int breakMinutes = 0;
        int paidMinutes = 0;
        int overtimeMinutes = 0;
    };

    QString company;
    QDate from;
    QDate to;
    QDateTime madeAt;
    int overtimeThresholdMinutes = 0;
    // By name, those of one name by card number.
    QList<Employee> employees;

    // Employees done of all, after each one.
    using Progress = std::function<void(int done, int all)>;

    // Reads the clockings, breaks and work settings. Every employee on file is listed,
    // and any card that clocked in the period without being on file any more; a request
    // for one card lists that card alone. Throws DatabaseError.
    static Payroll load(Database &db, const PayrollRequest &request, const QDateTime &madeAt,
                        const QTimeZone &zone = QTimeZone::systemTimeZone(),
                        const Progress &progress = {});

    // "8:05": hours without a limit, minutes in two digits.
    static QString hoursMinutes(int minutes);
    // "8.08": hours with two decimals and a dot.
    static QString decimalHours(int minutes);
};
