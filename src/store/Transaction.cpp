#include "store/Transaction.h"

#include "store/Database.h"

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::lockTable(Database &db, const QString &table)
{
    if (const QString sql = db.dialect().lockTable(table); !sql.isEmpty())
        db.exec(sql);
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}
