#include "BreakRequestNotices.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

BreakRequestNotices::BreakRequestNotices(quint16 port, QObject *parent)
    : QObject(parent), m_listener(port)
{
    connect(&m_listener, &MessageListener::messageArrived, this, &BreakRequestNotices::show);
}

bool BreakRequestNotices::listen()
{
    return m_listener.listen();
}

QString BreakRequestNotices::errorString() const
{
    return m_listener.errorString();
}

void BreakRequestNotices::show(const QString &text)
{
    auto *notice =
        new QMessageBox(QMessageBox::Information, tr("Break Request"), text, QMessageBox::Ok);
    notice->setObjectName(u"breakRequestNotice"_s);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    // Seen even when the station window is covered.
    notice->setWindowFlag(Qt::WindowStaysOnTopHint);
    notice->show();
}
