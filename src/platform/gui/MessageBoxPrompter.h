#pragma once

#include "platform/core/Prompter.h"

class QWidget;

// The Prompter of the running programs: modal message boxes over a parent window.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    void inform(const QString &caption, const QString &text, PromptIcon icon) override;
    bool ask(const QString &caption, const QString &text, PromptIcon icon) override;

private:
    QWidget *m_parent;
};
