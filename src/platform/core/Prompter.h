#pragma once

#include <QString>

// Every message box and question of the programs goes through a Prompter, so the
// logic can run without a window and tests can script the answers.
enum class PromptIcon
{
    Information,
    Error,
    Exclamation,
    Question
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void inform(const QString &caption, const QString &text, PromptIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString &caption, const QString &text,
                     PromptIcon icon = PromptIcon::Question) = 0;
};
