#pragma once

#include <QString>

class Database;

// Runs the statements of one user operation as a whole: begun on construction, undone
// on destruction unless commit() was reached.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Keeps other writers of `table` out until this transaction ends, so that a check
    // made inside it (a free card number, a remaining account) still holds at commit.
    void lockTable(const QString &table) { lockTable(m_db, table); }
    // The same inside whatever transaction `db` has open.
    static void lockTable(Database &db, const QString &table);

    void commit();

private:
    Database &m_db;
    bool m_done = false;
};
