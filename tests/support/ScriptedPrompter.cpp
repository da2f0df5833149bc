#include "ScriptedPrompter.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString describe(const ScriptedPrompter::Prompt &prompt)
{
    return u"%1 [%2] \"%3\""_s.arg(prompt.question ? u"question"_s : u"message"_s, prompt.caption,
                                   prompt.text);
}

} // namespace

ScriptedPrompter::~ScriptedPrompter()
{
    // A test that failed already has said what went wrong; outside a test there is
    // nobody to tell.
    if (m_expected.isEmpty() || !QTest::currentTestFunction() || QTest::currentTestFailed())
        return;
    QTest::qFail(qPrintable(u"Prompts still expected at the end of the test: "_s + pending()),
                 __FILE__, __LINE__);
}

void ScriptedPrompter::expectMessage(const QString &caption, const QString &text, PromptIcon icon)
{
    m_expected.append({caption, text, icon, false, false});
    m_anyText.append(false);
}

void ScriptedPrompter::expectQuestion(const QString &caption, const QString &text, bool answer,
                                      PromptIcon icon)
{
    m_expected.append({caption, text, icon, true, answer});
    m_anyText.append(false);
}

void ScriptedPrompter::expectError(const QString &caption)
{
    m_expected.append({caption, {}, PromptIcon::Error, false, false});
    m_anyText.append(true);
}

QString ScriptedPrompter::pending() const
{
    QStringList lines;
    for (const Prompt &prompt : m_expected)
        lines << describe(prompt);
    return lines.join(u"; "_s);
}

void ScriptedPrompter::reset()
{
    m_expected.clear();
    m_anyText.clear();
    m_seen.clear();
}

void ScriptedPrompter::inform(const QString &caption, const QString &text, PromptIcon icon)
{
    take({caption, text, icon, false, false});
}

bool ScriptedPrompter::ask(const QString &caption, const QString &text, PromptIcon icon)
{
    return take({caption, text, icon, true, false});
}

bool ScriptedPrompter::take(const Prompt &shown)
{
    m_seen.append(shown);
    if (m_expected.isEmpty()) {
        QTest::qFail(qPrintable(u"Unexpected "_s + describe(shown)), __FILE__, __LINE__);
        return false;
    }
    const Prompt expected = m_expected.takeFirst();
    const bool anyText = m_anyText.takeFirst();
    const bool matches = expected.caption == shown.caption && expected.icon == shown.icon &&
                         expected.question == shown.question &&
                         (anyText || expected.text == shown.text);
    if (!matches) {
        QTest::qFail(
            qPrintable(u"Expected "_s + describe(expected) + u" but got "_s + describe(shown)),
            __FILE__, __LINE__);
        return false;
    }
    return expected.answer;
}
