#include "QuietWarnings.h"
#include "WhenModal.h"
#include "platform/gui/MessageBoxPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMessageBoxPrompter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A name or received text with markup shown rendered (a fake red notice, an image)
    // instead of as typed.
    void markupShownAsTyped_data();
    void markupShownAsTyped();
    // Esc answering a question with No, which sets off what No leads to, or no longer
    // closing a plain message.
    void escape_data();
    void escape();
};

void TestMessageBoxPrompter::markupShownAsTyped_data()
{
    QTest::addColumn<bool>("question");
    QTest::newRow("message") << false;
    QTest::newRow("question") << true;
}

void TestMessageBoxPrompter::markupShownAsTyped()
{
    QFETCH(bool, question);
    const QString name = u"<span style=\"color:red\">BREAK GRANTED</span><img src=x>"_s;
    const QString text = u"Clock "_s + name + u" IN?"_s;
    MessageBoxPrompter prompter;
    bool checked = false;

    whenModal(
        this, [](QWidget *modal) { return qobject_cast<QMessageBox *>(modal) != nullptr; },
        [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), text);
            auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_s);
            QVERIFY(label);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->text(), text);
            QCOMPARE(box->windowTitle(), name);
            checked = true;
            box->buttons().first()->click();
        });
    if (question)
        prompter.ask(name, text, PromptIcon::Question);
    else
        prompter.inform(name, text, PromptIcon::Information);
    QVERIFY(checked);
}

void TestMessageBoxPrompter::escape_data()
{
    QTest::addColumn<bool>("question");
    QTest::newRow("question stays open") << true;
    QTest::newRow("message closes") << false;
}

void TestMessageBoxPrompter::escape()
{
    QFETCH(bool, question);
    MessageBoxPrompter prompter;
    bool openAfterEscape = false;
    bool answered = false;

    whenModal(
        this, [](QWidget *modal) { return qobject_cast<QMessageBox *>(modal) != nullptr; },
        [&](QWidget *modal) {
            QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box.data(),
                            Qt::Key_Escape);
            QCoreApplication::processEvents();
            openAfterEscape = box && box->isVisible();
            if (openAfterEscape) {
                QAbstractButton *yes = box->button(QMessageBox::Yes);
                QVERIFY(yes);
                yes->click();
            }
        });
    if (question)
        answered = prompter.ask(u"Confirm"_s, u"Clock Ann IN?"_s, PromptIcon::Question);
    else {
        // An error shown is also written to the log.
        QTest::ignoreMessage(QtWarningMsg, "Error!: Invalid login");
        prompter.inform(u"Error!"_s, u"Invalid login"_s, PromptIcon::Error);
    }
    QCOMPARE(openAfterEscape, question);
    // Only Yes, pressed after Esc did nothing, answers the question.
    QCOMPARE(answered, question);
}

QTEST_MAIN(TestMessageBoxPrompter)
#include "tst_messageboxprompter.moc"
