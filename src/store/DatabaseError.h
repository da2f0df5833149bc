#pragma once

#include <QString>
#include <exception>

// A failed database or location operation, carrying the driver's (or the file layer's) text.
class DatabaseError : public std::exception
{
public:
    explicit DatabaseError(QString text) : m_text(std::move(text)), m_bytes(m_text.toUtf8()) {}

    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_bytes.constData(); }

private:
    QString m_text;
    QByteArray m_bytes;
};
