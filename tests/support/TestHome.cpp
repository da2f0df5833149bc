#include "TestHome.h"

#include <QFile>
#include <QTest>

TestHome::TestHome() : m_previous(qgetenv("CHRONEL_HOME"))
{
    QVERIFY(m_dir.isValid());
    qputenv("CHRONEL_HOME", m_dir.path().toUtf8());
}

TestHome::~TestHome()
{
    qputenv("CHRONEL_HOME", m_previous);
}

void TestHome::write(const QString &name, const QByteArray &content) const
{
    QFile file(this->file(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

QByteArray TestHome::read(const QString &name) const
{
    QFile file(this->file(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
