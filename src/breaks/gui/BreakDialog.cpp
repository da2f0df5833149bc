#include "breaks/gui/BreakDialog.h"

#include "breaks/gui/ManualBreakAuthorizationDialog.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"
#include "store/StartupValues.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

BreakDialog::BreakDialog(const BreakContext &context, const QString &employee, const QString &card,
                         QWidget *parent, std::chrono::milliseconds pollInterval)
    : QDialog(parent), m_context(context), m_employee(employee), m_card(card),
      m_recording(context.db, context.prompter, context.clock, context.values),
      m_request(context.prompter, context.messenger, context.values.managerAddress),
      m_authorization(context.db, context.prompter, context.clock, card)
{
    setWindowTitle(tr(":: Break Authorization ::"));
    m_poll = new QTimer(this);
    m_poll->setObjectName(u"authorizationPoll"_s);
    m_poll->setInterval(pollInterval);
    connect(m_poll, &QTimer::timeout, this, &BreakDialog::poll);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildOptionsGroup());

    if (context.values.authorisation) {
        m_cardField->setEnabled(false);
        m_poll->start();
    } else {
        m_send->setEnabled(false);
        m_manual->setEnabled(false);
        m_cardField->setFocus();
    }
}

QWidget *BreakDialog::buildOptionsGroup()
{
    auto *group = new QGroupBox(tr("Options"), this);
    m_send = DialogButton::create(tr("Send Authorization Request"), u"sendRequestButton"_s, group);
    connect(m_send, &QPushButton::clicked, this, &BreakDialog::sendRequest);
    m_manual =
        DialogButton::create(tr("Manual Authorization"), u"manualAuthorizationButton"_s, group);
    connect(m_manual, &QPushButton::clicked, this, &BreakDialog::authorizeHere);

    m_cardField = new QLineEdit(group);
    m_cardField->setObjectName(u"breakCardField"_s);
    m_cardField->setAccessibleName(tr("Card number"));
    m_cardField->setAlignment(Qt::AlignCenter);
    m_cardField->setEchoMode(QLineEdit::Password);

    auto *logArea = new QGroupBox(tr("Log Area:"), group);
    m_status = new QLineEdit(logArea);
    m_status->setObjectName(u"statusLine"_s);
    m_status->setAccessibleName(tr("Log Area:"));
    m_status->setReadOnly(true);
    fitStatus();
    auto *logLayout = new QVBoxLayout(logArea);
    logLayout->addWidget(m_status);

    auto *controls = new QVBoxLayout;
    controls->addWidget(m_send);
    controls->addWidget(m_manual);
    controls->addWidget(m_cardField);
    controls->addWidget(logArea);
    PictureFrame::lay(group, controls);
    return group;
}

// A line scrolls its text to the cursor at the end: one narrower than its longest message
// showed only the end of it.
void BreakDialog::fitStatus()
{
    const QFontMetrics metrics = m_status->fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(waitingText()),
                                metrics.horizontalAdvance(authorizedText()));
    // The minimum hint holds one widest character besides the frame and margins; a blank
    // more leaves room for the cursor.
    const int around = m_status->minimumSizeHint().width() - metrics.maxWidth();
    m_status->setMinimumWidth(widest + around + metrics.horizontalAdvance(u' '));
}

QString BreakDialog::waitingText()
{
    return tr("Please wait while your break request is being authorized");
}

QString BreakDialog::authorizedText()
{
    return tr("Your break request was successfully authorized");
}

void BreakDialog::run(const BreakContext &context, const QString &employee, const QString &card,
                      QWidget *parent)
{
    BreakDialog dialog(context, employee, card, parent);
    dialog.exec();
}

void BreakDialog::done(int result)
{
    if (!closed()) {
        m_poll->stop();
        m_authorization.close();
    }
    QDialog::done(result);
}

void BreakDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        record();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BreakDialog::record()
{
    const QString typed = m_cardField->text();
    m_cardField->clear();
    m_recording.record(typed, m_card);
}

void BreakDialog::sendRequest()
{
    m_request.send(m_employee, m_card);
    m_status->setText(waitingText());
}

void BreakDialog::authorizeHere()
{
    if (ManualBreakAuthorizationDialog::run(m_context.db, m_context.prompter, m_context.clock,
                                            m_card, this))
        m_authorization.grantedAtStation();
}

void BreakDialog::poll()
{
    // Not again while an error about the last look is still open.
    m_poll->stop();
    if (m_authorization.poll())
        unlock();
    else if (!closed())
        m_poll->start();
}

void BreakDialog::unlock()
{
    m_cardField->setEnabled(true);
    m_send->setEnabled(false);
    m_manual->setEnabled(false);
    m_cardField->setFocus();
    m_status->setText(authorizedText());
}
