#pragma once

#include "breaks/core/BreakAuthorization.h"
#include "breaks/core/BreakContext.h"
#include "breaks/core/BreakRecording.h"
#include "breaks/core/BreakRequest.h"

#include <QDialog>
#include <chrono>

class QLineEdit;
class QPushButton;
class QTimer;

// ":: Break Authorization ::": the employee enters the card again and presses Enter to
// start or end a break. With authorisation on, the card field stays locked until a
// supervisor grants the break; closing the dialog gives the grant back.
class BreakDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultPollInterval{5000};

    BreakDialog(const BreakContext &context, const QString &employee, const QString &card,
                QWidget *parent = nullptr,
                std::chrono::milliseconds pollInterval = defaultPollInterval);

    // Shows the dialog for the employee with `card` until it is closed.
    static void run(const BreakContext &context, const QString &employee, const QString &card,
                    QWidget *parent = nullptr);

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildOptionsGroup();
    void fitStatus();
    static QString waitingText();
    static QString authorizedText();
    void record();
    void sendRequest();
    void authorizeHere();
    void poll();
    void unlock();
    bool closed() const { return m_authorization.status() == BreakAuthorization::Status::Closed; }

    BreakContext m_context;
    QString m_employee;
    QString m_card;
    BreakRecording m_recording;
    BreakRequest m_request;
    BreakAuthorization m_authorization;
    QPushButton *m_send = nullptr;
    QPushButton *m_manual = nullptr;
    QLineEdit *m_cardField = nullptr;
    QLineEdit *m_status = nullptr;
    QTimer *m_poll = nullptr;
};
