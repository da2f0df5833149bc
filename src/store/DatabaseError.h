#pragma once

#include <QString>
#include <exception>

// A failed database or location operation, carrying the driver's (or the file layer's) text.
class DatabaseError : public std::exception
{
public:
    enum class Kind
    {
        Statement,  // the database answered and refused
        Unreachable // no connection: a server down, a shared folder out of reach
    };

    explicit DatabaseError(QString text, Kind kind = Kind::Statement)
        : m_text(std::move(text)), m_bytes(m_text.toUtf8()), m_kind(kind)
    {
    }

    const QString &text() const { return m_text; }
    bool unreachable() const { return m_kind == Kind::Unreachable; }
    const char *what() const noexcept override { return m_bytes.constData(); }

private:
    QString m_text;
    QByteArray m_bytes;
    Kind m_kind;
};
