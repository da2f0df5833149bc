#pragma once

#include "platform/core/Prompter.h"

#include <QList>
#include <QString>

// A Prompter that expects a script of prompts, answers the questions as scripted and
// fails the running test on any prompt it did not expect, so no box can hang a test.
class ScriptedPrompter : public Prompter
{
public:
    struct Prompt
    {
        QString caption;
        QString text;
        PromptIcon icon;
        bool question = false;
        bool answer = false;
    };

    ScriptedPrompter() = default;
    // A test that ends with prompts still expected fails here.
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter &) = delete;
    ScriptedPrompter &operator=(const ScriptedPrompter &) = delete;

    // The next prompt must be this message.
    void expectMessage(const QString &caption, const QString &text, PromptIcon icon);
    // The next prompt must be this question, answered with `answer`.
    void expectQuestion(const QString &caption, const QString &text, bool answer,
                        PromptIcon icon = PromptIcon::Question);
    // The next prompt is an error message whose text is the driver's; only its caption
    // and icon are checked.
    void expectError(const QString &caption = QStringLiteral("Error"));

    // Prompts shown so far.
    const QList<Prompt> &seen() const { return m_seen; }
    // True when every scripted prompt has been shown.
    bool scriptDone() const { return m_expected.isEmpty(); }
    QString pending() const;
    void reset();

    void inform(const QString &caption, const QString &text, PromptIcon icon) override;
    bool ask(const QString &caption, const QString &text, PromptIcon icon) override;

private:
    bool take(const Prompt &shown);

    QList<Prompt> m_expected;
    QList<Prompt> m_seen;
    QList<bool> m_anyText;
};
