#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh, empty Chronel home for one test; CHRONEL_HOME points at it while it lives.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};
