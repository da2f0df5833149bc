#pragma once

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

    void commit();

private:
    Database &m_db;
    bool m_done = false;
};
