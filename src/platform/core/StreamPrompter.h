#pragma once

#include "platform/core/Prompter.h"

#include <QString>

class QTextStream;

// The prompter of a program without a window (cron, SSH): each message is a line on a
// text stream, standard error as a rule, after the program's name. Nobody is there to
// answer a question, so it is written down and answered No.
class StreamPrompter : public Prompter
{
public:
    StreamPrompter(QTextStream &stream, const QString &programName)
        : m_stream(stream), m_programName(programName)
    {
    }

    void inform(const QString &caption, const QString &text, PromptIcon icon) override;
    bool ask(const QString &caption, const QString &text, PromptIcon icon) override;

private:
    QTextStream &m_stream;
    QString m_programName;
};
